#include "RecordingTable.h"

#include "core/objects/ObjectRecord.h"
#include "core/model/Stream.h"
#include "core/objects/TypesBezierPolygon.h"
#include "core/model/BitmapCanvas.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using TCoord = std::pair<Extended, Extended>;

// Corners of a square, screen positions at zoom 1.
const TPoint A{100, 100};
const TPoint B{200, 100};
const TPoint C{200, 200};
const TPoint D{100, 200};
const TPoint NearA{A.X + 8, A.Y - 8};

bool Stroke(TTypesObject& object, TPoint press, TPoint release) {
    const bool flag = Press(object, press.X, press.Y);
    object.CreateMouseMove(0, release.X, release.Y);
    Release(object, release.X, release.Y);
    return flag;
}

// Straight segments from a through b and c; the last stroke, pressed at d, ends at release.
void DrawThreeSegments(TTypesBezierPolygon& polygon, TPoint release, TPoint a = A, TPoint b = B,
                       TPoint c = C, TPoint d = D) {
    Stroke(polygon, a, b);
    Stroke(polygon, c, c);
    Stroke(polygon, d, release);
}

void CloseTriangle(TTypesBezierPolygon& polygon) {
    DrawThreeSegments(polygon, NearA);
    ASSERT_TRUE(polygon.Closed());
}

TCoord At(TPoint p) {
    return {Extended(p.X), Extended(p.Y)};
}

} // namespace

TEST(TypesBezierPolygon, ReleaseNearTheStartClosesOnlyFromThreeSegments) {
    TTypesBezierPolygon two(nullptr, TProps(), 1);
    Stroke(two, A, B);
    Stroke(two, C, NearA);
    EXPECT_FALSE(two.Closed());
    EXPECT_EQ(two.Points().size(), 7u);
    EXPECT_EQ(CoordsOf(two).back(), At(NearA));

    TTypesBezierPolygon three(nullptr, TProps(), 1);
    Stroke(three, A, B);
    Stroke(three, C, C);
    Press(three, D.X, D.Y);
    // Dragging near the start already snaps the new anchor and its control onto it.
    three.CreateMouseMove(0, NearA.X, NearA.Y);
    EXPECT_FALSE(three.Closed());
    EXPECT_EQ(CoordsOf(three).back(), At(A));
    Release(three, NearA.X, NearA.Y);
    EXPECT_TRUE(three.Closed());
    EXPECT_EQ(CoordsOf(three),
              (TCoords{At(A), At(A), At(B), At(B), At(B), At(C), At(C), At(C), At(A), At(A)}));

    TTypesBezierPolygon beside(nullptr, TProps(), 1);
    DrawThreeSegments(beside, {A.X + 9, A.Y});
    EXPECT_FALSE(beside.Closed());
    EXPECT_EQ(CoordsOf(beside).back(), (TCoord{109, 100}));
}

TEST(TypesBezierPolygon, AClickBesideAClosedChainTakesNoPointButCountsAsAChange) {
    TTypesBezierPolygon polygon(nullptr, TProps(), 1);
    CloseTriangle(polygon);
    const TCoords closed = CoordsOf(polygon);
    EXPECT_FALSE(Press(polygon, 300, 300));
    EXPECT_TRUE(polygon.HasChanged());
    polygon.CreateMouseMove(0, 310, 310);
    Release(polygon, A.X, A.Y);
    EXPECT_EQ(CoordsOf(polygon), closed);
}

TEST(TypesBezierPolygon, OnlyTheAnchorBeingDraggedCanClose) {
    TTypesBezierPolygon polygon(nullptr, TProps(), 1);
    DrawThreeSegments(polygon, {100, 300});
    // Splitting the first segment starts no drag, so releasing by the start changes nothing more.
    EXPECT_FALSE(Press(polygon, 150, 100));
    Release(polygon, 104, 104);
    EXPECT_FALSE(polygon.Closed());
    EXPECT_EQ(polygon.Points().size(), 13u);
    EXPECT_EQ(CoordsOf(polygon).back(), (TCoord{100, 300}));
}

TEST(TypesBezierPolygon, TheStartGivesWayToTheClosingCopyWhichCarriesItAlong) {
    TTypesBezierPolygon polygon(nullptr, TProps(), 1);
    CloseTriangle(polygon);
    // First the controls lying on the start are pulled out, one press each.
    EXPECT_TRUE(Grab(polygon, A.X, A.Y));
    DragTo(polygon, 100, 60);
    EXPECT_TRUE(Grab(polygon, A.X, A.Y));
    DragTo(polygon, 60, 100);
    EXPECT_EQ(CoordsOf(polygon)[1], (TCoord{100, 60}));
    EXPECT_EQ(CoordsOf(polygon)[8], (TCoord{60, 100}));

    EXPECT_TRUE(Grab(polygon, A.X, A.Y));
    DragTo(polygon, 90, 95);
    EXPECT_EQ(CoordsOf(polygon).back(), (TCoord{90, 95}));
    EXPECT_EQ(CoordsOf(polygon).front(), (TCoord{90, 95}));
}

