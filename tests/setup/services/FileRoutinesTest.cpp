// File and folder routines on the emulated machine: folder chains with 0x5C trail bytes, copies
// over read-only files, silent deletion with wildcards, folder removal with listed files.
#include "services/FileRoutines.h"

#include "services/platform/Win32Codes.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(FileRoutines, FolderExists) {
    EmulatedMachine m;
    m.write("C:\\APP\\FILE.TXT", "x");
    struct Row {
        std::string folder;
        bool exists;
    };
    const Row rows[] = {
        {"C:\\WINDOWS", true}, {"c:\\windows\\system32\\", true},  {"C:\\", true},
        {"C:\\APP", true},     {"C:\\APP\\FILE.TXT", false},       {"C:\\NOPE", false},
        {"Q:\\", false},       {J("C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ"), true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FolderExists(m.context, row.folder), row.exists) << cp932::toUtf8(row.folder);
    }
}

TEST(FileRoutines, MakeFoldersCreatesEveryLevel) {
    EmulatedMachine m;
    // ソ and 表 end in the byte 0x5C; the host folders carry their UTF-8 names.
    EXPECT_TRUE(MakeFolders(m.context, J("C:\\ソフト\\表\\データ")));
    EXPECT_TRUE(fs::is_directory(m.root() + "/drive_c/ソフト/表/データ"));
    EXPECT_EQ(std::distance(fs::directory_iterator(m.root() + "/drive_c/ソフト"),
                            fs::directory_iterator()),
              1);
    // Nothing to create: true. A level that cannot be created: false.
    EXPECT_TRUE(MakeFolders(m.context, J("c:\\ソフト\\表\\")));
    m.write("C:\\F.TXT", "file in the way");
    EXPECT_FALSE(MakeFolders(m.context, "C:\\F.TXT\\SUB"));
    EXPECT_FALSE(MakeFolders(m.context, "Q:\\A"));
}

TEST(FileRoutines, CopyFileOverwriteClearsAttributes) {
    EmulatedMachine m;
    Platform& p = m.platform;
    m.write("C:\\SRC\\NEW.DLL", "new");
    m.write("C:\\DST\\NEW.DLL", "old");
    p.setFileAttributes("C:\\DST\\NEW.DLL", file_attribute::ReadOnly);
    EXPECT_EQ(CopyFileOverwrite(m.context, "C:\\SRC\\NEW.DLL", "C:\\DST\\NEW.DLL"), 0u);
    EXPECT_EQ(m.read("C:\\DST\\NEW.DLL"), "new");
    EXPECT_EQ(p.getFileAttributes("C:\\DST\\NEW.DLL"), file_attribute::Archive);

    // A read-only source gives a copy with the archive attribute only.
    p.setFileAttributes("C:\\SRC\\NEW.DLL", file_attribute::ReadOnly);
    EXPECT_EQ(CopyFileOverwrite(m.context, "C:\\SRC\\NEW.DLL", "C:\\DST\\COPY.DLL"), 0u);
    EXPECT_EQ(p.getFileAttributes("C:\\DST\\COPY.DLL"), file_attribute::Archive);

    EXPECT_EQ(CopyFileOverwrite(m.context, "C:\\SRC\\NONE.DLL", "C:\\DST\\X.DLL"), 2u);
    EXPECT_EQ(CopyFileOverwrite(m.context, "C:\\SRC\\NEW.DLL", "C:\\NODIR\\X.DLL"), 3u);
    EXPECT_FALSE(m.exists("C:\\DST\\X.DLL"));
}

TEST(FileRoutines, DeleteFileSilent) {
    struct Row {
        std::string path;
        std::uint32_t result;
        std::vector<std::string> gone; // of A.INI, b.ini, C.TXT (read-only), SUB.INI (a folder)
    };
    const Row rows[] = {
        {"C:\\APP\\MISSING.TXT", 2, {}},  {"C:\\NOFOLDER\\MISSING.TXT", 2, {}},
        {"C:\\APP\\C.TXT", 0, {"C.TXT"}}, {"C:\\APP\\*.INI", 0, {"A.INI", "b.ini", "SUB.INI"}},
        {"C:\\APP\\*.GID", 2, {}},        {"C:\\APP\\*", 0, {"A.INI", "b.ini", "C.TXT", "SUB.INI"}},
    };
    for (const Row& row : rows) {
        EmulatedMachine m;
        for (const char* name : {"A.INI", "b.ini", "C.TXT"}) {
            m.write(std::string("C:\\APP\\") + name, name);
        }
        m.write("C:\\APP\\SUB.INI\\INNER.TXT", "inner");
        // Read-only files go too: the shell deletes without asking.
        m.platform.setFileAttributes("C:\\APP\\C.TXT", file_attribute::ReadOnly);
        EXPECT_EQ(DeleteFileSilent(m.context, row.path), row.result) << row.path;
        for (const char* name : {"A.INI", "b.ini", "C.TXT", "SUB.INI"}) {
            bool expectGone = std::find(row.gone.begin(), row.gone.end(), name) != row.gone.end();
            EXPECT_EQ(!fs::exists(m.root() + "/drive_c/APP/" + name), expectGone)
                << row.path << " " << name;
        }
        EXPECT_TRUE(m.exists("C:\\APP")) << row.path;
    }
}

TEST(FileRoutines, RemoveFolderWithFiles) {
    struct Row {
        std::vector<std::string> files;
        std::string names;
        std::uint32_t result; // the folder is gone exactly when this is 0
        std::vector<std::string> remaining;
    };
    const Row rows[] = {
        {{"A.INI", "B.GID"}, "*.INI|*.GID|", 0, {}},
        {{"A.INI", "B.GID", "C.TXT"}, "*.INI|*.GID|", 145, {"C.TXT"}},
        {{"A.INI"}, "*.INI", 0, {}},
        {{"A.INI"}, "", 145, {"A.INI"}},
        {{}, "", 0, {}},
        {{"a.ini", "X.GID", "Y.GID"}, "|*.ini||X.GID", 145, {"Y.GID"}},
    };
    for (const Row& row : rows) {
        EmulatedMachine m;
        m.platform.createDirectory("C:\\APP");
        for (const std::string& name : row.files) {
            m.write("C:\\APP\\" + name, name);
        }
        EXPECT_EQ(RemoveFolderWithFiles(m.context, "C:\\APP", row.names), row.result) << row.names;
        EXPECT_EQ(m.exists("C:\\APP"), row.result != 0) << row.names;
        for (const std::string& name : row.files) {
            bool remains =
                std::find(row.remaining.begin(), row.remaining.end(), name) != row.remaining.end();
            EXPECT_EQ(fs::exists(m.root() + "/drive_c/APP/" + name), remains) << row.names << name;
        }
    }
    EmulatedMachine m;
    EXPECT_EQ(RemoveFolderWithFiles(m.context, "C:\\NONE\\", "*.INI|"), 2u);
}
