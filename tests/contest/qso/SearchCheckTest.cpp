// The search dialog's checks on accept: integers, ranges, and the band and mode selections.
#include "qso/SearchCheck.h"

#include "common/Cp932.h"

#include <gtest/gtest.h>

TEST(SearchCheck, PeriodFields) {
    const std::string notInteger = cp932::lit("整数を入力してください。");
    auto range = [](const char* from, const char* to) {
        return std::string(from) + cp932::lit(" から ") + to + cp932::lit(" までの整数を入力してください。");
    };
    struct Row {
        int field;
        const char* text;
        std::string message; // empty when the form passes
    } rows[] = {
        {0, "0", ""},        {0, "9999", ""},          {0, "10000", range("0", "9999")},
        {1, "0", range("1", "12")},                    {1, " 12 ", ""},
        {2, "32", range("1", "31")},                   {3, "24", ""},
        {3, "-1", range("0", "24")},                   {4, "60", ""},
        {4, "61", range("0", "60")},                   {5, "", notInteger},
        {6, "1x", notInteger},                         {7, "+5", ""},
        {8, "abc", notInteger},                        {9, "99999999999999999999", notInteger},
        {9, cp932::lit("５").c_str(), notInteger},
    };
    for (const auto& r : rows) {
        SearchCheck::Form form = SearchCheck::fromSettings(ContestSettings{});
        form.period[static_cast<std::size_t>(r.field)] = r.text;
        SearchCheck::Result result = SearchCheck::check(form);
        EXPECT_EQ(result.ok, r.message.empty()) << r.field << " " << r.text;
        EXPECT_EQ(result.message, r.message) << r.field << " " << r.text;
        if (!result.ok) {
            EXPECT_EQ(result.focus, SearchCheck::Focus::periodField);
            EXPECT_EQ(result.field, r.field);
            EXPECT_EQ(result.icon, Prompter::Icon::exclamation);
        }
    }
}

TEST(SearchCheck, BandsAndModesNeedATick) {
    SearchCheck::Form form = SearchCheck::fromSettings(ContestSettings{});
    form.period[0] = "x";  // the period is checked first
    form.selectBands = 1;
    EXPECT_EQ(SearchCheck::check(form).focus, SearchCheck::Focus::periodField);

    form.period[0] = "2026";
    SearchCheck::Result r = SearchCheck::check(form);
    EXPECT_EQ(r.message, cp932::lit("周波数を指定して下さい"));
    EXPECT_EQ(r.caption, "Error");
    EXPECT_EQ(r.icon, Prompter::Icon::stop);

    form.bandEnabled[15] = 1;
    form.selectModes = 1;
    r = SearchCheck::check(form);
    EXPECT_EQ(r.message, cp932::lit("モードを指定して下さい"));
    EXPECT_EQ(r.focus, SearchCheck::Focus::modeBoxes);

    form.modeEnabled[6] = 1;
    ASSERT_TRUE(SearchCheck::check(form).ok);
    ContestSettings s;
    SearchCheck::toSettings(form, s);
    EXPECT_EQ(s.startYear, 2026);
    EXPECT_EQ(s.bandEnabled[15], 1);
    EXPECT_EQ(s.modeEnabled[6], 1);
    EXPECT_EQ(s.endYear, 9999);
}
