// The band labels agree with each other and the summary rows with their bands.
#include "exchange/BandTable.h"

#include "common/Cp932.h"

#include <gtest/gtest.h>

TEST(BandTable, Labels) {
    struct Row {
        int band;
        const char *list, *logSheet, *summary;
    } rows[] = {
        {0, "   1.9", "   1.9", " 1.9MHz"},
        {2, "   7", "   7", "   7MHz"},
        {3, "  10", "  10", ""},
        {5, "  18", "  18", ""},
        {7, "  24", "  24", ""},
        {10, " 144", " 144", " 144MHz"},
        {14, "5600", "5600", "5600MHz"},
        {15, "Etc", "\x82\xBB\x82\xCC\x91\xBC", ""},
        {-1, "", "", ""},
        {16, "", "", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(BandTable::listLabel(r.band), r.list) << r.band;
        EXPECT_EQ(BandTable::logSheetLabel(r.band), r.logSheet) << r.band;
        EXPECT_EQ(BandTable::summaryLabel(r.band), r.summary) << r.band;
    }
    EXPECT_EQ(BandTable::logSheetLabel(15), cp932::lit("その他"));
}

TEST(BandTable, SummaryBandsAreTheBandsWithASummaryRowInOrder) {
    std::vector<int> withRow;
    for (int band = -1; band <= BandTable::kBandCount; ++band) {
        if (BandTable::hasSummaryRow(band)) {
            withRow.push_back(band);
        }
    }
    const auto& order = BandTable::summaryBands();
    EXPECT_EQ(std::vector<int>(order.begin(), order.end()), withRow);
    EXPECT_EQ(withRow, (std::vector<int>{0, 1, 2, 4, 6, 8, 9, 10, 11, 12, 13, 14}));
}
