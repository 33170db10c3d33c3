// Install and uninstall through the platform alone, on every system the platform contract runs
// on: one table of packages, run on the emulated machine and, in the Windows build, on Windows.
// The medium and the setup folder lie in C:\; the rest goes where the system keeps it.
#include "common/Cp932.h"
#include "common/ScriptedPrompter.h"
#include "install/InstallProcedure.h"
#include "install/StartUp.h"
#include "services/IniValues.h"
#include "services/PathText.h"
#include "services/SharedDllCounts.h"
#include "services/SystemInfo.h"
#include "services/platform/ShellLinkFile.h"
#include "services/platform/Win32Codes.h"
#include "tests/common/TempFolder.h"
#include "tests/setup/services/RecordingWindow.h"
#include "tests/setup/services/SzddFixture.h"
#include "tests/setup/services/platform/PlatformContract.h"
#include "uninstall/UninstallProcedure.h"

#include <chrono>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using R = RegistryRoot;

const std::string kSharedDlls = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const std::string kUninstallKeys = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string kUninstallKey = kUninstallKeys + "QuilletContract";

// One package on one machine: the process values as start-up finds them on that machine, and a
// user who answers yes, reads the failure details and goes on.
struct PackageRun {
    explicit PackageRun(ContractMachine& machine) : m(machine) {
        prompter.otherwise = Prompter::Answer::yes;
        values.sourceFolder = "C:\\QUILLET\\MEDIUM\\";
        values.windowsFolder = folders.windows + "\\";
        values.systemFolder = folders.system + "\\";
        values.temporaryFolder = folders.temp;
        values.programFilesFolder = "C:\\Program Files\\";
        values.workFolder = folders.temp + "BSTMP1\\";
        values.mode = "SETUP";
        values.setupSpeed = 0;
        m.platform().createDirectory(RemoveBackslash(values.workFolder, "B"));
        window.model["txtFolder"].text = path("{App}");
        window.onMessages = [](RecordingWindow& w) {
            if (w.model["fraReadme"].visible &&
                w.model["btnEvent"].text == cp932::lit("続行(&C)")) {
                w.model["btnEvent"].enabled = false;
            }
        };
    }

    // A UTF-8 path with "{App}" (the setup folder), "{Sys}", "{Win}", "{Programs}" and
    // "{Desktop}" (each ending in "\"), in CP932.
    std::string path(std::string utf8) {
        std::string special[2];
        for (const auto& [id, folder] : folders.special) {
            special[0] = id == 2 ? folder : special[0];
            special[1] = id == 0 ? folder : special[1];
        }
        const std::pair<std::string, std::string> tokens[] = {
            {"{App}", "C:\\QUILLET\\App\\"},  {"{Sys}", values.systemFolder},
            {"{Win}", values.windowsFolder},  {"{Programs}", special[0] + "\\"},
            {"{Desktop}", special[1] + "\\"},
        };
        std::string text = cp932::fromUtf8(utf8);
        for (const auto& [token, folder] : tokens) {
            for (auto at = text.find(token); at != std::string::npos; at = text.find(token)) {
                text.replace(at, token.size(), folder);
            }
        }
        return text;
    }

    bool exists(const std::string& utf8) { return m.exists(path(utf8)); }

    std::string value(R root, const std::string& key, const std::string& name) {
        RegistryValue v;
        return m.platform().regQueryValue(root, key, name, v) == 0 ? v.text() : "(none)";
    }

    bool key(R root, const std::string& keyPath) {
        return m.platform().regOpenKey(root, keyPath) == 0;
    }

    std::string logged(const std::string& section, const std::string& key) {
        return ReadIniValue(context, section, key, "", path("{App}UNSETUP.INI"));
    }

