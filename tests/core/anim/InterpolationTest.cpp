#include "core/anim/Interpolation.h"

#include <gtest/gtest.h>

namespace {
constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;
} // namespace

TEST(Lerp, ValuesArePlainExtendedArithmeticAndNeedALength) {
    Extended out = 7;
    LerpValue(0, 1, out, 200, 100);
    EXPECT_EQ(out, 7);
    LerpValue(10, 4, out, 200, 100);
    EXPECT_EQ(out, 140);
    LerpValue(3, 1, out, 0, 100);
    EXPECT_EQ(out, 100.0L + (0.0L - 100.0L) / 3 * 1);
    EXPECT_NE(out, Extended(static_cast<double>(out)));

    TPointEx point{1, 1};
    LerpPoint(4, 1, point, {40, -40}, {0, 0});
    EXPECT_EQ(point.X, 10);
    EXPECT_EQ(point.Y, -10);
}

TEST(Lerp, PointListsOfDifferentLengthsLeaveTheOutputAlone) {
    const TPolyPointsEx four{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const TPolyPointsEx moved{{10, 0}, {20, 0}, {20, 10}, {10, 20}};
    const TPolyPointsEx five{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}};
    TPolyPointsEx out{{99, 99}};
    EXPECT_FALSE(LerpPoints(four, five, 2, out, 1));
    EXPECT_FALSE(LerpPoints(five, four, 2, out, 1));
    EXPECT_FALSE(LerpPoints(four, moved, 0, out, 1));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_TRUE(LerpPoints(four, moved, 2, out, 1));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0].X, 5);
    EXPECT_EQ(out[3].Y, 15);
}

TEST(LerpColor, ChannelsRoundHalfToEvenWithoutTheHighByte) {
    TColor out = 0;
    LerpColor(Red, Blue, 2, out, 1);
    EXPECT_EQ(out, 0x80007F);
    LerpColor(clNone, clNone, 4, out, 2);
    EXPECT_EQ(out, 0x00FFFFFF);
    LerpColor(0x000000, 0x030303, 2, out, 1);
    EXPECT_EQ(out, 0x020202);
    out = 5;
    LerpColor(Red, Blue, 0, out, 1);
    EXPECT_EQ(out, 5);
}

TEST(LerpColor, SystemColoursCountByTheirCurrentValue) {
    const TColor system = static_cast<TColor>(0x80000005);
    const TColor rgb = ColorToRGB(system);
    EXPECT_GE(rgb, 0);
    EXPECT_LT(rgb, 0x1000000);
    TColor out = 0;
    LerpColor(system, system, 3, out, 1);
    EXPECT_EQ(out, rgb);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
}

TEST(ClampByte, HoldsValuesToAByte) {
    EXPECT_EQ(ClampByte(-1), 0);
    EXPECT_EQ(ClampByte(0), 0);
    EXPECT_EQ(ClampByte(255), 255);
    EXPECT_EQ(ClampByte(256), 255);
}
