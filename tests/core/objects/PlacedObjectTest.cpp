#include "RecordingTable.h"

#include "core/io/ProjectDump.h"
#include "core/objects/PlacedObject.h"

#include <QJsonArray>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A placed object with a box of any size that paints nothing of its own.
class TBoxObject : public TPlacedObject {
public:
    TBoxObject(TObjectTable* table, Extended width, Extended height, Extended zoom = 1)
        : TPlacedObject(table, TProps(), zoom), FSize{width, height} {}

    QString TypeName() const override { return QStringLiteral("Box"); }
    int TypeCode() const override { return 98; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended zoom) const override {
        return std::make_unique<TBoxObject>(nullptr, FSize.X, FSize.Y, zoom);
    }
    void DataToStream(TStream&) const override {}
    void StreamToData(TStream&) override {}
    void CreateMouseDown(TMouseButton button, TShiftState, int x, int y, bool& flag) override {
        if (BeginCreate(button, flag)) {
            flag = true;
            PlaceAt(x, y);
        }
    }

    void Place(Extended x, Extended y, Extended angle = 0) {
        SetAspectPlacement({{x, y}, angle, FXPercent, FYPercent});
    }
    bool Changed() const { return FChanged; }

protected:
    TPointEx BaseSize() const override { return FSize; }
    void PaintBody(QPainter&, const TPlacedBox&) override {}

private:
    TPointEx FSize;
};

::testing::AssertionResult PointIs(const TPointEx& p, Extended x, Extended y) {
    if (p.X == x && p.Y == y)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << static_cast<double>(p.X) << ", " << static_cast<double>(p.Y) << ")";
}

// A drag in change mode through the given positions, released at the last.
void Drag(TTypesObject& object, const std::vector<TPoint>& path) {
    ASSERT_TRUE(Grab(object, path.front().X, path.front().Y));
    for (std::size_t i = 1; i < path.size(); ++i)
        object.ChangeMouseMove(0, path[i].X, path[i].Y);
    object.ChangeMouseUp(TMouseButton::mbLeft, 0, path.back().X, path.back().Y);
}

// A pointer path once around (cx, cy) at the given radius, starting and ending at the angle
// start (degrees clockwise from east), in steps of 10 degrees in the given direction.
std::vector<TPoint> Circle(int cx, int cy, Extended radius, Extended start, int direction) {
    std::vector<TPoint> path;
    for (int step = 0; step <= 36; ++step) {
        const Extended a = (start + direction * 10.0L * step) * 3.14159265358979323846L / 180;
        path.push_back(
            {RoundHalfEven(cx + radius * std::cos(a)), RoundHalfEven(cy + radius * std::sin(a))});
    }
    return path;
}

} // namespace

TEST(PlacedObject, BoxIsTurnedAndStretchedAboutTheZoomedCentre) {
    TBoxObject box(nullptr, 100, 50, 2);
    box.Place(100, 80);
    EXPECT_EQ(box.GetRect(), (TRect{100, 110, 300, 210}));

    box.SetAspectPlacement({{100, 80}, 90, 1.5, 1});
    // Turned upright, the 300 x 100 box stands 100 wide and 300 high.
    EXPECT_EQ(box.GetRect(), (TRect{150, 10, 250, 310}));
    const TPlacedBox turned = box.Box();
    EXPECT_NEAR(static_cast<double>(turned.Width), 300, 1e-12);
    // Clockwise on the screen: the top-left corner swings to the top right.
    EXPECT_NEAR(static_cast<double>(turned.Corners[0].X), 250, 1e-9);
    EXPECT_NEAR(static_cast<double>(turned.Corners[0].Y), 10, 1e-9);
}

TEST(PlacedObject, APressOnAHandleInsideTheBoxStretchesInsteadOfMoving) {
    TRecordingTable table;
    TBoxObject box(&table, 60, 80);
    box.Place(200, 200);
    // Two pixels inside the top-left corner: in the box and on handle 0.
    Drag(box, {{172, 162}, {142, 122}});
    EXPECT_TRUE(PointIs(box.Centre(), 200, 200));
    EXPECT_GT(box.XPercent(), 1.9L);
    EXPECT_GT(box.YPercent(), 1.9L);
    EXPECT_TRUE(box.KeyFrameStretch);
    EXPECT_FALSE(box.KeyFrameMove);

    // Farther inside, the same press moves the box by the pointer's way.
    TBoxObject moved(&table, 60, 80, 2);
    moved.Place(100, 100);
    Drag(moved, {{190, 190}, {200, 170}});
    EXPECT_TRUE(PointIs(moved.Centre(), 105, 90));
    EXPECT_TRUE(moved.KeyFrameMove);
    EXPECT_EQ(moved.XPercent(), 1);
}

