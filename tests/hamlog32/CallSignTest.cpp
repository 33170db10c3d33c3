// Which part of a call written with '/' is the station, and what is left for the portable field.
#include "hamlog32/CallSign.h"

#include <gtest/gtest.h>

TEST(CallSign, FindsTheStationAmongThePartsAsTheTableSays) {
    const struct {
        const char* written;
        const char* station;
        const char* portable;
        bool shortened;
    } cases[] = {
        {"JA1ABC", "JA1ABC", "", false},
        {"JA1ABC/1", "JA1ABC", "1", false},
        {"JA1ABC/P", "JA1ABC", "P", false},
        {"JA1ABC/QRP", "JA1ABC", "QRP", false},
        {"JD1/JA1ABC", "JA1ABC", "JD1", false},
        {"jd1/jg2xyz", "jg2xyz", "jd1", false},
        {"W1/7K1XYZ", "7K1XYZ", "W1", false},
        {"F/JA1ABC/P", "JA1ABC", "F/P", false},
        {"JA1ABC/1/P", "JA1ABC", "1/P", false},
        {"KH0/JA1ABC/P", "JA1ABC", "KH0", true},
        {"JA1ABC/1/QRP", "JA1ABC", "1", true},
        {"JA1ABC/QRP/MM", "JA1ABC", "QRP", true},
        {"JA1ABC/PORTABLE", "JA1ABC", "PORTABLE", false}, // one part: the field cuts it
        {"VP2E/JA1ABC", "JA1ABC", "VP2E", false},
        {"4U1ITU/JA1", "4U1ITU", "JA1", false},
        {"JD1/ABC", "JD1", "ABC", false}, // no part looks complete: the first is the station
        {"JA1ABC//1/", "JA1ABC", "1", false},
        {"/", "", "", false},
    };
    for (const auto& c : cases) {
        const CallSign call(c.written);
        EXPECT_EQ(call.station(), c.station) << c.written;
        EXPECT_EQ(call.portable(), c.portable) << c.written;
        EXPECT_EQ(call.shortened(), c.shortened) << c.written;
    }
}
