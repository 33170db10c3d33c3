// Summary figures, totals and score, page figures and the page plan.
#include "exchange/Scoring.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kBand7 = 2;

// Fills a band with `count` rows whose multiplier column is non-empty on the given rows, and
// tallies `multipliers` distinct values for it.
void fillBand(BandResults& results, int band, int count, int multipliers,
              std::initializer_list<int> multiplierRows = {}) {
    for (int i = 0; i < count; ++i) {
        LogRow row;
        for (int marked : multiplierRows) {
            if (marked == i) {
                row.multiplier = "M" + std::to_string(i);
            }
        }
        results.appendRow(band, row);
    }
    for (int i = 0; i < multipliers; ++i) {
        results.addMultiplier(band, "V" + std::to_string(i));
    }
}

ExchangeRules contestRules(int points) {
    ExchangeRules rules;
    rules.logPoints = {.choice = 1, .fixedValue = points};
    rules.summaryMulti = {.choice = 2, .qsoField = 8};
    rules.logMulti = {.choice = 2, .qsoField = 8};
    return rules;
}

} // namespace

TEST(Scoring, SummaryFigures) {
    struct Row {
        const char* what;
        ExchangeRules rules;
        std::vector<std::array<int, 3>> bands; // band, rows, distinct multipliers
        std::int64_t count7, points7, multipliers7;
        std::int64_t totalCount, totalPoints, totalMultipliers;
        bool totalsShown;
        std::int64_t coefficient;
        bool coefficientPrinted;
        std::int64_t score;
        bool scoreShown;
    };
    ExchangeRules coefficient2 = contestRules(1);
    coefficient2.summaryCoef = {.choice = 1, .value = 2};
    ExchangeRules coefficient0 = contestRules(1);
    coefficient0.summaryCoef = {.choice = 1, .value = 0};
    ExchangeRules coefficientNotChosen = contestRules(1);
    coefficientNotChosen.summaryCoef = {.choice = 0, .value = 5};
    ExchangeRules pointsFromData = contestRules(1);
    pointsFromData.logPoints = {.choice = 2, .fixedValue = 2, .qsoField = 12};
    ExchangeRules otherFields = contestRules(1);
    otherFields.summaryMulti.qsoField = 9;

    const Row rows[] = {
        {"120 QSOs and 30 multipliers",
         contestRules(1),
         {{kBand7, 120, 30}},
         120,
         120,
         30,
         120,
         120,
         30,
         true,
         1,
         false,
         3600,
         true},
        {"no multipliers found: factor 1",
         contestRules(1),
         {{kBand7, 120, 0}},
         120,
         120,
         0,
         120,
         120,
         0,
         true,
         1,
         false,
         120,
         true},
        {"coefficient 2 doubles",
         coefficient2,
         {{kBand7, 120, 30}},
         120,
         120,
         30,
         120,
         120,
         30,
         true,
         2,
         true,
         7200,
         true},
        {"coefficient 0 counts as 1",
         coefficient0,
         {{kBand7, 120, 30}},
         120,
         120,
         30,
         120,
         120,
         30,
         true,
         1,
         false,
         3600,
         true},
        {"coefficient not chosen",
         coefficientNotChosen,
         {{kBand7, 120, 30}},
         120,
         120,
         30,
         120,
         120,
         30,
         true,
         1,
         false,
         3600,
         true},
        {"a QSO on 18 MHz hides the totals",
         contestRules(1),
         {{kBand7, 120, 30}, {5, 1, 1}},
         120,
         120,
         30,
         120,
         120,
         30,
         false,
         1,
         false,
         3600,
         true},
        {"other band only on log sheets",
         contestRules(1),
         {{15, 4, 0}},
         0,
         0,
         0,
         0,
         0,
         0,
         false,
         1,
         false,
         0,
         false},
        {"points from QSO data never add up",
         pointsFromData,
         {{kBand7, 120, 30}},
         120,
         0,
         30,
         120,
         0,
         30,
         true,
         1,
         false,
         0,
         false},
        {"multipliers from other fields not counted",
         otherFields,
         {{kBand7, 120, 30}},
         120,
         120,
         0,
         120,
         120,
         0,
         true,
         1,
         false,
         120,
         true},
        {"a value on 14 and 21 MHz counts twice",
         contestRules(2),
         {{4, 1, 1}, {6, 1, 1}},
         0,
         0,
         0,
         2,
         4,
         2,
         true,
         1,
         false,
         8,
         true},
        {"nothing retrieved", ExchangeRules{}, {}, 0, 0, 0, 0, 0, 0, true, 1, false, 0, false},
    };
    for (const Row& row : rows) {
        BandResults results;
        for (const auto& [band, count, multipliers] : row.bands) {
            fillBand(results, band, count, multipliers);
        }
        const Scoring s(row.rules, results);
        EXPECT_EQ(s.count(kBand7).value(), row.count7) << row.what;
        EXPECT_EQ(s.points(kBand7).value(), row.points7) << row.what;
        EXPECT_EQ(s.multipliers(kBand7).value(), row.multipliers7) << row.what;
        EXPECT_EQ(s.totalCount().value(), row.totalCount) << row.what;
        EXPECT_EQ(s.totalPoints().value(), row.totalPoints) << row.what;
        EXPECT_EQ(s.totalMultipliers().value(), row.totalMultipliers) << row.what;
        EXPECT_EQ(s.totalsShown(), row.totalsShown) << row.what;
        EXPECT_EQ(s.coefficient().value(), row.coefficient) << row.what;
        EXPECT_EQ(s.coefficientPrinted(), row.coefficientPrinted) << row.what;
        EXPECT_EQ(s.score().value(), row.score) << row.what;
        EXPECT_EQ(s.scoreShown(), row.scoreShown) << row.what;
    }
}

