// The log sheet: header, table rules, QSO lines, dates and page totals.
#include "print/LogSheet.h"

#include "tests/contest/print/SheetTestSupport.h"

#include <gtest/gtest.h>

using namespace sheet_test;

namespace {

constexpr int kBand144 = 10;

const Font kTitle = gothic(35, 900);
const Font kLabel = mincho(26, 400);
const Font kLine = mincho(39, 900);

} // namespace

TEST(LogSheet, HeaderTextsInOrder) {
    CKorvaneDoc doc = contestDoc();
    doc.contest.contestName = "ALL JA1";
    addRows(doc, kBand144, 51);
    struct Row {
        int x, y;
        Font font;
        const char* text;
    };
    const Row rows[] = {
        {150, 90, kTitle, "ＬＯＧＳＨＥＥＴ（ログシート）"},
        {890, 90, kLabel, "Year（年）"},
        {1130, 90, kLabel, "2026"},
        {1300, 90, kLabel, ","},
        {1370, 90, SheetCanvas::fittedFont(7, 320), "ALL JA1"},
        {150, 155, kLabel, "Callsign（コールサイン）"},
        {470, 155, kLabel, "JA1ZZZ"},
        {860, 155, kLabel, ", Band（バンド）"},
        {1100, 155, kLabel, " 144"},
        {1330, 155, kLabel, "MHz,"},
        {1470, 155, kLabel, "Sheet No.（シートナンバー）"},
        {1860, 155, kLabel, "1/2"},
        {160, 210, kLabel, "Date  Time"},
        {160, 265, kLabel, "月日　時分　JST"},
        {530, 210, kLabel, "Station Wkd."},
        {550, 265, kLabel, "交　信　局"},
        {920, 210, kLabel, "Exchange（コンテストナンバー）"},
        {860, 265, kLabel, "Sent（送信）"},
        {1170, 265, kLabel, "Received（受信）"},
        {1510, 210, kLabel, "Mult."},
        {1500, 265, kLabel, "マルチ"},
        {1670, 210, kLabel, "Pts"},
        {1660, 265, kLabel, "得点"},
        {1800, 210, kLabel, "Op."},
        {1770, 265, kLabel, "運用者"},
        {1945, 210, kLabel, "Rmks"},
        {1950, 265, kLabel, "備考"},
        {90, 780, kLabel, "10"},
        {90, 1280, kLabel, "20"},
        {90, 1780, kLabel, "30"},
        {90, 2280, kLabel, "40"},
        {90, 2780, kLabel, "50"},
        {260, 2830, kLabel, "Totals（合計）"},
        {1260, 2830, kLabel, "Totals（合計）"},
    };
    const std::vector<Op> drawn = texts(record(doc, 2));
    ASSERT_GT(drawn.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].text);
        EXPECT_EQ(drawn[i].x1, rows[i].x);
        EXPECT_EQ(drawn[i].y1, rows[i].y);
        EXPECT_EQ(drawn[i].font, rows[i].font);
        EXPECT_EQ(cp932::toUtf8(drawn[i].text), rows[i].text);
    }
    EXPECT_EQ(textAt(record(doc, 3), 1860, 155), "2/2");
}

