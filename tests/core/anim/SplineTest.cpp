#include "AnimTestSupport.h"

#include "core/anim/Anim.h"
#include "core/anim/Spline.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

const QString A = QStringLiteral("{A}");
constexpr unsigned MoveOnly = AspectBit(TAspect::Move);
constexpr unsigned ColourOnly = AspectBit(TAspect::Color);

TPlacement At(Extended x, Extended y) {
    TPlacement placement;
    placement.Centre = {x, y};
    return placement;
}

// A placed object keyed at the given frames and centres.
TProject Keyed(int frames, const std::vector<std::pair<int, TPointEx>>& keys) {
    TProject project = ProjectOf(frames);
    for (const auto& [frame, centre] : keys)
        Add(project, frame, Placed(A, At(centre.X, centre.Y), frame == 0 ? AllAspects : MoveOnly));
    return project;
}

// The centre of the object in the built frame.
TPointEx CentreIn(TProject& project, int frame) {
    BuildFrame(project, frame);
    const TPointEx centre = ObjectsOf(project, frame)[0]->AspectPlacement()->Centre;
    StripFrame(*project.Frames[frame]);
    return centre;
}

::testing::AssertionResult Is(const TPointEx& p, Extended x, Extended y) {
    if (p.X == x && p.Y == y)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << static_cast<double>(p.X) << ", " << static_cast<double>(p.Y)
           << ") instead of (" << static_cast<double>(x) << ", " << static_cast<double>(y) << ")";
}

} // namespace

TEST(SplineCoefficients, NaturalSplineThroughThreeKeys) {
    const TSplineColumns s = SplineCoefficients({0, 100, 200}, {0, 100, 0});
    ASSERT_EQ(s.A.size(), 3u);
    EXPECT_NEAR(static_cast<double>(s.B[0]), 1.5, 1e-15);
    EXPECT_EQ(s.C[0], 0);
    EXPECT_NEAR(static_cast<double>(s.D[0]), -0.00005, 1e-18);
    EXPECT_EQ(s.A[1], 100);
    EXPECT_NEAR(static_cast<double>(s.B[1]), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>(s.C[1]), -0.015, 1e-17);
    EXPECT_NEAR(static_cast<double>(s.D[1]), 0.00005, 1e-18);
    EXPECT_EQ(s.A[2], 0);
    EXPECT_EQ(s.B[2], 0);
    EXPECT_EQ(s.C[2], 0);
    EXPECT_EQ(s.D[2], 0);

    const TCubic line = SplineSegment({{0, 0}, {100, 50}}, 0);
    EXPECT_EQ(line.B, 0.5L);
    EXPECT_EQ(line.C, 0);
    EXPECT_EQ(line.D, 0);
    EXPECT_EQ(SplineSegment({{0, 0}, {100, 50}}, 2).A, 0);
}

TEST(SplineCoefficients, EqualAbscissaeAndZeroPivotsStayFinite) {
    for (const TFloatArray& x :
         {TFloatArray{100, 100, 100}, TFloatArray{0, 100, 0, 100}, TFloatArray{0, 0, 50, 50}}) {
        const TSplineColumns s = SplineCoefficients(x, {0, 200, 50, 10});
        for (const TFloatArray* column : {&s.A, &s.B, &s.C, &s.D})
            for (const Extended value : *column)
                EXPECT_TRUE(std::isfinite(value));
    }
    const TSplineColumns flat = SplineCoefficients({100, 100}, {0, 200});
    EXPECT_EQ(flat.B[0], 0);
    EXPECT_EQ(flat.D[0], 0);
}

TEST(SplinePoint, XAdvancesInWholePixelsHalvesToEven) {
    TPointEx point{7, 7};
    EXPECT_FALSE(SplinePoint({{0, 0}, {5, 5}}, 0, point, 1, 0));
    EXPECT_FALSE(SplinePoint({{0, 0}, {5, 5}}, 1, point, 1, 2));
    EXPECT_TRUE(Is(point, 7, 7));
    ASSERT_TRUE(SplinePoint({{0.25L, 0}, {5.25L, 5}}, 0, point, 1, 2));
    EXPECT_TRUE(Is(point, 2.25L, 2));
    ASSERT_TRUE(SplinePoint({{0, 0}, {7, 3}}, 0, point, 1, 2));
    EXPECT_TRUE(Is(point, 4, 2));
}

TEST(SplinePoints, EveryPointIndexFollowsItsOwnSplineAndUnequalListsAreNeverRead) {
    const std::vector<TPolyPointsEx> keys{
        {{0, 0}, {0, 10}}, {{100, 100}, {100, 10}}, {{200, 0}, {200, 10}}};
    TPolyPointsEx points;
    ASSERT_TRUE(SplinePoints(keys, 0, points, 5, 10));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(Is(points[0], 50, 69));
    EXPECT_TRUE(Is(points[1], 50, 10));

    for (const std::size_t shorter : {0u, 1u, 2u}) {
        std::vector<TPolyPointsEx> uneven = keys;
        uneven[shorter].pop_back();
        TPolyPointsEx out{{9, 9}};
        EXPECT_FALSE(SplinePoints(uneven, 1, out, 5, 10));
        ASSERT_EQ(out.size(), 1u);
        EXPECT_TRUE(Is(out[0], 9, 9));
    }
}

