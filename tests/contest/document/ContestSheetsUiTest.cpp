// The master and contest settings sheets on the offscreen platform: copy in and out through the
// controls, cancel, refused integers, the file chooser and the 255-byte texts.
#include "app/CSetting.h"
#include "app/DataFileChooser.h"
#include "app/MasterSheetModel.h"
#include "common/Cp932.h"
#include "common/Prompter.h"
#include "common/qt/SheetPage.h"
#include "document/CContset.h"
#include "document/CKorvaneDoc.h"
#include "document/ContestSheetModel.h"
#include "tests/contest/exchange/RuleSamples.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ScriptedPrompter : public Prompter {
public:
    Answer ask(const std::string& text, const std::string& caption, Icon icon, Buttons) override {
        asked.push_back(cp932::toUtf8(text) + " | " + caption);
        lastIcon = icon;
        return Answer::ok;
    }
    std::vector<std::string> asked;
    Icon lastIcon = Icon::none;
};

class ScriptedChooser : public DataFileChooser {
public:
    std::optional<std::string> chooseOpenFile(const Request& r) override {
        request = r;
        ++calls;
        return answer;
    }
    std::optional<std::string> answer;
    Request request;
    int calls = 0;
};

MasterSettings distinctMaster() {
    MasterSettings s;
    int n = 0;
    for (const MasterSettings::Key& key : MasterSettings::keys()) {
        if (std::string* text = s.textOf(key)) {
            *text = cp932::lit("局") + key.name + std::to_string(++n);
        }
    }
    s.pwrType = 1;
    s.printX = 5;
    s.printY = -5;
    return s;
}

ContestSettings distinctContest() {
    ContestSettings s;
    s.contestName = cp932::lit("ＡＬＬ ＪＡ コンテスト");
    s.categoryCode = "XMA";
    s.categoryName = cp932::lit("電信電話部門");
    s.opinionText = cp932::lit("一行目\r\n二行目");
    s.oathText = cp932::lit("誓います。");
    s.senderText = "JA1ZZZ";
    s.selectModes = 1;
    s.modeEnabled[0] = 1;
    s.rules = rule_samples::distinct();
    return s;
}

