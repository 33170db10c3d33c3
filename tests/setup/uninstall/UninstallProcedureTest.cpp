// The uninstall procedure on an emulated machine: logs as an installation writes them, start-up in
// uninstall mode, scripted answers, and what is removed, kept, restored and reported.
#include "uninstall/UninstallProcedure.h"

#include "install/StartUp.h"
#include "services/IniValues.h"
#include "services/SharedDllCounts.h"
#include "services/SystemInfo.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/RecordingWindow.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using Answer = Prompter::Answer;
using Outcome = UninstallProcedure::Outcome;

const std::string kLog = "C:\\Program Files\\Sample\\UNSETUP.INI";
const std::string kSetupFolder = "C:\\Program Files\\Sample\\";
const std::string kSharedDlls = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

std::string crlf(const std::string& utf8) {
    std::string text;
    for (char c : cp932::fromUtf8(utf8)) {
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return text;
}

struct Uninstall;

struct Row {
    const char* name;
    std::string log = {};                // UTF-8, written as CP932 with CR LF
    std::vector<std::string> files = {}; // UTF-8 Windows paths present before the run
    std::vector<std::pair<std::string, std::uint32_t>> counts = {}; // shared counts
    std::vector<Answer> answers = {};
    std::deque<std::string> deletionAnswers = {};
    std::function<void(Uninstall&)> before = {}; // after start-up
    std::function<void(Uninstall&)> check = {};
};

struct Uninstall {
    explicit Uninstall(const Row& row) {
        machine.prompter.otherwise = Answer::no;
        machine.write(kLog, crlf(row.log));
        for (const std::string& file : row.files) {
            machine.write(cp932::fromUtf8(file), "x");
        }
        for (const auto& [file, count] : row.counts) {
            machine.platform.regCreateKey(RegistryRoot::LocalMachine, kSharedDlls);
            machine.platform.regSetValue(RegistryRoot::LocalMachine, kSharedDlls, file,
                                         RegistryValue::dword(count));
        }
        machine.prompter.answers.assign(row.answers.begin(), row.answers.end());
        window.deletionAnswers = row.deletionAnswers;
        EXPECT_TRUE(StartUp::run(machine.context, window.model, kLog).empty());
        if (row.before) {
            row.before(*this);
        }
        result = UninstallProcedure::run(machine.context, window);
    }

    bool exists(const std::string& utf8Path) { return machine.exists(cp932::fromUtf8(utf8Path)); }
    int count(const std::string& file) { return GetSharedDllCount(machine.context, file); }
    bool key(RegistryRoot root, const std::string& path) {
        return machine.platform.regOpenKey(root, path) == 0;
    }
    std::string defaultValue(const std::string& classKey) {
        RegistryValue value;
        machine.platform.regQueryValue(RegistryRoot::ClassesRoot, classKey, "", value);
        return value.text();
    }
    std::vector<std::string> captions() const {
        std::vector<std::string> c;
        for (const auto& q : machine.prompter.asked) {
            c.push_back(cp932::toUtf8(q.caption));
        }
        return c;
    }
    std::string block(const std::string& label, const std::string& path, std::uint32_t code) {
        return label + cp932::fromUtf8(path) + "\r\n" + SystemErrorText(machine.context, code) +
               "\r\n";
    }

    EmulatedMachine machine;
    RecordingWindow window;
    UninstallProcedure::Result result;
};

const std::string kNotEmpty =
    "フォルダにファイルが残っているため，セットアップフォルダを削除できませんでし"
    "た．エクスプローラなどから，直接削除してください．";

TEST(UninstallProcedureTest, SharedFilesFollowTheDeletionDialog) {
    const std::string log = R"([SetupFolder]
Folder=C:\Program Files\Sample\
[DeleteFile]
File1=C:\WINDOWS\SYSTEM32\THREE.BIN,/S
File2=C:\WINDOWS\SYSTEM32\ONE.BIN,/S
File3=C:\WINDOWS\SYSTEM32\ALSO.BIN,/s
File4=C:\WINDOWS\SYSTEM32\NOOPT.BIN
File5=C:\WINDOWS\SYSTEM32\RCS.BIN,/R/C/S
File6=C:\Program Files\Sample\UNSETUP.INI
)";
    const std::string one = "C:\\WINDOWS\\SYSTEM32\\ONE.BIN";
    const std::string also = "C:\\WINDOWS\\SYSTEM32\\ALSO.BIN";
    struct Case {
        std::deque<std::string> answers;
        std::size_t dialogs;
        bool oneKept, alsoKept;
    } cases[] = {
        {{"Save"}, 1, true, true},
        {{"Yes", "No"}, 2, false, true},
        {{"Delete"}, 1, false, false},
        {{"No", "Delete"}, 2, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.front());
        Uninstall r({"shared",
                     log,
                     {"C:\\WINDOWS\\SYSTEM32\\THREE.BIN", one, also,
                      "C:\\WINDOWS\\SYSTEM32\\NOOPT.BIN", "C:\\WINDOWS\\SYSTEM32\\RCS.BIN"},
                     {{"C:\\WINDOWS\\SYSTEM32\\THREE.BIN", 3},
                      {one, 1},
                      {also, 1},
                      {"C:\\WINDOWS\\SYSTEM32\\NOOPT.BIN", 2},
                      {"C:\\WINDOWS\\SYSTEM32\\RCS.BIN", 1}},
                     {},
                     c.answers});
        EXPECT_EQ(r.result.failures, 0) << cp932::toUtf8(r.result.failureLog);
        EXPECT_EQ(r.captions(), (std::vector<std::string>{"完了"}));
        ASSERT_EQ(r.window.deletionQuestions.size(), c.dialogs);
        EXPECT_EQ(r.window.deletionQuestions[0],
                  one + "\r\r" +
                      J("この共有ファイルは，現在，他のどのプログラムからも使われていません．") +
                      "\r" + J("しかし，今後，他のプログラムで使われる可能性があります．") + "\r" +
                      J("このファイルを削除してもよろしいですか？"));
        EXPECT_EQ(r.exists(one), c.oneKept);
        EXPECT_EQ(r.exists(also), c.alsoKept);
        RegistryValue value;
        EXPECT_NE(
            r.machine.platform.regQueryValue(RegistryRoot::LocalMachine, kSharedDlls, one, value),
            0u);
        EXPECT_EQ(r.count(also), 0);
        // Still used by others, counted without "/S", or "/S" beyond the five option characters.
        EXPECT_EQ(r.count("C:\\WINDOWS\\SYSTEM32\\THREE.BIN"), 2);
        EXPECT_EQ(r.count("C:\\WINDOWS\\SYSTEM32\\NOOPT.BIN"), 2);
        EXPECT_EQ(r.count("C:\\WINDOWS\\SYSTEM32\\RCS.BIN"), 1);
        for (const char* kept : {"THREE.BIN", "NOOPT.BIN", "RCS.BIN"}) {
            EXPECT_TRUE(r.exists(std::string("C:\\WINDOWS\\SYSTEM32\\") + kept)) << kept;
        }
        EXPECT_FALSE(r.exists(kSetupFolder));
    }
}

