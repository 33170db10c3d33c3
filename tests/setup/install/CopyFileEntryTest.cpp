// CopyFile entries: options, new names, compressed sources, disk changes and the raw source that
// the size of the file set is computed from.
#include "install/CopyFileEntry.h"

#include "install/PathTokens.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

TEST(CopyFileEntry, CutsEntries) {
    struct Row {
        std::string raw;
        std::string destination;
        std::string source;
        std::string options;
        std::string flags; // C compressed, S shared, R registers, D disk change
        bool rawSourceExists;
    };
    const Row rows[] = {
        {"(App)\\PROG.EXE", "D:\\APP\\PROG.EXE", "PROG.EXE", "", "", true},
        {"(App)PROG.EXE", "D:\\APP\\PROG.EXE", "PROG.EXE", "", "", false},
        {"(App)\\PROG.EX_", "D:\\APP\\AUTO.EXT", "PROG.EX_", "", "C", true},
        {"(App)\\PROG.EX_|PROG.EXE", "D:\\APP\\PROG.EXE", "PROG.EX_", "", "C", true},
        {"(Sys)\\COMP.OCX,/S/R", "C:\\WINDOWS\\SYSTEM32\\COMP.OCX", "COMP.OCX", ",/S/R", "SR",
         true},
        {"(App)\\DATA\\PROG.EXE|B.EXE,x/s", "D:\\APP\\DATA\\B.EXE", "PROG.EXE", ",x/s", "S", true},
        // The first "," counts: a "|" in the options is no new name.
        {"(App)\\PROG.EXE,/R|X", "D:\\APP\\PROG.EXE", "PROG.EXE", ",/R|X", "R", true},
        {"(dch)(App)\\PROG.EXE", "D:\\APP\\PROG.EXE", "PROG.EXE", "", "D", true},
        {"(App)\\(Dch)PROG.EXE", "D:\\APP\\(Dch)PROG.EXE", "(Dch)PROG.EXE", "", "", false},
        // ポ ends in the byte of "|", 表 and ソ in that of "\", ダ in that of "_".
        {J("(App)\\表\\ポ.EXE"), J("D:\\APP\\表\\ポ.EXE"), J("ポ.EXE"), "", "", false},
        {J("(App)\\ソ_|ソ"), J("D:\\APP\\ソ"), J("ソ_"), "", "C", false},
        {J("(App)\\ダ"), J("D:\\APP\\ダ"), J("ダ"), "", "", false},
    };
    EmulatedMachine m;
    const std::string sourceFolder = "C:\\SRC\\";
    for (const char* name : {"PROG.EXE", "PROG.EX_", "COMP.OCX"}) {
        m.write(sourceFolder + name, "x");
    }
    const PathTokens tokens(m.values, "D:\\APP\\");
    for (const Row& row : rows) {
        CopyFileEntry entry = CopyFileEntry::parse(tokens.replace(row.raw), sourceFolder);
        std::string flags = std::string(entry.compressed ? "C" : "") + (entry.shared() ? "S" : "") +
                            (entry.registers() ? "R" : "") + (entry.diskChange ? "D" : "");
        EXPECT_EQ(entry.destination, row.destination) << row.raw;
        EXPECT_EQ(entry.source, sourceFolder + row.source) << row.raw;
        EXPECT_EQ(entry.options, row.options) << row.raw;
        EXPECT_EQ(flags, row.flags) << row.raw;
        EXPECT_EQ(m.exists(CopyFileEntry::rawSource(row.raw, sourceFolder)), row.rawSourceExists)
            << row.raw;
    }
}
