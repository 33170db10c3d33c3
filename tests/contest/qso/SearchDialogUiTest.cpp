// The search dialog: filling, the radio switch of the boxes, and messages that keep it open.
#include "common/ScriptedPrompter.h"
#include "qso/CSearchDialog.h"
#include "tests/contest/qso/UiTestSupport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ui_test;

namespace {

struct SearchDialogTest : ::testing::Test {
    ScriptedPrompter prompter;
    ContestSettings settings;

    std::unique_ptr<CSearchDialog> open() {
        auto dialog =
            std::make_unique<CSearchDialog>(SearchCheck::fromSettings(settings), prompter);
        dialog->show();
        return dialog;
    }
};

} // namespace

TEST_F(SearchDialogTest, ShowsTheConditionsAndReadsThemBack) {
    settings.startYear = 2026;
    settings.endMinute = 60;
    settings.selectBands = 2; // a value of neither radio: none chosen
    settings.bandEnabled[1] = 1;
    settings.selectModes = 1;
    settings.modeEnabled[6] = 1;
    settings.excludeSameBandDupes = 0;
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ﾃﾞｰﾀの検索"));
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "startYear")->text(), QStringLiteral("2026"));
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "endMinute")->text(), QStringLiteral("60"));
    EXPECT_FALSE(child<QRadioButton>(dialog.get(), "selectBands0")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(dialog.get(), "selectBands1")->isChecked());
    EXPECT_EQ(child<QCheckBox>(dialog.get(), "band1")->text(), QStringLiteral("3.8MHz"));
    EXPECT_TRUE(child<QCheckBox>(dialog.get(), "band1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog.get(), "selectModes1")->isChecked());
    EXPECT_EQ(child<QCheckBox>(dialog.get(), "mode6")->text(), QStringLiteral("その他"));

    const SearchCheck::Form form = dialog->form();
    EXPECT_EQ(form.period[0], "2026");
    EXPECT_EQ(form.selectBands, -1);
    EXPECT_EQ(form.bandEnabled[1], 1);
    EXPECT_EQ(form.modeEnabled[6], 1);
    EXPECT_EQ(form.excludeSameBandDupes, 0);

    // Groups and captions as the user reads them.
    QStringList groups;
    for (auto* g : dialog->findChildren<QGroupBox*>()) {
        groups << g->title();
    }
    EXPECT_EQ(groups,
              (QStringList{QStringLiteral("ＱＳＯ期間の選択"), QStringLiteral("周波数の選択"),
                           QStringLiteral("モードの選択")}));
    EXPECT_EQ(child<QCheckBox>(dialog.get(), "excludeSameBandDupes")->text(),
              QStringLiteral("同一バンドの重複交信は除く"));
}

TEST_F(SearchDialogTest, ModeBoxesStandInTwoColumns) {
    auto dialog = open();
    auto x = [&](int mode) {
        QWidget* box = child(dialog.get(), ("mode" + std::to_string(mode)).c_str());
        return box->mapTo(dialog.get(), QPoint(0, 0));
    };
    // Left: CW, SSB, FM, その他 downwards; right: AM, RTTY, SSTV.
    const int left[] = {0, 2, 3, 6};
    const int right[] = {1, 5, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(x(left[i]).x(), x(0).x());
        if (i > 0) {
            EXPECT_GT(x(left[i]).y(), x(left[i - 1]).y());
        }
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(x(right[i]).x(), x(0).x());
        EXPECT_EQ(x(right[i]).y(), x(left[i]).y());
    }
}

TEST_F(SearchDialogTest, ClickingABoxChoosesToSelect) {
    auto dialog = open();
    ASSERT_TRUE(child<QRadioButton>(dialog.get(), "selectBands0")->isChecked());
    QTest::mouseClick(child(dialog.get(), "band9"), Qt::LeftButton);
    EXPECT_TRUE(child<QRadioButton>(dialog.get(), "selectBands1")->isChecked());
    // Unticking a box also counts as a click on it.
    child<QRadioButton>(dialog.get(), "selectBands0")->setChecked(true);
    QTest::mouseClick(child(dialog.get(), "band9"), Qt::LeftButton);
    EXPECT_TRUE(child<QRadioButton>(dialog.get(), "selectBands1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog.get(), "band9")->isChecked());

    ASSERT_TRUE(child<QRadioButton>(dialog.get(), "selectModes0")->isChecked());
    QTest::mouseClick(child(dialog.get(), "mode4"), Qt::LeftButton);
    EXPECT_TRUE(child<QRadioButton>(dialog.get(), "selectModes1")->isChecked());
    EXPECT_EQ(dialog->form().modeEnabled[4], 1);
}

TEST_F(SearchDialogTest, FailedChecksKeepTheDialogOpenWithTheFocusOnTheField) {
    struct Row {
        std::function<void(CSearchDialog&)> edit;
        const char* message;
        Prompter::Icon icon;
        const char* focus;
    } rows[] = {
        {[](CSearchDialog& d) { child<QLineEdit>(&d, "startMonth")->setText("13"); },
         "1 から 12 までの整数を入力してください。", Prompter::Icon::exclamation, "startMonth"},
        {[](CSearchDialog& d) { child<QLineEdit>(&d, "endHour")->setText("2a"); },
         "整数を入力してください。", Prompter::Icon::exclamation, "endHour"},
        {[](CSearchDialog& d) { child<QRadioButton>(&d, "selectBands1")->setChecked(true); },
         "周波数を指定して下さい", Prompter::Icon::stop, "band0"},
        {[](CSearchDialog& d) { child<QRadioButton>(&d, "selectModes1")->setChecked(true); },
         "モードを指定して下さい", Prompter::Icon::stop, "mode0"},
    };
    for (const auto& r : rows) {
        prompter.asked.clear();
        auto dialog = open();
        r.edit(*dialog);
        QTest::mouseClick(child(dialog.get(), "btnStart"), Qt::LeftButton);
        ASSERT_EQ(prompter.asked.size(), 1u) << r.message;
        EXPECT_EQ(cp932::toUtf8(prompter.asked[0].text), r.message);
        EXPECT_EQ(prompter.asked[0].icon, r.icon);
        EXPECT_TRUE(dialog->isVisible()) << r.message;
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        ASSERT_NE(dialog->focusWidget(), nullptr);
        EXPECT_EQ(dialog->focusWidget()->objectName(), QLatin1String(r.focus));
    }

    // Values as entered stay in the dialog, and a corrected one is accepted.
    prompter.asked.clear();
    auto dialog = open();
    child<QLineEdit>(dialog.get(), "startDay")->setText("0");
    QTest::mouseClick(child(dialog.get(), "btnStart"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "startDay")->text(), QStringLiteral("0"));
    child<QLineEdit>(dialog.get(), "startDay")->setText("31");
    QTest::mouseClick(child(dialog.get(), "btnStart"), Qt::LeftButton);
    EXPECT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SearchDialogTest, EndClosesWithoutChecks) {
    auto dialog = open();
    child<QLineEdit>(dialog.get(), "startYear")->setText("x");
    QTest::mouseClick(child(dialog.get(), "btnEnd"), Qt::LeftButton);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
}
