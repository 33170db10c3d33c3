// setup's main window on Qt's offscreen platform over a temporary emulated machine: the widgets
// after start-up in each mode, the action button's captions, the end button's question, the
// uninstall option boxes and the deletion dialog's answers during an uninstallation.
#include "ui/TfrmMain.h"

#include "services/SharedDllCounts.h"
#include "tests/common/TempFolder.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/MediumMachine.h"
#include "ui/TfrmCustomDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Answer = Prompter::Answer;

const std::string kLog = "C:\\Program Files\\Sample\\UNSETUP.INI";

// A medium beside a fresh machine, and the main window over both.
struct Medium : MediumMachine {
    Medium() { machine.prompter.otherwise = Answer::yes; }

    TfrmMain& start(const std::string& argument = "") {
        window = std::make_unique<TfrmMain>(machine.context, argument);
        window->startUp();
        return *window;
    }

    template <class Widget>
    Widget& get(const char* name) {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) {
            throw std::runtime_error(name);
        }
        return *widget;
    }
    QString text(const char* name) {
        QWidget& widget = get<QWidget>(name);
        if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
            return group->title();
        }
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            return label->text();
        }
        if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
            return edit->text();
        }
        if (auto* memo = qobject_cast<QPlainTextEdit*>(&widget)) {
            return memo->toPlainText();
        }
        return get<QAbstractButton>(name).text();
    }
    bool enabled(const char* name) { return get<QWidget>(name).isEnabled(); }
    bool shown(const char* name) { return !get<QWidget>(name).isHidden(); }
    bool checked(const char* name) { return get<QCheckBox>(name).isChecked(); }
    std::vector<QString> captions() const {
        std::vector<QString> c;
        for (const auto& question : machine.prompter.asked) {
            c.push_back(QString::fromStdString(cp932::toUtf8(question.caption)));
        }
        return c;
    }

    std::unique_ptr<TfrmMain> window;
};

const char kScript[] = "[Title]\nSetup=サンプル\nUnSetup=サンプル削除\n"
                       "[DefaultFolder]\nFolder=(Prg)\\Sample\\\n"
                       "[Extend]\nSetupSpeed=1\n"
                       "[ShortCut]\nMake1=(App)\\A.EXE\nName1=(Dsk)サンプル\n";

