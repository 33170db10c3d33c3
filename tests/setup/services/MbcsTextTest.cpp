// Text and path routines on Shift-JIS strings: searches that never match inside a double-byte
// character, case and width mapping, byte cuts, token replacement and "\" handling.
#include "services/MbcsText.h"

#include "services/PathText.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

TEST(MbcsText, LeadBytesOfCodePage932) {
    struct Row {
        unsigned char byte;
        bool lead;
    };
    for (Row row :
         {Row{0x5C, false}, Row{0x80, false}, Row{0x81, true}, Row{0x9F, true}, Row{0xA0, false},
          Row{0xDF, false}, Row{0xE0, true}, Row{0xFC, true}, Row{0xFD, false}}) {
        EXPECT_EQ(IsLeadByte(row.byte), row.lead) << int(row.byte);
    }
}

TEST(MbcsText, SearchSkipsTrailBytes) {
    struct Row {
        std::string sub;
        std::string text;
        int pos;
        int posText;
    };
    const Row rows[] = {
        // ソ is 83 5C and 表 is 95 5C: only the real delimiters are found.
        {"\\", J("ソフト表"), 0, 0},
        {"\\", J("C:ソフト\\表\\X"), 9, 9},
        {"\\", J("表\\"), 3, 3},
        // ア is 83 41 and ヂ is 83 61: their trail bytes are letters.
        {"A", J("アヂA"), 5, 5},
        {"a", J("アヂ"), 0, 0},
        {".dll", "C:\\WIN\\X.Dll", 0, 9},
        {".DLL", "C:\\A.dlls\\B.TXT", 0, 5},
        {"C", "ABC", 3, 3},
        {J("ａ"), J("ＸＡ"), 0, 3},
        {"", "abc", 0, 0},
        {"abc", "", 0, 0},
        {"abcd", "abc", 0, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MbcsPos(row.sub, row.text), row.pos) << cp932::toUtf8(row.text);
        EXPECT_EQ(MbcsPosText(row.sub, row.text), row.posText) << cp932::toUtf8(row.text);
    }
}

TEST(MbcsText, CaseAndWidthMapping) {
    struct Row {
        std::string text;
        std::uint32_t flags;
        std::string mapped;
    };
    const Row rows[] = {
        {"abc XYZ 09", kMapUpperCase, "ABC XYZ 09"},
        {J("ソフトaヂ"), kMapUpperCase, J("ソフトAヂ")},
        {J("ａｚαωаяё"), kMapUpperCase, J("ＡＺΑΩАЯЁ")},
        {J("ⅰⅹ"), kMapUpperCase, J("ⅠⅩ")},
        {J("ｶﾅ"), kMapUpperCase, J("ｶﾅ")},
        {"Ab1 -~\\\"'", kMapFullWidth, J("Ａｂ１　－～＼＂＇")},
        {J("ｶﾞｷﾞﾊﾟﾎﾟｳﾞｱﾞｰ｡"), kMapFullWidth, J("ガギパポヴア゛ー。")},
        {J("漢字\r\n"), kMapFullWidth, J("漢字\r\n")},
        {"ab", kMapUpperCase | kMapFullWidth, J("ＡＢ")},
        {"ab", 0, "ab"},
        {"ab", 0x1, "ab"},
        {"a\x82", kMapUpperCase, "A\x82"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MapStringCase(row.text, row.flags), row.mapped) << cp932::toUtf8(row.text);
    }
}

TEST(MbcsText, ByteCuts) {
    EXPECT_EQ(LeftStr("abcdef", 2), "ab");
    EXPECT_EQ(LeftStr("abcdef", 0), "");
    EXPECT_EQ(LeftStr("abcdef", -3), "");
    EXPECT_EQ(LeftStr("abc", 10), "abc");
    EXPECT_EQ(RightStr("abcdef", 2), "ef");
    EXPECT_EQ(RightStr("abc", 10), "abc");
    EXPECT_EQ(RightStr("abc", -1), "");
    EXPECT_EQ(MidStr("abcdef", 3), "cdef");
    EXPECT_EQ(MidStr("abcdef", 0), "abcdef");
    EXPECT_EQ(MidStr("abcdef", 7), "");
}

TEST(MbcsText, ReplaceToken) {
    struct Row {
        std::string text;
        std::string token;
        std::string value;
        std::string result;
    };
    const Row rows[] = {
        {"(Win)\\SYSTEM", "(Win)", "C:\\WINDOWS\\", "C:\\WINDOWS\\SYSTEM"},
        {"(win)\\A;(WIN)B", "(Win)", "C:\\W", "C:\\W\\A;C:\\WB"},
        {"(App)\\X", "(App)", "C:\\A(App)\\", "C:\\A(App)\\X"},
        {"(App)(App)", "(App)", "(App)", "(App)(App)"},
        {"(App)", "(App)", "", ""},
        {"abc", "", "x", "abc"},
        // The value ends in the trail byte 0x5C of ソ, not in a delimiter.
        {"(App)\\X", "(App)", J("C:\\ソ"), J("C:\\ソ\\X")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReplaceToken(row.text, row.token, row.value), row.result) << row.text;
    }
}

TEST(PathText, DelimitersAtEitherEnd) {
    struct Row {
        std::string path;
        std::string position;
        std::string added;
        std::string removed;
    };
    const Row rows[] = {
        {"C:\\A", "B", "C:\\A\\", "C:\\A"},
        {"C:\\A\\", "B", "C:\\A\\", "C:\\A"},
        {"A\\\\", "B", "A\\\\", "A\\"},
        {"A", "T", "\\A", "A"},
        {"\\A", "T", "\\A", "A"},
        {"\\A\\", "X", "\\A\\", "\\A\\"},
        {"", "B", "\\", ""},
        {J("C:\\ソ"), "B", J("C:\\ソ\\"), J("C:\\ソ")},
        {J("C:\\ソ\\"), "B", J("C:\\ソ\\"), J("C:\\ソ")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(AddBackslash(row.path, row.position), row.added) << cp932::toUtf8(row.path);
        EXPECT_EQ(RemoveBackslash(row.path, row.position), row.removed) << cp932::toUtf8(row.path);
    }
}

TEST(PathText, FolderAndNameParts) {
    struct Row {
        std::string path;
        std::string folder;
        std::string name;
    };
    const Row rows[] = {
        {"C:\\APP\\AUTO.EXT", "C:\\APP\\", "AUTO.EXT"},
        {J("C:\\表\\ソ"), J("C:\\表\\"), J("ソ")},
        {"C:X", "C:", "X"},
        {"X", "", "X"},
        {"C:\\A\\", "C:\\A\\", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ExtractFilePath(row.path), row.folder) << cp932::toUtf8(row.path);
        EXPECT_EQ(ExtractFileName(row.path), row.name) << cp932::toUtf8(row.path);
    }
}
