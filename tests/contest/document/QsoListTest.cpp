// The packed QSO list and the packing under it: what goes in comes out, whatever the sizes.
#include "QsoList.h"

#include "PackedTexts.h"
#include "QsoListColumns.h"

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

TEST(QsoList, ItemsComeBackFieldForFieldAndColumnsReadThePackedFields) {
    QsoItem full{123456, {}};
    // Fields filled to their width carry no NUL; they must come back whole and not run on.
    std::memset(&full.record, 'W', sizeof full.record);
    QsoItem sparse{7, {}};
    QsoRecord::setText(sparse.record.call, "JA1ABC");
    QsoRecord::setText(sparse.record.freq, "   7");
    QsoRecord::setText(sparse.record.remarks2, "\x93\xfa\x96\x7b"); // two double-byte characters
    QsoItem empty{-1, {}};

    QsoList list;
    for (const QsoItem& item : {full, sparse, empty}) {
        list.push_back(item);
    }
    ASSERT_EQ(list.size(), 3u);
    const QsoItem items[] = {full, sparse, empty};
    for (std::size_t i = 0; i < 3; ++i) {
        const QsoItem back = list[i];
        EXPECT_EQ(back.recordNumber, items[i].recordNumber);
        EXPECT_EQ(list.recordNumber(i), items[i].recordNumber);
        EXPECT_EQ(std::memcmp(&back.record, &items[i].record, sizeof back.record), 0) << i;
        for (int c = 1; c < QsoListColumns::kColumnCount; ++c) {
            EXPECT_EQ(list.field(i, QsoListColumns::listField(c)),
                      QsoListColumns::field(items[i].record, c))
                << "item " << i << " column " << c;
        }
    }
    int count = 0;
    for (const QsoItem& item : list) {
        EXPECT_EQ(item.recordNumber, items[count++].recordNumber);
    }
    EXPECT_EQ(count, 3);
    EXPECT_EQ(list.back().recordNumber, -1);
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
