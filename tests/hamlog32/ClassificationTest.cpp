// Band index of frequency texts (FreqPCheck), kinds of address codes (ChosonCheck), compact MHz
// text.
#include "hamlog32/AddressCode.h"
#include "hamlog32/BandPlan.h"
#include "hamlog32/Megahertz.h"

#include <gtest/gtest.h>

TEST(BandPlan, ClassifiesFrequenciesLabelsAndEdges) {
    const struct {
        const char* text;
        int band;
    } cases[] = {
        {"1.9", 0},
        {"   1.9", 0},
        {"1.8", 0},
        {"2.0", 0},
        {"1.7999", 15},
        {"2.0001", 15},
        {"   3.5", 1},
        {"3.799 ", 1},
        {"4", 1},
        {"4.0000000001", 15},
        {"7", 2},
        {"7.025", 2},
        {"7.3", 2},
        {"7.3000001", 15},
        {"10", 3},
        {"10.15", 3},
        {"10.151", 15},
        {"14", 4},
        {"14.35", 4},
        {"18", 5},
        {"18.168", 5},
        {"18.169", 15},
        {"21", 6},
        {"21.45", 6},
        {"24", 7},
        {"24.99", 7},
        {"28", 8},
        {"29.7", 8},
        {"29.71", 15},
        {"50", 9},
        {"54", 9},
        {"54.01", 15},
        {"144", 10},
        {"146", 10},
        {"146.01", 15},
        {"430", 11},
        {"440", 11},
        {"420", 15},
        {"1200", 12},
        {"1300", 12},
        {"2400", 13},
        {"2450", 13},
        {"5600", 14},
        {"5850", 14},
        {"5850.1", 15},
        {"10000", 15},
        {"7.025MHz", 2},
        {"\t 21.3 \t", 6},
        {".5", 15},
        {"0", 15},
        {"-7", 15},
        {"Etc", 15},
        {"", 15},
        {"   ", 15},
        {"9999999999999999999999999", 15},
        // Digits below one hertz count only at a band's top edge; values between bands are in none.
        {"2.0000000", 0},
        {"2.0000001", 15},
        {"1.9999999", 0},
        {"5849.9999999", 14},
        {"5", 15},
        {"100", 15},
        {"2300", 15},
        {"999999999999", 15},
        {"1000000000000", 15},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BandPlan::indexOf(c.text), c.band) << '"' << c.text << '"';
    }
    for (int band = 0; band < BandPlan::kBandCount; ++band) {
        EXPECT_EQ(BandPlan::indexOf(BandPlan::label(band)), band) << BandPlan::label(band);
    }
}

TEST(AddressCode, TellsCitiesFromCounties) {
    const struct {
        const char* code;
        int kind;
    } cases[] = {
        {"1001", 4},    {"100110", 6}, {"01001", 5},     {"01001A", 7},
        {"01001a", 7},  {" 1001 ", 4}, {"\t01001B ", 7}, {"100", 0},
        {"1234567", 0}, {"0100A", 0},  {"01001AB", 0},   {"1001A", 0},
        {"10 01", 0},   {"", 0},       {"abcd", 0},      {"01001-", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddressCode::kindOf(c.code), c.kind) << '"' << c.code << '"';
    }
}

TEST(Megahertz, WritesCompactTextWithinTheWidth) {
    const struct {
        const char* text;
        std::size_t width;
        const char* compact;
    } cases[] = {
        {"7.025", 8, "7.025"},          {"7.02500", 8, "7.025"},
        {"144.100", 8, "144.1"},        {"1200", 8, "1200"},
        {"1200.000", 8, "1200"},        {"14.0253456", 8, "14.02534"},
        {"1296.123456", 8, "1296.123"}, {"10368.1", 8, "10368.1"},
        {"0.1357", 8, "0.1357"},        {"12345678.9", 8, "12345678"},
        {"123456789", 8, ""},           {"28.5", 3, "28"},
    };
    for (const auto& c : cases) {
        std::optional<Megahertz> value = Megahertz::parseLeading(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(value->compact(c.width), c.compact) << c.text;
    }
    EXPECT_FALSE(Megahertz::parseLeading("Etc"));
    EXPECT_FALSE(Megahertz::parseLeading("."));
    EXPECT_EQ(Megahertz::parseLeading(" 7.0251")->hertz(), 7'025'100u);
}
