// The main window: menus, tool bar, status panes, search into the list, sorting, file commands.
#include "common/ScriptedPrompter.h"
#include "frame/CKorvaneView.h"
#include "frame/CMainFrame.h"
#include "qso/QsoListModel.h"
#include "tests/common/TempFolder.h"
#include "tests/contest/qso/FakeQsoSource.h"
#include "tests/contest/qso/UiTestSupport.h"

#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace ui_test;

namespace {

// QSOs of one evening on seven bands, HAMLOG CSV as the stand-in library reads it.
const char* const kLog = "JA1AAA,26/06/13,21:00J,599,599,430.1,FM,1001,,J,,,,,0\r\n"
                         "JA2BBB,26/06/13,21:01J,599,599,1.91,CW,2001,,J,,,,,0\r\n"
                         "JA3CCC,26/06/13,21:02J,599,599,14.025,CW,3001,,J,,,,,0\r\n"
                         "JA4DDD,26/06/13,21:03J,599,599,144.2,FM,4001,,J,,,,,0\r\n"
                         "JA5EEE,26/06/13,21:04J,599,599,77.7,CW,5001,,J,,,,,0\r\n"
                         "JA6FFF,26/06/13,21:05J,599,599,7.01,CW,6001,,J,,,,,0\r\n"
                         "JA7GGG,26/06/13,21:06U,599,599,7.01,CW,7001,,J,,,,,0\r\n";

struct MainFrameTest : ::testing::Test {
    TempFolder dir;
    CKorvaneDoc doc;
    RecentFileList recent;
    ScriptedPrompter prompter;
    std::unique_ptr<CMainFrame> frame;

    void SetUp() override {
        // The stand-in library beside the test program.
        ASSERT_TRUE(doc.bindLibrary());
        const std::string log = dir.file("log.csv");
        TempFolder::write(log, kLog);
        doc.master.thDir = cp932::fromUtf8(log);
        frame = std::make_unique<CMainFrame>(doc, recent);
        frame->setPrompter(&prompter);
    }

    QAction* action(const char* name) { return child<QAction>(frame.get(), name); }

    // Runs the search command, letting `edit` change the dialog before "開始".
    void search(const std::function<void(QWidget*)>& edit = {}) {
        onNextModal([edit](QWidget* dialog) {
            if (edit) {
                edit(dialog);
            }
            click(dialog, "btnStart");
        });
        action("ID_SEARCH")->trigger();
    }

    QStringList column(int c) {
        QStringList texts;
        QsoListModel* model = frame->view()->listModel();
        for (int r = 0; r < model->rowCount(); ++r) {
            texts << model->data(model->index(r, c)).toString();
        }
        return texts;
    }
};

} // namespace