    // Whether a numbered list of the log holds a path (UTF-8 with folder tokens).
    bool logs(const std::string& section, const std::string& prefix, const std::string& utf8) {
        for (int n = 1; !logged(section, prefix + std::to_string(n)).empty(); ++n) {
            if (logged(section, prefix + std::to_string(n)) == path(utf8)) {
                return true;
            }
        }
        return false;
    }

    std::vector<std::string> captions() {
        std::vector<std::string> c;
        for (const auto& q : prompter.asked) {
            c.push_back(cp932::toUtf8(q.caption));
        }
        prompter.asked.clear();
        return c;
    }

    void install(const std::string& script,
                 const std::vector<std::pair<std::string, std::string>>& medium) {
        std::string text;
        for (char c : cp932::fromUtf8(script)) {
            text += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        m.write(values.sourceFolder + "SETUP.INI", text);
        for (const auto& [name, bytes] : medium) {
            m.write(values.sourceFolder + cp932::fromUtf8(name), bytes);
        }
        InstallProcedure::Options options;
        options.pause = false;
        installed = InstallProcedure::run(
            context, window, SetupScript::read(context, values.sourceFolder + "SETUP.INI"),
            options);
    }

    // Start-up with the log as its argument, the uninstall, and the window closed.
    void uninstall(const std::deque<std::string>& deletion) {
        RecordingWindow uninstallWindow;
        uninstallWindow.onMessages = window.onMessages;
        uninstallWindow.deletionAnswers = deletion;
        const auto fatal = StartUp::run(context, uninstallWindow.model, path("{App}UNSETUP.INI"));
        EXPECT_TRUE(fatal.empty()) << cp932::toUtf8(fatal.empty() ? "" : fatal.front());
        EXPECT_EQ(values.mode, "UNSETUP");
        uninstalled = UninstallProcedure::run(context, uninstallWindow);
        deletionQuestions = uninstallWindow.deletionQuestions;
        StartUp::closeMainWindow(context);
    }

    ContractMachine& m;
    ContractMachine::Folders folders = m.folders();
    ScriptedPrompter prompter;
    ProcessValues values;
    SetupContext context{m.platform(), prompter, values};
    RecordingWindow window;
    InstallProcedure::Result installed;
    UninstallProcedure::Result uninstalled;
    std::vector<std::string> deletionQuestions;
};

struct Row {
    const char* name;
    std::string script;                                      // UTF-8, "\n" ending each line
    std::vector<std::pair<std::string, std::string>> medium; // UTF-8 file name, contents
    std::function<void(PackageRun&)> before;                 // the machine before the install
    std::function<void(PackageRun&)> afterInstall;
    std::deque<std::string> deletion = {}; // the deletion dialog's answers, in turn
    std::function<void(PackageRun&)> afterUninstall = {};
};

const std::string kPackage = R"([Title]
Setup=テスト 1.0 セットアップ
UnSetup=テスト 1.0 アンセットアップ
UnSetupKey=QuilletContract
UnSetupDisplay=テスト 1.0
[ProgramID]
ID=QUILLET-CONTRACT
[MakeFolder]
Folder1=(App)
Folder2=(App)データ\
Folder3=(App)データ\表\
[CopyFile]
File1=(App)\PROG.EXE
File2=(App)\README.TX_
File3=(App)データ\表\設定.INI
File4=(Sys)\QCONTRACT.DLL,/S/R
[ShortCut]
Make1=(App)\PROG.EXE
Name1=(Sta)テスト\テスト 1.0
Make2=(App)\PROG.EXE,/x
Name2=(Dsk)テスト
[Registry]
Key1=Software\Quillet\Contract
Name1=Folder
Value1=(Str)(App)(Pdd)
Key2=(Local)Software\Quillet\Contract
Name2=Count
Value2=(Dwd)7
[Relate]
Name1=qct,テスト文書
File1=open,(App)\PROG.EXE,%1,0
[DeleteRegistry]
Key1=Software\Quillet\Contract
Key2=(Local)Software\Quillet\Contract
)";

