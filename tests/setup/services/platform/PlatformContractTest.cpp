// What every platform does as seen through its interface: system and special folders, the current
// directory, the Win32 codes of failing calls, directory searches and wildcards, profile reads,
// free disk space, the registry as two processes share it, restart and single instance. The cases
// expect a Japanese Windows with free use of C:\; each implementation's maker gives one and names
// its folders.
#include "tests/setup/services/platform/PlatformContract.h"

#include "common/Cp932.h"
#include "services/platform/Win32Codes.h"

#include <functional>

TEST_P(PlatformContract, SystemAndSpecialFolders) {
    const ContractMachine::Folders folders = m.folders();
    EXPECT_EQ(p.windowsDirectory(), folders.windows);
    EXPECT_EQ(p.systemDirectory(), folders.system);
    EXPECT_EQ(p.tempPath(), folders.temp);
    for (const auto& [id, expected] : folders.special) {
        std::string path;
        EXPECT_EQ(p.specialFolderPath(id, path), !expected.empty()) << id;
        // Windows paths compare without regard to case.
        EXPECT_TRUE(cp932::equalsNoCase(path, expected)) << id << " " << path;
    }
}

TEST_P(PlatformContract, CurrentDirectory) {
    EXPECT_TRUE(p.setCurrentDirectory("C:\\WINDOWS\\TEMP"));
    EXPECT_EQ(p.currentDirectory(), "C:\\WINDOWS\\TEMP");
    m.write("C:\\WINDOWS\\TEMP\\X.TXT", "x");
    EXPECT_EQ(p.getFileAttributes("x.txt"), file_attribute::Archive);
    EXPECT_FALSE(p.setCurrentDirectory("C:\\NONE"));
    EXPECT_EQ(p.lastError(), 2u);
    EXPECT_EQ(p.currentDirectory(), "C:\\WINDOWS\\TEMP");
}

TEST_P(PlatformContract, FailuresGiveWin32Codes) {
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
        {"write in missing folder", [&] { return p.writeFile("C:\\NONE\\X.TXT", "x"); }, 3},
        {"write read-only", [&] { return p.writeFile("C:\\APP\\RO.TXT", "x"); }, 5},
        {"write folder", [&] { return p.writeFile("C:\\APP", "x"); }, 5},
    };
    for (const Row& row : rows) {
        if (m.deviates(row.what)) {
            continue;
        }
        EXPECT_FALSE(row.call()) << row.what;
        EXPECT_EQ(p.lastError(), row.error) << row.what;
    }
    EXPECT_EQ(m.read("C:\\APP\\RO.TXT"), "x");
    EXPECT_EQ(p.shellDelete("C:\\"), 5u);
    EXPECT_TRUE(m.exists("C:\\APP\\FILE.TXT"));
}

TEST_P(PlatformContract, DirectorySearch) {
    m.write("C:\\APP\\A.INI", "12345");
    m.write("C:\\APP\\b.ini", "");
    m.write("C:\\APP\\README", "");
    m.write("C:\\APP\\SUB\\X.TXT", "");
    auto names = [&](const std::string& pattern) {
        std::string joined;
        for (const auto& entry : p.findFiles(pattern)) {
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
    EXPECT_EQ(p.lastError(), 2u);
    EXPECT_EQ(names("C:\\NONE\\*.*"), "");
    EXPECT_EQ(p.lastError(), 3u);
    // A drive root has no "." and ".." entries.
    EXPECT_EQ(names("C:\\*.*").substr(0, 5), "APP|P");
    auto found = p.findFiles("C:\\APP\\A.INI");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].size, 5u);
    EXPECT_EQ(found[0].attributes, file_attribute::Archive);
    EXPECT_GT(found[0].lastWriteTime, 116444736000000000ULL); // after 1970
    EXPECT_EQ(p.findFiles("C:\\APP\\SUB")[0].attributes, file_attribute::Directory);
}

// Each pattern searched for in one folder that holds every name of the table.
TEST_P(PlatformContract, WildcardMatching) {
    struct Row {
        std::string pattern;
        std::string name;
        bool matches;
    };
    const Row rows[] = {
        // A volume with 8.3 names would match WIN.INIX by its short name WIN~1.INI; the machine of
        // the contract has none.
        {"*.INI", "win.ini", true},       {"*.INI", "WIN.INIX", false},
        {"*.*", "README", true},          {"A.*", "A", true},
        {"?.TXT", "AB.TXT", false},       {"?.TXT", cp932::lit("表.TXT"), true},
        {"*X*", cp932::lit("ソX"), true}, {cp932::lit("ソ*"), cp932::lit("ソフト"), true},
        {"a*b*c", "aXXbYYc", true},       {"a*b*c", "aXXbYY", false},
    };
    for (const Row& row : rows) {
        m.write("C:\\NAMES\\" + row.name, "");
    }
    for (const Row& row : rows) {
        if (m.deviates(row.pattern + " " + row.name)) {
            continue;
        }
        bool found = false;
        for (const auto& entry : p.findFiles("C:\\NAMES\\" + row.pattern)) {
            found = found || entry.name == row.name;
        }
        EXPECT_EQ(found, row.matches)
            << cp932::toUtf8(row.pattern) << " " << cp932::toUtf8(row.name);
    }
}

