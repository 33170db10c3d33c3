// The repeat set: exact call signs per band, through many growths of the table.
#include "qso/RepeatSet.h"

#include <gtest/gtest.h>
#include <string>

TEST(RepeatSet, KeysAreExactCallAndBand) {
    RepeatSet set;
    EXPECT_FALSE(set.contains("JA1AAA", 2));
    EXPECT_TRUE(set.insert("JA1AAA", 2));
    EXPECT_FALSE(set.insert("JA1AAA", 2));
    struct Row {
        const char* call;
        int band;
        bool present;
    } rows[] = {{"JA1AAA", 2, true}, {"JA1AAA", 4, false}, {"JA1AA", 2, false},
                {"JA1AAAA", 2, false}, {"ja1aaa", 2, false}, {"JA1AAA", -1, false}};
    for (const auto& r : rows) {
        EXPECT_EQ(set.contains(r.call, r.band), r.present) << r.call << " " << r.band;
    }
    EXPECT_TRUE(set.insert("", 15));  // an empty call sign is a key like any other
    EXPECT_TRUE(set.contains("", 15));
    EXPECT_FALSE(set.insert("TOOLONGCALL", 2));
    EXPECT_FALSE(set.contains("TOOLONGCALL", 2));
}

TEST(RepeatSet, KeepsEveryKeyThroughGrowth) {
    RepeatSet set;
    for (int i = 0; i < 50000; ++i) {
        ASSERT_TRUE(set.insert("K" + std::to_string(i), i % 16));
    }
    EXPECT_EQ(set.size(), 50000u);
    for (int i = 0; i < 50000; ++i) {
        ASSERT_TRUE(set.contains("K" + std::to_string(i), i % 16)) << i;
        ASSERT_FALSE(set.contains("K" + std::to_string(i), (i + 1) % 16)) << i;
    }
}
