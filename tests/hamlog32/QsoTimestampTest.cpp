// The two-digit years of HAMLOG dates, read by the rule the whole program shares.
#include "hamlog32/QsoTimestamp.h"

#include <gtest/gtest.h>

TEST(QsoTimestamp, HamlogYearsFollowTheSharedTwoDigitRule) {
    const struct {
        const char* date;
        int year; // 0: not a date
    } cases[] = {
        {"00/01/01", 2000}, {"49/12/31", 2049}, {"50/01/01", 2050}, {"79/12/31", 2079},
        {"80/01/01", 1980}, {"99/12/31", 1999}, {"80/02/29", 1980}, {"79/02/29", 0},
    };
    for (const auto& c : cases) {
        const std::optional<QsoTimestamp> when = QsoTimestamp::fromHamlog(c.date, "12:00");
        EXPECT_EQ(when ? when->year() : 0, c.year) << c.date;
    }
}
