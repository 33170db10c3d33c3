// The service routines on every platform the contract runs on: ini values longer than a read
// buffer, folders whose names end in the byte 0x5C, copies over read-only files, shared-library
// counts, components loaded as libraries, compressed files named by their header and shortcuts in
// a new program group.
#include "common/Cp932.h"
#include "common/ScriptedPrompter.h"
#include "services/ComponentRegistration.h"
#include "services/CompressedFiles.h"
#include "services/FileRoutines.h"
#include "services/IniValues.h"
#include "services/SharedDllCounts.h"
#include "services/Shortcuts.h"
#include "services/platform/ShellLinkFile.h"
#include "services/platform/Win32Codes.h"
#include "tests/setup/services/SzddFixture.h"
#include "tests/setup/services/platform/PlatformContract.h"

#include <algorithm>

namespace {

// A context on the case's machine, its folders as start-up would fill them in.
struct Routines {
    explicit Routines(ContractMachine& m) : context{m.platform(), prompter, values} {
        const ContractMachine::Folders folders = m.folders();
        values.windowsFolder = folders.windows + "\\";
        values.systemFolder = folders.system + "\\";
        values.temporaryFolder = folders.temp;
    }
    ScriptedPrompter prompter;
    ProcessValues values;
    SetupContext context;
};

} // namespace

TEST_P(PlatformContract, IniValuesOfAnyLength) {
    Routines r(m);
    const std::string ini = "C:\\INI\\" + cp932::lit("設定.INI");
    m.write(ini, "");
    // 300 double-byte characters put a character across each 256-byte buffer's end.
    std::string japanese;
    for (int i = 0; i < 300; ++i) {
        japanese += cp932::lit("表");
    }
    const std::string values[] = {"", "short", std::string(255, 'a'), std::string(600, 'b'),
                                  japanese};
    for (const std::string& value : values) {
        ASSERT_TRUE(WriteIniValue(r.context, "S", cp932::lit("キー"), value, ini));
        EXPECT_EQ(ReadIniValue(r.context, "S", cp932::lit("キー"), "none", ini), value)
            << value.size();
    }
    EXPECT_EQ(ReadIniValue(r.context, "S", "missing", std::string(300, 'd'), ini),
              std::string(300, 'd'));
    ASSERT_TRUE(WriteIniValue(r.context, "Files", "File1", "c:\\a\\b.dll", ini));
    EXPECT_EQ(FindIniIndex(r.context, "C:\\A\\B.DLL,/S", "Files", "File", ini), 1);
    ASSERT_TRUE(WriteIniValue(r.context, "Files", "File2", "C:\\X.DLL,/S", ini));
    EXPECT_EQ(FindIniIndex(r.context, "C:\\Y.DLL", "Files", "File", ini), 3);
}

TEST_P(PlatformContract, FoldersWithTrailByteNames) {
    Routines r(m);
    // ソ and 表 end in the byte 0x5C.
    const std::string folder = cp932::lit("C:\\ソフト\\表");
    ASSERT_TRUE(MakeFolders(r.context, folder + "\\" + cp932::lit("データ")));
    EXPECT_TRUE(FolderExists(r.context, folder + "\\"));
    EXPECT_TRUE(FolderExists(r.context, folder + "\\" + cp932::lit("データ")));
    EXPECT_FALSE(FolderExists(r.context, cp932::lit("C:\\ソフト\\表X")));
    m.write(folder + "\\A.INI", "");
    m.write(folder + "\\B.GID", "");
    m.write(folder + "\\KEEP.TXT", "");
    EXPECT_EQ(RemoveFolderWithFiles(r.context, folder, "*.INI|*.GID|"), 145u);
    EXPECT_FALSE(m.exists(folder + "\\A.INI"));
    EXPECT_FALSE(m.exists(folder + "\\B.GID"));
    EXPECT_EQ(RemoveFolderWithFiles(r.context, folder + "\\" + cp932::lit("データ"), ""), 0u);
    EXPECT_EQ(RemoveFolderWithFiles(r.context, folder, "KEEP.TXT"), 0u);
    EXPECT_FALSE(m.exists(folder));
    EXPECT_EQ(DeleteFileSilent(r.context, "C:\\NONE\\X.TXT"), 2u);
}