TEST(PlacedObject, StretchFollowsTheRatioOfDistancesFromTheCentre) {
    TRecordingTable table;
    // Half sizes 30 and 40: the corners lie 50 pixels from the centre.
    TBoxObject corner(&table, 60, 80);
    corner.Place(200, 200);
    Drag(corner, {{170, 160}, {140, 120}});
    EXPECT_EQ(corner.XPercent(), 2);
    EXPECT_EQ(corner.YPercent(), 2);

    TBoxObject side(&table, 60, 80);
    side.Place(200, 200);
    Drag(side, {{230, 200}, {260, 200}});
    EXPECT_EQ(side.XPercent(), 2);
    EXPECT_EQ(side.YPercent(), 1);

    TBoxObject top(&table, 60, 80);
    top.Place(200, 200);
    Drag(top, {{200, 160}, {200, 180}});
    EXPECT_EQ(top.XPercent(), 1);
    EXPECT_EQ(top.YPercent(), 0.5L);

    // Through the centre and out the other side: tiny but positive, then back to the start.
    TBoxObject across(&table, 60, 80);
    across.Place(200, 200);
    ASSERT_TRUE(Grab(across, 170, 160));
    across.ChangeMouseMove(0, 200, 200);
    EXPECT_GT(across.XPercent(), 0);
    EXPECT_LT(across.XPercent(), 0.01L);
    across.ChangeMouseMove(0, 230, 240);
    EXPECT_NEAR(static_cast<double>(across.XPercent()), 1, 1e-15);
    EXPECT_NEAR(static_cast<double>(across.YPercent()), 1, 1e-15);
}

TEST(PlacedObject, AHandlePressedAtTheCentreFallsBackToATenfoldStretch) {
    TRecordingTable table;
    // A 4 x 4 box is smaller than the handle squares, so its centre lies on handle 0.
    TBoxObject box(&table, 4, 4);
    box.Place(100, 100);
    Drag(box, {{100, 100}, {110, 100}});
    EXPECT_EQ(box.XPercent(), 10);
    EXPECT_EQ(box.YPercent(), 10);
    EXPECT_TRUE(PointIs(box.Centre(), 100, 100));
}

TEST(PlacedObject, RotationAccumulatesFullTurnsWithAnyHandle) {
    TRecordingTable table;
    TBoxObject box(&table, 100, 60);
    box.Place(200, 200);
    box.DblClick();
    ASSERT_EQ(box.Mode(), TPlacedObject::RotateMode);
    // Handle 2, the top-right corner, lies at -31 degrees seen from the centre.
    const Extended corner = std::atan2(-30.0L, 50.0L) * 180 / 3.14159265358979323846L;
    Drag(box, Circle(200, 200, std::hypot(50.0L, 30.0L), corner, +1));
    EXPECT_NEAR(static_cast<double>(box.Angle()), 360, 1e-9);
    EXPECT_TRUE(box.KeyFrameTurn);
    EXPECT_FALSE(box.KeyFrameStretch);

    // The invisible right-middle handle turns as well, here counter-clockwise.
    TBoxObject side(&table, 100, 60);
    side.Place(200, 200);
    side.DblClick();
    Drag(side, Circle(200, 200, 50, 0, -1));
    EXPECT_NEAR(static_cast<double>(side.Angle()), -360, 1e-9);
    EXPECT_EQ(side.XPercent(), 1);

    // A quarter turn from the right-middle handle down to straight below.
    TBoxObject quarter(&table, 100, 60);
    quarter.Place(200, 200);
    quarter.DblClick();
    Drag(quarter, {{250, 200}, {235, 235}, {200, 250}});
    EXPECT_NEAR(static_cast<double>(quarter.Angle()), 90, 1e-9);
}

TEST(PlacedObject, GesturesReportChangesOnlyWhenSomethingMoved) {
    TRecordingTable table;
    TBoxObject box(&table, 100, 60);
    box.Place(200, 200);
    ASSERT_TRUE(Grab(box, 200, 200));
    box.ChangeMouseMove(0, 200, 200);
    EXPECT_FALSE(box.Changed());
    EXPECT_FALSE(box.KeyFrameMove);
    box.ChangeMouseMove(0, 201, 200);
    EXPECT_TRUE(box.Changed());

    // A press beside the box takes no gesture and deselects it.
    EXPECT_FALSE(Grab(box, 400, 400));
    EXPECT_FALSE(box.IsSelected());
    box.ChangeMouseMove(0, 420, 420);
    EXPECT_TRUE(PointIs(box.Centre(), 201, 200));

    bool flag = true;
    box.ChangeMouseDown(TMouseButton::mbRight, 0, 200, 200, flag);
    EXPECT_FALSE(flag);
}

