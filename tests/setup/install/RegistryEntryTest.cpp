// Registry entries: root tokens, key paths, "(Pdd)" and the typed data.
#include "install/RegistryEntry.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

TEST(RegistryEntry, ResolvesRootKeyAndValue) {
    using Root = RegistryRoot;
    struct Row {
        std::string key, value;
        Root root;
        std::string keyPath;
        RegistryValue expected;
        bool write = true;
    };
    const Row rows[] = {
        {"Software\\Maker\\Prog", "(Str)(App)", Root::CurrentUser, "Software\\Maker\\Prog",
         RegistryValue::string("D:\\APP\\")},
        {"(Local)\\Software\\Maker\\Prog\\", "(Str)(App)(Pdd)", Root::LocalMachine,
         "Software\\Maker\\Prog", RegistryValue::string("D:\\APP")},
        {"(Class).txt", "(Exp)(pdd)(Win)\\(Tmp)", Root::ClassesRoot, ".txt",
         RegistryValue::expandString("C:\\WINDOWS\\(Tmp)")},
        {"(Users)\\X", "(Int)12x", Root::Users, "X", RegistryValue::dword(0)},
        {"(Cuser)X", "(Dwd)$1F", Root::CurrentUser, "X", RegistryValue::dword(31)},
        {"(local)X", "(int)-5", Root::CurrentUser, "X", RegistryValue::dword(0xFFFFFFFB)},
        {"(Other)X", "(Int)2147483648", Root::CurrentUser, "X", RegistryValue::dword(0)},
        {"Soft)\\X", "(Int)$FFFFFFFF", Root::CurrentUser, "Soft)\\X",
         RegistryValue::dword(0xFFFFFFFF)},
        {"abcdef)\\X", "(Int)", Root::CurrentUser, "X", RegistryValue::dword(0)},
        {"X", "(Bin)01 02", Root::CurrentUser, "X", RegistryValue{}, false},
        {"X", "Text(App)(Pdd)", Root::CurrentUser, "X", RegistryValue::string("TextD:\\APP")},
        {J("表\\"), J("(Str)表"), Root::CurrentUser, J("表"), RegistryValue::string(J("表"))},
    };
    EmulatedMachine m;
    const PathTokens tokens(m.values, "D:\\APP\\");
    for (const Row& row : rows) {
        RegistryEntry entry = RegistryEntry::parse(row.key, "Name", row.value, tokens);
        EXPECT_EQ(entry.root, row.root) << row.key;
        EXPECT_EQ(entry.keyPath, row.keyPath) << row.key;
        EXPECT_EQ(entry.name, "Name");
        EXPECT_EQ(entry.write, row.write) << row.value;
        if (row.write) {
            EXPECT_EQ(entry.value, row.expected) << row.value;
        }
    }
}
