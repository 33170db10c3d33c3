// CP932 conversions, character-boundary searching and cutting.
#include "common/Cp932.h"

#include <gtest/gtest.h>

using cp932::lit;

TEST(Cp932, LeadBytes) {
    for (int c = 0; c < 256; ++c) {
        bool expected = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        EXPECT_EQ(cp932::isLeadByte(static_cast<unsigned char>(c)), expected) << c;
    }
}

TEST(Cp932, ConvertsBothWays) {
    struct Row {
        const char* utf8;
        const char* cp932;
    } rows[] = {
        {"ABC 123", "ABC 123"},
        {"無題", "\x96\xB3\x91\xE8"},
        {"ﾌｧｲﾙ", "\xCC\xA7\xB2\xD9"}, // half-width katakana are single bytes
        {"表", "\x95\x5C"},           // trail byte equal to a backslash
        {"\\~", "\\~"},               // CP932 keeps ASCII backslash and tilde
        {"①", "\x87\x40"},            // NEC special characters
    };
    for (const auto& r : rows) {
        EXPECT_EQ(cp932::fromUtf8(r.utf8), r.cp932) << r.utf8;
        EXPECT_EQ(cp932::toUtf8(r.cp932), r.utf8) << r.utf8;
    }
    EXPECT_EQ(cp932::fromUtf16(u"コンテスト"), cp932::fromUtf8("コンテスト"));
}

TEST(Cp932, InvalidInputBecomesReplacementCharacters) {
    EXPECT_EQ(cp932::toUtf8("A\x81"), "A\xEF\xBF\xBD");      // lead byte at the end
    EXPECT_EQ(cp932::toUtf8("\x81\x20Z"), "\xEF\xBF\xBD Z"); // lead byte before a blank
    EXPECT_EQ(cp932::toUtf8("\xFD\xFEz"), "\xEF\xBF\xBD\xEF\xBF\xBDz");
    EXPECT_EQ(cp932::fromUtf8("a\xC3"), "a?"); // truncated sequence
    EXPECT_EQ(cp932::fromUtf8("\xFF"
                              "b"),
              "?b");
    EXPECT_EQ(cp932::fromUtf8("😀x"), "?x");                                 // no CP932 form
    EXPECT_EQ(cp932::fromUtf16(std::u16string(1, u'\xD800') + u"A"), "?A"); // lone surrogate
}

TEST(Cp932, LiteralsAreConvertedOnceAndStable) {
    const std::string& a = lit("予期しないﾌｧｲﾙ形式です。");
    const std::string& b = lit("予期しないﾌｧｲﾙ形式です。");
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(cp932::toUtf8(a), "予期しないﾌｧｲﾙ形式です。");
}

TEST(Cp932, FindNeverMatchesInsideADoubleByteCharacter) {
    const std::string path = lit("C:\\表\\ソフト\\x"); // 表 and ソ end in 0x5C
    EXPECT_EQ(cp932::find(path, "\\"), 2u);
    EXPECT_EQ(cp932::find(path, "\\", 3), 5u);
    EXPECT_EQ(cp932::find(path, "\\", 6), 12u);
    EXPECT_EQ(cp932::find(lit("ソ"), "\\"), std::string::npos);
    EXPECT_EQ(cp932::find("abc", ""), 0u);
    EXPECT_EQ(cp932::find("abc", "abcd"), std::string::npos);
    EXPECT_EQ(cp932::findNoCase(lit("ﾌﾟﾛｸﾞﾗﾑ\\Setup.EXE"), ".exe"), lit("ﾌﾟﾛｸﾞﾗﾑ\\Setup").size());
    // 0x83 0x41 is ア: its trail byte 'A' must not match a search for "a".
    EXPECT_EQ(cp932::findNoCase(lit("ア"), "a"), std::string::npos);
}

TEST(Cp932, CutsAtCharacterBoundaries) {
    const std::string text = "AB" + lit("日本") + "C"; // A B [2] [2] C = 7 bytes
    struct Row {
        std::size_t max;
        std::size_t expected;
    } rows[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 4}, {5, 4}, {6, 6}, {7, 7}, {100, 7}};
    for (auto r : rows) {
        EXPECT_EQ(cp932::boundaryAtOrBefore(text, r.max), r.expected) << r.max;
        EXPECT_EQ(cp932::cut(text, r.max), text.substr(0, r.expected)) << r.max;
    }
    EXPECT_EQ(cp932::boundaryAtOrBefore("\x81", 1), 0u); // a lone lead byte at the end is cut off
}

TEST(Cp932, TrimAndCase) {
    EXPECT_EQ(cp932::trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(cp932::trimRight("  a  "), "  a");
    EXPECT_EQ(cp932::trim("   "), "");
    EXPECT_EQ(cp932::toUpperAscii("ab" + lit("ア") + "c"), "AB" + lit("ア") + "C");
    EXPECT_EQ(cp932::toUpperAscii("\x83\x61"), "\x83\x61"); // trail byte 'a' unchanged
    EXPECT_TRUE(cp932::equalsNoCase("Master", "MASTER"));
    EXPECT_FALSE(cp932::equalsNoCase("\x83\x61", "\x83\x41"));
}