template <typename T>
T* control(QWidget* sheet, const char* page, const char* name) {
    auto* p = sheet->findChild<SheetPage*>(QString::fromLatin1(page));
    return p ? p->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

QTabWidget* tabs(QWidget* sheet) {
    return sheet->findChild<QTabWidget*>();
}

void click(QWidget* sheet, const char* button) {
    auto* b = sheet->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Japanese text arrives through the input method, one committed character at a time.
void type(QWidget* box, const QString& text) {
    for (QChar c : text) {
        QInputMethodEvent commit;
        commit.setCommitString(QString(c));
        QApplication::sendEvent(box, &commit);
    }
}

QString utf8(const std::string& cp932Text) {
    return QString::fromStdString(cp932::toUtf8(cp932Text));
}

// Every field of every page model has a control of its kind on the page of the same name.
void expectControlsForEveryField(QWidget* sheet, const std::vector<FormModel>& pages) {
    for (const FormModel& page : pages) {
        auto* p = sheet->findChild<SheetPage*>(QString::fromStdString(page.pageName()));
        ASSERT_NE(p, nullptr) << page.pageName();
        for (const FormModel::Field& f : page.fields()) {
            const QString name = QString::fromStdString(f.name);
            const std::string where = page.pageName() + " " + f.name;
            switch (f.kind) {
            case FormModel::Kind::text:
            case FormModel::Kind::integer:
                EXPECT_NE(p->findChild<QLineEdit*>(name), nullptr) << where;
                break;
            case FormModel::Kind::multiLineText:
                EXPECT_NE(p->findChild<QPlainTextEdit*>(name), nullptr) << where;
                break;
            case FormModel::Kind::choice:
                if (f.entries.empty()) {
                    auto* group = p->findChild<QButtonGroup*>(name);
                    ASSERT_NE(group, nullptr) << where;
                    EXPECT_EQ(group->buttons().size(), f.count) << where;
                } else {
                    auto* list = p->findChild<QComboBox*>(name);
                    ASSERT_NE(list, nullptr) << where;
                    EXPECT_EQ(list->count(), f.count) << where;
                }
                break;
            }
        }
    }
}

} // namespace

TEST(ContestSheetsUi, TitlesTabsButtonsAndControls) {
    MasterSettings master;
    ContestSettings contest;
    CSetting masterSheet(master);
    CContset contestSheet(contest);
    EXPECT_EQ(masterSheet.windowTitle(), QStringLiteral("マスター設定"));
    EXPECT_EQ(contestSheet.windowTitle(), QStringLiteral("コンテスト設定"));

    struct Sheet {
        QWidget* sheet;
        std::vector<FormModel> pages;
    } sheets[] = {{&masterSheet, MasterSheetModel::fromSettings(master)},
                  {&contestSheet, ContestSheetModel::fromSettings(contest)}};
    for (const Sheet& s : sheets) {
        QTabWidget* t = tabs(s.sheet);
        ASSERT_EQ(t->count(), static_cast<int>(s.pages.size()));
        for (int i = 0; i < t->count(); ++i) {
            const FormModel& page = s.pages[static_cast<std::size_t>(i)];
            EXPECT_EQ(t->widget(i)->objectName().toStdString(), page.pageName());
            EXPECT_EQ(t->tabText(i), utf8(page.caption()));
        }
        expectControlsForEveryField(s.sheet, s.pages);
        EXPECT_EQ(s.sheet->findChild<QPushButton*>("IDOK")->text(), QStringLiteral("OK"));
        EXPECT_EQ(s.sheet->findChild<QPushButton*>("IDCANCEL")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        auto* apply = s.sheet->findChild<QPushButton*>("ID_APPLY_NOW");
        EXPECT_EQ(apply->text(), QStringLiteral("適用(&A)"));
        EXPECT_FALSE(apply->isEnabled());
    }
    EXPECT_EQ(control<QPushButton>(&masterSheet, "CHamlogDir", "browse")->text(),
              QStringLiteral("参照..."));
}

TEST(ContestSheetsUi, CancelLeavesEverySettingUnchanged) {
    MasterSettings master = distinctMaster();
    const MasterSettings masterBefore = master;
    CSetting masterSheet(master);
    masterSheet.show();
    QTest::keyClicks(control<QLineEdit>(&masterSheet, "CManset", "NAME"), "x");
    control<QRadioButton>(&masterSheet, "CHamset", "PWRTYPE_0")->click();
    control<QLineEdit>(&masterSheet, "CSetuset", "SETUBI3")->setText("IC-7300");
    control<QLineEdit>(&masterSheet, "CHamlogDir", "THDIR")->clear();
    click(&masterSheet, "IDCANCEL");
    EXPECT_EQ(masterSheet.result(), QDialog::Rejected);
    EXPECT_FALSE(masterSheet.isVisible());
    EXPECT_EQ(master, masterBefore);

    ContestSettings contest = distinctContest();
    const ContestSettings contestBefore = contest;
    CContset contestSheet(contest);
    contestSheet.show();
    QTest::keyClicks(control<QLineEdit>(&contestSheet, "CContname", "contestName"), "2026");
    control<QPlainTextEdit>(&contestSheet, "CSeiyaku", "oathText")->setPlainText("x");
    control<QRadioButton>(&contestSheet, "CMulti", "logChoice_0")->click();
    control<QComboBox>(&contestSheet, "CRecno", "qsoField2")->setCurrentIndex(9);
    control<QLineEdit>(&contestSheet, "CTokuten", "coefValue")->setText("77");
    click(&contestSheet, "IDCANCEL");
    EXPECT_EQ(contestSheet.result(), QDialog::Rejected);
    EXPECT_EQ(contest, contestBefore);
}

TEST(ContestSheetsUi, OkCopiesEveryControlBack) {
    MasterSettings master = distinctMaster();
    CSetting masterSheet(master);
    masterSheet.show();
    click(&masterSheet, "IDOK");
    EXPECT_EQ(masterSheet.result(), QDialog::Accepted);
    EXPECT_EQ(master, distinctMaster());

    masterSheet.show();
    QLineEdit* name = control<QLineEdit>(&masterSheet, "CManset", "NAME");
    name->clear();
    type(name, QStringLiteral("山田 太郎"));
    control<QRadioButton>(&masterSheet, "CHamset", "PWRTYPE_0")->click();
    click(&masterSheet, "IDOK");
    EXPECT_EQ(master.name, cp932::lit("山田 太郎"));
    EXPECT_EQ(master.pwrType, 0);

    ContestSettings contest = distinctContest();
    CContset contestSheet(contest);
    contestSheet.show();
    click(&contestSheet, "IDOK");
    EXPECT_EQ(contestSheet.result(), QDialog::Accepted);
    EXPECT_EQ(contest, distinctContest());

    contestSheet.show();
    control<QPlainTextEdit>(&contestSheet, "CIken", "opinionText")->setPlainText("A\nB");
    control<QRadioButton>(&contestSheet, "CLogrmk", "choice3_0")->click();
    control<QComboBox>(&contestSheet, "CMulti", "summaryQsoField")->setCurrentIndex(13);
    click(&contestSheet, "IDOK");
    EXPECT_EQ(contest.opinionText, "A\r\nB");
    EXPECT_EQ(contest.rules.logRemarks[2].choice, 0);
    EXPECT_EQ(contest.rules.summaryMulti.qsoField, 13);
    EXPECT_EQ(contest.senderText, "JA1ZZZ");
}

TEST(ContestSheetsUi, PowerTypeTwoShowsNoRadioAndOkStoresMinusOne) {
    MasterSettings master;
    master.pwrType = 2;
    CSetting sheet(master);
    sheet.show();
    EXPECT_FALSE(control<QRadioButton>(&sheet, "CHamset", "PWRTYPE_0")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(&sheet, "CHamset", "PWRTYPE_1")->isChecked());
    click(&sheet, "IDOK");
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(master.pwrType, -1);
}

TEST(ContestSheetsUi, BrowseStoresTheFullChosenPath) {
    MasterSettings master;
    master.thDir = cp932::fromUtf8("/old/ハムログ/OLD.mst");
    CSetting sheet(master);
    ScriptedChooser chooser;
    sheet.setFileChooser(&chooser);
    sheet.show();
    QLineEdit* path = control<QLineEdit>(&sheet, "CHamlogDir", "THDIR");

    click(&sheet, "browse"); // cancelled
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_EQ(cp932::toUtf8(chooser.request.caption), "ハムログデータ");
    EXPECT_EQ(chooser.request.initialFolder, "/old/ハムログ");
    EXPECT_EQ(path->text(), QStringLiteral("/old/ハムログ/OLD.mst"));

    chooser.answer = "/home/局/Hamlog/HAMLOG.mst";
    click(&sheet, "browse");
    EXPECT_EQ(path->text(), QStringLiteral("/home/局/Hamlog/HAMLOG.mst"));
    click(&sheet, "IDOK");
    EXPECT_EQ(master.thDir, cp932::fromUtf8("/home/局/Hamlog/HAMLOG.mst"));
}

TEST(ContestSheetsUi, NewDocumentOpensWithTheDefaults) {
    CKorvaneDoc doc;
    doc.contest = distinctContest();
    doc.newDocument();
    CContset sheet(doc.contest);
    sheet.show();
    EXPECT_EQ(control<QPlainTextEdit>(&sheet, "CSeiyaku", "oathText")->toPlainText(),
              utf8(ContestSettings::defaultOath()));
    EXPECT_EQ(control<QLineEdit>(&sheet, "CContname", "contestName")->text(), "");
    EXPECT_EQ(control<QPlainTextEdit>(&sheet, "CIken", "opinionText")->toPlainText(), "");

    const QString firstChoice[] = {QStringLiteral("固定項目"), QStringLiteral("使用しない"),
                                   QStringLiteral("使用しない")};
    for (const char* page : {"CSendno", "CRecno", "CLogop", "CLogrmk"}) {
        for (int i = 1; i <= 3; ++i) {
            const std::string n = std::to_string(i);
            auto* group = control<QButtonGroup>(&sheet, page, ("choice" + n).c_str());
            ASSERT_NE(group->checkedButton(), nullptr) << page << i;
            EXPECT_EQ(group->checkedButton()->text(), firstChoice[i - 1]) << page << i;
            EXPECT_EQ(control<QComboBox>(&sheet, page, ("qsoField" + n).c_str())->currentText(),
                      "RST");
            EXPECT_EQ(control<QLineEdit>(&sheet, page, ("fixedText" + n).c_str())->text(), "");
            for (const char* box : {"fromColumn", "toColumn", "digits"}) {
                if (auto* edit = control<QLineEdit>(&sheet, page, (box + n).c_str())) {
                    EXPECT_EQ(edit->text(), "0") << page << " " << box << n;
                }
            }
        }
    }
    for (const auto& [page, group] : {std::pair{"CMulti", "summaryChoice"},
                                      {"CMulti", "logChoice"},
                                      {"CTokuten", "coefChoice"},
                                      {"CTokuten", "pointsChoice"}}) {
        auto* g = control<QButtonGroup>(&sheet, page, group);
        ASSERT_NE(g->checkedButton(), nullptr) << group;
        EXPECT_EQ(g->checkedButton()->text(), QStringLiteral("記入しない"));
    }
    for (const char* box :
         {"coefValue", "pointsFixedValue", "pointsFromColumn", "pointsToColumn"}) {
        EXPECT_EQ(control<QLineEdit>(&sheet, "CTokuten", box)->text(), "0") << box;
    }
    EXPECT_EQ(control<QComboBox>(&sheet, "CTokuten", "pointsQsoField")->currentText(), "RST");
    EXPECT_EQ(control<QLineEdit>(&sheet, "CMulti", "logFixedText")->text(), "");
}

TEST(ContestSheetsUi, IntegerBoxesTakeNegativesAndRefuseTheRestWithFocus) {
    ContestSettings contest;
    CContset sheet(contest);
    ScriptedPrompter prompter;
    sheet.setPrompter(&prompter);
    sheet.show();
    tabs(&sheet)->setCurrentIndex(4); // 送信Ｎｏ
    QLineEdit* from = control<QLineEdit>(&sheet, "CSendno", "fromColumn1");
    from->setText("-3");
    QLineEdit* digits = control<QLineEdit>(&sheet, "CSendno", "digits2");
    digits->setText("1a");

    click(&sheet, "IDOK");
    EXPECT_EQ(prompter.asked, std::vector<std::string>{"整数を入力してください。 | Korvane"});
    EXPECT_EQ(prompter.lastIcon, Prompter::Icon::exclamation);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.focusWidget(), digits);
    EXPECT_EQ(digits->selectedText(), "1a");
    EXPECT_EQ(contest, ContestSettings{});

    // Nor can the page be left while it holds the refused value.
    tabs(&sheet)->setCurrentIndex(0);
    EXPECT_EQ(tabs(&sheet)->currentIndex(), 4);
    EXPECT_EQ(prompter.asked.size(), 2u);

    digits->setText("3");
    tabs(&sheet)->setCurrentIndex(0);
    EXPECT_EQ(tabs(&sheet)->currentIndex(), 0);
    click(&sheet, "IDOK");
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(contest.rules.sendNo[0].fromColumn, -3);
    EXPECT_EQ(contest.rules.sendNo[1].digits, 3);
    EXPECT_EQ(prompter.asked.size(), 2u);
}

TEST(ContestSheetsUi, LongTextsAreCutAtACharacterBoundary) {
    ContestSettings contest;
    CContset sheet(contest);
    sheet.show();
    QString doubles; // 300 bytes in CP932
    for (int i = 0; i < 150; ++i) {
        doubles += QStringLiteral("あ");
    }
    QLineEdit* name = control<QLineEdit>(&sheet, "CContname", "contestName");
    type(name, doubles);
    EXPECT_EQ(name->text(), doubles.left(127));

    // Pasting lines: each line break counts two bytes, and none is left half cut.
    QString lines;
    for (int i = 0; i < 70; ++i) {
        lines += QStringLiteral("あ\n");
    }
    QPlainTextEdit* opinion = control<QPlainTextEdit>(&sheet, "CIken", "opinionText");
    opinion->insertPlainText(lines);
    EXPECT_EQ(opinion->toPlainText(), lines.left(63 * 2 + 1));

    QPlainTextEdit* oath = control<QPlainTextEdit>(&sheet, "CSeiyaku", "oathText");
    oath->selectAll();
    oath->insertPlainText(doubles);
    click(&sheet, "IDOK");
    std::string expected;
    for (int i = 0; i < 127; ++i) {
        expected += cp932::lit("あ");
    }
    EXPECT_EQ(contest.contestName, expected);
    EXPECT_EQ(contest.oathText, expected);
    EXPECT_EQ(contest.opinionText.size(), 254u);

    MasterSettings master;
    CSetting masterSheet(master);
    masterSheet.show();
    type(control<QLineEdit>(&masterSheet, "CManset", "ADDR1"), QStringLiteral("x") + doubles);
    click(&masterSheet, "IDOK");
    EXPECT_EQ(master.addr1, "x" + expected);
}

TEST(ContestSheetsUi, ExecAcceptsAndEveryOpeningRereadsTheSettings) {
    MasterSettings master;
    master.name = "first";
    CSetting sheet(master);
    QString shown;
    QTimer::singleShot(0, &sheet, [&] {
        QLineEdit* name = control<QLineEdit>(&sheet, "CManset", "NAME");
        shown = name->text();
        name->setText("second");
        click(&sheet, "IDOK");
    });
    EXPECT_EQ(sheet.exec(), QDialog::Accepted);
    EXPECT_EQ(shown, "first");
    EXPECT_EQ(master.name, "second");

    master.name = "third";
    tabs(&sheet)->setCurrentIndex(3);
    int openedOn = -1;
    QTimer::singleShot(0, &sheet, [&] {
        shown = control<QLineEdit>(&sheet, "CManset", "NAME")->text();
        openedOn = tabs(&sheet)->currentIndex();
        control<QLineEdit>(&sheet, "CManset", "NAME")->setText("lost");
        click(&sheet, "IDCANCEL");
    });
    EXPECT_EQ(sheet.exec(), QDialog::Rejected);
    EXPECT_EQ(shown, "third");
    EXPECT_EQ(openedOn, 0);
    EXPECT_EQ(master.name, "third");
}
