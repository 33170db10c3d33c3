// The emulated machine itself: its folders and program paths on the host, the wildcard matcher,
// the registry file (read back, crashes, damage), and the restart, lock and notification records.
#include "common/Cp932.h"
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/RegistryStore.h"
#include "services/platform/posix/Wildcard.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/SzddFixture.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(PosixPlatform, SystemFoldersLiveBelowTheRoot) {
    EmulatedMachine m;
    for (const char* host :
         {"WINDOWS/SYSTEM32", "WINDOWS/TEMP", "Program Files", "WINDOWS/ﾃﾞｽｸﾄｯﾌﾟ",
          "WINDOWS/ｽﾀｰﾄ ﾒﾆｭｰ/ﾌﾟﾛｸﾞﾗﾑ/ｽﾀｰﾄｱｯﾌﾟ", "WINDOWS/SENDTO"}) {
        EXPECT_TRUE(fs::is_directory(m.root() + "/drive_c/" + host)) << host;
    }
    // A folder removed behind the machine's back is made again when asked for.
    fs::remove_all(m.root() + "/drive_c/WINDOWS/SENDTO");
    std::string path;
    EXPECT_TRUE(m.platform.specialFolderPath(9, path));
    EXPECT_TRUE(fs::is_directory(m.root() + "/drive_c/WINDOWS/SENDTO"));
}

TEST(PosixPlatform, ProgramAndArgumentPaths) {
    TempFolder program;
    EmulatedMachine m(PosixPlatform::Options{{}, program.file("SETUP")});
    EXPECT_EQ(m.platform.moduleFileName(), m.platform.argumentPath(program.file("SETUP")));
    EXPECT_EQ(m.platform.argumentPath("/home/u/pkg/SETUP.INI"), "Z:\\home\\u\\pkg\\SETUP.INI");
    EXPECT_EQ(m.platform.argumentPath(m.root() + "/drive_c/APP/UNSETUP.INI"),
              "C:\\APP\\UNSETUP.INI");
}

// A program copied or expanded from the medium stays runnable on the host; a data file does not
// become so.
TEST(PosixPlatform, CopiesAndExpansionsKeepTheExecuteBits) {
    EmulatedMachine m;
    const fs::perms exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    for (bool expand : {false, true}) {
        for (fs::perms mode :
             {fs::perms(0755), fs::perms(0644), fs::perms(0700), fs::perms(0555)}) {
            const std::string source = "C:\\SRC\\" + std::string(expand ? "PROG.EX_" : "PROG.EXE") +
                                       std::to_string(static_cast<int>(mode));
            m.write(source, expand ? literalSzdd("x", 'E') : "x");
            fs::permissions(m.host(source), mode);
            if (expand) {
                // A medium's read-only file still expands to one that a later run can replace.
                ASSERT_TRUE(m.platform.lzExpand(source, "C:\\PROG"));
                EXPECT_EQ(m.read("C:\\PROG"), "x");
                EXPECT_NE(fs::status(m.host("C:\\PROG")).permissions() & fs::perms::owner_write,
                          fs::perms::none);
            } else {
                ASSERT_TRUE(m.platform.copyFile(source, "C:\\PROG", false));
            }
            // As CopyFileOverwrite leaves a copy: archive only.
            ASSERT_TRUE(m.platform.setFileAttributes("C:\\PROG", file_attribute::Archive));
            EXPECT_EQ(fs::status(m.host("C:\\PROG")).permissions() & exec, mode & exec)
                << expand << " " << static_cast<int>(mode);
        }
    }
}

// Profile reads are cached per version of the file: a read after a change through the platform, or
// an outside edit in place that changes the size, sees the change.
TEST(PosixPlatform, ProfileReadsSeeEveryChange) {
    EmulatedMachine m;
    Platform& p = m.platform;
    const std::string ini = "C:\\A.INI";
    struct Row {
        const char* change;
        std::function<void()> make;
        const char* expected;
    };
    const Row rows[] = {
        {"profile write", [&] { p.writePrivateProfileString("S", "K", "2", ini); }, "2"},
        {"file write", [&] { p.writeFile(ini, "[S]\r\nK=2\r\n"); }, "2"},
        {"copy over",
         [&] {
             m.write("C:\\B.INI", "[S]\r\nK=2\r\n");
             p.copyFile("C:\\B.INI", ini, false);
         },
         "2"},
        {"section delete", [&] { p.deletePrivateProfileSection("S", ini); }, "none"},
        {"edit in place",
         [&] {
             std::ofstream(m.host(ini), std::ios::in | std::ios::out | std::ios::binary)
                 .seekp(7)
                 .write("22\r\n", 4);
         },
         "22"},
    };
    for (const Row& row : rows) {
        m.write(ini, "[S]\r\nK=1\r\n");
        EXPECT_EQ(p.getPrivateProfileString("S", "K", "", 256, ini), "1") << row.change;
        row.make();
        EXPECT_EQ(p.getPrivateProfileString("S", "K", "none", 256, ini), row.expected)
            << row.change;
    }
}

