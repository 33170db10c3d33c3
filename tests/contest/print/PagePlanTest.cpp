// The page plan: page count, and the band, sheet and rows of each page number.
#include "print/PagePlan.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using Kind = PagePlan::Kind;

BandResults withRows(const std::vector<std::pair<int, int>>& bandRows) {
    BandResults results;
    for (auto [band, rows] : bandRows) {
        for (int i = 0; i < rows; ++i) {
            results.appendRow(band, LogRow{});
        }
    }
    return results;
}

} // namespace

TEST(PagePlan, PagesOfTheBands) {
    struct Row {
        const char* what;
        std::vector<std::pair<int, int>> bandRows;
        std::size_t total;
        std::vector<PagePlan::Page> logPages; // pages 2 .. total
    };
    const Row rows[] = {
        {"no QSOs: the summary sheet alone", {}, 1, {}},
        {"50 rows fill one sheet", {{2, 50}}, 2, {{2, Kind::Log, 2, 0, 1, 0, 50}}},
        {"51 rows take two sheets, 50 + 1",
         {{2, 51}},
         3,
         {{2, Kind::Log, 2, 0, 2, 0, 50}, {3, Kind::Log, 2, 1, 2, 50, 1}}},
        {"bands in index order, empty bands skipped",
         {{10, 30}, {0, 120}},
         5,
         {{2, Kind::Log, 0, 0, 3, 0, 50},
          {3, Kind::Log, 0, 1, 3, 50, 50},
          {4, Kind::Log, 0, 2, 3, 100, 20},
          {5, Kind::Log, 10, 0, 1, 0, 30}}},
        {"the other band comes last",
         {{15, 1}, {14, 1}},
         3,
         {{2, Kind::Log, 14, 0, 1, 0, 1}, {3, Kind::Log, 15, 0, 1, 0, 1}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const BandResults results = withRows(row.bandRows);
        const PagePlan plan(results);
        EXPECT_EQ(plan.totalPages(), row.total);
        EXPECT_EQ(plan.page(1), (PagePlan::Page{1, Kind::Summary, -1, 0, 0, 0, 0}));
        for (const PagePlan::Page& expected : row.logPages) {
            EXPECT_EQ(plan.page(expected.number), expected) << "page " << expected.number;
        }
        EXPECT_FALSE(plan.page(0).has_value());
        EXPECT_FALSE(plan.page(row.total + 1).has_value());
    }
}
