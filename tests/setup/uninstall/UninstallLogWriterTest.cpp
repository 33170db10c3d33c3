// The uninstall information written at the end of an install: the log against the same log
// written key by key through FindIniIndex, its numbering rules, the uninstaller copy, QUILLET.INI
// and the system uninstall entry.
#include "uninstall/UninstallLogWriter.h"

#include "services/IniValues.h"
#include "services/MbcsText.h"
#include "services/SystemInfo.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/RecordingWindow.h"

#include <gtest/gtest.h>

namespace {

using Names = UninstallLogWriter::Names;
using Strings = std::vector<std::string>;

const std::string kSetupFolder = "C:\\APP\\";
const std::string kLog = "C:\\APP\\UNSETUP.INI";
const std::string kUninstallKeys = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// What one install records, appended to the lists after the carry-over.
struct Recorded {
    Strings folders, files, shortcuts, registryKeys;
    std::vector<std::pair<std::string, std::string>> associations;
};

class Installer {
public:
    Installer() {
        m.values.sourceFolder = "C:\\MEDIUM\\";
        m.values.workFolder = "C:\\WINDOWS\\TEMP\\BSTMP1\\";
        m.platform.createDirectory("C:\\WINDOWS\\TEMP\\BSTMP1");
        m.platform.createDirectory("C:\\APP");
    }

    // One install into C:\APP\: carry-over, the recorded entries, the writing.
    UninstallLists install(const Recorded& recorded,
                           const Names& names = {"T", "K", "D", "ID", ""}) {
        UninstallLists lists;
        lists.carryOver(m.context, kSetupFolder);
        auto append = [](Strings& list, const Strings& more) {
            list.insert(list.end(), more.begin(), more.end());
        };
        append(lists.folders, recorded.folders);
        append(lists.files, recorded.files);
        append(lists.shortcuts, recorded.shortcuts);
        append(lists.registryKeys, recorded.registryKeys);
        for (const auto& [extension, type] : recorded.associations) {
            lists.recordAssociation(extension, type);
        }
        window = RecordingWindow();
        registered =
            UninstallLogWriter::write(m.context, window, lists, names, kSetupFolder, failures);
        return lists;
    }

    std::string logValue(const std::string& section, const std::string& key) {
        return ReadIniValue(m.context, section, key, "<none>", kLog);
    }

    Strings logList(const std::string& section, const std::string& prefix) {
        Strings values;
        for (int n = 1;; ++n) {
            std::string value =
                ReadIniValue(m.context, section, prefix + std::to_string(n), "", kLog);
            if (value.empty()) {
                return values;
            }
            values.push_back(value);
        }
    }

    std::string registryText(const std::string& key, const std::string& name) {
        RegistryValue value;
        return m.platform.regQueryValue(RegistryRoot::LocalMachine, key, name, value) == 0
                   ? value.text()
                   : "<none>";
    }