TEST(TypesBezierPolygon, ShiftDeletionLeavesAClosedChainAtLeastTwoSegments) {
    TTypesBezierPolygon closed(nullptr, TProps(), 1);
    CloseTriangle(closed);
    EXPECT_FALSE(Press(closed, B.X, B.Y, ssShift));
    EXPECT_TRUE(closed.HasChanged());
    EXPECT_EQ(CoordsOf(closed), (TCoords{At(A), At(A), At(C), At(C), At(C), At(A), At(A)}));
    Press(closed, C.X, C.Y, ssShift);
    EXPECT_FALSE(closed.HasChanged());
    EXPECT_EQ(closed.Points().size(), 7u);

    TTypesBezierPolygon open(nullptr, TProps(), 1);
    Stroke(open, A, B);
    Stroke(open, C, C);
    Press(open, B.X, B.Y, ssShift);
    EXPECT_EQ(CoordsOf(open), (TCoords{At(A), At(A), At(C), At(C)}));
}

TEST(TypesBezierPolygon, InsideTheFlattenedOutlineGrabsTheBodyEvenWhenOpen) {
    TRecordingTable table;
    TTypesBezierPolygon polygon(&table, TProps(), 1);
    Stroke(polygon, A, B);
    Stroke(polygon, C, C);
    EXPECT_EQ(HoverAt(table, polygon, B.X, B.Y), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, polygon, 180, 130), TCursor::SizeAll);
    EXPECT_EQ(HoverAt(table, polygon, 120, 180), TCursor::Default);

    EXPECT_FALSE(Grab(polygon, 120, 180));
    EXPECT_FALSE(polygon.IsSelected());
    EXPECT_TRUE(Grab(polygon, 180, 130));
    DragTo(polygon, 185, 120);
    EXPECT_EQ(
        CoordsOf(polygon),
        (TCoords{{105, 90}, {105, 90}, {205, 90}, {205, 90}, {205, 90}, {205, 190}, {205, 190}}));
}

TEST(TypesBezierPolygon, ClosedChainIsFilledAndNeverActsAsAMask) {
    const auto render = [](const TProps& props, bool close) {
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        TBitmapCanvas bitmap(image);
        TTypesBezierPolygon polygon(nullptr, props, 1);
        DrawThreeSegments(polygon, close ? TPoint{12, 12} : TPoint{10, 30}, {10, 10}, {50, 10},
                          {50, 50}, {10, 50});
        EXPECT_EQ(polygon.Closed(), close);
        EXPECT_EQ(polygon.MaskOutline(), nullptr);
        polygon.ChangeSelection(false, false);
        polygon.SetTableBitmap(&bitmap);
        polygon.Paint(nullptr);
        bitmap.Painter().end();
        return image;
    };
    TProps props;
    props.BrushColor = 0xFF0000;
    props.PenColor = 0x0000FF;
    props.PenWidth = 3;
    EXPECT_EQ(render(props, true).pixel(35, 25), qRgb(0, 0, 255));
    EXPECT_EQ(render(props, true).pixel(50, 30), qRgb(255, 0, 0));
    EXPECT_EQ(render(props, false).pixel(35, 25), qRgb(255, 255, 255));
    EXPECT_EQ(render(props, false).pixel(50, 30), qRgb(255, 0, 0));
    props.Mask = MASK_AND;
    EXPECT_EQ(render(props, true).pixel(35, 25), qRgb(0, 0, 255));
}

TEST(TypesBezierPolygon, RecordCloneAndStructureKeepTheClosedFlag) {
    TTypesBezierPolygon polygon(nullptr, TProps(), 1);
    CloseTriangle(polygon);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    polygon.DataToStream(stream);
    EXPECT_EQ(buffer.size(), 4 + 57 + 80 + 4 + 5 + 4 + 20 * 10 + 1 + 10);
    buffer.seek(0);
    const std::unique_ptr<TTypesObject> read = ReadObjectRecord(stream, {nullptr, 1, nullptr});
    auto* copy = dynamic_cast<TTypesBezierPolygon*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->TypeName(), QStringLiteral("BezierPolygon"));
    EXPECT_TRUE(copy->Closed());
    EXPECT_EQ(CoordsOf(*copy), CoordsOf(polygon));
    EXPECT_EQ(buffer.pos(), buffer.size());

    QJsonObject fields;
    copy->DescribeFields(fields);
    EXPECT_TRUE(fields.value(QStringLiteral("closed")).toBool());
    EXPECT_EQ(fields.value(QStringLiteral("points")).toArray().size(), 10);

    const std::unique_ptr<TTypesObject> clone = CloneObject(&polygon, 1);
    ASSERT_TRUE(dynamic_cast<TTypesBezierPolygon*>(clone.get())->Closed());
    EXPECT_TRUE(clone->MatchesStructure(polygon));
    TTypesBezierPolygon open(nullptr, TProps(), 1);
    open.SetPoints(polygon.Points());
    EXPECT_FALSE(open.MatchesStructure(polygon));
}
