// Registry root tokens and recursive key deletion.
#include "services/RegistryRoutines.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

TEST(RegistryRoutines, TokensNameTheirRootsAndAnythingElseIsTheCurrentUser) {
    struct Row {
        std::string token;
        RegistryRoot root;
    };
    const Row rows[] = {
        {"(Class)", RegistryRoot::ClassesRoot}, {"(Local)", RegistryRoot::LocalMachine},
        {"(Users)", RegistryRoot::Users},       {"(Cuser)", RegistryRoot::CurrentUser},
        {"(class)", RegistryRoot::CurrentUser}, {"SOFTWARE", RegistryRoot::CurrentUser},
        {"", RegistryRoot::CurrentUser},
    };
    const RegistryRoot all[] = {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser,
                                RegistryRoot::LocalMachine, RegistryRoot::Users};
    for (const Row& row : rows) {
        EXPECT_EQ(RegistryRootOfToken(row.token), row.root) << row.token;
        EmulatedMachine m;
        for (RegistryRoot root : all) {
            m.platform.regCreateKey(root, "Software\\Quillet Test\\Sub\\Deeper");
            m.platform.regSetValue(root, "Software\\Quillet Test\\Sub", "v",
                                   RegistryValue::dword(1));
        }
        DeleteRegistryKey(m.context, row.token, "\\software\\QUILLET TEST");
        for (RegistryRoot root : all) {
            EXPECT_EQ(m.platform.regOpenKey(root, "Software\\Quillet Test") != 0, root == row.root)
                << row.token << " " << registryRootName(root);
            EXPECT_EQ(m.platform.regOpenKey(root, "Software"), 0u);
        }
    }
}

TEST(RegistryRoutines, EmptyOrMissingKeyPathsChangeNothing) {
    EmulatedMachine m;
    m.platform.regCreateKey(RegistryRoot::CurrentUser, "Software\\Kept");
    const std::string before = m.platform.registryText();
    DeleteRegistryKey(m.context, "(Cuser)", "");
    DeleteRegistryKey(m.context, "(Cuser)", "Software\\Missing");
    DeleteRegistryKey(m.context, "(Cuser)", "\\");
    EXPECT_EQ(m.platform.registryText(), before);
}