    EmulatedMachine m;
    RecordingWindow window;
    UninstallLogWriter::Failures failures;
    bool registered = false;
};

// The log as the sequence of WriteIniValue calls with FindIniIndex numbering makes it in a new
// file: the reference the writer's single write must equal byte for byte.
std::string keyByKey(SetupContext& context, const UninstallLists& lists, const Names& names) {
    const std::string file = "C:\\ORACLE\\UNSETUP.INI";
    context.platform.createDirectory("C:\\ORACLE");
    context.platform.deleteFile(file);
    auto put = [&](const std::string& section, const std::string& key, const std::string& value) {
        WriteIniValue(context, section, key, value, file);
    };
    put("Information", "Message1", "Quillet UnSetup(UnInstall) Initialize File");
    put("Information", "Message2", J("！！！　警告　！！！"));
    put("Information", "Message3",
        J("このファイルをエディタなどで書き換えたり，削除しないでください．"));
    put("Information", "Message4", J("書き換えた場合，アンセットアップ動作の保証はできません．"));
    put("Title", "UnSetup", names.uninstallTitle);
    put("SetupFolder", "Folder", kSetupFolder);
    auto list = [&](const std::string& section, const std::string& prefix, const Strings& entries) {
        for (std::string entry : entries) {
            const std::string key =
                prefix + std::to_string(FindIniIndex(context, entry, section, prefix, file));
            if (section == "DeleteFile" &&
                MbcsPosText("/S", ReadIniValue(context, section, key, "", file)) > 0 &&
                MbcsPosText("/S", entry) == 0) {
                entry += MbcsPosText(",/", entry) > 0 ? "/S" : ",/S";
            }
            put(section, key, entry);
        }
    };
    list("DeleteFolder", "Folder", lists.folders);
    list("DeleteFile", "File", lists.files);
    list("DeleteShortCut", "File", lists.shortcuts);
    list("DeleteRegistry", "Key", lists.registryKeys);
    for (std::size_t k = 0; k < lists.restoreRelate.size(); ++k) {
        if (!lists.restoreRelate[k].empty()) {
            put("RestoreRelate", "Key" + std::to_string(k + 1), lists.restoreRelate[k]);
        }
    }
    if (!names.uninstallOption.empty()) {
        put("UnSetupOption", "CheckBox", names.uninstallOption);
    }
    put("UnSetupRegistryKey", "Key", kUninstallKeys + names.uninstallKey);
    put("ProgramID", "ID", names.programId);
    std::string text;
    context.platform.readFile(file, text);
    return text;
}

} // namespace

TEST(UninstallLogWriter, WritesTheLogAsKeyByKeyWritingWould) {
    const Recorded first{{"C:\\APP\\", "C:\\APP\\DATA\\"},
                         {"C:\\APP\\A.EXE", "C:\\WINDOWS\\SYSTEM32\\X.DLL,/S", "C:\\APP\\B.TXT,/R",
                          "C:\\APP\\" + J("表") + ".TXT", kLog},
                         {"C:\\LINK.LNK"},
                         {"(Local)SOFTWARE\\APP"},
                         {{"txt", "txtfile"}, {"app", ""}}};
    struct Row {
        const char* what;
        std::vector<Recorded> installs; // into the same folder, one after the other
        Names names;
    };
    const Row rows[] = {
        {"first install", {first}, {"T", "K", "D", "ID", "1,0,1,0"}},
        {"nothing recorded, empty program ID", {Recorded{}}, {"T", "K", "D", "", ""}},
        {"reinstall",
         {first,
          {{"c:\\app\\data\\", "C:\\APP\\NEW\\"},
           {"C:\\APP\\NEW.EXE", "c:\\windows\\system32\\x.dll", "C:\\APP\\B.TXT",
            "C:\\APP\\A.EXE,/C", "C:\\APP\\" + J("表") + ".txt,/F", kLog},
           {"C:\\LINK.LNK", "C:\\LINK2.PIF"},
           {"(local)software\\app"},
           {{"TXT", "txt_auto_file"}, {"new", "newfile"}}}},
         {"T", "K", "D", "ID", ""}},
        {"odd values within one install",
         {{{"C:\\DUP\\", "C:\\DUP\\", " C:\\DUP\\ "},
           {"C:\\Q.TXT ", "C:\\Q.TXT,/S", ",/S", "C:\\R.TXT", ",x", "\"C:\\R.TXT\"", "C:\\Q.TXT",
            "C:\\S,/R", "C:\\s,/s", "C:\\" + J("ｱ") + "A", "C:\\" + J("ｱ") + "a,/S"},
           {},
           {"(Class)A", "(class)a"},
           {}}},
         {"T", "K", "D", "ID", ""}},
    };
    for (const Row& row : rows) {
        Installer installer;
        UninstallLists lists;
        for (const Recorded& recorded : row.installs) {
            lists = installer.install(recorded, row.names);
        }
        EXPECT_EQ(installer.m.read(kLog), keyByKey(installer.m.context, lists, row.names))
            << row.what;
    }
}

