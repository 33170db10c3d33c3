// Ini routines on the emulated machine: values of any length, flushed writes and numbered lists.
#include "services/IniValues.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

namespace {

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

} // namespace

TEST(IniValues, ReadsValuesOfAnyLength) {
    EmulatedMachine m;
    const std::string ini = "C:\\APP\\LONG.INI";
    // Lengths around the 256-byte steps of the reading buffer; in the kanji rows a double-byte
    // character straddles each step.
    const std::string values[] = {
        repeat("x", 600), repeat(J("あ"), 300),       repeat("y", 255), repeat("z", 254),
        repeat("w", 511), "x" + repeat(J("表"), 300), std::string()};
    m.write(ini, "");
    for (std::size_t i = 0; i < std::size(values); ++i) {
        std::string key = "Key" + std::to_string(i);
        ASSERT_TRUE(WriteIniValue(m.context, "Long", key, values[i], ini));
        EXPECT_EQ(ReadIniValue(m.context, "Long", key, "default", ini), values[i]) << i;
    }
    EXPECT_EQ(ReadIniValue(m.context, "Long", "Missing", "default", ini), "default");
    EXPECT_EQ(ReadIniValue(m.context, "Long", "Missing", repeat("d", 300), ini), repeat("d", 300));
    EXPECT_EQ(ReadIniValue(m.context, "Long", "Key0", "d", "C:\\APP\\NONE.INI"), "d");
}

TEST(IniValues, WritesWhereTheFolderExists) {
    EmulatedMachine m;
    EXPECT_TRUE(WriteIniValue(m.context, "ID", "Folder", "C:\\APP\\", "c:\\windows\\quillet.ini"));
    EXPECT_EQ(ReadIniValue(m.context, "id", "FOLDER", "", "C:\\WINDOWS\\QUILLET.INI"), "C:\\APP\\");
    // A bare file name is a file of the Windows folder, as with the profile functions.
    EXPECT_EQ(ReadIniValue(m.context, "ID", "Folder", "", "QUILLET.INI"), "C:\\APP\\");
    EXPECT_FALSE(WriteIniValue(m.context, "S", "K", "V", "C:\\NO\\SUCH\\FOLDER\\X.INI"));
    EXPECT_EQ(m.platform.lastError(), 3u);
}

TEST(IniValues, FindIniIndexReplacesOrAppends) {
    struct Row {
        std::string list;
        std::string value;
        int index;
    };
    const Row rows[] = {
        {"File1=c:\\a\\b.dll\r\n", "C:\\A\\B.DLL,/S", 1},
        {"File1=C:\\X.TXT\r\nFile2=C:\\Y.TXT,/S\r\n", "C:\\A\\B.DLL,/S", 3},
        {"File1=C:\\X.TXT\r\nFile2=c:\\y.txt,/R\r\n", "C:\\Y.TXT", 2},
        {"", "C:\\A.TXT", 1},
        // The list ends at the first gap, so File3 is never looked at.
        {"File1=C:\\X.TXT\r\nFile3=C:\\A.TXT\r\n", "C:\\A.TXT", 2},
        {J("File1=C:\\ソフト\\Ａ.TXT\r\n"), J("c:\\ソフト\\ａ.txt"), 1},
    };
    for (const Row& row : rows) {
        EmulatedMachine m;
        m.write("C:\\APP\\UNSETUP.INI", "[DeleteFile]\r\n" + row.list);
        EXPECT_EQ(FindIniIndex(m.context, row.value, "DeleteFile", "File", "C:\\APP\\UNSETUP.INI"),
                  row.index)
            << cp932::toUtf8(row.list);
    }
}