TEST_F(MainFrameTest, MenusKeysAndStatusTexts) {
    struct Row {
        const char* action;
        const char* caption;
        const char* key;
        const char* status;
        const char* tip;
    } rows[] = {
        {"ID_FILE_NEW", "ｺﾝﾃｽﾄﾌｧｲﾙの新規作成(&N)\tCtrl+N", "Ctrl+N", nullptr, nullptr},
        {"ID_FILE_OPEN", "ｺﾝﾃｽﾄﾌｧｲﾙを開く(&O)...\tCtrl+O", "Ctrl+O", nullptr, nullptr},
        {"ID_FILE_SAVE", "ｺﾝﾃｽﾄﾌｧｲﾙの上書き保存(&S)\tCtrl+S", "Ctrl+S", nullptr, nullptr},
        {"ID_FILE_SAVE_AS", "ｺﾝﾃｽﾄﾌｧｲﾙに名前を付けて保存(&A)...", "", nullptr, nullptr},
        {"ID_FILE_PRINT", "印刷(&P)...\tCtrl+P", "Ctrl+P", nullptr, nullptr},
        {"ID_FILE_PRINT_PREVIEW", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)\tCtrl+V", "Ctrl+V", nullptr, nullptr},
        {"ID_FILE_PRINT_SETUP", "ﾌﾟﾘﾝﾀの設定(&R)...", "", nullptr, nullptr},
        {"ID_FILE_MRU_FILE1", "最新のﾌｧｲﾙ", "", nullptr, nullptr},
        {"ID_APP_EXIT", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "", nullptr, nullptr},
        {"ID_MASTER_SETTING", "基本設定\tCtrl+K", "Ctrl+K", "基本設定", "基本設定"},
        {"ID_CONTEST_SETTING", "コンテスト情報設定\tCtrl+T", "Ctrl+T", "コンテスト情報の設定",
         "ｺﾝﾃｽﾄ設定"},
        {"ID_PRINT_POSITION", "印字位置微調整\tCtrl+H", "Ctrl+H", "印字位置微調整", "微調整"},
        {"ID_SEARCH", "ﾃﾞｰﾀ検索\tCtrl+F", "Ctrl+F", "ＱＳＯﾃﾞｰﾀを検索します", "ﾃﾞｰﾀ検索"},
        {"ID_VIEW_TOOLBAR", "ﾂｰﾙ ﾊﾞｰ(&T)", "", nullptr, nullptr},
        {"ID_VIEW_STATUS_BAR", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "", nullptr, nullptr},
        {"ID_HELP_FINDER", "ﾄﾋﾟｯｸの検索(&H)", "", nullptr, nullptr},
        {"ID_APP_ABOUT", "ﾊﾞｰｼﾞｮﾝ情報(korvane) (&A)...", "", nullptr, nullptr},
        {"ID_HELP", "", "F1", nullptr, nullptr},
        {"ID_CONTEXT_HELP", "", "Shift+F1", nullptr, nullptr},
        {"ID_NEXT_PANE", "", "F6", nullptr, nullptr},
        {"ID_PREV_PANE", "", "Shift+F6", nullptr, nullptr},
    };
    for (const auto& r : rows) {
        QAction* a = action(r.action);
        ASSERT_NE(a, nullptr) << r.action;
        EXPECT_EQ(a->text(), QString::fromUtf8(r.caption)) << r.action;
        EXPECT_EQ(a->shortcut().toString(), QLatin1String(r.key)) << r.action;
        if (r.status) {
            EXPECT_EQ(a->statusTip(), QString::fromUtf8(r.status));
            EXPECT_EQ(a->toolTip(), QString::fromUtf8(r.tip));
        }
    }
    QStringList menus;
    for (QAction* menu : frame->menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, (QStringList{"ﾌｧｲﾙ(&F)", "設定", "検索(&S)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
    // The list has no copy command: its key stays disabled.
    EXPECT_FALSE(action("ID_EDIT_COPY")->isEnabled());
    EXPECT_EQ(action("ID_EDIT_COPY")->shortcut().toString(), QStringLiteral("Ctrl+C"));
}

TEST_F(MainFrameTest, ToolBarInOrderWithTips) {
    auto* bar = child<QToolBar>(frame.get(), "toolBar");
    ASSERT_NE(bar, nullptr);
    QStringList order;
    for (QAction* a : bar->actions()) {
        order << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    }
    EXPECT_EQ(order, (QStringList{"ID_FILE_NEW", "ID_FILE_OPEN", "ID_FILE_SAVE", "|",
                                  "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW", "ID_PRINT_POSITION",
                                  "|", "ID_MASTER_SETTING", "ID_CONTEST_SETTING", "ID_SEARCH", "|",
                                  "ID_APP_ABOUT", "ID_CONTEXT_HELP"}));
    for (QAction* a : bar->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
            EXPECT_FALSE(a->toolTip().isEmpty()) << a->objectName().toStdString();
            EXPECT_EQ(bar->widgetForAction(a)->size(), QSize(28, 28));
        }
    }
    EXPECT_EQ(action("ID_FILE_PRINT_PREVIEW")->toolTip(), QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));

    // Show and hide of the tool bar and the status bar.
    frame->show();
    action("ID_VIEW_TOOLBAR")->trigger();
    EXPECT_FALSE(bar->isVisible());
    action("ID_VIEW_TOOLBAR")->trigger();
    EXPECT_TRUE(bar->isVisible());
    action("ID_VIEW_STATUS_BAR")->trigger();
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_FALSE(action("ID_VIEW_STATUS_BAR")->isChecked());
}

TEST_F(MainFrameTest, StatusPanesAndClock) {
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("無題 - Korvane"));
    EXPECT_EQ(frame->countText(), QStringLiteral("表示件数：    0件"));
    EXPECT_EQ(frame->clockText(), QString(31, QLatin1Char(' ')));
    const char* indicators[][2] = {{"ID_INDICATOR_KANA", "ｶﾅ"},
                                   {"ID_INDICATOR_CAPS", "CAP"},
                                   {"ID_INDICATOR_NUM", "NUM"},
                                   {"ID_INDICATOR_SCRL", "SCRL"}};
    for (const auto& i : indicators) {
        auto* pane = child<QLabel>(frame.get(), i[0]);
        ASSERT_NE(pane, nullptr);
        EXPECT_EQ(pane->text(), QString::fromUtf8(i[1]));
    }
    EXPECT_EQ(child<QTimer>(frame.get(), "clock")->interval(), 1000);
    frame->tick();
    const QRegularExpression clock(
        QStringLiteral("^\\d{4}/\\d\\d/\\d\\d\\([日月火水木金土]\\) \\d\\d:\\d\\d:\\d\\d$"));
    EXPECT_TRUE(clock.match(frame->clockText()).hasMatch()) << frame->clockText().toStdString();
}