TEST(UninstallLogWriter, ReinstallKeepsNumbersPathsAndSharedMarks) {
    Installer installer;
    installer.install({{"C:\\APP\\"},
                       {"C:\\APP\\A.EXE", "C:\\APP\\X.DLL,/S", "C:\\APP\\Y.DLL,/S", kLog},
                       {"C:\\L1.LNK"},
                       {"(Cuser)Software\\A"},
                       {{"txt", "txtfile"}}});
    EXPECT_EQ(installer.logList("DeleteFile", "File"),
              (Strings{"C:\\APP\\A.EXE", "C:\\APP\\X.DLL,/S", "C:\\APP\\Y.DLL,/S", kLog}));
    EXPECT_EQ(installer.logValue("RestoreRelate", "Key1"), "txt,txtfile");

    installer.install(
        {{"C:\\APP\\"},
         {"C:\\APP\\NEW.EXE", "c:\\app\\a.exe", "C:\\APP\\X.DLL", "C:\\APP\\Y.DLL,/R", kLog},
         {"C:\\L1.LNK"},
         {"(Cuser)Software\\A"},
         {{"TXT", "txt_auto_file"}}});
    EXPECT_EQ(installer.logList("DeleteFolder", "Folder"), Strings{"C:\\APP\\"});
    EXPECT_EQ(installer.logList("DeleteFile", "File"),
              (Strings{"c:\\app\\a.exe", "C:\\APP\\X.DLL,/S", "C:\\APP\\Y.DLL,/R/S", kLog,
                       "C:\\APP\\NEW.EXE"}));
    EXPECT_EQ(installer.logList("DeleteShortCut", "File"), Strings{"C:\\L1.LNK"});
    EXPECT_EQ(installer.logList("DeleteRegistry", "Key"), Strings{"(Cuser)Software\\A"});
    EXPECT_EQ(installer.logList("RestoreRelate", "Key"), Strings{"txt,txtfile"});
}

TEST(UninstallLogWriter, ProgramIdAndUninstallEntry) {
    struct Row {
        Names names;
        std::string quilletIni; // whole QUILLET.INI afterwards, "<none>" for no file
    };
    const Row rows[] = {
        {{"Quillet", "Quillet", "Quillet", "", ""}, "<none>"},
        {{J("表計算"), "SheetKey", J("表計算 1.0"), "SHEET", "1,1,0,0"},
         "[SHEET]\r\nFolder=C:\\APP\\\r\n"},
    };
    for (const Row& row : rows) {
        Installer installer;
        installer.install({}, row.names);
        EXPECT_TRUE(installer.registered);
        EXPECT_EQ(installer.m.exists("C:\\WINDOWS\\QUILLET.INI")
                      ? installer.m.read("C:\\WINDOWS\\QUILLET.INI")
                      : "<none>",
                  row.quilletIni);
        EXPECT_EQ(installer.logValue("ProgramID", "ID"), row.names.programId);
        EXPECT_EQ(installer.logValue("Title", "UnSetup"), row.names.uninstallTitle);
        EXPECT_EQ(installer.logValue("UnSetupOption", "CheckBox"),
                  row.names.uninstallOption.empty() ? "<none>" : row.names.uninstallOption);
        const std::string key = kUninstallKeys + row.names.uninstallKey;
        EXPECT_EQ(installer.logValue("UnSetupRegistryKey", "Key"), key);
        EXPECT_EQ(installer.registryText(key, "DisplayName"), row.names.displayName);
        EXPECT_EQ(installer.registryText(key, "UninstallString"),
                  "C:\\WINDOWS\\UNQUILL.EXE \"C:\\APP\\UNSETUP.INI\"");
    }
}

