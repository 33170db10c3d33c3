// Tests of the contest file bytes: the value order, the three forms, length prefixes and broken
// files.
#include "document/ContestFile.h"

#include "common/Cp932.h"
#include "tests/contest/document/ContestFileTable.h"

#include <gtest/gtest.h>
#include <set>

using con_table::int32;

namespace {

std::string bytes(std::initializer_list<int> list) {
    std::string out;
    for (int b : list)
        out += static_cast<char>(b);
    return out;
}

// Offsets, in a file of default settings, of the contest name (the third text) and of the last text
// (logRemarks component 3), which only eight integers follow.
constexpr std::size_t kContestNameOffset = 150;
constexpr std::size_t kLastTextOffset = 616 - 1 - 8 * 4;

// A file of default settings with the empty text at offset replaced by a prefix and bytes.
std::string withText(std::size_t offset, const std::string& prefixAndBytes) {
    const std::string file = ContestFile::save(ContestSettings{});
    return file.substr(0, offset) + prefixAndBytes + file.substr(offset + 1);
}

} // namespace

TEST(ContestFileTest, NewDocumentIs616BytesOfDefaults) {
    const std::string file = ContestFile::save(ContestSettings{});
    ASSERT_EQ(file.size(), 616u);
    // Integer values that are not 0, by byte offset (value n sits at 4 * (n - 1)).
    const std::vector<std::pair<std::size_t, int>> nonZero = {{0, 170},  {104, 1},    {112, 1},
                                                              {116, 1},  {120, 9999}, {124, 12},
                                                              {128, 31}, {140, 23},   {144, 59}};
    std::set<std::size_t> checked;
    for (auto [offset, value] : nonZero) {
        EXPECT_EQ(file.substr(offset, 4), int32(value)) << "offset " << offset;
        for (std::size_t i = 0; i < 4; ++i)
            checked.insert(offset + i);
    }
    // Five empty texts, then the oath with its one-byte prefix.
    EXPECT_EQ(static_cast<unsigned char>(file[153]), 0xB4);
    EXPECT_EQ(file.substr(154, 180), ContestSettings::defaultOath());
    for (std::size_t i = 153; i < 334; ++i)
        checked.insert(i);
    for (std::size_t i = 0; i < file.size(); ++i)
        if (!checked.count(i)) {
            EXPECT_EQ(file[i], '\0') << "offset " << i;
        }
}

TEST(ContestFileTest, SavesEveryValueInTableOrderAndLoadsItBack) {
    const ContestSettings settings = con_table::populated();
    const std::string file = ContestFile::save(settings);
    EXPECT_EQ(file, int32(170) + con_table::values(settings, 124));
    const ContestFile::LoadResult loaded = ContestFile::load(file);
    ASSERT_TRUE(loaded.ok()) << loaded.message;
    EXPECT_TRUE(loaded.message.empty());
    EXPECT_EQ(loaded.settings, settings);
}

TEST(ContestFileTest, FirstIntegerDecidesTheForm) {
    struct Row {
        int first;     // the version number, or selectBands of an oldest-form file
        int lastValue; // the last value the file holds
    };
    const Row rows[] = {
        {170, 124}, {500, 124}, {141, 124}, {140, 120}, {139, 90}, {1, 90}, {0, 90}, {-7, 90},
    };
    // Bytes after the last value are ignored, however they look.
    const std::string trailing = int32(77) + int32(78) + int32(79) + int32(80) + "\x05junk";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.first);
        ContestSettings expected = con_table::upTo(con_table::populated(), row.lastValue);
        std::string file;
        if (row.lastValue == 90)
            expected.selectBands = row.first;
        else
            file = int32(row.first);
        file += con_table::values(expected, row.lastValue) + trailing;

        const ContestFile::LoadResult loaded = ContestFile::load(file);
        ASSERT_TRUE(loaded.ok()) << loaded.message;
        EXPECT_EQ(loaded.settings, expected);
        EXPECT_EQ(ContestFile::save(loaded.settings).substr(0, 4), int32(170));
    }
}

TEST(ContestFileTest, LengthPrefixForms) {
    struct Row {
        std::size_t length;
        std::string prefix;
    };
    const Row rows[] = {
        {0, bytes({0x00})},
        {254, bytes({0xFE})},
        {255, bytes({0xFF, 0xFF, 0x00})},
        {300, bytes({0xFF, 0x2C, 0x01})},
        {0xFFFD, bytes({0xFF, 0xFD, 0xFF})},
        {0xFFFE, bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.length);
        ContestSettings settings;
        settings.contestName.assign(row.length, 'a');
        settings.opinionText = "after";
        const std::string file = ContestFile::save(settings);
        EXPECT_EQ(file.substr(kContestNameOffset, row.prefix.size()), row.prefix);
        EXPECT_EQ(file.size(), 616 + row.prefix.size() - 1 + row.length + 5);

        const ContestFile::LoadResult loaded = ContestFile::load(file);
        ASSERT_TRUE(loaded.ok()) << loaded.message;
        EXPECT_EQ(loaded.settings.contestName,
                  std::string(std::min<std::size_t>(row.length, 255), 'a'));
        EXPECT_EQ(loaded.settings.opinionText, "after");
    }
}