TEST(UninstallProcedureTest, RemovesKeepsAndReportsAsLogged) {
    const std::vector<Row> rows = {
        {"options, components in the system folders, a component elsewhere",
         R"([SetupFolder]
Folder=C:\Program Files\Sample\
[DeleteFile]
File1=C:\Program Files\Sample\PLAIN.TXT
File2=C:\Program Files\Sample\ASK.TXT,/C
File3=C:\Program Files\Sample\ASK2.TXT,/R/c
File4=C:\Program Files\Sample\LEAVE.TXT,/L
File5=C:\WINDOWS\SYSTEM32\FORCE.OCX,/F
File6=C:\WINDOWS\SYSTEM32\SYS.DLL
File7=C:\Program Files\Sample\OWN.DLL
File8=C:\Program Files\Sample\UNSETUP.INI
)",
         {"C:\\Program Files\\Sample\\PLAIN.TXT", "C:\\Program Files\\Sample\\ASK.TXT",
          "C:\\Program Files\\Sample\\ASK2.TXT", "C:\\Program Files\\Sample\\LEAVE.TXT",
          "C:\\WINDOWS\\SYSTEM32\\FORCE.OCX", "C:\\WINDOWS\\SYSTEM32\\SYS.DLL",
          "C:\\Program Files\\Sample\\OWN.DLL"},
         {},
         // ASK.TXT, ASK2.TXT, the load error of FORCE.OCX as it goes, SYS.DLL.
         {Answer::no, Answer::yes, Answer::ok, Answer::no},
         {},
         nullptr,
         [](Uninstall& r) {
             EXPECT_EQ(r.captions(),
                       (std::vector<std::string>{"ファイル削除の確認", "ファイル削除の確認",
                                                 "OCX/DLL登録エラー", "ファイル削除の確認",
                                                 "OCX/DLL登録エラー", "警告", "完了"}));
             const auto& asked = r.machine.prompter.asked;
             EXPECT_EQ(asked[0].text,
                       "C:\\Program Files\\Sample\\ASK.TXT\r\r" +
                           J("このファイルを削除してもよろしいですか？") + "\r\r" +
                           J("<<　注意　>>") + "\r" +
                           J("DLL/OCXなどは他のプログラムでも使用される可能性があります．") + "\r" +
                           J("確実に使用されないことがわかっている場合のみ削除してください．"));
             EXPECT_EQ(asked[3].text, "C:\\WINDOWS\\SYSTEM32\\SYS.DLL\r\r" +
                                          J("このDLL/OCXファイルは，共有登録されていませんが，") +
                                          "\r" +
                                          J("今後，他のプログラムで使われる可能性があります．") +
                                          "\r" + J("このファイルを削除してもよろしいですか？"));
             for (const char* gone : {"PLAIN.TXT", "ASK2.TXT", "OWN.DLL"}) {
                 EXPECT_FALSE(r.exists(kSetupFolder + gone)) << gone;
             }
             EXPECT_FALSE(r.exists("C:\\WINDOWS\\SYSTEM32\\FORCE.OCX"));
             EXPECT_TRUE(r.exists("C:\\Program Files\\Sample\\ASK.TXT"));
             EXPECT_TRUE(r.exists("C:\\Program Files\\Sample\\LEAVE.TXT"));
             EXPECT_TRUE(r.exists("C:\\WINDOWS\\SYSTEM32\\SYS.DLL"));
             // Kept files are no failures; the folder that still holds them is.
             EXPECT_EQ(r.result.failures, 1);
             EXPECT_EQ(r.result.failureLog,
                       "<SetupFolder> " + kSetupFolder + "\r\n" + J(kNotEmpty) + "\r\n");
         }},
        {"shortcuts: the desktop and send-to folders stay, an emptied group goes",
         R"([SetupFolder]
Folder=C:\Program Files\Sample\
[DeleteFile]
File1=C:\Program Files\Sample\UNSETUP.INI
[DeleteShortCut]
File1=C:\WINDOWS\ﾃﾞｽｸﾄｯﾌﾟ\Sample.lnk
File2=C:\WINDOWS\ｽﾀｰﾄ ﾒﾆｭｰ\ﾌﾟﾛｸﾞﾗﾑ\Sample\Sample.lnk
File3=C:\WINDOWS\ｽﾀｰﾄ ﾒﾆｭｰ\ﾌﾟﾛｸﾞﾗﾑ\Sample\Gone.lnk
File4=C:\WINDOWS\SendTo\Sample.lnk
)",
         {"C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ\\Sample.lnk",
          "C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\Sample\\Sample.lnk", "C:\\WINDOWS\\SENDTO\\Sample.lnk"},
         {},
         {Answer::yes}, // show the details
         {},
         [](Uninstall& r) {
             r.window.onMessages = [](RecordingWindow& w) {
                 if (w.model["fraReadme"].visible && w.model["btnEvent"].enabled) {
                     w.model["btnEvent"].enabled = false; // the user presses "続行(&C)"
                 }
             };
         },
         [](Uninstall& r) {
             EXPECT_FALSE(r.exists("C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ\\Sample.lnk"));
             EXPECT_TRUE(r.exists("C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ"));
             EXPECT_FALSE(r.exists("C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\Sample"));
             EXPECT_TRUE(r.exists("C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ"));
             EXPECT_FALSE(r.exists("C:\\WINDOWS\\SENDTO\\Sample.lnk"));
             EXPECT_TRUE(r.exists("C:\\WINDOWS\\SENDTO"));
             const std::string failure =
                 r.block("<ShortCut> ", "C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\Sample\\Gone.lnk", 2);
             EXPECT_EQ(r.result.failures, 1);
             EXPECT_EQ(r.result.failureLog, failure);
             MainWindowModel& m = r.window.model;
             EXPECT_EQ(m["txtReadme"].text, failure);
             EXPECT_EQ(m["fraReadme"].text, J("削除処理失敗　詳細表示"));
             EXPECT_FALSE(m["fraReadme"].visible);
             EXPECT_EQ(m["btnEvent"].text, J("アンセットアップ開始(&S)"));
             EXPECT_EQ(r.window.sleeps, std::vector<int>{200});
             EXPECT_EQ(r.captions(), (std::vector<std::string>{"警告", "完了"}));
         }},
        {"nested folders go from the last recorded to the first; the window ends the run",
         R"([SetupFolder]
Folder=C:\Program Files\Sample\
[DeleteFile]
File1=C:\Program Files\Sample\UNSETUP.INI
[DeleteFolder]
Folder1=C:\Program Files\Sample\A\
Folder2=C:\Program Files\Sample\A\B\
Folder3=C:\Program Files\Sample\A\B\C\
)",
         {"C:\\Program Files\\Sample\\A\\B\\C\\X.TXT"},
         {},
         {},
         {},
         [](Uninstall& r) {
             r.machine.platform.deleteFile("C:\\Program Files\\Sample\\A\\B\\C\\X.TXT");
         },
         [](Uninstall& r) {
             EXPECT_EQ(r.result.outcome, Outcome::completed);
             EXPECT_EQ(r.result.failures, 0) << cp932::toUtf8(r.result.failureLog);
             EXPECT_FALSE(r.exists(kSetupFolder));
             EXPECT_TRUE(r.exists("C:\\Program Files"));
             EXPECT_EQ(r.captions(), (std::vector<std::string>{"完了"}));
             EXPECT_EQ(r.machine.prompter.asked.back().text, J("アンセットアップを完了しました．"));
             EXPECT_EQ(r.window.messages.front(),
                       J("アンセットアップ(アンインストール)を行っています．．．"));
             EXPECT_EQ(r.window.messages.back(), J("アンセットアップを完了しました．"));
             EXPECT_TRUE(r.window.closed);
             EXPECT_TRUE(r.window.model.backgroundEnabled);
             for (const char* name : {"txtFolder", "btnEvent", "btnEnd", "chkSCutDesktop",
                                      "chkSCutStartMenu", "lblUnSetupInfo"}) {
                 EXPECT_FALSE(r.window.model[name].enabled) << name;
             }
         }},
        {"a setup folder made by the script goes with the recorded folders, and is no failure then",
         R"([SetupFolder]
Folder=C:\Program Files\Sample\
[DeleteFile]
File1=C:\Program Files\Sample\UNSETUP.INI
[DeleteFolder]
Folder1=C:\Program Files\Sample\
Folder2=C:\Program Files\Sample\DATA\
)",
         {"C:\\Program Files\\Sample\\DATA\\X.TXT"},
         {},
         {},
         {},
         [](Uninstall& r) {
             r.machine.platform.deleteFile("C:\\Program Files\\Sample\\DATA\\X.TXT");
         },
         [](Uninstall& r) {
             EXPECT_EQ(r.result.failures, 0) << cp932::toUtf8(r.result.failureLog);
             EXPECT_FALSE(r.exists(kSetupFolder));
             EXPECT_EQ(r.captions(), (std::vector<std::string>{"完了"}));
         }},
        {"a setup folder equal to the Windows folder stays with its ini files",
         R"([SetupFolder]
Folder=C:\windows\
[DeleteFile]
File1=C:\WINDOWS\SAMPLE.EXE
[DeleteFolder]
Folder1=C:\WINDOWS\
[UnSetupOption]
CheckBox=1,1,0,0
)",
         {"C:\\WINDOWS\\SAMPLE.EXE", "C:\\WINDOWS\\WIN.INI"},
         {},
         {},
         {},
         nullptr,
         [](Uninstall& r) {
             EXPECT_FALSE(r.exists("C:\\WINDOWS\\SAMPLE.EXE"));
             EXPECT_TRUE(r.exists("C:\\WINDOWS\\WIN.INI"));
             EXPECT_EQ(r.result.failureLog, r.block("<Folder> ", "C:\\WINDOWS\\", 145));
         }},
        {"a drive root as the setup folder stays",
         R"([SetupFolder]
Folder=C:\
[DeleteFile]
File1=C:\SAMPLE.EXE
[UnSetupOption]
CheckBox=1,0,0,0
)",
         {"C:\\SAMPLE.EXE", "C:\\BOOT.INI"},
         {},
         {},
         {},
         nullptr,
         [](Uninstall& r) {
             EXPECT_FALSE(r.exists("C:\\SAMPLE.EXE"));
             EXPECT_TRUE(r.exists("C:\\BOOT.INI"));
             EXPECT_EQ(r.result.failures, 0) << cp932::toUtf8(r.result.failureLog);
         }},
        {"registry keys, associations, the uninstall entry and QUILLET.INI",
         R"([SetupFolder]
Folder=C:\Program Files\Sample\
[DeleteFile]
File1=C:\Program Files\Sample\UNSETUP.INI
[DeleteRegistry]
Key1=(Local)Software\Maker\Sample
Key2=Software\Maker\Sample
[RestoreRelate]
Key1=smp,
Key2=abc,abcfile
Key3=xyz,XYZ_auto_file
[UnSetupRegistryKey]
Key=SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Sample
[ProgramID]
ID=SAMPLE
)",
         {},
         {},
         {},
         {},
         [](Uninstall& r) {
             Platform& p = r.machine.platform;
             p.regCreateKey(RegistryRoot::LocalMachine, "Software\\Maker\\Sample\\Sub");
             p.regCreateKey(RegistryRoot::CurrentUser, "Software\\Maker\\Sample");
             p.regCreateKey(RegistryRoot::LocalMachine,
                            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample");
             for (const char* ext : {"smp", "abc", "xyz"}) {
                 const std::string type = std::string(ext) + "_auto_file";
                 p.regCreateKey(RegistryRoot::ClassesRoot, type + "\\shell\\open\\command");
                 p.regCreateKey(RegistryRoot::ClassesRoot, std::string(".") + ext);
                 p.regSetValue(RegistryRoot::ClassesRoot, std::string(".") + ext, "",
                               RegistryValue::string(type));
             }
             p.regCreateKey(RegistryRoot::ClassesRoot, "abcfile");
             r.machine.write("C:\\WINDOWS\\QUILLET.INI",
                             "[SAMPLE]\r\nFolder=C:\\Program Files\\Sample\\\r\n"
                             "[OTHER]\r\nFolder=C:\\Other\\\r\n");
         },
         [](Uninstall& r) {
             using R = RegistryRoot;
             EXPECT_FALSE(r.key(R::LocalMachine, "Software\\Maker\\Sample"));
             EXPECT_TRUE(r.key(R::LocalMachine, "Software\\Maker"));
             EXPECT_FALSE(r.key(R::CurrentUser, "Software\\Maker\\Sample"));
             EXPECT_FALSE(r.key(R::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample"));
             EXPECT_FALSE(r.key(R::ClassesRoot, ".smp"));
             EXPECT_FALSE(r.key(R::ClassesRoot, "smp_auto_file"));
             EXPECT_EQ(r.defaultValue(".abc"), "abcfile");
             EXPECT_FALSE(r.key(R::ClassesRoot, "abc_auto_file"));
             EXPECT_TRUE(r.key(R::ClassesRoot, "abcfile"));
             // The type to restore was setup's own: it stays.
             EXPECT_EQ(r.defaultValue(".xyz"), "XYZ_auto_file");
             EXPECT_TRUE(r.key(R::ClassesRoot, "xyz_auto_file"));
             const std::string ini = "C:\\WINDOWS\\QUILLET.INI";
             EXPECT_EQ(ReadIniValue(r.machine.context, "SAMPLE", "Folder", "", ini), "");
             EXPECT_EQ(ReadIniValue(r.machine.context, "OTHER", "Folder", "", ini), "C:\\Other\\");
             EXPECT_EQ(r.result.failures, 0) << cp932::toUtf8(r.result.failureLog);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Uninstall r(row);
        row.check(r);
    }
}

TEST(UninstallProcedureTest, ExtraFilesGoOnlyInsideTheSetupFolder) {
    const std::string dataFailure = "<Folder> " + kSetupFolder + "DATA\\\r\n";
    struct Case {
        const char* flags;
        bool iniGone, gidGone;
    } cases[] = {{"1,1,0,0", true, true}, {"1,0,0,0", true, false}, {"0,0,0,0", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        Uninstall r({"extra files",
                     std::string(R"([SetupFolder]
Folder=C:\Program Files\Sample\
[DeleteFile]
File1=C:\Program Files\Sample\UNSETUP.INI
[DeleteFolder]
Folder1=C:\Program Files\Sample\DATA\
Folder2=C:\WINDOWS\
[UnSetupOption]
CheckBox=)") + c.flags + "\n",
                     {"C:\\Program Files\\Sample\\SAMPLE.INI",
                      "C:\\Program Files\\Sample\\DATA\\DATA.INI",
                      "C:\\Program Files\\Sample\\HELP.GID", "C:\\WINDOWS\\WIN.INI"}});
        EXPECT_EQ(r.exists(kSetupFolder + "DATA\\DATA.INI"), !c.iniGone);
        EXPECT_EQ(r.exists(kSetupFolder + "SAMPLE.INI"), !c.iniGone);
        EXPECT_EQ(r.exists(kSetupFolder + "HELP.GID"), !c.gidGone);
        EXPECT_TRUE(r.exists("C:\\WINDOWS\\WIN.INI"));
        const std::string& log = r.result.failureLog;
        EXPECT_NE(log.find(r.block("<Folder> ", "C:\\WINDOWS\\", 145)), std::string::npos);
        EXPECT_EQ(log.find(dataFailure) != std::string::npos, !c.iniGone);
        const std::string setupFailure =
            "<SetupFolder> " + kSetupFolder + "\r\n" + J(kNotEmpty) + "\r\n";
        const bool folderGone = c.iniGone && c.gidGone;
        EXPECT_EQ(r.exists(kSetupFolder), !folderGone);
        EXPECT_EQ(log.find(setupFailure) != std::string::npos, !folderGone);
        EXPECT_EQ(r.result.failures, 1 + (c.iniGone ? 0 : 1) + (folderGone ? 0 : 1));
    }
}

TEST(UninstallProcedureTest, StopsWithoutRemovingAnything) {
    const std::string logWithoutFolder = R"([DeleteFile]
File1=C:\Program Files\Sample\PLAIN.TXT
[DeleteFolder]
Folder1=C:\Program Files\Sample\
)";
    const std::string log =
        "[SetupFolder]\nFolder=C:\\Program Files\\Sample\\\n" + logWithoutFolder;
    const std::string unknownFolder = J("アンセットアップ(アンインストール)フォルダが不明です．") +
                                      "\r\n" +
                                      J("アンセットアップ(アンインストール)は続行できません．");
    struct Case {
        const char* name;
        std::string log;
        std::function<void(Uninstall&)> before;
        bool unknown; // the message of the unknown folder, else the one of the temporary folder
    } cases[] = {
        {"no setup folder in the log", logWithoutFolder, nullptr, true},
        {"the working copy cannot be read", log,
         [](Uninstall& r) { r.machine.platform.deleteFile(r.machine.values.scriptCopy); }, true},
        {"the temporary folder cannot be made current", log,
         [](Uninstall& r) { r.machine.values.temporaryFolder = "C:\\MISSING\\"; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Uninstall r(
            {c.name, c.log, {"C:\\Program Files\\Sample\\PLAIN.TXT"}, {}, {}, {}, c.before});
        EXPECT_EQ(r.result.outcome, Outcome::stopped);
        EXPECT_TRUE(r.exists("C:\\Program Files\\Sample\\PLAIN.TXT"));
        EXPECT_EQ(r.captions(), (std::vector<std::string>{"致命的エラー"}));
        const std::string& text = r.machine.prompter.asked.front().text;
        if (c.unknown) {
            EXPECT_EQ(text, unknownFolder);
        } else {
            EXPECT_EQ(text.rfind("C:\\MISSING\\\r\r", 0), 0u) << cp932::toUtf8(text);
        }
        EXPECT_EQ(r.machine.prompter.asked.front().icon, Prompter::Icon::stop);
        EXPECT_TRUE(r.window.closed);
        EXPECT_TRUE(r.window.model.backgroundEnabled);
    }
}

} // namespace