// Patterns no directory search hands the matcher: a "\" (here against the second byte of ソ,
// 83 5C) and the empty pattern. The others are matched through findFiles in the contract.
TEST(PosixPlatform, WildcardMatching) {
    struct Row {
        std::string pattern;
        std::string name;
        bool matches;
    };
    const Row rows[] = {
        {"*\\*", J("ソ"), false},
        {"", "", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(wildcard::matches(row.pattern, row.name), row.matches)
            << cp932::toUtf8(row.pattern) << " " << cp932::toUtf8(row.name);
    }
}

TEST(PosixPlatform, RegistryFileReadsBackWithoutWarnings) {
    EmulatedMachine m;
    const std::string key = J("Software\\ソフト\\Settings");
    ASSERT_EQ(m.platform.regCreateKey(RegistryRoot::CurrentUser, key + "\\Child\\Grandchild"), 0u);
    ASSERT_EQ(m.platform.regSetValue(RegistryRoot::CurrentUser, key, "",
                                     RegistryValue::string("default")),
              0u);
    ASSERT_EQ(
        m.platform.regSetValue(RegistryRoot::CurrentUser, key, "Count", RegistryValue::dword(3)),
        0u);
    PosixPlatform reopened(PosixPlatform::Options{m.root(), {}});
    // Opening a key reads the file.
    EXPECT_EQ(reopened.regOpenKey(RegistryRoot::CurrentUser, key + "\\Child\\Grandchild"), 0u);
    EXPECT_TRUE(reopened.warnings().empty());
}

TEST(PosixPlatform, CrashWhileSavingLeavesAWholeRegistry) {
    EmulatedMachine m;
    ASSERT_EQ(m.platform.regCreateKey(RegistryRoot::LocalMachine, "Software\\Crash"), 0u);
    // A child writes value after value and is killed at some moment; the file must then hold the
    // registry as it was after one of the child's saves, never a torn one.
    for (int round = 0; round < 12; ++round) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            PosixPlatform writer(PosixPlatform::Options{m.root(), {}});
            for (std::uint32_t i = 0;; ++i) {
                writer.regSetValue(RegistryRoot::LocalMachine, "Software\\Crash",
                                   "value" + std::to_string(i % 50), RegistryValue::dword(i));
            }
        }
        ::usleep(static_cast<useconds_t>(2000 + round * 1500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        PosixPlatform reader(PosixPlatform::Options{m.root(), {}});
        EXPECT_EQ(reader.regOpenKey(RegistryRoot::LocalMachine, "Software\\Crash"), 0u) << round;
        EXPECT_TRUE(reader.warnings().empty()) << round;
        EXPECT_TRUE(
            RegistryStore::parse(TempFolder::read(m.root() + "/registry.reg")).badLines.empty());
    }
}

TEST(PosixPlatform, DamagedRegistryIsMovedAsideNotEmptied) {
    EmulatedMachine m;
    const std::string damaged = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kept]\r\n"
                                "\"good\"=dword:00000001\r\n\"torn\"=\"cut sho";
    TempFolder::write(m.root() + "/registry.reg", damaged);
    PosixPlatform reopened(PosixPlatform::Options{m.root(), {}});
    RegistryValue value;
    EXPECT_EQ(reopened.regQueryValue(RegistryRoot::CurrentUser, "Software\\Kept", "good", value),
              0u);
    EXPECT_EQ(reopened.regQueryValue(RegistryRoot::CurrentUser, "Software\\Kept", "torn", value),
              2u);
    ASSERT_EQ(reopened.warnings().size(), 1u);
    EXPECT_NE(reopened.warnings()[0].find("registry.reg.damaged-1"), std::string::npos);
    EXPECT_EQ(TempFolder::read(m.root() + "/registry.reg.damaged-1"), damaged);
    // What could be read is the registry from now on.
    auto saved = RegistryStore::parse(TempFolder::read(m.root() + "/registry.reg"));
    EXPECT_TRUE(saved.badLines.empty());
    EXPECT_NE(saved.store.find(RegistryRoot::CurrentUser, "Software\\Kept"), nullptr);
}

TEST(PosixPlatform, RestartMarkerLockFileAndNotifications) {
    EmulatedMachine m;
    EXPECT_FALSE(fs::exists(m.root() + "/RESTART-REQUESTED"));
    EXPECT_TRUE(m.platform.restartDialog());
    EXPECT_TRUE(fs::exists(m.root() + "/RESTART-REQUESTED"));

    auto lock = m.platform.acquireInstanceLock("QUILLRUN");
    ASSERT_NE(lock, nullptr);
    EXPECT_TRUE(fs::exists(m.root() + "/QUILLRUN.lock"));

    m.platform.shellChangeNotify(shell_change::AssociationChanged, "");
    ASSERT_EQ(m.platform.shellNotifications().size(), 1u);
    EXPECT_EQ(m.platform.shellNotifications()[0].first, shell_change::AssociationChanged);
}