TEST(PlacedObject, HoverCursorsFollowTheHandleMode) {
    TRecordingTable table;
    TBoxObject box(&table, 100, 60);
    box.Place(200, 200);
    // Bounds (150, 170)-(250, 230).
    const std::vector<std::pair<TPoint, TCursor>> stretch = {
        {{150, 170}, TCursor::SizeNWSE}, {{250, 230}, TCursor::SizeNWSE},
        {{250, 170}, TCursor::SizeNESW}, {{150, 230}, TCursor::SizeNESW},
        {{200, 170}, TCursor::SizeNS},   {{200, 230}, TCursor::SizeNS},
        {{250, 200}, TCursor::SizeWE},   {{150, 200}, TCursor::SizeWE},
        {{180, 190}, TCursor::SizeAll},  {{300, 300}, TCursor::Default}};
    for (const auto& [at, cursor] : stretch)
        EXPECT_EQ(HoverAt(table, box, at.X, at.Y), cursor) << at.X << "," << at.Y;

    box.DblClick();
    EXPECT_EQ(HoverAt(table, box, 150, 170), TCursor::Turn);
    EXPECT_EQ(HoverAt(table, box, 250, 170), TCursor::Turn);
    EXPECT_EQ(HoverAt(table, box, 200, 230), TCursor::SizeNS);
    EXPECT_EQ(HoverAt(table, box, 150, 200), TCursor::SizeWE);

    // Turned by 45 degrees, the handles sit on the upright bounds, not on the box: the
    // bounding corner lies outside the box, its own corner is no handle.
    box.Place(200, 200, 45);
    const TRect bounds = box.GetRect();
    EXPECT_EQ(HoverAt(table, box, bounds.Left, bounds.Top), TCursor::Turn);
    const TPoint ownCorner = PointExToPoint(box.Box().Corners[1]);
    EXPECT_EQ(HoverAt(table, box, ownCorner.X - 6, ownCorner.Y), TCursor::SizeAll);
}

TEST(PlacedObject, DoubleClickTogglesTheDrawnHandlesButNeverCopiesTheMode) {
    TRecordingTable table;
    TBoxObject box(&table, 100, 60);
    box.Place(100, 100);
    // Widened bounds (49, 69)-(151, 131) in black, the box itself in green one pixel inside; the
    // top-middle handle square spans y 65..73.
    const auto paint = [&] {
        table.BeginPaint(200, 200);
        box.Paint(&table);
        return table.EndPaint();
    };
    const QImage stretch = paint();
    EXPECT_EQ(stretch.pixel(100, 65), qRgb(0, 0, 0));
    EXPECT_EQ(stretch.pixel(100, 68), qRgb(255, 255, 255));
    EXPECT_EQ(stretch.pixel(60, 70), qRgb(0, 255, 0));

    box.DblClick();
    const QImage rotate = paint();
    EXPECT_EQ(rotate.pixel(100, 65), qRgb(255, 255, 255));
    EXPECT_EQ(rotate.pixel(49, 65), qRgb(0, 0, 0));
    EXPECT_EQ(box.GetRect(), (TRect{50, 70, 150, 130}));

    const std::unique_ptr<TTypesObject> copy = CloneObject(&box, 1);
    const auto& placed = dynamic_cast<const TPlacedObject&>(*copy);
    EXPECT_EQ(placed.Mode(), TPlacedObject::StretchMode);
    EXPECT_TRUE(PointIs(placed.Centre(), 100, 100));

    box.ChangeSelection(false, false);
    const QImage plain = paint();
    EXPECT_EQ(plain.pixel(49, 69), qRgb(255, 255, 255));
}

TEST(PlacedObject, MovePlacementAndDescription) {
    TBoxObject box(nullptr, 10, 10, 2);
    box.Move(0, 0);
    EXPECT_FALSE(box.KeyFrameMove);
    box.Move(10, -4);
    EXPECT_TRUE(box.KeyFrameMove);
    EXPECT_TRUE(PointIs(box.Centre(), 5, -2));

    box.SetAspectPlacement({{7.5L, 8}, 400, 2, 0.5L});
    const std::optional<TPlacement> placement = box.AspectPlacement();
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->Angle, 400);
    EXPECT_EQ(placement->XPercent, 2);
    EXPECT_EQ(placement->YPercent, 0.5L);

    const QJsonObject fields = DescribeObject(box);
    EXPECT_EQ(fields.value(QStringLiteral("center")).toArray(), (QJsonArray{7.5, 8}));
    EXPECT_EQ(fields.value(QStringLiteral("angle")).toDouble(), 400);
    EXPECT_EQ(fields.value(QStringLiteral("xPercent")).toDouble(), 2);
    EXPECT_EQ(fields.value(QStringLiteral("yPercent")).toDouble(), 0.5);
}