TEST(ContestFileTest, StoredTextsBecomeMembersOfAtMost255Bytes) {
    const std::string a = cp932::lit("あ");
    struct Row {
        const char* what;
        std::string stored;
        std::string member;
    };
    const Row rows[] = {
        {"double-byte character straddles byte 255", std::string(254, 'x') + a + "yz",
         std::string(254, 'x')},
        {"double-byte character ends at byte 255", std::string(253, 'x') + a + "yz",
         std::string(253, 'x') + a},
        {"long run of double-byte characters",
         [&] {
             std::string s;
             for (int i = 0; i < 200; ++i)
                 s += a;
             return s;
         }(),
         [&] {
             std::string s;
             for (int i = 0; i < 127; ++i)
                 s += a;
             return s;
         }()},
        {"70000 bytes", std::string(70000, 'q'), std::string(255, 'q')},
        {"a NUL ends the text", std::string("abc\0def", 7), "abc"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ContestSettings settings;
        settings.rules.logRemarks[2].fixedText = row.stored;
        const ContestFile::LoadResult loaded = ContestFile::load(ContestFile::save(settings));
        ASSERT_TRUE(loaded.ok()) << loaded.message;
        EXPECT_EQ(loaded.settings.rules.logRemarks[2].fixedText, row.member);
    }
}

TEST(ContestFileTest, TextsOfSixteenBitCharacters) {
    auto utf16 = [](std::u16string_view text) {
        std::string out;
        for (char16_t c : text) {
            out += static_cast<char>(c & 0xFF);
            out += static_cast<char>(c >> 8);
        }
        return out;
    };
    const std::string marker = bytes({0xFF, 0xFE, 0xFF});
    std::u16string long300(300, u'ア');
    struct Row {
        const char* what;
        std::string stored; // prefix and bytes of the contest name
        std::string member;
    };
    const Row rows[] = {
        {"Japanese text", marker + bytes({8}) + utf16(u"日本語コンテスト"),
         cp932::fromUtf8("日本語コンテスト")},
        {"half-width katakana are single bytes", marker + bytes({4}) + utf16(u"ｺﾝﾃｽ"),
         cp932::lit("ｺﾝﾃｽ")},
        {"empty", marker + bytes({0}), ""},
        {"a NUL ends the text", marker + bytes({5}) + utf16(std::u16string(u"AB\0CD", 5)), "AB"},
        {"16-bit character count, cut to 255 bytes",
         marker + bytes({0xFF, 0x2C, 0x01}) + utf16(long300),
         cp932::cut(cp932::fromUtf16(long300), 255)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const ContestFile::LoadResult loaded =
            ContestFile::load(withText(kContestNameOffset, row.stored));
        ASSERT_TRUE(loaded.ok()) << loaded.message;
        EXPECT_EQ(loaded.settings.contestName, row.member);
        EXPECT_EQ(loaded.settings.opinionText, "");
        EXPECT_EQ(loaded.settings.oathText, ContestSettings::defaultOath());
    }
}

TEST(ContestFileTest, LengthsBeyondTheEndOfTheFileAreRejected) {
    struct Row {
        const char* what;
        std::string stored;
    };
    const Row rows[] = {
        {"one-byte length, one byte short", bytes({33})},
        {"one-byte length", bytes({0xFE})},
        {"16-bit length", bytes({0xFF, 0xFD, 0xFF})},
        {"32-bit length", bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"16-bit characters", bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
        {"16-bit characters, one byte short", bytes({0xFF, 0xFE, 0xFF, 17})},
        {"marker twice", bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const ContestFile::LoadResult loaded =
            ContestFile::load(withText(kLastTextOffset, row.stored));
        EXPECT_EQ(loaded.status, ContestFile::Status::badFormat);
        EXPECT_EQ(loaded.message, cp932::lit("予期しないﾌｧｲﾙ形式です。"));
        EXPECT_EQ(loaded.settings, ContestSettings{});
    }
}

TEST(ContestFileTest, EveryTruncationOfEveryFormIsAnUnexpectedFormat) {
    const ContestSettings full = con_table::populated();
    ContestSettings oldest = con_table::upTo(full, 90);
    oldest.selectBands = 1;
    ContestSettings longText = full;
    longText.opinionText.assign(300, 'o');
    const std::string files[] = {
        ContestFile::save(full),
        ContestFile::save(longText),
        int32(140) + con_table::values(con_table::upTo(full, 120), 120),
        con_table::values(oldest, 90),
    };
    for (const std::string& file : files) {
        ASSERT_TRUE(ContestFile::load(file).ok());
        for (std::size_t size = 0; size < file.size(); ++size) {
            const ContestFile::LoadResult loaded = ContestFile::load(file.substr(0, size));
            ASSERT_EQ(loaded.status, ContestFile::Status::badFormat)
                << size << " of " << file.size();
            ASSERT_EQ(loaded.message, ContestFile::unexpectedFormatMessage());
            ASSERT_EQ(loaded.settings, ContestSettings{});
        }
    }
}
