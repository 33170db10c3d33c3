// The summary sheet: texts and their fonts, the check mark, figures and totals, wrapping, rules.
#include "print/SummarySheet.h"

#include "tests/contest/print/SheetTestSupport.h"

#include <gtest/gtest.h>

using namespace sheet_test;

namespace {

constexpr int kBand7 = 2;
constexpr int kBand18 = 5;
constexpr int kBand144 = 10;

const Font kSmall = mincho(25, 400);
const Font kLabel = mincho(33, 400);
const Font kValue = mincho(33, 900);

CKorvaneDoc stationDoc() {
    CKorvaneDoc doc = contestDoc();
    MasterSettings& m = doc.master;
    m.callSign2 = "JA1YYY";
    m.postId = "100-0000";
    m.addr1 = cp932::lit("東京都千代田区");
    m.power = "50";
    m.moveP = cp932::lit("商用電源");
    m.setubi = {"RIG-1", "ANT-2", "ANT-3", "ANT-4"};
    doc.contest.contestName = cp932::lit("オールＪＡ１コンテスト");
    doc.contest.categoryCode = "XMA";
    return doc;
}

// The figures drawn in the value font at the columns of the band table and the score.
std::vector<std::pair<int, int>> figurePositions(const RecordingCanvas::Page& page) {
    std::vector<std::pair<int, int>> found;
    for (const Op& op : texts(page)) {
        const bool column =
            op.x1 == 450 || op.x1 == 700 || op.x1 == 960 || op.x1 == 1270 || op.x1 == 1420;
        if (column && op.y1 >= 375 && op.y1 <= 1210 && op.font == kValue) {
            found.emplace_back(op.x1, op.y1);
        }
    }
    return found;
}

} // namespace

TEST(SummarySheet, TextsAtTheirPositions) {
    const CKorvaneDoc doc = stationDoc();
    struct Row {
        int x, y;
        Font font;
        const char* text;
    };
    const std::string name = cp932::lit("オールＪＡ１コンテスト");
    const Row rows[] = {
        {350, 180, gothic(42, 900), "ＪＡＲＬ主催コンテスト用サマリーシート"},
        {1648, 130, kSmall, "整理Ｎｏ．"},
        {750, 310, kLabel, "得  点"},
        {965, 310, kLabel, "ﾏﾙﾁﾌﾟﾗｲﾔｰ"},
        {260, 375, kLabel, " 1.9MHz"},
        {260, 423, kLabel, " 3.5MHz"},
        {260, 519, kLabel, "  14MHz"},
        {260, 951, kLabel, "10.1GHz"},
        {1250, 370, SheetCanvas::fittedFont(name.size(), 670), "オールＪＡ１コンテスト"},
        {1250, 655, kValue, "XMA"},
        {1580, 540, kLabel, "名        称"},
        {1250, 845, kValue, "JA1ZZZ"},
        {1250, 962, kSmall, "(シングルオペで上記と異なる場合)"},
        {1250, 1050, kValue, "JA1YYY"},
        {255, 1210, kLabel, "合  計"},
        {385, 1350, kValue, "100-0000 東京都千代田区"},
        {490, 1845, kValue, "50 Ｗ"},
        {1330, 1845, SheetCanvas::fittedFont(8, 620), "商用電源"},
        {1330, 1925, SheetCanvas::fittedFont(5, 620), "RIG-1"},
        {290, 1985, SheetCanvas::fittedFont(5, 620), "ANT-2"},
        {290, 2055, SheetCanvas::fittedFont(5, 620), "ANT-3"},
        {290, 2120, SheetCanvas::fittedFont(5, 620), "ANT-4"},
        {300, 2640, kValue, "2026年 6月14日"},
        {1910, 2640, kLabel, "印"},
    };
    const RecordingCanvas::Page page = record(doc, 1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const std::vector<Op> found = textsAt(page, row.x, row.y);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].font, row.font);
        EXPECT_EQ(cp932::toUtf8(found[0].text), row.text);
    }
    // Empty settings put nothing on the paper.
    EXPECT_TRUE(textsAt(page, 1330, 1765).empty());
}

TEST(SummarySheet, CheckMarkFollowsThePowerType) {
    struct Row {
        int pwrType;
        int markY;
    };
    for (const Row& row : {Row{0, 1797}, Row{1, 1847}}) {
        CKorvaneDoc doc = stationDoc();
        doc.master.pwrType = row.pwrType;
        const RecordingCanvas::Page page = record(doc, 1);
        const std::vector<Op> mark = textsAt(page, 907, row.markY);
        ASSERT_EQ(mark.size(), 1u) << row.pwrType;
        EXPECT_EQ(cp932::toUtf8(mark[0].text), "ﾚ");
        EXPECT_EQ(mark[0].font, kSmall);
        EXPECT_TRUE(textsAt(page, 907, 1797 + 1847 - row.markY).empty());
    }
}

