// The composition pages' models: control names, defaults, copy in and out, and refused integers.
#include "exchange/CompositionPageModel.h"

#include "common/Cp932.h"
#include "tests/contest/exchange/RuleSamples.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> pageNames(const std::vector<FormModel>& pages) {
    std::vector<std::string> names;
    for (const FormModel& p : pages) {
        names.push_back(p.pageName() + " " + cp932::toUtf8(p.caption()));
    }
    return names;
}

} // namespace

TEST(CompositionPageModel, PagesInTabOrderWithTheirControls) {
    const std::vector<FormModel> pages = CompositionPageModel::fromRules(ExchangeRules{});
    EXPECT_EQ(
        pageNames(pages),
        (std::vector<std::string>{"CSendno 送信Ｎｏ", "CRecno 受信Ｎｏ", "CMulti マルチプライヤー",
                                  "CTokuten 点数", "CLogop 運用者", "CLogrmk 備考"}));
    struct Row {
        const char* page;
        const char* field;
        bool present;
    } rows[] = {
        {"CSendno", "digits2", true},         {"CSendno", "digits3", true},
        {"CSendno", "digits1", false},        {"CRecno", "digits3", true},
        {"CLogop", "digits2", false},         {"CLogrmk", "digits3", false},
        {"CLogrmk", "toColumn3", true},       {"CMulti", "logQsoField", true},
        {"CTokuten", "pointsToColumn", true}, {"CTokuten", "coefQsoField", false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FormModel::page(pages, r.page).has(r.field), r.present) << r.page << r.field;
    }
    const FormModel& send = FormModel::page(pages, "CSendno");
    std::vector<std::string> order;
    for (const FormModel::Field& f : send.fields()) {
        order.push_back(f.name);
    }
    // The check reports the first refused box in this order, the order of the page.
    EXPECT_EQ(order, (std::vector<std::string>{"choice1", "fixedText1", "qsoField1", "fromColumn1",
                                               "toColumn1", "choice2", "fixedText2", "digits2",
                                               "qsoField2", "fromColumn2", "toColumn2", "choice3",
                                               "fixedText3", "digits3", "qsoField3", "fromColumn3",
                                               "toColumn3"}));
}

TEST(CompositionPageModel, CopiesEveryFieldInAndOut) {
    const ExchangeRules rules = rule_samples::distinct();
    std::vector<FormModel> pages = CompositionPageModel::fromRules(rules);
    ExchangeRules back;
    CompositionPageModel::toRules(pages, back);
    EXPECT_EQ(back, rules);

    // Fields of alternatives the radio buttons do not choose are kept as well.
    const FormModel& send = FormModel::page(pages, "CSendno");
    EXPECT_EQ(send.index("choice1"), 1);
    EXPECT_EQ(send.text("fixedText1"), rules.sendNo[0].fixedText);
}

TEST(CompositionPageModel, ChoicesOutsideTheirGroupsShowNoneAndStoreMinusOne) {
    ExchangeRules rules;
    rules.sendNo[0].choice = 2; // the first component offers two buttons
    rules.recvNo[1].choice = 4; // the others four
    rules.logMulti.choice = -1;
    rules.summaryCoef.choice = 2; // two buttons
    rules.logPoints.qsoField = 14;
    rules.logRemarks[2].qsoField = -5;
    rules.logOperator[1].choice = 3; // within range stays
    std::vector<FormModel> pages = CompositionPageModel::fromRules(rules);
    EXPECT_EQ(FormModel::page(pages, "CSendno").index("choice1"), -1);
    EXPECT_EQ(FormModel::page(pages, "CTokuten").index("pointsQsoField"), -1);

    ExchangeRules back;
    CompositionPageModel::toRules(pages, back);
    EXPECT_EQ(back.sendNo[0].choice, -1);
    EXPECT_EQ(back.recvNo[1].choice, -1);
    EXPECT_EQ(back.logMulti.choice, -1);
    EXPECT_EQ(back.summaryCoef.choice, -1);
    EXPECT_EQ(back.logPoints.qsoField, -1);
    EXPECT_EQ(back.logRemarks[2].qsoField, -1);
    EXPECT_EQ(back.logOperator[1].choice, 3);
}

TEST(CompositionPageModel, IntegerBoxesTakeSignedDecimalsAndRefuseTheRest) {
    using Get = int (*)(const ExchangeRules&);
    struct Row {
        const char* page;
        const char* field;
        const char* typed; // UTF-8
        bool ok;
        int stored;
        Get get;
    } rows[] = {
        {"CSendno", "fromColumn1", "-3", true, -3,
         [](const ExchangeRules& r) { return r.sendNo[0].fromColumn; }},
        {"CSendno", "digits2", "1a", false, 0, nullptr},
        {"CRecno", "digits3", " 7 ", true, 7,
         [](const ExchangeRules& r) { return r.recvNo[2].digits; }},
        {"CMulti", "summaryToColumn", "", false, 0, nullptr},
        {"CTokuten", "coefValue", "+2", true, 2,
         [](const ExchangeRules& r) { return r.summaryCoef.value; }},
        {"CTokuten", "pointsFixedValue", "2147483648", false, 0, nullptr},
        {"CTokuten", "pointsFixedValue", "-2147483648", true, -2147483647 - 1,
         [](const ExchangeRules& r) { return r.logPoints.fixedValue; }},
        {"CLogop", "toColumn2", "0", true, 0,
         [](const ExchangeRules& r) { return r.logOperator[1].toColumn; }},
        {"CLogrmk", "toColumn3", "３", false, 0, nullptr},
    };
    for (const Row& r : rows) {
        std::vector<FormModel> pages = CompositionPageModel::fromRules(rule_samples::distinct());
        FormModel* page = nullptr;
        for (FormModel& p : pages) {
            if (p.pageName() == r.page) {
                page = &p;
            }
        }
        ASSERT_NE(page, nullptr);
        page->setText(r.field, cp932::fromUtf8(r.typed));
        const FormModel::Check check = page->check();
        EXPECT_EQ(check.ok, r.ok) << r.field << " " << r.typed;
        if (!r.ok) {
            EXPECT_EQ(check.message, cp932::lit("整数を入力してください。"));
            EXPECT_EQ(check.field, r.field);
            EXPECT_EQ(check.caption, "Korvane");
            EXPECT_EQ(check.icon, Prompter::Icon::exclamation);
            continue;
        }
        ExchangeRules back;
        CompositionPageModel::toRules(pages, back);
        EXPECT_EQ(r.get(back), r.stored) << r.field;
    }
}
