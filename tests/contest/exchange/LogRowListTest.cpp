// Packed log rows: every column and the report lengths come back, and the rows work with the
// standard algorithms.
#include "exchange/LogRowList.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

TEST(LogRowList, RowsComeBackWholeAndCountWithAlgorithms) {
    LogRowList rows;
    for (int i = 0; i < 1000; ++i) {
        LogRow row;
        row.monthDay = "06/13";
        row.hourMinute = "21:" + std::to_string(i % 60);
        row.station = "JA1" + std::to_string(i);
        row.sent = "599" + std::to_string(i);
        row.received = "59913M";
        row.multiplier = i % 3 == 0 ? "13" : "";
        row.points = "1";
        row.operatorText = i == 500 ? std::string(300, 'o') : "";
        row.remarks = "\x93\xfa";
        row.sentReportBytes = static_cast<std::uint8_t>(i);
        row.receivedReportBytes = 255;
        rows.push_back(row);
        ASSERT_EQ(rows.back(), row) << i;
    }
    EXPECT_EQ(rows.size(), 1000u);
    EXPECT_EQ(rows.at(500).operatorText.size(), 300u);
    EXPECT_EQ(rows.front().station, "JA10");
    EXPECT_THROW(rows.at(1000), std::out_of_range);
    const auto first = rows.begin() + 100;
    EXPECT_EQ(
        std::count_if(first, first + 50, [](const LogRow& row) { return !row.multiplier.empty(); }),
        16); // 102, 105, ... 147
    EXPECT_EQ(rows.end() - rows.begin(), 1000);
}