const std::vector<std::pair<std::string, std::string>> kMedium = {
    {"PROG.EXE", "MZ program"},
    {"README.TX_", literalSzdd("read me first", 'T')},
    {"設定.INI", "[S]\r\nK=V\r\n"},
    {"QCONTRACT.DLL", TempFolder::read(COMPONENT_OK)},
};

TEST_P(PlatformContract, InstallAndUninstallAPackage) {
    const std::vector<Row> rows = {
        {"every kind of entry, and nothing of it left after the uninstall",
         kPackage,
         kMedium,
         nullptr,
         [](PackageRun& r) {
             EXPECT_EQ(r.installed.outcome, InstallProcedure::Outcome::completed);
             EXPECT_EQ(r.installed.failures, 0) << cp932::toUtf8(r.installed.failureLog);
             EXPECT_EQ(r.captions(),
                       (std::vector<std::string>{"フォルダ作成", "関連付けの確認", "完了"}));
             EXPECT_EQ(r.m.read(r.path("{App}PROG.EXE")), "MZ program");
             EXPECT_EQ(r.m.read(r.path("{App}README.TXT")), "read me first");
             EXPECT_EQ(r.m.read(r.path("{App}データ\\表\\設定.INI")), "[S]\r\nK=V\r\n");
             EXPECT_EQ(GetSharedDllCount(r.context, r.path("{Sys}QCONTRACT.DLL")), 1);
             const auto menu =
                 ShellLinkFile::read(r.m.read(r.path("{Programs}テスト\\テスト 1.0.lnk")));
             ASSERT_TRUE(menu.has_value());
             EXPECT_TRUE(cp932::equalsNoCase(menu->target, r.path("{App}PROG.EXE")))
                 << menu->target;
             EXPECT_TRUE(cp932::equalsNoCase(menu->workingDirectory, r.path("{App}")));
             const auto desktop = ShellLinkFile::read(r.m.read(r.path("{Desktop}テスト.lnk")));
             ASSERT_TRUE(desktop.has_value());
             EXPECT_EQ(desktop->arguments, "/x");
             EXPECT_EQ(r.value(R::CurrentUser, "Software\\Quillet\\Contract", "Folder"),
                       "C:\\QUILLET\\App");
             RegistryValue count;
             ASSERT_EQ(r.m.platform().regQueryValue(R::LocalMachine, "Software\\Quillet\\Contract",
                                                    "Count", count),
                       0u);
             EXPECT_EQ(count, RegistryValue::dword(7));
             EXPECT_EQ(r.value(R::ClassesRoot, ".qct", ""), "qct_auto_file");
             EXPECT_EQ(r.value(R::ClassesRoot, "qct_auto_file\\shell\\open\\command", ""),
                       "C:\\QUILLET\\App\\PROG.EXE %1");
             EXPECT_EQ(r.value(R::LocalMachine, kUninstallKey, "UninstallString"),
                       r.path("{Win}UNQUILL.EXE \"{App}UNSETUP.INI\""));
             EXPECT_EQ(ReadIniValue(r.context, "QUILLET-CONTRACT", "Folder", "",
                                    r.path("{Win}QUILLET.INI")),
                       r.path("{App}"));
             EXPECT_TRUE(r.logs("DeleteFile", "File", "{Sys}QCONTRACT.DLL,/S/R"));
             EXPECT_TRUE(r.logs("DeleteFile", "File", "{App}README.TXT"));
             EXPECT_TRUE(r.logs("DeleteShortCut", "File", "{Programs}テスト\\テスト 1.0.lnk"));
             EXPECT_TRUE(r.logs("DeleteShortCut", "File", "{Desktop}テスト.lnk"));
             EXPECT_TRUE(r.logs("DeleteFolder", "Folder", "{App}データ\\表\\"));
         },
         {"Delete"},
         [](PackageRun& r) {
             EXPECT_EQ(r.uninstalled.outcome, UninstallProcedure::Outcome::completed);
             EXPECT_EQ(r.uninstalled.failures, 0) << cp932::toUtf8(r.uninstalled.failureLog);
             EXPECT_EQ(r.captions(), (std::vector<std::string>{"完了"}));
             ASSERT_EQ(r.deletionQuestions.size(), 1u);
             EXPECT_EQ(r.deletionQuestions[0].rfind(r.path("{Sys}QCONTRACT.DLL\r\r"), 0), 0u);
             for (const char* gone :
                  {"{App}", "{Sys}QCONTRACT.DLL", "{Programs}テスト", "{Desktop}テスト.lnk"}) {
                 EXPECT_FALSE(r.exists(gone)) << gone;
             }
             EXPECT_TRUE(r.exists("{Programs}"));
             EXPECT_FALSE(r.m.exists(r.values.temporaryFolder + "BSTMP1"));
             for (const auto& [root, key] :
                  {std::pair{R::CurrentUser, "Software\\Quillet\\Contract"},
                   {R::LocalMachine, "Software\\Quillet\\Contract"},
                   {R::ClassesRoot, ".qct"},
                   {R::ClassesRoot, "qct_auto_file"},
                   {R::LocalMachine, kUninstallKey.c_str()}}) {
                 EXPECT_FALSE(r.key(root, key)) << key;
             }
             EXPECT_EQ(r.value(R::LocalMachine, kSharedDlls, r.path("{Sys}QCONTRACT.DLL")),
                       "(none)");
             EXPECT_EQ(ReadIniValue(r.context, "QUILLET-CONTRACT", "Folder", "",
                                    r.path("{Win}QUILLET.INI")),
                       "");
         }},
        {"a library others use keeps its file and loses a count; one kept by the answer stays",
         "[CopyFile]\nFile1=(Sys)\\QUSED.DLL,/S\nFile2=(Sys)\\QSAVED.DLL,/S\n",
         {{"QUSED.DLL", "new"}, {"QSAVED.DLL", "saved"}},
         [](PackageRun& r) {
             r.m.write(r.path("{Sys}QUSED.DLL"), "old");
             r.m.platform().regCreateKey(R::LocalMachine, kSharedDlls);
             r.m.platform().regSetValue(R::LocalMachine, kSharedDlls, r.path("{Sys}QUSED.DLL"),
                                        RegistryValue::dword(1));
         },
         [](PackageRun& r) {
             EXPECT_EQ(r.installed.failures, 0) << cp932::toUtf8(r.installed.failureLog);
             EXPECT_EQ(GetSharedDllCount(r.context, r.path("{Sys}QUSED.DLL")), 2);
             EXPECT_EQ(GetSharedDllCount(r.context, r.path("{Sys}QSAVED.DLL")), 1);
         },
         {"Save"},
         [](PackageRun& r) {
             EXPECT_EQ(r.deletionQuestions.size(), 1u);
             EXPECT_EQ(GetSharedDllCount(r.context, r.path("{Sys}QUSED.DLL")), 1);
             EXPECT_EQ(r.value(R::LocalMachine, kSharedDlls, r.path("{Sys}QSAVED.DLL")), "(none)");
             EXPECT_TRUE(r.exists("{Sys}QUSED.DLL"));
             EXPECT_TRUE(r.exists("{Sys}QSAVED.DLL"));
             // The system folder is not the case's own: what the run kept goes now.
             r.m.platform().deleteFile(r.path("{Sys}QUSED.DLL"));
             r.m.platform().deleteFile(r.path("{Sys}QSAVED.DLL"));
             r.m.platform().regDeleteValue(R::LocalMachine, kSharedDlls, r.path("{Sys}QUSED.DLL"));
         }},
        {"an earlier program's association comes back; a file the user added keeps the folder",
         "[Relate]\nName1=qct,テスト文書\nFile1=open,(App)\\PROG.EXE,%1,0\n"
         "[CopyFile]\nFile1=(App)\\PROG.EXE\n",
         {{"PROG.EXE", "MZ"}},
         [](PackageRun& r) {
             r.m.platform().regCreateKey(R::ClassesRoot, ".qct");
             r.m.platform().regSetValue(R::ClassesRoot, ".qct", "",
                                        RegistryValue::string("qctfile"));
             r.m.platform().regCreateKey(R::ClassesRoot, "qctfile");
         },
         [](PackageRun& r) {
             EXPECT_EQ(r.value(R::ClassesRoot, ".qct", ""), "qct_auto_file");
             EXPECT_EQ(r.logged("RestoreRelate", "Key1"), "qct,qctfile");
             r.m.write(r.path("{App}USER.TXT"), "mine");
         },
         {},
         [](PackageRun& r) {
             EXPECT_EQ(r.value(R::ClassesRoot, ".qct", ""), "qctfile");
             EXPECT_FALSE(r.key(R::ClassesRoot, "qct_auto_file"));
             EXPECT_FALSE(r.exists("{App}PROG.EXE"));
             EXPECT_EQ(r.m.read(r.path("{App}USER.TXT")), "mine");
             EXPECT_EQ(r.uninstalled.failures, 1);
             EXPECT_EQ(
                 r.uninstalled.failureLog.rfind("<SetupFolder> " + r.path("{App}") + "\r\n", 0),
                 0u);
             r.m.platform().regDeleteKeyTree(R::ClassesRoot, ".qct");
             r.m.platform().regDeleteKeyTree(R::ClassesRoot, "qctfile");
         }},
        {"existing files are replaced as the user answers, a read-only one too",
         "[CopyFile]\nFile1=(App)\\KEEP.TXT\nFile2=(App)\\NEW.TXT\n",
         {{"KEEP.TXT", "medium"}, {"NEW.TXT", "medium"}},
         [](PackageRun& r) {
             r.m.write(r.path("{App}KEEP.TXT"), "mine");
             r.m.write(r.path("{App}NEW.TXT"), "mine");
             r.m.platform().setFileAttributes(r.path("{App}NEW.TXT"), file_attribute::ReadOnly);
             r.window.model["chkOverWrite"].checked = false;
             r.prompter.answers = {Prompter::Answer::no, Prompter::Answer::yes};
         },
         [](PackageRun& r) {
             EXPECT_EQ(r.installed.failures, 0) << cp932::toUtf8(r.installed.failureLog);
             EXPECT_EQ(r.captions(),
                       (std::vector<std::string>{"上書き確認", "上書き確認", "完了"}));
             EXPECT_EQ(r.m.read(r.path("{App}KEEP.TXT")), "mine");
             EXPECT_EQ(r.m.read(r.path("{App}NEW.TXT")), "medium");
         },
         {},
         [](PackageRun& r) {
             EXPECT_EQ(r.uninstalled.failures, 0) << cp932::toUtf8(r.uninstalled.failureLog);
             EXPECT_FALSE(r.exists("{App}"));
         }},
        {"a missing source is a failure, counted and shown; the rest is installed",
         "[CopyFile]\nFile1=(App)\\A.TXT\nFile2=(App)\\MISSING.TXT\nFile3=(App)\\C.TXT\n",
         {{"A.TXT", "a"}, {"C.TXT", "c"}},
         nullptr,
         [](PackageRun& r) {
             EXPECT_EQ(r.installed.outcome, InstallProcedure::Outcome::completed);
             EXPECT_EQ(r.installed.failures, 1);
             EXPECT_EQ(r.installed.failureLog, "<File> " + r.path("{App}MISSING.TXT") + "\r\n" +
                                                   SystemErrorText(r.context, 2) + "\r\n");
             EXPECT_EQ(r.window.model["txtReadme"].text, r.installed.failureLog);
             EXPECT_TRUE(r.exists("{App}A.TXT"));
             EXPECT_TRUE(r.exists("{App}C.TXT"));
             EXPECT_EQ(r.logged("DeleteFile", "File2"), r.path("{App}C.TXT"));
             // A script without a title makes the entry "Quillet".
             EXPECT_TRUE(r.key(R::LocalMachine, kUninstallKeys + "Quillet"));
         },
         {},
         [](PackageRun& r) {
             EXPECT_EQ(r.uninstalled.failures, 0) << cp932::toUtf8(r.uninstalled.failureLog);
             EXPECT_FALSE(r.exists("{App}"));
             EXPECT_FALSE(r.key(R::LocalMachine, kUninstallKeys + "Quillet"));
         }},
        {"a program to start that is not there is reported after completion",
         "[CopyFile]\nFile1=(App)\\A.TXT\n[ExecuteFile]\nFile=(App)\\NOWHERE.EXE\n",
         {{"A.TXT", "a"}},
         nullptr,
         [](PackageRun& r) {
             EXPECT_EQ(r.installed.outcome, InstallProcedure::Outcome::completed);
             EXPECT_EQ(r.captions(), (std::vector<std::string>{"フォルダ作成", "完了", "警告"}));
         }},
        {"a restart asked for by the script is left to the end of the run",
         "[CopyFile]\nFile1=(App)\\A.TXT\n[ExecuteFile]\nFile=WINDOWS_REBOOT\n",
         {{"A.TXT", "a"}},
         nullptr,
         [](PackageRun& r) {
             EXPECT_EQ(r.installed.outcome, InstallProcedure::Outcome::completed);
             EXPECT_TRUE(r.values.rebootRequested);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PackageRun r(m);
        if (row.before) {
            row.before(r);
        }
        r.install(row.script, row.medium);
        row.afterInstall(r);
        r.uninstall(row.deletion);
        EXPECT_EQ(r.uninstalled.outcome, UninstallProcedure::Outcome::completed);
        if (row.afterUninstall) {
            row.afterUninstall(r);
        }
        // The next row starts from a machine without this one's medium and leftovers.
        r.m.platform().shellDelete("C:\\QUILLET");
    }
}

// The program of [ExecuteFile] is opened by the shell with its parameters once the run is done.
TEST_P(PlatformContract, InstallStartsTheProgramItNames) {
    PackageRun r(m);
    const std::string marker = "C:\\QUILLET\\STARTED.TXT";
    const std::string program = m.writeMarkingProgram(r.values.sourceFolder, marker);
    r.install("[CopyFile]\nFile1=(App)\\" + program + "\n[ExecuteFile]\nFile=(App)\\" + program +
                  ",-a\n",
              {});
    EXPECT_EQ(r.installed.outcome, InstallProcedure::Outcome::completed);
    EXPECT_EQ(r.captions(), (std::vector<std::string>{"フォルダ作成", "完了"}));
    // The program runs on its own; a busy machine may keep it waiting.
    for (int i = 0; i < 1000 && m.read(marker).find('\n') == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::string started = m.read(marker);
    started.erase(started.find_last_not_of(" \r\n") + 1);
    EXPECT_EQ(started, "-a");
    r.uninstall({});
}

// The uninstaller's start-up needs its log: without one it shows the fatal state.
TEST_P(PlatformContract, UninstallerWithoutItsLogIsFatal) {
    PackageRun r(m);
    RecordingWindow window;
    const auto fatal = StartUp::run(r.context, window.model, "C:\\QUILLET\\NONE\\UNSETUP.INI");
    ASSERT_EQ(fatal.size(), 1u);
    EXPECT_EQ(cp932::toUtf8(fatal[0]), "【致命的エラー  →  iniファイル読み込み失敗】");
    EXPECT_FALSE(window.model["btnEvent"].enabled);
    StartUp::closeMainWindow(r.context);
    EXPECT_FALSE(m.exists(r.values.temporaryFolder + "BSTMP1"));
}

} // namespace