TEST(TfrmMainTest, WidgetsAfterStartUpInEachMode) {
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, std::string>> files; // path, UTF-8 text
        std::string argument;
        std::function<void(Medium&)> check;
    };
    const std::vector<Row> rows = {
        {"fatal: no script",
         {},
         "",
         [](Medium& s) {
             EXPECT_TRUE(
                 s.text("lblMessage")
                     .endsWith(
                         "セットアップ・アンセットアップ(アンインストール)は続行できません．"));
             EXPECT_EQ(s.text("btnEvent"), "セットアップ開始(&S)");
             EXPECT_FALSE(s.enabled("btnEvent"));
             EXPECT_EQ(s.text("btnEnd"), "終了(&E)");
             EXPECT_TRUE(s.enabled("btnEnd"));
             EXPECT_FALSE(s.enabled("txtFolder"));
             EXPECT_FALSE(s.enabled("btnRefer"));
             EXPECT_FALSE(s.shown("fraReadme"));
         }},
        {"readme",
         {{"SETUP.INI", std::string(kScript) + "[Readme]\nFile=\\README.TXT\nTitle=はじめに\n"},
          {"README.TXT", "一行目\n二行目\n"}},
         "",
         [](Medium& s) {
             EXPECT_TRUE(s.shown("fraReadme"));
             EXPECT_EQ(s.text("fraReadme"), "はじめに");
             EXPECT_EQ(s.text("txtReadme"), "一行目\n二行目\n");
             EXPECT_TRUE(s.get<QPlainTextEdit>("txtReadme").isReadOnly());
             EXPECT_EQ(s.text("btnEvent"), "セットアップ続行(&C)");
             EXPECT_TRUE(s.enabled("btnEvent"));
             EXPECT_EQ(s.text("btnEnd"), "セットアップ終了(&E)");
             EXPECT_TRUE(s.enabled("btnEnd"));
         }},
        {"ready",
         {{"SETUP.INI", kScript}},
         "",
         [](Medium& s) {
             EXPECT_EQ(s.window->windowTitle(), "サンプル");
             EXPECT_FALSE(s.shown("fraReadme"));
             EXPECT_EQ(s.text("btnEvent"), "セットアップ開始(&S)");
             EXPECT_TRUE(s.enabled("btnEvent"));
             EXPECT_EQ(s.text("txtFolder"), "C:\\Program Files\\Sample\\");
             EXPECT_TRUE(s.enabled("txtFolder"));
             EXPECT_FALSE(s.get<QLineEdit>("txtFolder").isReadOnly());
             EXPECT_TRUE(s.enabled("btnRefer"));
             EXPECT_TRUE(s.enabled("chkOverWrite") && s.checked("chkOverWrite"));
             // Only the folder the script names is offered; the others stay ticked.
             EXPECT_TRUE(s.enabled("chkSCutDesktop"));
             EXPECT_FALSE(s.enabled("chkSCutStartMenu"));
             EXPECT_TRUE(s.checked("chkSCutStartMenu"));
             EXPECT_TRUE(
                 s.text("lblMessage")
                     .endsWith(
                         "※　処理を開始する前に，必ずすべてのプログラムを終了させてください．"));
         }},
        {"uninstall",
         {{"C:\\Program Files\\Sample\\UNSETUP.INI",
           "[Title]\nUnSetup=サンプル削除\n[SetupFolder]\nFolder=C:\\Program Files\\Sample\\\n"
           "[UnSetupOption]\nCheckBox=1,0,0,0\n"}},
         kLog,
         [](Medium& s) {
             EXPECT_EQ(s.window->windowTitle(), "サンプル削除");
             EXPECT_EQ(s.text("btnEvent"), "アンセットアップ開始(&S)");
             EXPECT_EQ(s.text("btnEnd"), "アンセットアップ終了(&E)");
             EXPECT_EQ(s.text("grpSetupFolder"), "アンセットアップ(アンインストール)フォルダ");
             EXPECT_TRUE(s.enabled("txtFolder"));
             EXPECT_TRUE(s.get<QLineEdit>("txtFolder").isReadOnly());
             EXPECT_EQ(s.text("txtFolder"), "C:\\Program Files\\Sample\\");
             EXPECT_FALSE(s.shown("chkOverWrite"));
             EXPECT_EQ(s.text("fraShortCut"), "ファイルの追加削除");
             EXPECT_EQ(s.get<QWidget>("fraShortCut").geometry(), QRect(8, 16, 457, 65));
             EXPECT_EQ(s.text("chkSCutDesktop"), "*.INIファイル");
             EXPECT_EQ(s.text("chkSCutStartMenu"), "*.GIDファイル");
             EXPECT_TRUE(s.checked("chkSCutDesktop") && s.enabled("chkSCutDesktop"));
             EXPECT_TRUE(!s.checked("chkSCutStartMenu") && s.enabled("chkSCutStartMenu"));
             EXPECT_TRUE(s.text("chkSCutStartUp").isEmpty() && !s.enabled("chkSCutStartUp"));
             EXPECT_FALSE(s.enabled("chkSCutSendTo"));
             EXPECT_TRUE(s.shown("lblUnSetupInfo"));
             EXPECT_EQ(s.get<QWidget>("lblUnSetupInfo").y(), 16 + 17 + 2);
             // Both boxes can be changed before starting, and the procedure reads the model.
             s.get<QCheckBox>("chkSCutDesktop").click();
             s.get<QCheckBox>("chkSCutStartMenu").click();
             EXPECT_FALSE(s.window->model["chkSCutDesktop"].checked);
             EXPECT_TRUE(s.window->model["chkSCutStartMenu"].checked);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Medium s;
        for (const auto& [path, text] : row.files) {
            s.write(path, text);
        }
        s.start(row.argument);
        row.check(s);
    }
}

TEST(TfrmMainTest, ActionButtonIsDispatchedOnItsCaption) {
    struct Row {
        const char* caption;
        std::vector<Answer> answers; // to the questions the press asks
        std::function<void(Medium&)> check;
    };
    const std::vector<Row> rows = {
        {"セットアップ続行(&C)",
         {},
         [](Medium& s) {
             EXPECT_FALSE(s.shown("fraReadme"));
             EXPECT_EQ(s.text("btnEvent"), "セットアップ開始(&S)");
             EXPECT_TRUE(s.machine.prompter.asked.empty());
         }},
        {"続行(&C)",
         {},
         [](Medium& s) {
             EXPECT_FALSE(s.enabled("btnEvent"));
             EXPECT_EQ(s.text("btnEvent"), "続行(&C)");
         }},
        {"中断(&A)",
         {Answer::no},
         [](Medium& s) {
             EXPECT_EQ(s.captions(), std::vector<QString>{"中断の確認"});
             EXPECT_FALSE(s.machine.values.abortRequested);
             EXPECT_FALSE(s.window->model.backgroundEnabled);
             EXPECT_TRUE(s.window->isVisible());
         }},
        {"中断(&A)",
         {Answer::yes},
         [](Medium& s) {
             EXPECT_EQ(s.captions(), std::vector<QString>{"中断の確認"});
             EXPECT_TRUE(s.machine.values.abortRequested);
             EXPECT_TRUE(s.window->model.backgroundEnabled);
             EXPECT_FALSE(s.window->isVisible());
         }},
        {"セットアップ開始",
         {},
         [](Medium& s) {
             EXPECT_TRUE(s.machine.prompter.asked.empty());
             EXPECT_TRUE(s.window->isVisible());
             EXPECT_FALSE(s.machine.exists("C:\\Program Files\\Sample\\A.EXE"));
         }},
        {"セットアップ開始(&S)",
         {},
         [](Medium& s) {
             EXPECT_EQ(s.captions(), (std::vector<QString>{"フォルダ作成", "完了"}));
             EXPECT_EQ(s.machine.read("C:\\Program Files\\Sample\\A.EXE"), "program");
             EXPECT_TRUE(s.window->model.backgroundEnabled);
             EXPECT_FALSE(s.window->isVisible());
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        Medium s;
        s.write("SETUP.INI", std::string(kScript) + "[CopyFile]\nFile1=(App)\\A.EXE\n");
        TempFolder::write(s.media.file("A.EXE"), "program");
        TfrmMain& window = s.start();
        window.show();
        s.machine.prompter.answers.assign(row.answers.begin(), row.answers.end());
        window.model["fraReadme"].visible = true;
        window.model["btnEvent"] = {cp932::fromUtf8(row.caption), true};
        window.render();
        s.get<QPushButton>("btnEvent").click();
        row.check(s);
    }
}

TEST(TfrmMainTest, EndButtonAsksOnlyWhileTheRunIsNotFinished) {
    struct Row {
        const char* name;
        bool finished;
        std::vector<Answer> answers;
        std::vector<QString> asked;
        bool closed;
    } rows[] = {
        {"ready, kept open", false, {Answer::no}, {"終了確認"}, false},
        {"ready, closed", false, {Answer::yes}, {"終了確認"}, true},
        {"after completion", true, {}, {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Medium s;
        s.write("SETUP.INI", kScript);
        TfrmMain& window = s.start();
        window.show();
        window.model.backgroundEnabled = row.finished;
        s.machine.prompter.answers.assign(row.answers.begin(), row.answers.end());
        s.get<QPushButton>("btnEnd").click();
        EXPECT_EQ(s.captions(), row.asked);
        if (!row.asked.empty()) {
            EXPECT_EQ(s.machine.prompter.asked[0].text,
                      J("セットアップ・アンセットアップは終了していません．\r終了してもよろしいで"
                        "すか？"));
        }
        EXPECT_EQ(!window.isVisible(), row.closed);
        // Leaving is the finished state the background window and the close handling read.
        EXPECT_EQ(window.model.backgroundEnabled, row.closed);
    }
}

// The buttons pressed in the deletion dialog, one per showing; the answer stays for the run.
TEST(TfrmMainTest, DeletionDialogAnswersAndTheirMemoryForTheRun) {
    const std::string one = "C:\\WINDOWS\\SYSTEM32\\ONE.BIN";
    const std::string two = "C:\\WINDOWS\\SYSTEM32\\TWO.BIN";
    struct Row {
        std::deque<const char*> buttons;
        int dialogs;
        bool oneKept, twoKept;
    } rows[] = {
        {{"btnYes", "btnNo"}, 2, false, true}, {{"btnNo", "btnYes"}, 2, true, false},
        {{"btnDelete"}, 1, false, false},      {{"btnSave"}, 1, true, true},
        {{"btnNo", "btnSave"}, 2, true, true},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(row.buttons.front());
        Medium s;
        s.write(kLog, "[SetupFolder]\nFolder=C:\\Program Files\\Sample\\\n[DeleteFile]\nFile1=" +
                          cp932::toUtf8(one) + ",/S\nFile2=" + cp932::toUtf8(two) +
                          ",/S\nFile3=" + kLog + "\n");
        // A failure would wait for its details to be read.
        s.machine.prompter.otherwise = Answer::no;
        for (const std::string& file : {one, two}) {
            ChangeSharedDllCount(s.machine.context, file, true); // only this package uses it
            s.machine.write(file, "x");
        }
        TfrmMain& window = s.start(kLog);
        window.show();
        int shown = 0;
        QTimer presser;
        QObject::connect(&presser, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != &window.deletionDialog()) {
                return;
            }
            ++shown;
            // A showing more than expected is answered too, so that the test ends.
            const char* button = row.buttons.empty() ? "btnNo" : row.buttons.front();
            if (!row.buttons.empty()) {
                row.buttons.pop_front();
            }
            modal->findChild<QPushButton*>(button)->click();
        });
        presser.start(5);
        s.get<QPushButton>("btnEvent").click();
        EXPECT_EQ(shown, row.dialogs);
        EXPECT_TRUE(row.buttons.empty());
        EXPECT_EQ(s.machine.exists(one), row.oneKept);
        EXPECT_EQ(s.machine.exists(two), row.twoKept);
        EXPECT_EQ(s.captions().back(), "完了");
    }
}

} // namespace
