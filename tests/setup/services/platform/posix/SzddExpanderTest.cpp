// SZDD expansion in memory: round trips through both encoders, every truncation and damaged
// headers rejected, and the expanded names.
#include "services/platform/posix/SzddExpander.h"

#include "common/Cp932.h"
#include "tests/setup/services/SzddFixture.h"

#include <gtest/gtest.h>

TEST(SzddExpander, LiteralFilesOfEverySize) {
    for (std::size_t size : {0u, 1u, 7u, 8u, 9u, 4095u, 4096u, 5000u}) {
        std::string data;
        for (std::size_t i = 0; i < size; ++i) {
            data += static_cast<char>((i * 7) & 0xFF);
        }
        std::string compressed = literalSzdd(data, 'x');
        ASSERT_TRUE(SzddExpander::isCompressed(compressed));
        std::string expanded;
        EXPECT_TRUE(SzddExpander::expand(compressed, expanded)) << size;
        EXPECT_EQ(expanded, data) << size;
    }
}

TEST(SzddExpander, EveryTruncationIsAnError) {
    TempFolder folder;
    std::string compressed = haveMscompress() ? mscompress(folder, repetitiveText())
                                              : literalSzdd(repetitiveText(), 't');
    ASSERT_FALSE(compressed.empty());
    std::string expanded;
    ASSERT_TRUE(SzddExpander::expand(compressed, expanded));
    EXPECT_EQ(expanded, repetitiveText());
    for (std::size_t length = 0; length < compressed.size(); ++length) {
        EXPECT_FALSE(SzddExpander::expand(compressed.substr(0, length), expanded)) << length;
        EXPECT_TRUE(expanded.empty());
    }
}

TEST(SzddExpander, DamagedHeadersAreErrors) {
    const std::string good = literalSzdd("0123456789", 't');
    auto withLength = [&](std::uint32_t length) {
        std::string bytes = good;
        for (int i = 0; i < 4; ++i) {
            bytes[10 + static_cast<std::size_t>(i)] = static_cast<char>((length >> (8 * i)) & 0xFF);
        }
        return bytes;
    };
    const std::string rows[] = {
        withLength(11),         // claims more than the data holds
        withLength(9),          // claims less
        withLength(0xFFFFFFFF), // beyond any file
        good.substr(0, 8) + "Q" + good.substr(9),
        "SZDD",
        "",
    };
    for (const std::string& bytes : rows) {
        std::string expanded;
        EXPECT_FALSE(SzddExpander::expand(bytes, expanded));
    }
    std::string expanded;
    EXPECT_FALSE(SzddExpander::isCompressed("plain text"));
    EXPECT_FALSE(SzddExpander::expand("plain text", expanded));
}

TEST(SzddExpander, ExpandedNames) {
    struct Row {
        std::string name;
        char stored;
        std::string expanded;
    };
    const Row rows[] = {
        {"C:\\MEDIA\\readme.tx_", 't', "C:\\MEDIA\\readme.txt"},
        {"README.TXT_", '\0', "README.TXT"},
        {"SETUP.EX_", 'E', "SETUP.EXE"},
        {"DATA.BIN", 'x', "DATA.BIN"},
        // ＼ (81 5F) ends in the byte of "_" but is one double-byte character, not the marker.
        {cp932::fromUtf8("ＡＢ＼"), 'x', cp932::fromUtf8("ＡＢ＼")},
        {"_", 'A', "A"},
        {"", 'A', ""},
    };
    for (const Row& row : rows) {
        SzddExpander::Header header;
        header.missingChar = row.stored;
        EXPECT_EQ(SzddExpander::expandedName(row.name, header), row.expanded) << row.name;
    }
}
