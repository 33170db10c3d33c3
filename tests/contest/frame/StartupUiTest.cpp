// Start-up and exit of the windowed program: the library check's dialog, the command line, the
// master settings and recent files read at start and written at exit.
#include "common/IniFile.h"
#include "common/ScriptedPrompter.h"
#include "common/qt/ErrorDialog.h"
#include "frame/CKorvaneApp.h"
#include "frame/CMainFrame.h"
#include "tests/common/TempFolder.h"
#include "tests/contest/qso/UiTestSupport.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace ui_test;

namespace {

struct Shown {
    QString type, title, message, advice;
};

// Starts the program with a library, answering the error dialog with OK if one comes.
bool start(CKorvaneApp& app, Shown& shown) {
    onNextModal([&shown](QWidget* dialog) {
        shown = {dialog->objectName(), dialog->windowTitle(),
                 child<QLabel>(dialog, "message")->text(), child<QLabel>(dialog, "advice")->text()};
        click(dialog, "IDOK");
    });
    return app.initInstance();
}

} // namespace

TEST(Startup, LibraryCheckFailuresEndTheProgramAfterTheErrorDialog) {
    TempFolder dir;
    struct Row {
        std::string library;
        const char* message;
    } rows[] = {
        {dir.file("HAMLOG32.DLL"), "HAMLOG32.DLLを開けません。"},
        {FAKE_HAMLOG_OLD,
         "HAMLOG32.DLLのバージョンが\n42FFFです。\nバージョン4.30以上をお使い下さい。"},
    };
    for (const auto& r : rows) {
        CKorvaneApp app({"", dir.file("k.ini"), "", r.library});
        Shown shown;
        EXPECT_FALSE(start(app, shown));
        EXPECT_EQ(shown.type, QStringLiteral("ErrorDialog"));
        EXPECT_EQ(shown.title, QStringLiteral("Error"));
        EXPECT_EQ(shown.message, QString::fromUtf8(r.message));
        EXPECT_EQ(shown.advice,
                  QStringLiteral("Turbo HAMLOG/WINをセットアップしたディレクトリからHAMLOG32.DLLを"
                                 "KORVANEを入れたディレクトリにコピーして下さい"));
        EXPECT_EQ(app.frame(), nullptr);
        // Nothing was read, so nothing is written.
        EXPECT_TRUE(app.exitInstance());
        EXPECT_FALSE(std::filesystem::exists(dir.file("k.ini")));
    }
}

TEST(Startup, OpensTheCommandLineFileAndWritesTheSettingsAtExit) {
    TempFolder dir;
    const std::string ini = dir.file("k.ini");
    TempFolder::write(ini, "[MASTER]\r\nCALLSIGN=JA1ZZZ\r\nTHDIR=/logs/main.csv\r\n"
                           "[Recent File List]\r\nFile1=/old/a.con\r\n");
    CKorvaneDoc saved;
    saved.contest.contestName = "ALL JA";
    const std::string con = dir.file("allja.con");
    ASSERT_TRUE(saved.saveDocument(con).ok);

    {
        CKorvaneApp app({con, ini, dir.file("session.csv"), FAKE_HAMLOG_OK});
        Shown shown;
        ASSERT_TRUE(start(app, shown));
        EXPECT_TRUE(shown.type.isEmpty()); // no error dialog
        ASSERT_NE(app.frame(), nullptr);
        EXPECT_EQ(app.frame()->windowTitle(), QStringLiteral("allja.con - Korvane"));
        EXPECT_EQ(app.document().contest.contestName, "ALL JA");
        EXPECT_EQ(app.document().master.callSign, "JA1ZZZ");
        EXPECT_EQ(app.document().master.thDir, dir.file("session.csv"));
        EXPECT_EQ(app.recentFiles().entries(), (std::vector<std::string>{con, "/old/a.con"}));
        app.document().master.printX = 20;
        EXPECT_TRUE(app.exitInstance());
    }
    IniFile written(ini);
    EXPECT_EQ(written.keys("MASTER").size(), 24u);
    EXPECT_EQ(written.readString("MASTER", "PRINTX"), "20");
    // The log named for the session does not replace the setting.
    EXPECT_EQ(written.readString("MASTER", "THDIR"), "/logs/main.csv");
    EXPECT_EQ(written.readString("Recent File List", "File1"), con);
    EXPECT_EQ(written.readString("Recent File List", "File2"), "/old/a.con");

    // No file on the command line: a new untitled document.
    CKorvaneApp fresh({"", ini, "", FAKE_HAMLOG_OK});
    Shown shown;
    ASSERT_TRUE(start(fresh, shown));
    EXPECT_EQ(fresh.frame()->windowTitle(), QStringLiteral("無題 - Korvane"));
    EXPECT_EQ(fresh.document().master.printX, 20);
}

TEST(Startup, AFileThatCannotBeOpenedEndsStartUp) {
    TempFolder dir;
    CKorvaneApp app({dir.file("missing.con"), dir.file("k.ini"), "", FAKE_HAMLOG_OK});
    ScriptedPrompter prompter;
    app.setPrompter(&prompter);
    Shown shown;
    EXPECT_FALSE(start(app, shown));
    EXPECT_EQ(app.frame(), nullptr);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::exclamation);
}

TEST(Startup, ASettingsFileThatCannotBeWrittenIsReported) {
    TempFolder dir;
    CKorvaneApp app({"", dir.file("no/such/folder/k.ini"), "", FAKE_HAMLOG_OK});
    ScriptedPrompter prompter;
    app.setPrompter(&prompter);
    Shown shown;
    ASSERT_TRUE(start(app, shown));
    EXPECT_FALSE(app.exitInstance());
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].caption, "Error");
    EXPECT_NE(cp932::toUtf8(prompter.asked[0].text).find("設定を保存できませんでした。"),
              std::string::npos);
}