TEST_P(PlatformContract, ProfileReadsAreCutLikeABuffer) {
    m.write("C:\\A.INI", "[S]\r\nK=" + cp932::lit("あいう") + "\r\n");
    // Six bytes of value; a buffer of n bytes returns n - 1 of them, even mid-character.
    for (std::size_t size : {1u, 2u, 4u, 6u, 7u, 100u}) {
        std::string value = p.getPrivateProfileString("S", "K", "", size, "C:\\A.INI");
        EXPECT_EQ(value, cp932::lit("あいう").substr(0, size - 1)) << size;
    }
    EXPECT_EQ(p.getPrivateProfileString("S", "K", "dflt", 3, "C:\\NONE.INI"), "df");
    EXPECT_TRUE(p.deletePrivateProfileSection("s", "C:\\A.INI"));
    EXPECT_EQ(m.read("C:\\A.INI"), "");
}

TEST_P(PlatformContract, WrittenFilesAreReplacedWhole) {
    m.write("C:\\APP\\OLD.INI", "a much longer old content\r\n");
    ASSERT_TRUE(p.writeFile("c:\\app\\old.ini", "[S]\r\n"));
    ASSERT_TRUE(p.writeFile("C:\\APP\\" + cp932::lit("新.INI"), cp932::lit("値")));
    EXPECT_EQ(m.read("C:\\APP\\OLD.INI"), "[S]\r\n");
    std::string contents;
    ASSERT_TRUE(p.readFile("C:\\APP\\" + cp932::lit("新.INI"), contents));
    EXPECT_EQ(contents, cp932::lit("値"));
}

// The free space of a drive both ways: bytes free to the caller, and the older call's clusters,
// whose 32-bit counts may fall short on a large disk but never exceed it.
TEST_P(PlatformContract, FreeDiskSpaceBothWays) {
    m.write("C:\\SPACE\\X.TXT", "x");
    ASSERT_TRUE(p.hasDiskFreeSpaceEx());
    std::uint64_t free = 0;
    ASSERT_TRUE(p.getDiskFreeSpaceEx("C:\\SPACE\\", free));
    Platform::DiskGeometry disk;
    ASSERT_TRUE(p.getDiskFreeSpace("C:\\", disk));
    const std::uint64_t cluster = std::uint64_t{disk.sectorsPerCluster} * disk.bytesPerSector;
    EXPECT_GE(disk.bytesPerSector, 512u);
    EXPECT_EQ(disk.bytesPerSector & (disk.bytesPerSector - 1), 0u) << disk.bytesPerSector;
    EXPECT_GT(disk.freeClusters, 0u);
    EXPECT_LE(disk.freeClusters, disk.totalClusters);
    // Other programs write meanwhile: a tenth either way is the same disk.
    EXPECT_LE(disk.freeClusters * cluster, free + free / 10);
    Platform::DiskGeometry none;
    EXPECT_FALSE(p.getDiskFreeSpace("C:\\NONE\\", none));
}

TEST_P(PlatformContract, RegistryPersistsAcrossReopening) {
    const std::string key = cp932::lit("Software\\ソフト\\Settings");
    EXPECT_EQ(p.regSetValue(RegistryRoot::CurrentUser, key, "v", RegistryValue::dword(1)), 2u);
    ASSERT_EQ(p.regCreateKey(RegistryRoot::CurrentUser, key), 0u);
    ASSERT_EQ(p.regSetValue(RegistryRoot::CurrentUser, key, "", RegistryValue::string("default")),
              0u);
    ASSERT_EQ(p.regSetValue(RegistryRoot::CurrentUser, key, "Count", RegistryValue::dword(3)), 0u);
    ASSERT_EQ(p.regCreateKey(RegistryRoot::CurrentUser, key + "\\Child\\Grandchild"), 0u);
    EXPECT_EQ(p.regDeleteValue(RegistryRoot::CurrentUser, key, "missing"), 2u);
    EXPECT_EQ(p.regDeleteKeyTree(RegistryRoot::CurrentUser, ""), 87u);
    EXPECT_EQ(p.regDeleteKeyTree(RegistryRoot::CurrentUser, "\\\\"), 87u);

    std::unique_ptr<Platform> reopened = m.reopen();
    RegistryValue value;
    EXPECT_EQ(
        reopened->regQueryValue(RegistryRoot::CurrentUser, cp932::toUpperAscii(key), "", value),
        0u);
    EXPECT_EQ(value.text(), "default");
    EXPECT_EQ(reopened->regQueryValue(RegistryRoot::CurrentUser, key, "COUNT", value), 0u);
    EXPECT_EQ(value.dwordValue(), 3u);
    EXPECT_EQ(
        reopened->regDeleteKeyTree(RegistryRoot::CurrentUser, "software\\" + cp932::lit("ソフト")),
        0u);
    // The first platform sees the change the other one made.
    EXPECT_EQ(p.regOpenKey(RegistryRoot::CurrentUser, key + "\\Child"), 2u);
    EXPECT_EQ(p.regOpenKey(RegistryRoot::CurrentUser, "Software"), 0u);
}

TEST_P(PlatformContract, RestartAndSingleInstance) {
    if (m.mayRestart()) {
        EXPECT_TRUE(p.restartDialog());
    }

    auto first = p.acquireInstanceLock("QUILLRUN");
    ASSERT_NE(first, nullptr);
    std::unique_ptr<Platform> other = m.reopen();
    EXPECT_EQ(other->acquireInstanceLock("QUILLRUN"), nullptr);
    first.reset();
    EXPECT_NE(other->acquireInstanceLock("QUILLRUN"), nullptr);
}