TEST(SummarySheet, FiguresAndTotals) {
    struct Row {
        const char* what;
        int coefficientChoice, coefficient;
        std::vector<std::array<int, 3>> bands; // band, QSOs, every n-th brings a multiplier
        std::vector<std::pair<std::pair<int, int>, const char*>> figures;
    };
    const Row rows[] = {
        {"no retrieval, coefficient printed", 1, 2, {}, {{{1270, 1210}, "2"}}},
        {"no retrieval, coefficient 0 counts as 1 unprinted", 1, 0, {}, {}},
        {"a coefficient not chosen", 0, 5, {}, {}},
        {"120 QSOs and 30 multipliers on 7 MHz, doubled",
         1,
         2,
         {{kBand7, 120, 4}},
         {{{450, 471}, "       120"},
          {{700, 471}, "       120"},
          {{960, 471}, "        30"},
          {{450, 1210}, "       120"},
          {{700, 1210}, "       120"},
          {{960, 1210}, "        30"},
          {{1270, 1210}, "2"},
          {{1420, 1210}, "                7200"}}},
        {"a QSO on 18 MHz empties the totals line, not the band rows",
         1,
         2,
         {{kBand7, 120, 4}, {kBand18, 1, 0}},
         {{{450, 471}, "       120"}, {{700, 471}, "       120"}, {{960, 471}, "        30"}}},
        {"144 MHz is the eighth row, no multipliers found: factor 1",
         0,
         0,
         {{kBand144, 3, 0}},
         {{{450, 711}, "         3"},
          {{700, 711}, "         3"},
          {{450, 1210}, "         3"},
          {{700, 1210}, "         3"},
          {{1420, 1210}, "                   3"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CKorvaneDoc doc = stationDoc();
        doc.contest.rules.summaryCoef = {row.coefficientChoice, row.coefficient};
        for (const auto& [band, qsos, every] : row.bands) {
            addRows(doc, band, qsos, -1, every);
        }
        const RecordingCanvas::Page page = record(doc, 1);
        std::vector<std::pair<int, int>> expectedPositions;
        for (const auto& [position, text] : row.figures) {
            expectedPositions.push_back(position);
            EXPECT_EQ(textAt(page, position.first, position.second), text);
        }
        EXPECT_EQ(figurePositions(page), expectedPositions);
    }
}

TEST(SummarySheet, OpinionAndOathWrap) {
    CKorvaneDoc doc = stationDoc();
    doc.contest.opinionText = std::string(200, 'o');
    doc.contest.oathText = std::string(250, 'w');
    const RecordingCanvas::Page page = record(doc, 1);
    struct Row {
        int x, y;
        std::size_t bytes;
        Font font;
    };
    const Row rows[] = {
        {290, 2290, 90, kValue},  {290, 2360, 90, kValue},  {290, 2430, 20, kValue},
        {205, 2510, 100, kLabel}, {205, 2550, 100, kLabel}, {205, 2590, 50, kLabel},
    };
    for (const Row& row : rows) {
        const std::vector<Op> found = textsAt(page, row.x, row.y);
        ASSERT_EQ(found.size(), 1u) << row.y;
        EXPECT_EQ(found[0].text.size(), row.bytes);
        EXPECT_EQ(found[0].font, row.font);
    }
    EXPECT_TRUE(textsAt(page, 290, 2500).empty());
}

TEST(SummarySheet, Rules) {
    const RecordingCanvas::Page page = record(stationDoc(), 1);
    struct Row {
        Pen pen;
        int x1, y1, x2, y2;
    };
    const Row rows[] = {
        {Pen::Thin, 200, 298, 642, 298},     {Pen::Thin, 200, 415, 430, 415},
        {Pen::Dotted, 430, 415, 642, 415},   {Pen::Dotted, 430, 1135, 642, 1135},
        {Pen::Thin, 430, 1272, 642, 1272},   {Pen::Dotted, 689, 463, 910, 463},
        {Pen::Thin, 955, 1272, 1168, 1272},  {Pen::Thin, 200, 298, 200, 1183},
        {Pen::Thin, 1168, 298, 1168, 1272},  {Pen::Dotted, 1650, 171, 1950, 171},
        {Pen::Thick, 1235, 340, 1950, 340},  {Pen::Thick, 1950, 1183, 1950, 1271},
        {Pen::Thin, 1440, 524, 1440, 729},   {Pen::Thin, 1235, 1108, 1235, 1010},
        {Pen::Thin, 1571, 1460, 1571, 1695}, {Pen::Thin, 465, 1880, 1070, 1880},
        {Pen::Thin, 1330, 1970, 1950, 1970}, {Pen::Thin, 290, 2040, 1950, 2040},
        {Pen::Thin, 290, 2460, 1950, 2460},  {Pen::Thin, 1320, 2690, 1950, 2690},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(countLines(page, row.pen, row.x1, row.y1, row.x2, row.y2), 1)
            << row.x1 << "," << row.y1 << " - " << row.x2 << "," << row.y2;
    }
    int thick = 0, dotted = 0;
    for (const Op& op : lines(page)) {
        thick += op.pen == Pen::Thick;
        dotted += op.pen == Pen::Dotted;
    }
    EXPECT_EQ(thick, 8);           // two frames
    EXPECT_EQ(dotted, 3 * 16 + 4); // 16 separators in three columns, the 整理Ｎｏ． box
}