TEST(UninstallLogWriter, ShowsItsProgressAndDisablesTheActionButton) {
    Installer installer;
    installer.install({});
    const std::string what[] = {"",
                                J("(削除フォルダ)"),
                                J("(削除ファイル)"),
                                J("(削除ショートカット)"),
                                J("(削除レジストリ)"),
                                J("(復元関連付け)")};
    ASSERT_EQ(installer.window.messages.size(), std::size(what));
    for (std::size_t i = 0; i < std::size(what); ++i) {
        EXPECT_EQ(installer.window.messages[i],
                  J("アンセットアップ情報") + what[i] +
                      J("を更新しています．しばらくお待ちください．．．"));
    }
    EXPECT_FALSE(installer.window.model["btnEvent"].enabled);
    EXPECT_EQ(installer.window.model["btnEvent"].text, J("セットアップ開始(&S)"));
}

TEST(UninstallLogWriter, UninstallerIsReplacedOnlyByANewerSetup) {
    namespace fs = std::filesystem;
    const auto now = fs::file_time_type::clock::now();
    struct Row {
        const char* what;
        int sourceAge;      // hours; -1 for no SETUP.EXE on the medium
        int destinationAge; // hours; -1 for no UNQUILL.EXE yet
        bool replaced;
    };
    const Row rows[] = {
        {"newer setup", 1, 5, true},    {"older setup", 5, 1, false},
        {"same age", 3, 3, false},      {"no uninstaller yet", 9, -1, true},
        {"no SETUP.EXE", -1, 1, false}, {"neither", -1, -1, false},
    };
    for (const Row& row : rows) {
        Installer installer;
        for (const auto& [path, age, bytes] :
             {std::tuple{std::string("C:\\MEDIUM\\SETUP.EXE"), row.sourceAge, "new"},
              std::tuple{std::string("C:\\WINDOWS\\UNQUILL.EXE"), row.destinationAge, "old"}}) {
            if (age >= 0) {
                installer.m.write(path, bytes);
                fs::last_write_time(installer.m.host(path), now - std::chrono::hours(age));
            }
        }
        installer.install({});
        const bool hasUninstaller = installer.m.exists("C:\\WINDOWS\\UNQUILL.EXE");
        EXPECT_EQ(hasUninstaller && installer.m.read("C:\\WINDOWS\\UNQUILL.EXE") == "new",
                  row.replaced)
            << row.what;
        EXPECT_EQ(installer.failures.count, 0) << row.what;
    }
}

TEST(UninstallLogWriter, AFailedUninstallerCopyIsLoggedAndTheLogStillWritten) {
    Installer installer;
    installer.failures = {"<File> C:\\APP\\EARLIER.TXT\r\n...\r\n\r\n", 1};
    installer.m.write("C:\\MEDIUM\\SETUP.EXE", "new");
    // A folder in the way of the uninstaller refuses the copy with access denied.
    installer.m.write("C:\\WINDOWS\\UNQUILL.EXE\\KEEP.TXT", "old");
    std::filesystem::last_write_time(installer.m.host("C:\\WINDOWS\\UNQUILL.EXE"),
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(1));
    installer.install({{}, {"C:\\APP\\A.EXE"}, {}, {}, {}});
    EXPECT_EQ(installer.failures.count, 2);
    EXPECT_EQ(installer.failures.log, "<File> C:\\APP\\EARLIER.TXT\r\n...\r\n\r\n"
                                      "<SetupFile> C:\\WINDOWS\\UNQUILL.EXE\r\n" +
                                          SystemErrorText(installer.m.context, 5) + "\r\n");
    EXPECT_EQ(installer.m.read("C:\\WINDOWS\\UNQUILL.EXE\\KEEP.TXT"), "old");
    EXPECT_EQ(installer.logList("DeleteFile", "File"), Strings{"C:\\APP\\A.EXE"});
    EXPECT_TRUE(installer.registered);
}
