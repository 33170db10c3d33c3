// Shortcut entries: target and arguments, folder token, link name, working directory and the check
// box that decides about the link.
#include "install/ShortcutEntry.h"

#include "install/PathTokens.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

TEST(ShortcutEntry, CutsTargetAndName) {
    using Choice = ShortcutEntry::Choice;
    struct Row {
        std::string make, name;
        std::string target, arguments;
        int folder;
        std::string linkName, workingDirectory;
        Choice choice;
    };
    const Row rows[] = {
        {"(App)\\PROG.EXE", "Default", "D:\\APP\\PROG.EXE", "", 2, "PROG.EXE", "",
         Choice::startMenu},
        {"(App)\\PROG.EXE,/X -y, z", "Group\\Prog", "D:\\APP\\PROG.EXE", "/X -y, z", 2,
         "Group\\Prog", "", Choice::always},
        {"(App)\\PROG.EXE", "(Dsk)Prog,(App)\\DATA", "D:\\APP\\PROG.EXE", "", 0, "Prog",
         "D:\\APP\\DATA", Choice::desktop},
        {"(App)\\PROG.EXE", "(Sup)\\Prog", "D:\\APP\\PROG.EXE", "", 7, "\\Prog", "",
         Choice::startUp},
        {"X.EXE", "(sen)Prog", "X.EXE", "", 9, "Prog", "", Choice::sendTo},
        {"X.EXE", "(sta)Prog", "X.EXE", "", 2, "Prog", "", Choice::startMenu},
        {"X.EXE", "(Xyz)Prog", "X.EXE", "", 2, "Prog", "", Choice::always},
        // ")" as fifth character marks a token too; "default" is a name, not the default.
        {"X.EXE", "abcd)Prog", "X.EXE", "", 2, "Prog", "", Choice::always},
        {"X.EXE", "default", "X.EXE", "", 2, "default", "", Choice::always},
        // The choice looks at the name as written, before "(Sta)" is put in front.
        {"X.EXE", "Group\\(Sen)Prog", "X.EXE", "", 2, "Group\\(Sen)Prog", "", Choice::sendTo},
        {"X.EXE", "", "X.EXE", "", 2, "", "", Choice::always},
    };
    EmulatedMachine m;
    const PathTokens tokens(m.values, "D:\\APP\\");
    auto replace = [&](std::string_view text) { return tokens.replace(text); };
    for (const Row& row : rows) {
        ShortcutEntry entry = ShortcutEntry::parse(row.make, row.name, replace);
        EXPECT_EQ(entry.target, row.target) << row.name;
        EXPECT_EQ(entry.arguments, row.arguments) << row.name;
        EXPECT_EQ(entry.specialFolderId, row.folder) << row.name;
        EXPECT_EQ(entry.linkName, row.linkName) << row.name;
        EXPECT_EQ(entry.workingDirectory, row.workingDirectory) << row.name;
        EXPECT_EQ(entry.choice, row.choice) << row.name;
    }
}
