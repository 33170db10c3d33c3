// File associations: description default, arguments, icon and the command built from them.
#include "install/RelateEntry.h"

#include <gtest/gtest.h>

TEST(RelateEntry, CutsNameAndFile) {
    struct Row {
        std::string name, file;
        std::string extension, description, verb, command, defaultIcon;
    };
    const Row rows[] = {
        {"TXT", "open,D:\\APP\\VIEW.EXE,%1,0", "TXT", "TXT File", "open", "D:\\APP\\VIEW.EXE %1",
         "D:\\APP\\VIEW.EXE,0"},
        {"DOC,Document", "open,D:\\APP\\VIEW.EXE,0", "DOC", "Document", "open", "D:\\APP\\VIEW.EXE",
         "D:\\APP\\VIEW.EXE,0"},
        {"LOG,", "print,C:\\Program Files\\V.EXE,/p,,\"%1\",1", "LOG", "LOG File", "print",
         "\"C:\\Program Files\\V.EXE\" /p \"%1\"", "C:\\Program Files\\V.EXE,1"},
        {"X", "open,V.EXE,", "X", "X File", "open", "V.EXE", "V.EXE,"},
    };
    for (const Row& row : rows) {
        RelateEntry entry = RelateEntry::parse(row.name, row.file);
        EXPECT_EQ(entry.extension, row.extension) << row.file;
        EXPECT_EQ(entry.description, row.description) << row.file;
        EXPECT_EQ(entry.verb, row.verb) << row.file;
        EXPECT_EQ(entry.command, row.command) << row.file;
        EXPECT_EQ(entry.defaultIcon, row.defaultIcon) << row.file;
    }
}