TEST(LogSheet, TableRules) {
    CKorvaneDoc doc = contestDoc();
    addRows(doc, kBand144, 1);
    const RecordingCanvas::Page page = record(doc, 2);
    struct Row {
        Pen pen;
        int x1, y1, x2, y2;
    };
    const Row rows[] = {
        {Pen::Thin, 1050, 130, 1298, 130},    {Pen::Thin, 1370, 130, 1688, 130},
        {Pen::Thin, 465, 182, 855, 182},      {Pen::Thin, 1085, 182, 1325, 182},
        {Pen::Thin, 1845, 182, 2040, 182},    {Pen::Thin, 150, 210, 2060, 210},
        {Pen::Thin, 2060, 210, 2060, 2805},   {Pen::Thin, 2060, 2805, 150, 2805},
        {Pen::Thin, 150, 2805, 150, 210},     {Pen::Dotted, 150, 252, 2060, 252},
        {Pen::Thin, 150, 305, 2060, 305},     {Pen::Dotted, 150, 355, 2060, 355},
        {Pen::Dotted, 150, 755, 2060, 755},   {Pen::Thin, 150, 805, 2060, 805},
        {Pen::Dotted, 150, 855, 2060, 855},   {Pen::Thin, 150, 1805, 2060, 1805},
        {Pen::Dotted, 150, 2755, 2060, 2755}, {Pen::Thin, 455, 2873, 792, 2873},
        {Pen::Thin, 1455, 2873, 1740, 2873},  {Pen::Thin, 455, 210, 455, 2873},
        {Pen::Thin, 792, 210, 792, 2873},     {Pen::Thin, 1120, 252, 1120, 2805},
        {Pen::Thin, 1455, 210, 1455, 2873},   {Pen::Thin, 1650, 210, 1650, 2873},
        {Pen::Thin, 1740, 210, 1740, 2873},   {Pen::Thin, 1915, 210, 1915, 2805},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(countLines(page, row.pen, row.x1, row.y1, row.x2, row.y2), 1)
            << row.x1 << "," << row.y1 << " - " << row.x2 << "," << row.y2;
    }
    // 50 row separators, thin at every tenth; the bottom one is also the frame's side.
    int thin = 0, dotted = 0;
    for (const Op& op : lines(page)) {
        const bool separator = op.x1 == 150 && op.x2 == 2060 && op.y1 == op.y2 && op.y1 > 305 &&
                               (op.y1 - 305) % 50 == 0;
        thin += separator && op.pen == Pen::Thin;
        dotted += separator && op.pen == Pen::Dotted;
    }
    EXPECT_EQ(dotted, 45);
    EXPECT_EQ(thin, 5);
    EXPECT_EQ(lines(page).size(), 70u);
}

TEST(LogSheet, QsoLineColumns) {
    CKorvaneDoc doc = contestDoc();
    LogRow row{"06/13", "21:05", "JA1AAA/1", "599100110101234", "59913",
               "13",    "2",     "JA1YYY",   cp932::lit("移動")};
    doc.results.appendRow(kBand144, row);
    doc.results.appendRow(kBand144, row);
    const RecordingCanvas::Page page = record(doc, 2);
    struct Row {
        int x;
        Font font;
        std::string text;
    };
    const Row rows[] = {
        {160, kLine, "06/13"},
        {315, kLine, "21:05"},
        {500, kLine, "JA1AAA/1"},
        {810, Font{SheetCanvas::minchoFace(), 38, 19, 900}, "599100110101234"}, // 15 bytes
        {1130, SheetCanvas::fittedFont(5, 290), "59913"},
        {1470, kLine, "13"},
        {1660, SheetCanvas::fittedFont(1, 70), "2"},
        {1750, SheetCanvas::fittedFont(6, 160), "JA1YYY"},
        {1925, SheetCanvas::fittedFont(4, 120), "移動"},
    };
    for (const Row& expected : rows) {
        SCOPED_TRACE(expected.text);
        const std::vector<Op> first = textsAt(page, expected.x, 310);
        ASSERT_EQ(first.size(), 1u);
        EXPECT_EQ(first[0].font, expected.font);
        EXPECT_EQ(cp932::toUtf8(first[0].text), expected.text);
        // The second line repeats every column but the date, one row lower.
        EXPECT_EQ(textsAt(page, expected.x, 360).size(), expected.x == 160 ? 0u : 1u);
    }
}

