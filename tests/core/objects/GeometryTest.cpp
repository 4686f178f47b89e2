#include "core/objects/Geometry.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr Extended Near = 1e-9L;

void ExpectNear(const TPointEx& actual, Extended x, Extended y) {
    EXPECT_NEAR(static_cast<double>(actual.X), static_cast<double>(x), 1e-9);
    EXPECT_NEAR(static_cast<double>(actual.Y), static_cast<double>(y), 1e-9);
}
} // namespace

TEST(Conversion, FloatToCoordRoundsToHundredthsThenTruncates) {
    EXPECT_EQ(FloatToCoord(2.9999L), 3);
    EXPECT_EQ(FloatToCoord(2.996L), 3);
    EXPECT_EQ(FloatToCoord(2.994L), 2);
    EXPECT_EQ(FloatToCoord(-0.5L), 0);
    EXPECT_EQ(FloatToCoord(5.5L), 5);
    EXPECT_EQ(FloatToCoord(-5.5L), -5);
    EXPECT_EQ(FloatToCoord(-2.996L), -3);
    EXPECT_EQ(FloatToCoord(1e30L), std::numeric_limits<int>::max());
    EXPECT_EQ(FloatToCoord(std::numeric_limits<Extended>::quiet_NaN()), 0);
}

TEST(Conversion, PointsAndRectsConvertEachValue) {
    EXPECT_EQ(PointExToPoint(PointEx(6.996L, -1.5L)), (TPoint{7, -1}));
    EXPECT_EQ(RectExToRect(RectEx(0.999L, 1.5L, 2.994L, -3.996L)), (TRect{1, 1, 2, -4}));
    // Scales first, converts after.
    EXPECT_EQ(ScalePointEx(PointEx(1.4L, 2.6L), 2.5L), (TPoint{3, 6}));
    const TCorners corners = CornersToPoints({{{0.5L, 1}, {2.996L, 1}, {3, 4.4L}, {-0.7L, 4}}});
    EXPECT_EQ(corners, (TCorners{{{0, 1}, {3, 1}, {3, 4}, {0, 4}}}));
}

TEST(Angles, AngleOfPointCountsCounterClockwiseFromTheRight) {
    const TPointEx c = PointEx(10, 10);
    EXPECT_NEAR(AngleOfPoint(c, PointEx(10, 0)), 90, Near);
    EXPECT_NEAR(AngleOfPoint(c, PointEx(20, 10)), 0, Near);
    EXPECT_NEAR(AngleOfPoint(c, PointEx(0, 10)), 180, Near);
    EXPECT_NEAR(AngleOfPoint(c, PointEx(10, 20)), -90, Near);
    EXPECT_NEAR(AngleOfPoint(c, c), 180, Near);
    EXPECT_NEAR(AngleOfPoint(c, PointEx(15, 5)), 45, Near);
    EXPECT_NEAR(AngleOfPoint(c, PointEx(5, 5)), 135, Near);
    EXPECT_NEAR(AngleOfPoint(c, PointEx(5, 15)), 225, Near);
    EXPECT_NEAR(AngleOfPoint(c, PointEx(15, 15)), 315, Near);
}

TEST(Angles, PolarPointInvertsAngleOfPoint) {
    const TPointEx c = PointEx(3, -2);
    ExpectNear(PolarPoint(c, 10, 90), 3, -12);
    for (const TPointEx& p : {PointEx(7, -9), PointEx(-4, -5), PointEx(-1, 6), PointEx(8, 1)})
        ExpectNear(PolarPoint(c, DistanceEx(c, p), AngleOfPoint(c, p)), p.X, p.Y);
}

TEST(Angles, BearingsTurnClockwise) {
    const TPointEx c = PointEx(10, 10);
    const TPointEx up = PointEx(10, 0), right = PointEx(20, 10), down = PointEx(10, 20),
                   left = PointEx(0, 10), downLeft = PointEx(5, 15), upRight = PointEx(15, 5);
    EXPECT_NEAR(BearingFromNorth(c, up), 360, Near);
    EXPECT_NEAR(BearingFromNorth(c, right), 90, Near);
    EXPECT_NEAR(BearingFromNorth(c, down), 180, Near);
    EXPECT_NEAR(BearingFromNorth(c, left), 270, Near);
    EXPECT_NEAR(BearingFromNorth(c, upRight), 45, Near);
    EXPECT_NEAR(BearingFromNorth(c, downLeft), 225, Near);
    EXPECT_NEAR(BearingFromSouth(c, down), 360, Near);
    EXPECT_NEAR(BearingFromSouth(c, left), 90, Near);
    EXPECT_NEAR(BearingFromSouth(c, up), 180, Near);
    EXPECT_NEAR(BearingFromSouth(c, right), 270, Near);
    EXPECT_NEAR(BearingFromSouth(c, downLeft), 45, Near);
    EXPECT_NEAR(BearingFromSouth(c, upRight), 225, Near);
}

