// The search command's messages: checks on accept, and the retrieval's failure.
#include "qso/SearchCommand.h"

#include "common/Cp932.h"
#include "common/ScriptedPrompter.h"
#include "tests/contest/qso/FakeQsoSource.h"

#include <gtest/gtest.h>

TEST(SearchCommand, ConfirmAsksOnlyWhenACheckFails) {
    struct Row {
        void (*edit)(SearchCheck::Form&);
        const char* message; // UTF-8; null when the form passes
        const char* caption;
        Prompter::Icon icon;
    } rows[] = {
        {[](SearchCheck::Form&) {}, nullptr, "", Prompter::Icon::none},
        {[](SearchCheck::Form& f) { f.period[1] = "13"; },
         "1 から 12 までの整数を入力してください。", "Korvane", Prompter::Icon::exclamation},
        {[](SearchCheck::Form& f) { f.period[9] = "5x"; }, "整数を入力してください。", "Korvane",
         Prompter::Icon::exclamation},
        {[](SearchCheck::Form& f) { f.selectBands = 1; }, "周波数を指定して下さい", "Error",
         Prompter::Icon::stop},
        {[](SearchCheck::Form& f) { f.selectModes = 1; }, "モードを指定して下さい", "Error",
         Prompter::Icon::stop},
        // A radio group with nothing chosen selects nothing, so it needs no ticked box.
        {[](SearchCheck::Form& f) { f.selectBands = -1; }, nullptr, "", Prompter::Icon::none},
    };
    for (const auto& r : rows) {
        SearchCheck::Form form = SearchCheck::fromSettings(ContestSettings{});
        r.edit(form);
        ScriptedPrompter prompter;
        const SearchCheck::Result result = SearchCommand::confirm(form, prompter);
        EXPECT_EQ(result.ok, r.message == nullptr);
        if (!r.message) {
            EXPECT_TRUE(prompter.asked.empty());
            continue;
        }
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(cp932::toUtf8(prompter.asked[0].text), r.message);
        EXPECT_EQ(prompter.asked[0].caption, r.caption);
        EXPECT_EQ(prompter.asked[0].icon, r.icon);
    }
}

TEST(SearchCommand, RunStoresTheConditionsAndReportsAFailedOpen) {
    CKorvaneDoc doc;
    doc.master.thDir = "log";
    FakeQsoSource db(std::vector<FakeQso>{{"JA1AAA", "260613", "2100J", "7.025", "CW"},
                                          {"JA2BBB", "260613", "2101J", "14.025", "SSB"}});
    SearchCheck::Form form = SearchCheck::fromSettings(doc.contest);
    form.selectModes = 1;
    form.modeEnabled[0] = 1;

    ScriptedPrompter prompter;
    ASSERT_TRUE(SearchCommand::run(form, doc, &db, prompter));
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(doc.contest.selectModes, 1);
    ASSERT_EQ(doc.qsoList.size(), 1u);

    const std::string cannotOpen = "HAMLOGのデータを開けません";
    // Opening fails: the new conditions are kept, the list of the last search stays.
    db.openFails = true;
    form.modeEnabled[2] = 1;
    EXPECT_FALSE(SearchCommand::run(form, doc, &db, prompter));
    EXPECT_EQ(doc.contest.modeEnabled[2], 1);
    EXPECT_EQ(doc.qsoList.size(), 1u);
    // No bound library at all, and no database path: the same message.
    db.openFails = false;
    EXPECT_FALSE(SearchCommand::run(form, doc, nullptr, prompter));
    doc.master.thDir.clear();
    EXPECT_FALSE(SearchCommand::run(form, doc, &db, prompter));
    EXPECT_EQ(doc.qsoList.size(), 1u);

    ASSERT_EQ(prompter.asked.size(), 3u);
    for (const auto& q : prompter.asked) {
        EXPECT_EQ(cp932::toUtf8(q.text), cannotOpen);
        EXPECT_EQ(q.caption, "Error");
        EXPECT_EQ(q.icon, Prompter::Icon::exclamation);
    }
}