TEST(Scoring, QsoWithoutABandHidesTheTotals) {
    BandResults results;
    fillBand(results, kBand7, 3, 0);
    results.appendRow(-1, LogRow{});
    const ExchangeRules rules = contestRules(1);
    EXPECT_FALSE(Scoring(rules, results).totalsShown());
    EXPECT_EQ(Scoring(rules, results).totalCount().value(), 3);
}

TEST(Scoring, FiguresBeyond32BitsAreExactOrFlagged) {
    struct Row {
        int fixedValue, qsos, multipliers, coefficient;
        std::int64_t points;
        bool pointsFit;
        std::int64_t score; // ignored when the score overflows
        bool scoreFits, scoreOverflows;
    } rows[] = {
        {INT_MAX, 1, 0, 1, INT_MAX, true, INT_MAX, true, false},
        {INT_MAX, 2, 0, 1, 4294967294, false, 4294967294, false, false},
        {INT_MIN, 2, 0, 1, -4294967296, false, -4294967296, false, false},
        {100000, 1000, 500, 100, 100000000, true, 5000000000000, false, false},
        {INT_MAX, 3, 2, INT_MAX, 6442450941, false, 0, false, true},
    };
    for (const Row& row : rows) {
        ExchangeRules rules = contestRules(row.fixedValue);
        rules.summaryCoef = {.choice = 1, .value = row.coefficient};
        BandResults results;
        fillBand(results, kBand7, row.qsos, row.multipliers);
        const Scoring s(rules, results);
        EXPECT_EQ(s.totalPoints().value(), row.points) << row.fixedValue;
        EXPECT_EQ(s.totalPoints().fits32(), row.pointsFit) << row.fixedValue;
        EXPECT_EQ(s.score().fits32(), row.scoreFits) << row.fixedValue;
        EXPECT_EQ(s.score().overflowed(), row.scoreOverflows) << row.fixedValue;
        if (!row.scoreOverflows) {
            EXPECT_EQ(s.score().value(), row.score) << row.fixedValue;
        }
        EXPECT_TRUE(s.scoreShown());
    }
}