TEST_F(MainFrameTest, SearchFillsTheListAndSortsByColumn) {
    search();
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(doc.recordsRead, 7);
    // The library keeps JA7GGG's UTC time as Japan time, so the retrieval keeps it too.
    EXPECT_EQ(frame->countText(), QStringLiteral("表示件数：   7件"));
    EXPECT_EQ(column(1),
              (QStringList{"JA1AAA", "JA2BBB", "JA3CCC", "JA4DDD", "JA5EEE", "JA6FFF", "JA7GGG"}));
    // Nothing left out: the status bar stays ready, the count pane's tool tip still has every
    // count.
    EXPECT_FALSE(frame->messageText().contains(QStringLiteral("除外")))
        << frame->messageText().toStdString();
    EXPECT_TRUE(frame->countToolTip().contains(QStringLiteral("JST以外 0件")))
        << frame->countToolTip().toStdString();

    // A click on the "Freq" header: 1.9 MHz first, "Etc" last; printing keeps retrieval order.
    frame->show();
    QHeaderView* header = frame->view()->horizontalHeader();
    ASSERT_EQ(frame->view()->model()->headerData(7, Qt::Horizontal).toString(), "Freq");
    const QPoint freq(header->sectionViewportPosition(7) + header->sectionSize(7) / 2,
                      header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, freq);
    EXPECT_EQ(column(7), (QStringList{"   1.9", "   7", "   7", "  14", " 144", " 430", "Etc"}));
    EXPECT_EQ(QsoRecord::text(doc.qsoList.front().record.call), "JA1AAA");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, freq);
    EXPECT_EQ(column(7).front(), "   1.9"); // no descending order

    // New and Open keep the QSO list: the rows come back in retrieval order with the count.
    frame->fileNew();
    EXPECT_EQ(column(1).front(), "JA1AAA");
    EXPECT_EQ(frame->countText(), QStringLiteral("表示件数：   7件"));
}

