// The emulated machine as a whole: its folders, the Win32 codes of failing calls, directory
// searches, the registry file (persistence, crashes, damage), and the restart and lock files.
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/RegistryStore.h"
#include "services/platform/posix/Wildcard.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(PosixPlatform, SystemAndSpecialFolders) {
    EmulatedMachine m;
    for (const char* host :
         {"WINDOWS/SYSTEM32", "WINDOWS/TEMP", "Program Files", "WINDOWS/ﾃﾞｽｸﾄｯﾌﾟ",
          "WINDOWS/ｽﾀｰﾄ ﾒﾆｭｰ/ﾌﾟﾛｸﾞﾗﾑ/ｽﾀｰﾄｱｯﾌﾟ", "WINDOWS/SENDTO"}) {
        EXPECT_TRUE(fs::is_directory(m.root() + "/drive_c/" + host)) << host;
    }
    EXPECT_EQ(m.platform.windowsDirectory(), "C:\\WINDOWS");
    EXPECT_EQ(m.platform.systemDirectory(), "C:\\WINDOWS\\SYSTEM32");
    EXPECT_EQ(m.platform.tempPath(), "C:\\WINDOWS\\TEMP\\");
    struct Row {
        int id;
        std::string path; // empty: unknown id
    };
    const Row rows[] = {
        {0, J("C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ")},
        {2, J("C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ")},
        {7, J("C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ")},
        {9, "C:\\WINDOWS\\SENDTO"},
        {5, ""},
    };
    for (const Row& row : rows) {
        std::string path;
        EXPECT_EQ(m.platform.specialFolderPath(row.id, path), !row.path.empty()) << row.id;
        EXPECT_EQ(path, row.path) << row.id;
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
    EXPECT_TRUE(m.platform.setCurrentDirectory("C:\\WINDOWS\\TEMP"));
    EXPECT_EQ(m.platform.currentDirectory(), "C:\\WINDOWS\\TEMP");
    m.write("C:\\WINDOWS\\TEMP\\X.TXT", "x");
    EXPECT_EQ(m.platform.getFileAttributes("x.txt"), file_attribute::Archive);
    EXPECT_FALSE(m.platform.setCurrentDirectory("C:\\NONE"));
    EXPECT_EQ(m.platform.lastError(), 2u);
    EXPECT_EQ(m.platform.currentDirectory(), "C:\\WINDOWS\\TEMP");
}

TEST(PosixPlatform, FailuresGiveWin32Codes) {
    EmulatedMachine m;
    Platform& p = m.platform;
    m.write("C:\\APP\\FILE.TXT", "x");
    m.write("C:\\APP\\RO.TXT", "x");
    m.write("C:\\FULL\\INSIDE.TXT", "x");
    p.setFileAttributes("C:\\APP\\RO.TXT", file_attribute::ReadOnly);
    struct Row {
        const char* what;
        std::function<bool()> call;
        std::uint32_t error;
    };
    const Row rows[] = {
        {"delete missing", [&] { return p.deleteFile("C:\\APP\\NONE.TXT"); }, 2},
        {"delete in missing folder", [&] { return p.deleteFile("C:\\NONE\\X.TXT"); }, 3},
        {"delete read-only", [&] { return p.deleteFile("C:\\APP\\RO.TXT"); }, 5},
        {"delete folder", [&] { return p.deleteFile("C:\\APP"); }, 5},
        {"delete on missing drive", [&] { return p.deleteFile("Q:\\X.TXT"); }, 3},
        {"delete wildcard", [&] { return p.deleteFile("C:\\APP\\*.TXT"); }, 123},
        {"create existing", [&] { return p.createDirectory("c:\\app"); }, 183},
        {"create in missing", [&] { return p.createDirectory("C:\\NONE\\SUB"); }, 3},
        {"bad name", [&] { return p.createDirectory("C:\\A>B"); }, 123},
        {"remove full", [&] { return p.removeDirectory("C:\\FULL"); }, 145},
        {"remove file", [&] { return p.removeDirectory("C:\\APP\\FILE.TXT"); }, 267},
        {"remove drive", [&] { return p.removeDirectory("C:\\"); }, 5},
        {"copy missing", [&] { return p.copyFile("C:\\APP\\NONE", "C:\\APP\\X", false); }, 2},
        {"copy onto existing",
         [&] { return p.copyFile("C:\\APP\\FILE.TXT", "C:\\APP\\RO.TXT", true); }, 80},
        {"copy onto read-only",
         [&] { return p.copyFile("C:\\APP\\FILE.TXT", "C:\\APP\\RO.TXT", false); }, 5},
        {"copy onto itself",
         [&] { return p.copyFile("C:\\APP\\FILE.TXT", "c:\\app\\file.txt", false); }, 32},
        {"move onto existing", [&] { return p.moveFile("C:\\APP\\FILE.TXT", "C:\\APP\\RO.TXT"); },
         183},
        {"attributes of missing",
         [&] { return p.getFileAttributes("C:\\NONE\\X") != file_attribute::Invalid; }, 3},
    };
    for (const Row& row : rows) {
        EXPECT_FALSE(row.call()) << row.what;
        EXPECT_EQ(p.lastError(), row.error) << row.what;
    }
    EXPECT_EQ(m.read("C:\\APP\\RO.TXT"), "x");
    EXPECT_EQ(m.platform.shellDelete("C:\\"), 5u);
    EXPECT_TRUE(m.exists("C:\\APP\\FILE.TXT"));
}