TEST(Scoring, CheckedArithmeticAtTheEdges) {
    constexpr std::int64_t kMax = INT64_MAX, kMin = INT64_MIN;
    enum Op { Add, Multiply };
    struct Row {
        std::int64_t a;
        Op op;
        std::int64_t b;
        bool overflows;
        std::int64_t expected;
    } rows[] = {
        {kMax, Add, 1, true, 0},
        {kMax, Add, 0, false, kMax},
        {kMin, Add, -1, true, 0},
        {kMin, Add, 1, false, kMin + 1},
        {kMin, Multiply, -1, true, 0},
        {-1, Multiply, kMin, true, 0},
        {kMax, Multiply, -1, false, -kMax},
        {1LL << 32, Multiply, 1LL << 30, false, 1LL << 62},
        {1LL << 32, Multiply, 1LL << 31, true, 0},
        {-(1LL << 32), Multiply, 1LL << 31, false, kMin},
        {-(1LL << 32), Multiply, -(1LL << 31), true, 0},
        {kMax, Multiply, 0, false, 0},
    };
    for (const Row& row : rows) {
        const SheetFigure a(row.a), b(row.b);
        const SheetFigure result = row.op == Add ? a + b : a * b;
        EXPECT_EQ(result.overflowed(), row.overflows) << row.a << " " << row.b;
        if (!row.overflows) {
            EXPECT_EQ(result.value(), row.expected) << row.a << " " << row.b;
        }
        // An overflow stays flagged through later arithmetic, even a product with 0.
        EXPECT_EQ((result * SheetFigure(0)).overflowed(), row.overflows);
        EXPECT_EQ(result.isZero(), !row.overflows && row.expected == 0);
    }
    EXPECT_TRUE(SheetFigure(INT32_MAX).fits32());
    EXPECT_FALSE(SheetFigure(std::int64_t{INT32_MAX} + 1).fits32());
    EXPECT_TRUE(SheetFigure(INT32_MIN).fits32());
    EXPECT_FALSE(SheetFigure(std::int64_t{INT32_MIN} - 1).fits32());
}

TEST(Scoring, PageFigures) {
    // Multiplier columns filled on rows 0, 10 and 49 (page 1), 60 (page 2) and 119 (page 3).
    struct Row {
        const char* what;
        ExchangeRules rules;
        std::size_t page;
        std::size_t firstRow, rowCount;
        std::int64_t qsos, newMultipliers, points;
    };
    ExchangeRules otherFields = contestRules(2);
    otherFields.logMulti.qsoField = 9;
    ExchangeRules pointsFromData = contestRules(2);
    pointsFromData.logPoints.choice = 2;
    const Row rows[] = {
        {"first page", contestRules(2), 0, 0, 50, 50, 3, 100},
        {"middle page", contestRules(2), 1, 50, 50, 50, 1, 100},
        {"last page, partly filled", contestRules(2), 2, 100, 20, 20, 1, 40},
        {"past the last page", contestRules(2), 3, 120, 0, 0, 0, 0},
        {"far past the last page", contestRules(2), SIZE_MAX, 120, 0, 0, 0, 0},
        {"multipliers of other fields", otherFields, 0, 0, 50, 50, 0, 100},
        {"points from QSO data", pointsFromData, 0, 0, 50, 50, 3, 0},
    };
    BandResults results;
    fillBand(results, kBand7, 120, 0, {0, 10, 49, 60, 119});
    for (const Row& row : rows) {
        const Scoring::PageFigures page = Scoring(row.rules, results).page(kBand7, row.page);
        EXPECT_EQ(page.firstRow, row.firstRow) << row.what;
        EXPECT_EQ(page.rowCount, row.rowCount) << row.what;
        EXPECT_EQ(page.qsos.value(), row.qsos) << row.what;
        EXPECT_EQ(page.newMultipliers.value(), row.newMultipliers) << row.what;
        EXPECT_EQ(page.points.value(), row.points) << row.what;
    }
    EXPECT_EQ(Scoring(contestRules(2), results).page(99, 0).rowCount, 0u);
}

TEST(Scoring, PagePlan) {
    struct Row {
        std::vector<std::pair<int, int>> bands; // band, rows
        std::size_t pagesOfBand0, totalPages;
    } rows[] = {
        {{}, 0, 1},
        {{{0, 50}}, 1, 2},
        {{{0, 51}}, 2, 3},
        {{{0, 120}, {10, 30}}, 3, 5},
        {{{15, 1}, {3, 100}}, 0, 4}, // bands without a summary row still print log sheets
    };
    for (const Row& row : rows) {
        BandResults results;
        for (const auto& [band, count] : row.bands) {
            fillBand(results, band, count, 0);
        }
        const ExchangeRules rules;
        const Scoring s(rules, results);
        EXPECT_EQ(s.logSheetPages(0), row.pagesOfBand0);
        EXPECT_EQ(s.totalPages(), row.totalPages);
    }
}
