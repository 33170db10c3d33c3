// Packed texts: what goes in comes out, whatever the sizes, in one or two steps and in copies.
#include "common/PackedTexts.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> unpack(const PackedTexts& packed, std::size_t entry, std::size_t count) {
    std::vector<std::string_view> views(count);
    packed.get(entry, views);
    return {views.begin(), views.end()};
}

} // namespace

TEST(PackedTexts, EveryLengthAndEntrySizeComesBack) {
    // Lengths around the one-byte length limit, and entries larger than a 64 KB block.
    const std::vector<std::vector<std::string>> entries = {
        {"", "", ""},
        {"JA1ABC", std::string(254, 'a'), std::string(255, 'b')},
        {std::string(256, 'c'), "", std::string(70000, 'd')},
        {std::string(1, '\0'), "\xFF\xFF", "x"},
        {std::string(65535, 'e'), "", ""},
        {"after", "the", "big ones"},
    };
    PackedTexts packed;
    for (int round = 0; round < 3; ++round) {
        for (const auto& texts : entries) {
            std::array<std::string_view, 3> views{texts[0], texts[1], texts[2]};
            packed.add(views);
        }
    }
    ASSERT_EQ(packed.size(), entries.size() * 3);
    for (std::size_t i = 0; i < packed.size(); ++i) {
        EXPECT_EQ(unpack(packed, i, 3), entries[i % entries.size()]) << "entry " << i;
    }
    packed.clear();
    EXPECT_TRUE(packed.empty());
}

TEST(PackedTexts, ManySmallEntriesFillBlockAfterBlock) {
    PackedTexts packed;
    for (int i = 0; i < 100000; ++i) {
        const std::string text = std::to_string(i);
        std::array<std::string_view, 2> views{text, std::string_view(text).substr(1)};
        ASSERT_EQ(packed.add(views), static_cast<std::size_t>(i));
    }
    for (int i = 0; i < 100000; i += 997) {
        const std::string text = std::to_string(i);
        EXPECT_EQ(unpack(packed, static_cast<std::size_t>(i), 2),
                  (std::vector<std::string>{text, text.substr(1)}));
    }
}

TEST(PackedTexts, TwoStepEntriesAndCopiesInSmallChunks) {
    // Entries written in place with generous room, in lists whose chunks stop growing early; a
    // copy holds the same entries and goes its own way.
    PackedTexts packed(std::size_t(1) << 17);
    for (int i = 0; i < 30000; ++i) {
        const std::string text = std::to_string(i * 7);
        char* out = packed.beginEntry(300);
        out = PackedTexts::putText(out, text);
        out = PackedTexts::putText(out, i % 3 == 0 ? std::string(260, 'x') : std::string());
        packed.commitEntry(PackedTexts::textBytes(text.size()) +
                           PackedTexts::textBytes(i % 3 == 0 ? 260 : 0));
    }
    PackedTexts copy(packed);
    std::array<std::string_view, 1> more{"more"};
    copy.add(more);
    PackedTexts assigned;
    assigned = copy;
    packed.clear();
    ASSERT_EQ(copy.size(), 30001u);
    ASSERT_EQ(assigned.size(), 30001u);
    for (int i = 0; i < 30000; i += 7) {
        const std::vector<std::string> expected{std::to_string(i * 7),
                                                i % 3 == 0 ? std::string(260, 'x') : ""};
        EXPECT_EQ(unpack(copy, static_cast<std::size_t>(i), 2), expected) << i;
        EXPECT_EQ(unpack(assigned, static_cast<std::size_t>(i), 2), expected) << i;
    }
    EXPECT_EQ(unpack(assigned, 30000, 1), std::vector<std::string>{"more"});
}