TEST_F(MainFrameTest, SearchThatKeepsNothingShowsZero) {
    search();
    ASSERT_EQ(frame->view()->model()->rowCount(), 7);
    search([](QWidget* dialog) { child<QLineEdit>(dialog, "startYear")->setText("2027"); });
    EXPECT_EQ(doc.recordsRead, 7);
    EXPECT_EQ(frame->view()->model()->rowCount(), 0);
    EXPECT_EQ(frame->countText(), QStringLiteral("表示件数：   0件"));
    EXPECT_EQ(doc.contest.startYear, 2027);
}

TEST_F(MainFrameTest, SearchOfALogWithoutRecordsSaysSo) {
    const std::string empty = dir.file("empty.csv");
    TempFolder::write(empty, "");
    doc.master.thDir = cp932::fromUtf8(empty);
    search();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(cp932::toUtf8(prompter.asked[0].text), "0 件のQSOを読みました\n" + empty);
    EXPECT_EQ(frame->messageText().toStdString(), empty + ": 0 件のQSOを読みました");
    EXPECT_EQ(frame->view()->model()->rowCount(), 0);
}

TEST_F(MainFrameTest, SearchThatCannotOpenTheLogKeepsTheList) {
    search();
    doc.master.thDir = cp932::fromUtf8(dir.file("missing.csv"));
    search([](QWidget* dialog) { child<QLineEdit>(dialog, "endYear")->setText("2026"); });
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(cp932::toUtf8(prompter.asked[0].text), "HAMLOGのデータを開けません");
    EXPECT_EQ(prompter.asked[0].caption, "Error");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::exclamation);
    EXPECT_EQ(frame->view()->model()->rowCount(), 7);
    EXPECT_EQ(doc.contest.endYear, 2026); // stored although the search failed
    // Cancelling with "終了" changes nothing.
    onNextModal([](QWidget* dialog) {
        child<QLineEdit>(dialog, "endYear")->setText("2030");
        click(dialog, "btnEnd");
    });
    action("ID_SEARCH")->trigger();
    EXPECT_EQ(doc.contest.endYear, 2026);
}

TEST_F(MainFrameTest, FileCommands) {
    const QString typed = QString::fromStdString(dir.file("allja"));
    QString suggested;
    frame->setFileChooser([&](CMainFrame::FileDialog kind, const QString& suggestion) {
        suggested = suggestion;
        return kind == CMainFrame::FileDialog::saveAs ? typed : QString();
    });
    // Save of an untitled document asks for a name and adds ".con".
    doc.contest.contestName = "ALL JA";
    action("ID_FILE_SAVE")->trigger();
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("無題.con")));
    const std::string saved = dir.file("allja.con");
    EXPECT_EQ(doc.path(), saved);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("allja.con - Korvane"));
    EXPECT_EQ(recent.entries().front(), saved);
    EXPECT_TRUE(action("recentFile1")->isVisible());
    EXPECT_EQ(action("recentFile1")->text(), QStringLiteral("&1 allja.con"));
    EXPECT_FALSE(action("ID_FILE_MRU_FILE1")->isVisible());

    // New: defaults and the untitled name; Open of the saved file brings its settings back.
    action("ID_FILE_NEW")->trigger();
    EXPECT_EQ(doc.contest.contestName, "");
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("無題 - Korvane"));
    ASSERT_TRUE(frame->openDocumentFile(QString::fromStdString(saved)));
    EXPECT_EQ(doc.contest.contestName, "ALL JA");
    EXPECT_TRUE(prompter.asked.empty());

    // A file of another kind: the framework's message, and an untitled new document.
    const std::string bad = dir.file("bad.con");
    TempFolder::write(bad, "abc");
    EXPECT_FALSE(frame->openDocumentFile(QString::fromStdString(bad)));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(cp932::toUtf8(prompter.asked[0].text), "予期しないﾌｧｲﾙ形式です。");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::exclamation);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("無題 - Korvane"));

    // A recent entry that no longer opens is reported and leaves the list.
    std::filesystem::remove(saved);
    frame->openRecentFile(0);
    EXPECT_EQ(prompter.asked.size(), 2u);
    EXPECT_TRUE(recent.entries().empty());
    EXPECT_TRUE(action("ID_FILE_MRU_FILE1")->isVisible());
    EXPECT_FALSE(action("ID_FILE_MRU_FILE1")->isEnabled());

    // A save that fails is reported; the document keeps its name.
    frame->setFileChooser([&](CMainFrame::FileDialog, const QString&) {
        return QString::fromStdString(dir.file("no/such/folder/x"));
    });
    EXPECT_FALSE(frame->fileSaveAs());
    EXPECT_EQ(prompter.asked.size(), 3u);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("無題 - Korvane"));
}