TEST(Angles, BearingsDecideTheQuadrantOnWholePixels) {
    // 10.4 rounds onto the centre's column, so the point counts as straight up, not right.
    const TPointEx c = PointEx(10, 10), p = PointEx(10.4L, 5);
    const Extended a = std::asin(5 / DistanceEx(c, p)) * 180 / 3.14159265358979323846L;
    EXPECT_NEAR(BearingFromNorth(c, p), a + 270, Near);
    EXPECT_NEAR(BearingFromSouth(c, p), std::fabs(a) + 90, Near);
}

TEST(RotatedRect, NoTurnKeepsCornersAndBounds) {
    TCornersEx corners;
    TRectEx bounds;
    RotateRectEx(RectEx(0, 0, 100, 50), PointEx(50, 25), 0, corners, bounds);
    ExpectNear(corners[0], 0, 0);
    ExpectNear(corners[1], 100, 0);
    ExpectNear(corners[2], 100, 50);
    ExpectNear(corners[3], 0, 50);
    ExpectNear({bounds.Left, bounds.Top}, 0, 0);
    ExpectNear({bounds.Right, bounds.Bottom}, 100, 50);
}

TEST(RotatedRect, QuarterTurnSwapsTheSidesAboutTheCentre) {
    TCornersEx corners;
    TRectEx bounds;
    RotateRectEx(RectEx(0, 0, 100, 50), PointEx(50, 25), 90, corners, bounds);
    ExpectNear({bounds.Left, bounds.Top}, 25, -25);
    ExpectNear({bounds.Right, bounds.Bottom}, 75, 75);
    // Counter-clockwise on screen: the top-left corner ends at the bottom left.
    ExpectNear(corners[0], 25, 75);
}

TEST(RotatedRect, PtInCornersUsesConvertedPoints) {
    const TCornersEx diamond = {{{50, 0}, {100, 50}, {50, 100}, {0, 50}}};
    EXPECT_TRUE(PtInCorners(PointEx(50, 50), diamond));
    EXPECT_FALSE(PtInCorners(PointEx(10, 10), diamond));
    const TCornersEx square = {{{10, 10}, {20, 10}, {20, 20}, {10, 20}}};
    EXPECT_TRUE(PtInCorners(PointEx(19.5L, 15), square));
    EXPECT_FALSE(PtInCorners(PointEx(19.996L, 15), square));
    EXPECT_TRUE(PtInCorners(PointEx(9.996L, 15), square));
}

TEST(Handles, HitSquareHasInclusiveLeftAndTopEdges) {
    const TRectEx r = RectEx(10, 20, 30, 60);
    EXPECT_EQ(HandleAtPoint(PointEx(7, 20), r, 3), 0);
    EXPECT_EQ(HandleAtPoint(PointEx(13, 20), r, 3), -1);
    EXPECT_EQ(HandleAtPoint(PointEx(10, 17), r, 3), 0);
    EXPECT_EQ(HandleAtPoint(PointEx(10, 23), r, 3), -1);
    EXPECT_EQ(HandleAtPoint(PointEx(6.996L, 20), r, 3), 0);
    EXPECT_EQ(HandleAtPoint(PointEx(6.994L, 20), r, 3), -1);
    EXPECT_EQ(HandleAtPoint(PointEx(30, 40), r, 3), 3);
    EXPECT_EQ(HandleAtPoint(PointEx(11, 41), r, 3), 7);
    // Overlapping handles: the lowest index wins.
    EXPECT_EQ(HandleAtPoint(PointEx(1, 1), RectEx(0, 0, 2, 2), 3), 0);
}

TEST(Handles, MiddleHandlesRoundHalvesToEven) {
    EXPECT_EQ(HandleAtPoint(PointEx(3, 0), RectEx(0, 0, 5, 5), 1), -1);
    EXPECT_EQ(HandleAtPoint(PointEx(2, 0), RectEx(0, 0, 5, 5), 1), 1);
    EXPECT_EQ(HandleAtPoint(PointEx(4, 0), RectEx(0, 0, 7, 7), 1), 1);
}

TEST(Handles, OriginIsPositionMinusSize) {
    const TRectEx r = RectEx(10, 20, 30, 60);
    EXPECT_EQ(HandleOrigin(3, r, 4), (TPoint{26, 36}));
    EXPECT_EQ(HandleOrigin(5, r, 4), (TPoint{16, 56}));
    EXPECT_EQ(HandleOrigin(8, r, 4), (TPoint{0, 0}));
    EXPECT_EQ(HandleOrigin(-1, r, 4), (TPoint{0, 0}));
}

TEST(Handles, DrawHandleIsPlainAndKeepsTheHint) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::red);
    DrawHandle(painter, 10, 10, 3);
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    painter.end();
    EXPECT_EQ(image.pixel(7, 7), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(13, 13), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(6, 10), qRgb(255, 255, 255));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            EXPECT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 0, 0) ||
                        pixel == qRgb(255, 255, 255))
                << x << "," << y;
        }
}