TEST(PosixPlatform, DirectorySearch) {
    EmulatedMachine m;
    m.write("C:\\APP\\A.INI", "12345");
    m.write("C:\\APP\\b.ini", "");
    m.write("C:\\APP\\README", "");
    m.write("C:\\APP\\SUB\\X.TXT", "");
    auto names = [&](const std::string& pattern) {
        std::string joined;
        for (const auto& entry : m.platform.findFiles(pattern)) {
            joined += entry.name + "|";
        }
        return joined;
    };
    EXPECT_EQ(names("C:\\APP\\*.*"), ".|..|A.INI|b.ini|README|SUB|");
    EXPECT_EQ(names("c:\\app\\*.ini"), "A.INI|b.ini|");
    EXPECT_EQ(names("C:\\APP\\README.*"), "README|");
    EXPECT_EQ(names("C:\\APP\\?.INI"), "A.INI|b.ini|");
    EXPECT_EQ(names("C:\\APP\\a.ini"), "A.INI|");
    EXPECT_EQ(names("C:\\APP\\*.GID"), "");
    EXPECT_EQ(m.platform.lastError(), 2u);
    EXPECT_EQ(names("C:\\NONE\\*.*"), "");
    EXPECT_EQ(m.platform.lastError(), 3u);
    // A drive root has no "." and ".." entries.
    EXPECT_EQ(names("C:\\*.*").substr(0, 5), "APP|P");
    auto found = m.platform.findFiles("C:\\APP\\A.INI");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].size, 5u);
    EXPECT_EQ(found[0].attributes, file_attribute::Archive);
    EXPECT_GT(found[0].lastWriteTime, 116444736000000000ULL); // after 1970
    EXPECT_EQ(m.platform.findFiles("C:\\APP\\SUB")[0].attributes, file_attribute::Directory);
}