TEST_F(MainFrameTest, HelpAndVersion) {
    QUrl opened;
    frame->setUrlOpener([&](const QUrl& url) {
        opened = url;
        return true;
    });
    action("ID_HELP_FINDER")->trigger();
    EXPECT_TRUE(opened.toLocalFile().endsWith(QStringLiteral("korvane-guide.html")));
    EXPECT_TRUE(QFileInfo::exists(opened.toLocalFile()));
    opened.clear();
    action("ID_HELP")->trigger();
    EXPECT_TRUE(opened.isLocalFile());
    EXPECT_TRUE(prompter.asked.empty());

    QString title, version;
    onNextModal([&](QWidget* box) {
        title = box->windowTitle();
        version = child<QLabel>(box, "version")->text();
        click(box, "IDOK");
    });
    action("ID_APP_ABOUT")->trigger();
    EXPECT_EQ(title, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(korvane)"));
    EXPECT_EQ(version, QStringLiteral("korvane Version 1.80"));
}

TEST_F(MainFrameTest, SheetsOpenFromTheSettingsMenu) {
    doc.master.callSign = "JA1ZZZ";
    doc.contest.contestName = "ALL JA";
    for (const char* command : {"ID_MASTER_SETTING", "ID_CONTEST_SETTING"}) {
        QString opened;
        onNextModal([&](QWidget* sheet) {
            opened = sheet->objectName();
            static_cast<QDialog*>(sheet)->reject();
        });
        action(command)->trigger();
        EXPECT_EQ(opened, command == std::string("ID_MASTER_SETTING") ? "CSetting" : "CContset");
    }
    EXPECT_EQ(doc.master.callSign, "JA1ZZZ");
    EXPECT_EQ(doc.contest.contestName, "ALL JA");
}

TEST(QsoListView, HalfAMillionRowsNeedNoWidgetOfTheirOwn) {
    CKorvaneDoc doc;
    const char* labels[] = {"Etc", " 144", "   1.9", "  14", "5600", "   7", " 430"};
    for (int i = 0; i < 500000; ++i) {
        doc.qsoList.push_back({i + 1, makeRecord({"JA" + std::to_string(i % 9973), "260613",
                                                  "2100J", labels[i % 7], "CW"})});
    }
    doc.recordsRead = 500000;
    CKorvaneView view(doc);
    int posted = -1;
    QObject::connect(&view, &CKorvaneView::countChanged, [&](int rows) { posted = rows; });
    view.resize(800, 600);
    view.show();

    const qsizetype widgetsBefore = view.findChildren<QWidget*>().size();
    view.refill();
    view.listModel()->sort(7);
    view.scrollToBottom();
    view.grab(); // paints the visible rows only

    EXPECT_EQ(posted, 500000);
    QAbstractItemModel* model = view.model();
    EXPECT_EQ(model->data(model->index(0, 7)).toString(), "   1.9");
    EXPECT_EQ(model->data(model->index(499999, 7)).toString(), "Etc");
    // The rows are painted from the model, never made widgets of their own. No clock is read here:
    // other tests share the machine, and a time limit would fail with their load, not this code's.
    EXPECT_EQ(view.findChildren<QWidget*>().size(), widgetsBefore);
}
