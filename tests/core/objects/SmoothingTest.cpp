#include "core/objects/Smoothing.h"

#include <gtest/gtest.h>
#include <numeric>

TEST(SmoothingWeights, ClassicRows) {
    EXPECT_EQ(SmoothingWeights(2), (std::vector<int>{-3, 12, 17, 12, -3}));
    EXPECT_EQ(SmoothingWeights(3), (std::vector<int>{-2, 3, 6, 7, 6, 3, -2}));
    EXPECT_EQ(SmoothingWeights(4), (std::vector<int>{-21, 14, 39, 54, 59, 54, 39, 14, -21}));
    const std::vector<int> sums = {35, 21, 231};
    for (int halfWidth = 2; halfWidth <= 4; ++halfWidth) {
        const std::vector<int> w = SmoothingWeights(halfWidth);
        EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), sums[halfWidth - 2]);
    }
    EXPECT_TRUE(SmoothingWeights(1).empty());
    EXPECT_TRUE(SmoothingWeights(13).empty());
}

// Every row must reproduce a parabola exactly: symmetric, and no second moment.
TEST(SmoothingWeights, EveryRowFitsQuadratics) {
    for (int halfWidth = 2; halfWidth <= 12; ++halfWidth) {
        const std::vector<int> w = SmoothingWeights(halfWidth);
        ASSERT_EQ(w.size(), static_cast<size_t>(2 * halfWidth + 1));
        long long secondMoment = 0;
        for (int i = -halfWidth; i <= halfWidth; ++i) {
            EXPECT_EQ(w[i + halfWidth], w[halfWidth - i]);
            secondMoment += static_cast<long long>(w[i + halfWidth]) * i * i;
        }
        EXPECT_EQ(secondMoment, 0) << halfWidth;
    }
}

TEST(SmoothPolyPoints, ImpulseSpreadsIntoTheWeights) {
    TPolyPoints points(17);
    points[8] = {231, -231};
    SmoothPolyPoints(points, 4);
    const std::vector<int> w = SmoothingWeights(4);
    for (int i = 0; i < 17; ++i) {
        const int expected = i >= 4 && i <= 12 ? w[static_cast<size_t>(i - 4)] : 0;
        EXPECT_EQ(points[static_cast<size_t>(i)], (TPoint{expected, -expected})) << i;
    }
}

TEST(SmoothPolyPoints, WideWindowsLeaveTheFirstPointsAlone) {
    TPolyPoints points;
    for (int i = 0; i < 20; ++i)
        points.push_back({i % 2 * 100, 0});
    TPolyPoints smoothed = points;
    SmoothPolyPoints(smoothed, 12);
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(smoothed[i], points[i]) << i;
    EXPECT_FALSE(smoothed[7] == points[7]);
}

TEST(SmoothPolyPoints, UnsupportedHalfWidthOrEmptyListChangesNothing) {
    const TPolyPoints original = {{0, 0}, {100, 0}, {0, 0}, {100, 0}, {0, 0}};
    for (int halfWidth : {0, 1, 13}) {
        TPolyPoints points = original;
        SmoothPolyPoints(points, halfWidth);
        EXPECT_EQ(points, original);
    }
    TPolyPoints empty;
    SmoothPolyPoints(empty, 4);
    EXPECT_TRUE(empty.empty());
}

TEST(BezierToPoints, FourEqualPointsGiveTwentySixEqualPoints) {
    TPolyPoints result;
    BezierToPoints({{7, -3}, {7, -3}, {7, -3}, {7, -3}}, result);
    EXPECT_EQ(result, TPolyPoints(26, TPoint{7, -3}));
}

// The padding pulls the ends of a straight, evenly spaced run inwards by a pixel.
TEST(BezierToPoints, StraightRunIsSmoothedAtItsEnds) {
    TPolyPoints result;
    BezierToPoints({{0, 0}, {25, 0}, {50, 0}, {75, 0}}, result);
    ASSERT_EQ(result.size(), 26u);
    EXPECT_EQ(result[0], (TPoint{1, 0}));
    EXPECT_EQ(result[1], (TPoint{3, 0}));
    EXPECT_EQ(result[2], (TPoint{6, 0}));
    for (size_t i = 3; i < 23; ++i)
        EXPECT_EQ(result[i], (TPoint{static_cast<int>(3 * i), 0})) << i;
    EXPECT_EQ(result[24], (TPoint{72, 0}));
    EXPECT_EQ(result[25], (TPoint{74, 0}));
}

TEST(BezierToPoints, OtherPointCountsLeaveTheOutputUntouched) {
    const TPolyPoints before = {{1, 2}};
    for (const TPolyPoints& input :
         {TPolyPoints{}, TPolyPoints(3, TPoint{5, 5}), TPolyPoints(5, TPoint{5, 5})}) {
        TPolyPoints result = before;
        BezierToPoints(input, result);
        EXPECT_EQ(result, before);
    }
}