TEST_P(PlatformContract, CopyOverReadOnlyFile) {
    Routines r(m);
    m.write("C:\\SRC\\NEW.TXT", "new");
    m.write("C:\\DST\\NEW.TXT", "old");
    ASSERT_TRUE(m.platform().setFileAttributes("C:\\DST\\NEW.TXT",
                                               file_attribute::ReadOnly | file_attribute::Hidden));
    EXPECT_EQ(CopyFileOverwrite(r.context, "C:\\SRC\\NEW.TXT", "C:\\DST\\NEW.TXT"), 0u);
    EXPECT_EQ(m.read("C:\\DST\\NEW.TXT"), "new");
    EXPECT_EQ(m.platform().getFileAttributes("C:\\DST\\NEW.TXT"), file_attribute::Archive);
    EXPECT_EQ(CopyFileOverwrite(r.context, "C:\\SRC\\NONE.TXT", "C:\\DST\\X.TXT"), 2u);
}

TEST_P(PlatformContract, SharedDllCounts) {
    Routines r(m);
    m.write("C:\\SHARED\\PRESENT.DLL", "");
    struct Row {
        const char* path;
        bool increment;
        std::int32_t count;
    };
    const Row rows[] = {
        {"C:\\SHARED\\PRESENT.DLL", true, 2},  {"C:\\SHARED\\PRESENT.DLL", false, 1},
        {"C:\\SHARED\\PRESENT.DLL", false, 0}, {"C:\\SHARED\\ABSENT.DLL", true, 1},
        {"C:\\SHARED\\ABSENT.DLL", false, 0},  {"C:\\SHARED\\ABSENT.DLL", false, -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ChangeSharedDllCount(r.context, row.path, row.increment), row.count) << row.path;
        EXPECT_EQ(GetSharedDllCount(r.context, row.path), std::max(row.count, 0)) << row.path;
    }
}

TEST_P(PlatformContract, CompressedFileNamedByItsHeader) {
    Routines r(m);
    m.write("C:\\MEDIUM\\README.TX_", literalSzdd("read me", 't'));
    EXPECT_EQ(ExpandCompressedFile(r.context, "C:\\MEDIUM\\README.TX_", "C:\\APP\\AUTO.EXT"),
              r.values.temporaryFolder + "EXPAND.BST,C:\\APP\\README.TXT");
    EXPECT_EQ(m.read(r.values.temporaryFolder + "EXPAND.BST"), "read me");
}

TEST_P(PlatformContract, ShortcutInANewProgramGroup) {
    Routines r(m);
    m.write("C:\\APP\\APP.EXE", "MZ");
    std::string programs;
    for (const auto& [id, path] : m.folders().special) {
        programs = id == special_folder::Programs ? path : programs;
    }
    const std::string name = cp932::lit("\\グループ\\表示");
    EXPECT_EQ(
        CreateShortcut(r.context, "C:\\APP\\APP.EXE", name, special_folder::Programs, "", "/S"),
        programs + name + ".lnk");
    auto link = ShellLinkFile::read(m.read(programs + name + ".lnk"));
    ASSERT_TRUE(link.has_value());
    EXPECT_TRUE(cp932::equalsNoCase(link->target, "C:\\APP\\APP.EXE")) << link->target;
    EXPECT_EQ(link->workingDirectory, "C:\\APP\\");
    EXPECT_EQ(link->arguments, "/S");
    EXPECT_EQ(RemoveFolderWithFiles(r.context, programs + cp932::lit("\\グループ"), "*.lnk|"), 0u);
}

// The fixtures are libraries of the system the case runs on, copied into the machine.
TEST_P(PlatformContract, ComponentsLoadedAsLibraries) {
    struct Row {
        const char* fixture; // null: no file at all
        bool doRegister;
        bool result;
        std::string message; // after the path; empty when none is shown
    };
    const Row rows[] = {
        {COMPONENT_OK, true, true, ""},
        {COMPONENT_FAIL, true, false, cp932::lit("のDllRegisterServer関数が失敗しました．")},
        {COMPONENT_NOEXPORT, true, false,
         cp932::lit("のDllRegisterServerエントリが見つかりません．")},
        {nullptr, true, false, cp932::lit("の読み込みに失敗しました．")},
        {COMPONENT_OK, false, false, ""},
    };
    int n = 0;
    for (const Row& row : rows) {
        Routines r(m);
        // A name of its own for each row: a library is never loaded twice under one name.
        const std::string path = "C:\\COMP\\Q" + std::to_string(++n) + ".DLL";
        if (row.fixture) {
            m.write(path, TempFolder::read(row.fixture));
        }
        EXPECT_EQ(RegisterComponent(r.context, path, row.doRegister), row.result) << path;
        const std::string shown = r.prompter.asked.empty() ? "" : r.prompter.asked[0].text;
        EXPECT_EQ(shown, row.message.empty() ? "" : path + row.message) << path;
    }
    // Released after registration, so the file can go.
    Routines r(m);
    EXPECT_EQ(DeleteFileSilent(r.context, "C:\\COMP\\Q1.DLL"), 0u);
    EXPECT_FALSE(m.exists("C:\\COMP\\Q1.DLL"));
}
