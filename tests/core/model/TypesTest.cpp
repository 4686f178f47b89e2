#include "core/model/Types.h"

#include <gtest/gtest.h>

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(0.5L), 0);
    EXPECT_EQ(RoundHalfEven(1.5L), 2);
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(-0.5L), 0);
    EXPECT_EQ(RoundHalfEven(-1.5L), -2);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(2.4999L), 2);
    EXPECT_EQ(RoundHalfEven(-2.5001L), -3);
}

TEST(Rounding, TruncationDropsTheFraction) {
    EXPECT_EQ(TruncToInt(2.99L), 2);
    EXPECT_EQ(TruncToInt(-2.99L), -2);
}

TEST(Rounding, HugeValuesSaturate) {
    EXPECT_EQ(RoundHalfEven(1e30L), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(-1e30L), std::numeric_limits<int>::min());
}