TEST(SplineBuild, TwoKeysGiveTheStraightLineInWholePixels) {
    TProject project = Keyed(20, {{0, {0, 0}}, {10, {100, 50}}});
    project.Splines = true;
    EXPECT_TRUE(Is(CentreIn(project, 3), 30, 15));
    EXPECT_TRUE(Is(CentreIn(project, 4), 40, 20));
    EXPECT_TRUE(Is(CentreIn(project, 15), 100, 50));

    TProject uneven = Keyed(10, {{0, {0, 0}}, {7, {10, 5}}});
    EXPECT_TRUE(Is(CentreIn(uneven, 3), 10.0L / 7 * 3, 5.0L / 7 * 3));
    uneven.Splines = true;
    EXPECT_TRUE(Is(CentreIn(uneven, 3), 4, 2));
}

TEST(SplineBuild, ThreeKeysBendThePathOnBothSegments) {
    TProject project = Keyed(25, {{0, {0, 0}}, {10, {100, 100}}, {20, {200, 0}}});
    EXPECT_TRUE(Is(CentreIn(project, 5), 50, 50));
    project.Splines = true;
    EXPECT_TRUE(Is(CentreIn(project, 5), 50, 69));
    EXPECT_TRUE(Is(CentreIn(project, 15), 150, 69));
    EXPECT_TRUE(Is(CentreIn(project, 22), 200, 0));
}

TEST(SplineBuild, MovingLeftEvaluatesTheSplineAtNegativeOffsets) {
    TProject project = Keyed(21, {{0, {200, 0}}, {10, {100, 100}}, {20, {0, 0}}});
    project.Splines = true;
    EXPECT_TRUE(Is(CentreIn(project, 5), 150, 69));
    EXPECT_TRUE(Is(CentreIn(project, 15), 50, 69));
}

TEST(SplineBuild, SameXKeysHoldTheFirstHeightOnlyWithSplines) {
    TProject project = Keyed(11, {{0, {100, 0}}, {10, {100, 200}}});
    EXPECT_TRUE(Is(CentreIn(project, 5), 100, 100));
    project.Splines = true;
    for (int frame = 1; frame <= 9; ++frame)
        EXPECT_TRUE(Is(CentreIn(project, frame), 100, 0)) << frame;
}

TEST(SplineBuild, PointListsSplinePerIndexAndKeepTheirPointsWhenKeysDiffer) {
    TProject project = ProjectOf(25);
    project.Splines = true;
    Add(project, 0, Polyline(A, {{0, 0}, {0, 10}}));
    Add(project, 10, Polyline(A, {{100, 100}, {100, 10}}, MoveOnly));
    Add(project, 20, Polyline(A, {{200, 0}, {200, 10}}, MoveOnly));
    BuildFrame(project, 5);
    const TPolyPointsEx& points = *ObjectsOf(project, 5)[0]->AspectPoints();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(Is(points[0], 50, 69));
    EXPECT_TRUE(Is(points[1], 50, 10));
    StripFrame(*project.Frames[5]);

    // A stored copy left with a point fewer after the master object grew.
    Add(project, 24, Polyline(A, {{300, 300}}, MoveOnly));
    BuildFrame(project, 15);
    const TPolyPointsEx& kept = *ObjectsOf(project, 15)[0]->AspectPoints();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_TRUE(Is(kept[0], 0, 0));
    EXPECT_TRUE(Is(kept[1], 0, 10));
}

TEST(SplineKeys, TwoKeysEachSideAndOnlyMoveKeysCount) {
    TProject project = ProjectOf(50);
    for (const int frame : {0, 10, 20, 30, 40})
        Add(project, frame, Placed(A, At(frame, 0), frame == 0 ? AllAspects : MoveOnly));
    for (const int frame : {5, 15, 25})
        Add(project, frame, Placed(A, At(999, 999), ColourOnly));
    TPlacedTestObject obj;
    obj.ID = A;
    const TSplineKeys keys = FindSplineKeys(project.Frames, obj, 15);
    EXPECT_EQ(keys.P2.Frame, 0);
    EXPECT_EQ(keys.P1.Frame, 10);
    EXPECT_EQ(keys.N1.Frame, 20);
    EXPECT_EQ(keys.N2.Frame, 30);
    const TSplineKeys first = FindSplineKeys(project.Frames, obj, 3);
    EXPECT_FALSE(first.P2);
    EXPECT_EQ(first.P1.Frame, 0);
    EXPECT_FALSE(FindSplineKeys(project.Frames, obj, 45).N1);
}

TEST(MotionPath, StoredCopiesShowTheirOwnAnchorOtherFramesTheirPathPoint) {
    TProject project = Keyed(25, {{0, {0, 0}}, {10, {100, 100}}, {20, {200, 0}}});
    Add(project, 7, Placed(A, At(12.996L, -4), ColourOnly));
    const TTypesObject& master = *ObjectsOf(project, 0)[0];
    EXPECT_EQ(PathPoint(project.Frames, 5, master), (TPoint{50, 50}));
    EXPECT_EQ(PathPointSpline(project.Frames, 5, master), (TPoint{50, 69}));
    EXPECT_TRUE(Is(master.AspectPlacement()->Centre, 0, 0));

    const std::vector<TPoint> straight = MotionPath(project.Frames, false, master);
    ASSERT_EQ(straight.size(), 25u);
    EXPECT_EQ(straight[0], (TPoint{0, 0}));
    EXPECT_EQ(straight[7], (TPoint{13, -4}));
    EXPECT_EQ(straight[15], (TPoint{150, 50}));
    EXPECT_EQ(straight[24], (TPoint{200, 0}));
    EXPECT_EQ(MotionPath(project.Frames, true, master)[15], (TPoint{150, 69}));
}