TEST(PointLists, SmallHelpers) {
    EXPECT_TRUE(SamePointEx(PointEx(1, 2), PointEx(1, 2)));
    EXPECT_FALSE(SamePointEx(PointEx(1, 2), PointEx(1, 2.0000001L)));
    EXPECT_TRUE(InTolerance(7, 10, 3));
    EXPECT_TRUE(InTolerance(13, 10, 3));
    EXPECT_FALSE(InTolerance(14, 10, 3));
    EXPECT_TRUE(InTolerance(std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 5));
}

TEST(PointLists, DeleteAndCopy) {
    TPolyPointsEx points = {PointEx(0, 0), PointEx(1, 1), PointEx(2, 2)};
    DeletePointEx(points, -1);
    DeletePointEx(points, 3);
    ASSERT_EQ(points.size(), 3u);
    DeletePointEx(points, 1);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(SamePointEx(points[1], PointEx(2, 2)));

    TPolyPointsEx target = {PointEx(9, 9), PointEx(8, 8), PointEx(7, 7)};
    CopyPolyPointsEx(points, target);
    ASSERT_EQ(target.size(), 2u);
    EXPECT_TRUE(SamePointEx(target[0], PointEx(0, 0)));
}

TEST(PointLists, BoundsAndCentre) {
    EXPECT_EQ(BoundsOfPolyPoints({}), (TRect{0, 0, 0, 0}));
    EXPECT_EQ(BoundsOfPolyPoints({{-5, 3}, {4, -7}, {2, 9}}), (TRect{-5, -7, 4, 9}));
    EXPECT_EQ(BoundsOfPolyPointsEx({PointEx(0.5L, 1.5L), PointEx(2.5L, -0.5L)}),
              (TRect{0, 0, 2, 2}));
    EXPECT_EQ(CentreOfPolyPointsEx({}), (TPoint{0, 0}));
    EXPECT_EQ(CentreOfPolyPointsEx({PointEx(0, 0), PointEx(5, 3)}), (TPoint{2, 1}));
    // The half width is added to the left edge, so negative boxes round towards the left.
    EXPECT_EQ(CentreOfPolyPointsEx({PointEx(-5, -3), PointEx(0, 0)}), (TPoint{-3, -2}));
}

TEST(PointLists, PtInPolyPointsUsesTheWindingRule) {
    EXPECT_FALSE(PtInPolyPoints({}, {0, 0}));
    const TPolyPoints square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(PtInPolyPoints(square, {0, 0}));
    EXPECT_TRUE(PtInPolyPoints(square, {9, 9}));
    EXPECT_FALSE(PtInPolyPoints(square, {11, 5}));
    // The centre of a pentagram is covered twice: inside by winding, outside by alternation.
    const TPolyPoints star = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    EXPECT_TRUE(PtInPolyPoints(star, {50, 50}));
}

TEST(Segments, ClosedRingAndInsertionIndex) {
    EXPECT_EQ(SegmentAtPoint({}, {0, 0}, 3), -1);
    EXPECT_EQ(SegmentAtPoint({{0, 0}}, {0, 0}, 3), -1);
    const TPolyPoints triangle = {{0, 0}, {20, 0}, {20, 20}};
    EXPECT_EQ(SegmentAtPoint(triangle, {10, 0}, 2), 1);
    EXPECT_EQ(SegmentAtPoint(triangle, {20, 10}, 2), 2);
    EXPECT_EQ(SegmentAtPoint(triangle, {10, 10}, 2), 3);
    EXPECT_EQ(SegmentAtPoint(triangle, {10, 5}, 2), -1);
    EXPECT_EQ(SegmentAtPoint(triangle, {10, 0}, 0), -1);
    // The way back of a two-point list rounds its half-pixel column the other way.
    EXPECT_EQ(SegmentAtPoint({{1, 3}, {0, 13}}, {1, 8}, 1), 2);
}

TEST(Segments, OnlyColumnsStrictlyBetweenTheEndsCount) {
    const TPolyPoints line = {{0, 0}, {10, 0}};
    EXPECT_EQ(SegmentAtPoint(line, {5, -1}, 1), 1);
    EXPECT_EQ(SegmentAtPoint(line, {5, 1}, 1), -1);
    EXPECT_EQ(SegmentAtPoint(line, {0, 0}, 1), 1);
    EXPECT_EQ(SegmentAtPoint(line, {-1, 0}, 1), -1);
    EXPECT_EQ(SegmentAtPoint({{0, 0}, {1, 0}}, {0, 0}, 5), -1);
    EXPECT_EQ(SegmentAtPoint({{0, 0}, {1, 1}}, {0, 0}, 5), -1);
    EXPECT_EQ(SegmentAtPoint({{0, 0}, {1, 10}}, {0, 4}, 1), 1);
    EXPECT_EQ(SegmentAtPoint({{-2000000000, 0}, {2000000000, 0}}, {7, 0}, 2), 1);
}

TEST(ObjectIdentity, NewObjectIdIsAnUpperCaseGuid) {
    const QString id = NewObjectID();
    EXPECT_EQ(id.size(), 38);
    const QRegularExpression form(
        QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
    EXPECT_TRUE(form.match(id).hasMatch()) << id.toStdString();
    EXPECT_NE(NewObjectID(), id);
}
