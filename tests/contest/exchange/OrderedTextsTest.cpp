// The ordered text set behind the multiplier tallies: order of first occurrence, exact bytes,
// growth.
#include "exchange/OrderedTexts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(OrderedTexts, KeepsFirstOccurrencesInOrderThroughGrowth) {
    OrderedTexts set;
    std::vector<std::string> expected;
    // Enough values to grow the table several times, each offered twice.
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 5000; ++i) {
            const std::string value = std::to_string(i * 7919 % 5000);
            EXPECT_EQ(set.add(value), round == 0) << value;
            if (round == 0) {
                expected.push_back(value);
            }
        }
    }
    EXPECT_EQ(set.inOrder(), expected);
    EXPECT_TRUE(set.contains("4999"));
    EXPECT_FALSE(set.contains("5000"));
}

TEST(OrderedTexts, ExactBytesAndEmptyText) {
    OrderedTexts set;
    EXPECT_FALSE(set.contains(""));
    EXPECT_TRUE(set.add("13"));
    EXPECT_TRUE(set.add("13 "));
    EXPECT_TRUE(set.add(std::string_view("1\0"
                                         "3",
                                         3)));
    EXPECT_TRUE(set.add(""));
    EXPECT_FALSE(set.add(""));
    EXPECT_EQ(set.inOrder().size(), 4u);
    set.clear();
    EXPECT_TRUE(set.inOrder().empty());
    EXPECT_FALSE(set.contains("13"));
    EXPECT_TRUE(set.add("13"));
}
