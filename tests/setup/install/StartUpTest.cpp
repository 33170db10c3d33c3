// Start-up of the installer on an emulated machine whose medium is a host folder: mode, work
// folder, fatal state, and the main window filled in from the script or the uninstall log.
#include "install/StartUp.h"

#include "services/platform/Win32Codes.h"
#include "tests/common/TempFolder.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/MediumMachine.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

// The medium in a host folder outside the machine, so it is seen under Z:.
struct Medium : MediumMachine {
    MainWindowModel window;
    std::vector<std::string> fatal;
};

struct Row {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files; // path, UTF-8 text
    std::string argument;
    std::function<void(Medium&)> before;
    std::function<void(Medium&)> check;
};

const std::string kCloseAll = "※　処理を開始する前に，必ずすべてのプログラムを終了させてください．";

TEST(StartUpTest, FillsValuesAndWindowForEachMode) {
    const std::string log = "C:\\Program Files\\Sample\\UNSETUP.INI";
    const std::vector<Row> rows = {
        {"unsetup.ini in lower case is setup mode",
         {{"SETUP.INI", "[Title]\nSetup=Sample\n[Extend]\nSetupSpeed=0\n"},
          {"C:\\Program Files\\Sample\\unsetup.ini", "[Title]\nUnSetup=Gone\n"}},
         "C:\\Program Files\\Sample\\unsetup.ini",
         nullptr,
         [](Medium& m) {
             const ProcessValues& v = m.machine.values;
             EXPECT_EQ(v.mode, "SETUP");
             EXPECT_EQ(v.workFolder, "C:\\WINDOWS\\TEMP\\BSTMP1\\");
             EXPECT_EQ(v.scriptCopy, v.workFolder + "SETUP.INI");
             EXPECT_TRUE(m.machine.exists(v.scriptCopy));
             EXPECT_EQ(v.setupSpeed, 1);
             EXPECT_EQ(v.uninstallTitle, "Sample");
             EXPECT_EQ(m.window.caption, "Sample");
             EXPECT_EQ(m.window.backgroundTitle, "Sample");
             EXPECT_EQ(m.window["txtFolder"].text, "C:\\Program Files\\");
             EXPECT_EQ(m.window["btnEvent"].text, J("セットアップ開始(&S)"));
             EXPECT_TRUE(m.window["btnEvent"].enabled);
             EXPECT_FALSE(m.window["fraReadme"].visible);
         }},
        {"every work folder present: BSTMP99 is used again",
         {{"SETUP.INI", "[Extend]\nSetupSpeed=abc\n"}},
         "",
         [](Medium& m) {
             for (int n = 1; n <= 99; ++n) {
                 m.machine.write("C:\\WINDOWS\\TEMP\\BSTMP" + std::to_string(n) + "\\OLD.TXT", "x");
             }
         },
         [](Medium& m) {
             EXPECT_EQ(m.machine.values.workFolder, "C:\\WINDOWS\\TEMP\\BSTMP99\\");
             EXPECT_EQ(m.machine.values.setupSpeed, 400);
         }},
        {"Enabled=false does not lock; shortcut names enable their boxes",
         {{"SETUP.INI", "[Extend]\nEnabled=false\n[ShortCut]\nMake1=(App)A.EXE\nName1=(dsk)A\n"
                        "Make2=(App)A.EXE\nName2=X,(Sen)\nName4=(Sta)A\n"}},
         "",
         nullptr,
         [](Medium& m) {
             for (const char* name :
                  {"txtFolder", "btnRefer", "chkOverWrite", "chkSCutDesktop", "chkSCutSendTo"}) {
                 EXPECT_TRUE(m.window[name].enabled) << name;
             }
             // Name3 is missing, so Name4 is never read.
             EXPECT_FALSE(m.window["chkSCutStartMenu"].enabled);
             EXPECT_FALSE(m.window["chkSCutStartUp"].enabled);
             EXPECT_TRUE(m.window["chkSCutStartMenu"].checked);
         }},
        {"Enabled=False locks every choice",
         {{"SETUP.INI", "[Extend]\nEnabled=False\n[ShortCut]\nName1=(Dsk)A\n"}},
         "",
         nullptr,
         [](Medium& m) {
             for (const char* name : {"txtFolder", "btnRefer", "chkOverWrite", "chkSCutDesktop"}) {
                 EXPECT_FALSE(m.window[name].enabled) << name;
             }
             EXPECT_TRUE(m.window["chkOverWrite"].checked);
         }},
        {"the folder remembered for the program ID is proposed",
         {{"SETUP.INI", "[DefaultFolder]\nFolder=(Prg)\\Sample\n[ProgramID]\nID=SAMPLE1\n"},
          {"C:\\WINDOWS\\QUILLET.INI", "[SAMPLE1]\nFolder=(Boo)Tools\n"}},
         "",
         nullptr,
         [](Medium& m) {
             EXPECT_EQ(m.machine.values.programId, "SAMPLE1");
             EXPECT_EQ(m.window["txtFolder"].text, "C:\\Tools\\");
         }},
        {"default folder with tokens, no program ID",
         {{"SETUP.INI", "[DefaultFolder]\nFolder=(sys)Sample\n"}},
         "",
         nullptr,
         [](Medium& m) {
             EXPECT_EQ(m.window["txtFolder"].text, "C:\\WINDOWS\\SYSTEM32\\Sample\\");
         }},
        {"readme with a leading backslash",
         {{"SETUP.INI", "[Readme]\nFile=\\README.TXT\nTitle=はじめに\n"},
          {"README.TXT", "読んでください\n"}},
         "",
         nullptr,
         [](Medium& m) {
             EXPECT_TRUE(m.window["fraReadme"].visible);
             EXPECT_EQ(m.window["fraReadme"].text, J("はじめに"));
             EXPECT_EQ(m.window["txtReadme"].text, J("読んでください") + "\r\n");
             EXPECT_EQ(m.window["btnEvent"].text, J("セットアップ続行(&C)"));
             EXPECT_TRUE(m.window["btnEvent"].enabled);
             EXPECT_TRUE(m.window["btnEnd"].enabled);
         }},
        {"readme without a leading backslash",
         {{"SETUP.INI", "[Readme]\nFile=README.TXT\n"}, {"README.TXT", "x"}},
         "",
         nullptr,
         [](Medium& m) { EXPECT_EQ(m.window["txtReadme"].text, "x"); }},
        {"a readme that is missing shows the ready state",
         {{"SETUP.INI", "[Readme]\nFile=NONE.TXT\n"}},
         "",
         nullptr,
         [](Medium& m) {
             EXPECT_FALSE(m.window["fraReadme"].visible);
             EXPECT_EQ(m.window["btnEvent"].text, J("セットアップ開始(&S)"));
         }},
        {"every TopMessage empty",
         {{"SETUP.INI", "[Title]\nSetup=Sample\n"}},
         "",
         nullptr,
         [](Medium& m) {
             EXPECT_EQ(m.window["lblMessage"].text,
                       J("セットアップを行います．") + "\r\r" + J(kCloseAll));
             EXPECT_EQ(m.machine.values.messageText, m.window["lblMessage"].text);
         }},
        {"TopMessage lines each end with a CR",
         {{"SETUP.INI", "[TopMessage]\nMessage1=一\nMessage3=三\n"}},
         "",
         nullptr,
         [](Medium& m) {
             EXPECT_EQ(m.window["lblMessage"].text,
                       J("一") + "\r\r" + J("三") + "\r\r\r\r" + J(kCloseAll));
         }},
        {"a missing script is fatal",
         {},
         "",
         nullptr,
         [](Medium& m) {
             ASSERT_EQ(m.fatal.size(), 1u);
             EXPECT_EQ(m.fatal[0], J("【致命的エラー  →  iniファイル読み込み失敗】"));
             EXPECT_EQ(m.window["lblMessage"].text,
                       m.fatal[0] + "\r\r" +
                           J("セットアップ・アンセットアップ(アンインストール)は続行できません．"));
             EXPECT_EQ(m.window["btnEvent"].text, J("セットアップ開始(&S)"));
             EXPECT_FALSE(m.window["btnEvent"].enabled);
             EXPECT_EQ(m.window["btnEnd"].text, J("終了(&E)"));
             EXPECT_TRUE(m.window["btnEnd"].enabled);
             EXPECT_FALSE(m.window["txtFolder"].enabled);
         }},
        {"a missing uninstall log is fatal",
         {{"SETUP.INI", ""}},
         log,
         nullptr,
         [](Medium& m) {
             EXPECT_EQ(m.machine.values.mode, "UNSETUP");
             EXPECT_EQ(m.fatal.size(), 1u);
         }},
        {"uninstall mode with the options 1,0,0,0",
         {{log, "[Title]\nUnSetup=サンプル\n[SetupFolder]\nFolder=C:\\Program Files\\Sample\\\n"
                "[UnSetupOption]\nCheckBox=1,0,0,0\n"}},
         log,
         nullptr,
         [](Medium& m) {
             const MainWindowModel& w = m.window;
             EXPECT_TRUE(m.fatal.empty());
             EXPECT_EQ(m.machine.values.scriptCopy, "C:\\WINDOWS\\TEMP\\BSTMP1\\UNSETUP.INI");
             EXPECT_EQ(w.caption, J("サンプル"));
             EXPECT_EQ(w.backgroundTitle, J("サンプル"));
             EXPECT_EQ(w["txtFolder"].text, "C:\\Program Files\\Sample\\");
             EXPECT_TRUE(w["txtFolder"].enabled);
             EXPECT_EQ(w["grpSetupFolder"].text, J("アンセットアップ(アンインストール)フォルダ"));
             EXPECT_EQ(w["grpOption"].text, J("アンセットアップ(アンインストール)オプション"));
             EXPECT_EQ(w["fraShortCut"].text, J("ファイルの追加削除"));
             EXPECT_FALSE(w["chkOverWrite"].visible);
             EXPECT_FALSE(w["btnRefer"].enabled);
             EXPECT_EQ(w["btnEvent"].text, J("アンセットアップ開始(&S)"));
             EXPECT_TRUE(w["btnEvent"].enabled);
             EXPECT_EQ(w["btnEnd"].text, J("アンセットアップ終了(&E)"));
             EXPECT_TRUE(w["btnEnd"].enabled);
             struct Box {
                 const char* name;
                 std::string caption;
                 bool enabled, checked;
             };
             for (const Box& box : {Box{"chkSCutDesktop", J("*.INIファイル"), true, true},
                                    Box{"chkSCutStartMenu", J("*.GIDファイル"), true, false},
                                    Box{"chkSCutStartUp", "", false, false},
                                    Box{"chkSCutSendTo", "", false, false}}) {
                 EXPECT_EQ(w[box.name].text, box.caption) << box.name;
                 EXPECT_EQ(w[box.name].enabled, box.enabled) << box.name;
                 EXPECT_EQ(w[box.name].checked, box.checked) << box.name;
             }
             EXPECT_TRUE(w["lblUnSetupInfo"].visible);
             EXPECT_NE(w["lblUnSetupInfo"].text.find(J("チェック(選択)")), std::string::npos);
             EXPECT_EQ(w["lblMessage"].text,
                       J("アンセットアップ(アンインストール)を行います．") + "\r\r" +
                           J("開始するには，「アンセットアップ開始(S)」を選択してください．") +
                           "\r");
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Medium m;
        for (const auto& [path, text] : row.files) {
            m.write(path, text);
        }
        if (row.before) {
            row.before(m);
        }
        m.fatal = StartUp::run(m.machine.context, m.window, row.argument);
        const ProcessValues& v = m.machine.values;
        EXPECT_EQ(v.sourceFolder, m.machine.platform.windowsPath(m.media.path().string()) + "\\");
        EXPECT_EQ(v.windowsFolder, "C:\\WINDOWS\\");
        EXPECT_EQ(v.programFilesFolder, "C:\\Program Files\\");
        row.check(m);
    }
}

TEST(StartUpTest, CloseRemovesEveryWorkFolderAndNotifiesTheShell) {
    Medium m;
    m.write("SETUP.INI", "");
    m.machine.write("C:\\WINDOWS\\TEMP\\BSTMP7\\SUB\\A.TXT", "a");
    m.machine.write("C:\\WINDOWS\\TEMP\\KEEP\\B.TXT", "b");
    ASSERT_TRUE(StartUp::run(m.machine.context, m.window, "").empty());
    ASSERT_TRUE(m.machine.exists("C:\\WINDOWS\\TEMP\\BSTMP1\\SETUP.INI"));

    StartUp::closeMainWindow(m.machine.context);

    EXPECT_FALSE(m.machine.exists("C:\\WINDOWS\\TEMP\\BSTMP1"));
    EXPECT_FALSE(m.machine.exists("C:\\WINDOWS\\TEMP\\BSTMP7"));
    EXPECT_TRUE(m.machine.exists("C:\\WINDOWS\\TEMP\\KEEP\\B.TXT"));
    const std::vector<std::pair<std::uint32_t, std::string>> expected = {
        {shell_change::AssociationChanged, ""},
        {shell_change::UpdateItem, ""},
        {shell_change::UpdateDirectory, ""}};
    EXPECT_EQ(m.machine.platform.shellNotifications(), expected);
}

} // namespace
