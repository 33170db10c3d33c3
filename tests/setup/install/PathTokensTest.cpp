// Path tokens: which value kinds get which tokens, and the "\" between a token and a name.
#include "install/PathTokens.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

TEST(PathTokens, ReplacesTheTokensOfEachSet) {
    using Set = PathTokens::Set;
    struct Row {
        std::string text;
        Set set;
        std::string expected;
    };
    const Row rows[] = {
        {"(App)\\PROG.EXE", Set::all, "D:\\APP\\PROG.EXE"},
        {"(app)PROG.EXE", Set::all, "D:\\APP\\PROG.EXE"},
        {"(App)\\\\X", Set::all, "D:\\APP\\\\X"},
        {"(Tmp)X(TMP)", Set::all, "C:\\WINDOWS\\TEMP\\XC:\\WINDOWS\\TEMP\\"},
        {"(Tmp)X", Set::allButTemporary, "(Tmp)X"},
        {"(Boo)(Set)(Sys)", Set::allButTemporary, "C:\\D:\\C:\\WINDOWS\\SYSTEM32\\"},
        {"(Prg)\\(Win)", Set::folder, "C:\\Program Files\\C:\\WINDOWS\\"},
        {"(App)(Set)(Tmp)(Boo)\\", Set::folder, "(App)(Set)(Tmp)C:\\"},
        // ソ ends in the byte of "\": no "\" is dropped after it.
        {J("(Win)ソ\\(App)"), Set::all, J("C:\\WINDOWS\\ソ\\D:\\APP\\")},
    };
    EmulatedMachine m;
    const PathTokens tokens(m.values, "D:\\APP\\");
    for (const Row& row : rows) {
        EXPECT_EQ(tokens.replace(row.text, row.set), row.expected) << row.text;
    }
}
