// The contest sheet's model: page order, the entry texts, and what the sheet never touches.
#include "document/ContestSheetModel.h"

#include "common/Cp932.h"
#include "tests/contest/exchange/RuleSamples.h"

#include <gtest/gtest.h>

TEST(ContestSheetModel, TenPagesInTabOrder) {
    std::vector<std::string> names;
    for (const FormModel& page : ContestSheetModel::fromSettings(ContestSettings{})) {
        names.push_back(page.pageName() + " " + cp932::toUtf8(page.caption()));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"CContname コンテスト名称", "CBumon 部門",
                                               "CIken 意見", "CSeiyaku 誓約", "CSendno 送信Ｎｏ",
                                               "CRecno 受信Ｎｏ", "CMulti マルチプライヤー",
                                               "CTokuten 点数", "CLogop 運用者", "CLogrmk 備考"}));
    EXPECT_EQ(cp932::toUtf8(ContestSheetModel::title()), "コンテスト設定");
}

TEST(ContestSheetModel, CopiesTextsAndRulesAndLeavesTheRest) {
    ContestSettings settings;
    settings.contestName = cp932::lit("ＡＬＬ ＪＡ コンテスト");
    settings.categoryCode = "XMA";
    settings.categoryName = cp932::lit("電信電話部門");
    settings.opinionText = cp932::lit("一行目\r\n二行目\r\n");
    settings.oathText = cp932::lit("誓います。");
    settings.rules = rule_samples::distinct();

    std::vector<FormModel> pages = ContestSheetModel::fromSettings(settings);
    ContestSettings other;
    other.selectBands = 1;
    other.bandEnabled[3] = 1;
    other.startYear = 2026;
    other.excludeSameBandDupes = 0;
    other.senderText = cp932::lit("差出人");
    const ContestSettings before = other;
    ContestSheetModel::toSettings(pages, other);

    ContestSettings expected = settings;
    for (int ContestSettings::*member : {&ContestSettings::selectBands, &ContestSettings::startYear,
                                         &ContestSettings::excludeSameBandDupes}) {
        expected.*member = before.*member;
    }
    expected.bandEnabled = before.bandEnabled;
    expected.senderText = before.senderText;
    EXPECT_EQ(other, expected);
}