TEST(LogSheet, DateShownOncePerDayAndAgainOnTheNextPage) {
    CKorvaneDoc doc = contestDoc();
    addRows(doc, kBand144, 60, 20); // rows 20.. fall on 06/14
    auto dates = [](const RecordingCanvas::Page& page) {
        std::vector<std::pair<int, std::string>> found;
        for (const Op& op : texts(page)) {
            if (op.x1 == 160 && op.y1 >= 310 && op.y1 < 2805) {
                found.emplace_back(op.y1, op.text);
            }
        }
        return found;
    };
    EXPECT_EQ(dates(record(doc, 2)),
              (std::vector<std::pair<int, std::string>>{{310, "06/13"}, {1310, "06/14"}}));
    EXPECT_EQ(dates(record(doc, 3)), (std::vector<std::pair<int, std::string>>{{310, "06/14"}}));
}

TEST(LogSheet, PageTotals) {
    ExchangeRules fromData = contestRules();
    fromData.logPoints = {.choice = 2, .fixedValue = 3, .qsoField = 12};
    ExchangeRules otherFields = contestRules();
    otherFields.summaryMulti.qsoField = 9;
    ExchangeRules twoPoints = contestRules();
    twoPoints.logPoints.fixedValue = 2;
    struct Row {
        const char* what;
        ExchangeRules rules;
        int rows;
        int multiplierEvery;
        std::size_t page;
        int lastRowTop;
        const char* qsos;
        const char* multipliers;
        const char* points;
    };
    const Row rows[] = {
        {"37 QSOs on a 50-row table", twoPoints, 37, 5, 2, 2110, "37", "8", "74"},
        {"no multipliers on the page", contestRules(), 37, 0, 2, 2110, "37", "<none>", "37"},
        {"points from QSO data are not added up", fromData, 37, 5, 2, 2110, "37", "8", "<none>"},
        {"multipliers of other fields are not counted", otherFields, 37, 5, 2, 2110, "37", "<none>",
         "37"},
        {"a full page", contestRules(), 51, 1, 2, 2760, "50", "50", "50"},
        {"the second sheet of 51 rows counts its own row", contestRules(), 51, 1, 3, 310, "1", "1",
         "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CKorvaneDoc doc = contestDoc();
        doc.contest.rules = row.rules;
        addRows(doc, kBand144, row.rows, -1, row.multiplierEvery);
        const RecordingCanvas::Page page = record(doc, row.page);
        int lastTop = 0, lines = 0;
        for (const Op& op : texts(page)) {
            if (op.x1 == 315) {
                ++lines;
                lastTop = op.y1;
            }
        }
        EXPECT_EQ(lastTop, row.lastRowTop);
        EXPECT_EQ(lines, (row.lastRowTop - 310) / 50 + 1);
        EXPECT_EQ(textAt(page, 470, 2830), row.qsos);
        EXPECT_EQ(textAt(page, 1470, 2830), row.multipliers);
        EXPECT_EQ(textAt(page, 1660, 2830), row.points);
        for (const Op& total : textsAt(page, 470, 2830)) {
            EXPECT_EQ(total.font, kLine);
        }
    }
}

TEST(LogSheet, ContestNameWithoutItsEnding) {
    struct Row {
        const char* name;
        const char* drawn;
    };
    const Row rows[] = {
        {"オールＪＡ１コンテスト", "オールＪＡ１"},
        {"ALL JA1 ｺﾝﾃｽﾄ", "ALL JA1 "},
        {"コンテスト", "コンテスト"},
        {"ALL JA1", "ALL JA1"},
    };
    for (const Row& row : rows) {
        CKorvaneDoc doc = contestDoc();
        doc.contest.contestName = cp932::lit(row.name);
        addRows(doc, kBand144, 1);
        const std::vector<Op> drawn = textsAt(record(doc, 2), 1370, 90);
        ASSERT_EQ(drawn.size(), 1u) << row.name;
        EXPECT_EQ(cp932::toUtf8(drawn[0].text), row.drawn);
        EXPECT_EQ(drawn[0].font, SheetCanvas::fittedFont(drawn[0].text.size(), 320));
    }
}
