// The count and clock pane texts: padding, weekday characters and a fixed time.
#include "frame/StatusBarText.h"

#include "common/Cp932.h"

#include <gtest/gtest.h>

namespace {
std::string utf8(const std::string& cp932Text) {
    return cp932::toUtf8(cp932Text);
}
} // namespace

TEST(StatusBarText, Count) {
    EXPECT_EQ(utf8(StatusBarText::initialCount()), "表示件数：    0件");
    struct Row {
        int rows;
        const char* text;
    } rows[] = {
        {0, "表示件数：   0件"}, // one blank fewer than before any count
        {7, "表示件数：   7件"},        {308, "表示件数： 308件"}, {9999, "表示件数：9999件"},
        {500000, "表示件数：500000件"}, // wider than the field: nothing is cut
    };
    for (const auto& r : rows) {
        EXPECT_EQ(utf8(StatusBarText::count(r.rows)), r.text) << r.rows;
    }
}

TEST(StatusBarText, ClockForFixedTimes) {
    EXPECT_EQ(StatusBarText::initialClock(), std::string(31, ' '));
    struct Row {
        int year, month, day, wday, hour, minute, second;
        const char* text;
    } rows[] = {
        {2026, 6, 14, 0, 9, 5, 3, "2026/06/14(日) 09:05:03"},
        {2026, 6, 15, 1, 21, 0, 0, "2026/06/15(月) 21:00:00"},
        {1999, 12, 31, 5, 23, 59, 59, "1999/12/31(金) 23:59:59"},
        {2000, 1, 1, 6, 0, 0, 0, "2000/01/01(土) 00:00:00"},
        {2024, 2, 27, 2, 12, 30, 45, "2024/02/27(火) 12:30:45"},
        {2024, 2, 28, 3, 1, 2, 3, "2024/02/28(水) 01:02:03"},
        {2024, 2, 29, 4, 1, 2, 60, "2024/02/29(木) 01:02:60"}, // a leap second shows as given
    };
    for (const auto& r : rows) {
        std::tm t{};
        t.tm_year = r.year - 1900;
        t.tm_mon = r.month - 1;
        t.tm_mday = r.day;
        t.tm_wday = r.wday;
        t.tm_hour = r.hour;
        t.tm_min = r.minute;
        t.tm_sec = r.second;
        EXPECT_EQ(utf8(StatusBarText::clock(t)), r.text);
    }
    // The clock text fits the pane's 31 columns (weekday counts two).
    std::tm t{};
    t.tm_year = 2026 - 1900;
    EXPECT_LE(StatusBarText::clock(t).size(), 31u);
}

TEST(StatusBarText, RetrievalSummaryNamesWhatWasLeftOutOrCut) {
    struct Row {
        CKorvaneDoc::Skipped skipped;
        int cut;
        const char* text;
    } rows[] = {
        {{}, 0, ""},
        {{}, -1, ""}, // a library that does not count cut fields is no news on every search
        {{2, 0, 0, 0, 1}, -1, "読んだ10件中3件を除外（JST以外 2件、同一バンド重複 1件）"},
        {{0, 1, 1, 1, 0},
         4,
         "読んだ10件中3件を除外（期間外 1件、バンド外 1件、モード外 1件）、欄の切り詰め 4件"},
        {{}, 1, "欄の切り詰め 1件"},
    };
    for (const auto& r : rows) {
        CKorvaneDoc doc;
        doc.recordsRead = 10;
        doc.skipped = r.skipped;
        doc.cutRecords = r.cut;
        EXPECT_EQ(utf8(StatusBarText::retrievalSummary(doc)), r.text);
    }
}