TEST(PosixPlatform, WildcardMatching) {
    struct Row {
        std::string pattern;
        std::string name;
        bool matches;
    };
    const Row rows[] = {
        {"*.INI", "win.ini", true}, {"*.INI", "WIN.INIX", false},  {"*.*", "README", true},
        {"A.*", "A", true},         {"?.TXT", "AB.TXT", false},    {"?.TXT", J("表.TXT"), true},
        {"*X*", J("ソX"), true},    {J("ソ*"), J("ソフト"), true}, {"*\\*", J("ソ"), false},
        {"a*b*c", "aXXbYYc", true}, {"a*b*c", "aXXbYY", false},    {"", "", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(wildcard::matches(row.pattern, row.name), row.matches)
            << cp932::toUtf8(row.pattern) << " " << cp932::toUtf8(row.name);
    }
}

TEST(PosixPlatform, ProfileReadsAreCutLikeABuffer) {
    EmulatedMachine m;
    m.write("C:\\A.INI", "[S]\r\nK=" + J("あいう") + "\r\n");
    // Six bytes of value; a buffer of n bytes returns n - 1 of them, even mid-character.
    for (std::size_t size : {1u, 2u, 4u, 6u, 7u, 100u}) {
        std::string value = m.platform.getPrivateProfileString("S", "K", "", size, "C:\\A.INI");
        EXPECT_EQ(value, J("あいう").substr(0, size - 1)) << size;
    }
    EXPECT_EQ(m.platform.getPrivateProfileString("S", "K", "dflt", 3, "C:\\NONE.INI"), "df");
    EXPECT_TRUE(m.platform.deletePrivateProfileSection("s", "C:\\A.INI"));
    EXPECT_EQ(m.read("C:\\A.INI"), "");
}

TEST(PosixPlatform, RegistryPersistsAcrossReopening) {
    EmulatedMachine m;
    Platform& p = m.platform;
    const std::string key = J("Software\\ソフト\\Settings");
    EXPECT_EQ(p.regSetValue(RegistryRoot::CurrentUser, key, "v", RegistryValue::dword(1)), 2u);
    ASSERT_EQ(p.regCreateKey(RegistryRoot::CurrentUser, key), 0u);
    ASSERT_EQ(p.regSetValue(RegistryRoot::CurrentUser, key, "", RegistryValue::string("default")),
              0u);
    ASSERT_EQ(p.regSetValue(RegistryRoot::CurrentUser, key, "Count", RegistryValue::dword(3)), 0u);
    ASSERT_EQ(p.regCreateKey(RegistryRoot::CurrentUser, key + "\\Child\\Grandchild"), 0u);
    EXPECT_EQ(p.regDeleteValue(RegistryRoot::CurrentUser, key, "missing"), 2u);
    EXPECT_EQ(p.regDeleteKeyTree(RegistryRoot::CurrentUser, ""), 87u);
    EXPECT_EQ(p.regDeleteKeyTree(RegistryRoot::CurrentUser, "\\\\"), 87u);

    PosixPlatform reopened(PosixPlatform::Options{m.root(), {}});
    RegistryValue value;
    EXPECT_EQ(
        reopened.regQueryValue(RegistryRoot::CurrentUser, cp932::toUpperAscii(key), "", value), 0u);
    EXPECT_EQ(value.text(), "default");
    EXPECT_EQ(reopened.regQueryValue(RegistryRoot::CurrentUser, key, "COUNT", value), 0u);
    EXPECT_EQ(value.dwordValue(), 3u);
    EXPECT_EQ(reopened.regDeleteKeyTree(RegistryRoot::CurrentUser, "software\\" + J("ソフト")), 0u);
    // The first machine sees the change the other one made to the file.
    EXPECT_EQ(p.regOpenKey(RegistryRoot::CurrentUser, key + "\\Child"), 2u);
    EXPECT_EQ(p.regOpenKey(RegistryRoot::CurrentUser, "Software"), 0u);
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

TEST(PosixPlatform, RestartMarkerAndSingleInstanceLock) {
    EmulatedMachine m;
    EXPECT_FALSE(fs::exists(m.root() + "/RESTART-REQUESTED"));
    EXPECT_TRUE(m.platform.restartDialog());
    EXPECT_TRUE(fs::exists(m.root() + "/RESTART-REQUESTED"));

    auto first = m.platform.acquireInstanceLock("QUILLRUN");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(fs::exists(m.root() + "/QUILLRUN.lock"));
    PosixPlatform other(PosixPlatform::Options{m.root(), {}});
    EXPECT_EQ(other.acquireInstanceLock("QUILLRUN"), nullptr);
    first.reset();
    EXPECT_NE(other.acquireInstanceLock("QUILLRUN"), nullptr);

    m.platform.shellChangeNotify(shell_change::AssociationChanged, "");
    ASSERT_EQ(m.platform.shellNotifications().size(), 1u);
    EXPECT_EQ(m.platform.shellNotifications()[0].first, shell_change::AssociationChanged);
}
