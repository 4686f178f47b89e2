#include "RecordingTable.h"

#include "core/model/Stream.h"
#include "core/objects/TypesPolyline.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

// Screen (0, 0), (100, 0), (100, 100) at zoom 1.
const TPolyPointsEx Corner = {{0, 0}, {100, 0}, {100, 100}};

} // namespace

TEST(TypesPolyline, FirstClickMakesTwoEqualPointsThatTheDragSeparates) {
    TRecordingTable table;
    TTypesPolyline line(&table, TProps(), 1);
    EXPECT_TRUE(Press(line, 10, 20));
    EXPECT_EQ(CoordsOf(line), (TCoords{{10, 20}, {10, 20}}));
    EXPECT_TRUE(line.HasChanged());
    EXPECT_TRUE(line.IsSelected());
    EXPECT_TRUE(AllKeyFrames(line));
    EXPECT_GT(table.Invalidations, 0);
    line.CreateMouseMove(0, 30, 25);
    Release(line, 30, 25);
    line.CreateMouseMove(0, 90, 90);
    EXPECT_EQ(CoordsOf(line), (TCoords{{10, 20}, {30, 25}}));

    TTypesPolyline other(&table, TProps(), 1);
    bool flag = true;
    other.CreateMouseDown(TMouseButton::mbRight, 0, 10, 20, flag);
    EXPECT_FALSE(flag);
    EXPECT_TRUE(other.Points().empty());
}

TEST(TypesPolyline, ExtensionAtZoomTwoStoresHalfTheCanvasPixels) {
    TTypesPolyline line(nullptr, TProps(), 2);
    Press(line, 10, 10);
    line.CreateMouseMove(0, 30, 10);
    Release(line, 30, 10);
    EXPECT_TRUE(Press(line, 30, 50));
    line.CreateMouseMove(0, 40, 50);
    Release(line, 40, 50);
    EXPECT_EQ(CoordsOf(line), (TCoords{{5, 5}, {15, 5}, {20, 25}}));
}

TEST(TypesPolyline, ShiftClickDeletesOnlyInnerVerticesOfLongerLines) {
    TTypesPolyline line(nullptr, TProps(), 1);
    line.SetPoints({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    EXPECT_FALSE(Press(line, 0, 0, ssShift));
    EXPECT_FALSE(Press(line, 0, 100, ssShift));
    EXPECT_FALSE(Press(line, 100, 0));
    EXPECT_FALSE(line.HasChanged());
    EXPECT_EQ(line.Points().size(), 4u);

    // The top-left corner of the vertex's square still counts.
    line.KeyFrameMove = false;
    EXPECT_FALSE(Press(line, 96, -4, ssShift));
    EXPECT_EQ(CoordsOf(line), (TCoords{{0, 0}, {100, 100}, {0, 100}}));
    EXPECT_TRUE(line.HasChanged());

    line.SetPoints({{0, 0}, {100, 0}});
    Press(line, 100, 0, ssShift);
    EXPECT_EQ(line.Points().size(), 2u);
}

TEST(TypesPolyline, ClickOnTheLineOrTheWayBackInsertsWithoutDragging) {
    TTypesPolyline line(nullptr, TProps(), 1);
    line.SetPoints(Corner);
    EXPECT_FALSE(Press(line, 50, 2));
    line.CreateMouseMove(0, 70, 70);
    EXPECT_EQ(CoordsOf(line), (TCoords{{0, 0}, {50, 2}, {100, 0}, {100, 100}}));
    EXPECT_TRUE(line.HasChanged());

    Press(line, 50, 50);
    EXPECT_EQ(CoordsOf(line).back(), (std::pair<Extended, Extended>{50, 50}));
    EXPECT_EQ(line.Points().size(), 5u);
}

TEST(TypesPolyline, SelectionDragsAVertexOrTheWholeLine) {
    TRecordingTable table;
    TTypesPolyline line(&table, TProps(), 2);
    line.SetPoints({{0, 0}, {50, 0}, {50, 50}});
    EXPECT_TRUE(Grab(line, 100, 0));
    DragTo(line, 110, 0);
    EXPECT_EQ(CoordsOf(line), (TCoords{{0, 0}, {55, 0}, {50, 50}}));
    EXPECT_TRUE(line.HasChanged());

    // The way back from the last point to the first is part of the body.
    EXPECT_TRUE(Grab(line, 50, 50));
    DragTo(line, 54, 56);
    EXPECT_EQ(CoordsOf(line), (TCoords{{2, 3}, {57, 3}, {52, 53}}));

    EXPECT_FALSE(Grab(line, 300, 300));
    EXPECT_FALSE(line.IsSelected());
    DragTo(line, 310, 310);
    EXPECT_EQ(CoordsOf(line).front(), (std::pair<Extended, Extended>{2, 3}));
}

TEST(TypesPolyline, HoverMarksVerticesAndTheLine) {
    TRecordingTable table;
    TTypesPolyline line(&table, TProps(), 1);
    line.SetPoints(Corner);
    EXPECT_EQ(HoverAt(table, line, 103, -4), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, line, 104, 0), TCursor::Default);
    EXPECT_EQ(HoverAt(table, line, 100, -5), TCursor::Default);
    EXPECT_EQ(HoverAt(table, line, 50, 2), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, line, 50, 50), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, line, 20, 60), TCursor::Default);
}

TEST(TypesPolyline, MoveAndRectWorkInZoomedPixels) {
    TTypesPolyline line(nullptr, TProps(), 2);
    line.SetPoints({{1, 1}, {3, 5}});
    line.Move(0, 0);
    EXPECT_FALSE(line.KeyFrameMove);
    line.Move(10, -4);
    EXPECT_TRUE(line.KeyFrameMove);
    EXPECT_EQ(CoordsOf(line), (TCoords{{6, -1}, {8, 3}}));

    // Halves round to even: 1.5 -> 2, 4.5 -> 4, 7.5 -> 8, -1.5 -> -2.
    line.ChangeZoom(1.5L, false);
    line.SetPoints({{1, 1}, {3, 5}, {-1, 2}});
    EXPECT_EQ(line.GetRect(), (TRect{-2, 2, 4, 8}));
}

TEST(TypesPolyline, CloneIsAnIndependentCopy) {
    TRecordingTable table;
    TTypesPolyline line(&table, TProps(), 1);
    Press(line, 10, 20);
    line.ObjName = QStringLiteral("Weg");
    const std::unique_ptr<TTypesObject> clone = CloneObject(&line, 1);
    auto* copy = dynamic_cast<TTypesPolyline*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(CoordsOf(*copy), CoordsOf(line));
    EXPECT_EQ(copy->ID, line.ID);
    EXPECT_EQ(copy->ObjName, line.ObjName);
    EXPECT_FALSE(copy->HasChanged());
    copy->Move(5, 5);
    EXPECT_EQ(CoordsOf(line), (TCoords{{10, 20}, {10, 20}}));
}

TEST(TypesPolyline, RecordRoundTripsAndRejectsADamagedCount) {
    TTypesPolyline line(nullptr, TProps(), 1.25L);
    line.SetPoints({{1.5L, -2}, {1e-3L, 7}});
    line.KeyFrameTurn = true;
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    line.DataToStream(stream);
    EXPECT_EQ(buffer.size(), 4 + 57 + 80 + 4 + 5 + 4 + 20 * 2 + 10);

    buffer.seek(0);
    EXPECT_EQ(stream.ReadInteger(), 0);
    TProps props;
    stream.ReadProps(props);
    TTypesPolyline read(1);
    read.StreamToData(stream);
    EXPECT_EQ(CoordsOf(read), CoordsOf(line));
    EXPECT_EQ(read.ID, line.ID);
    EXPECT_TRUE(read.KeyFrameTurn);
    EXPECT_FALSE(read.KeyFrameMove);
    EXPECT_EQ(read.Zoom(), 1.25L);

    QByteArray damaged = buffer.data();
    damaged[4 + 57 + 80 + 4 + 5 + 3] = 0x7F;
    QBuffer source(&damaged);
    source.open(QIODevice::ReadOnly);
    source.seek(4 + 57);
    TStream damagedStream(source);
    EXPECT_THROW(read.StreamToData(damagedStream), TStreamError);
}

TEST(TypesPolyline, PaintsTheLineThenWhiteHandlesAndLeavesThePainterAsItWas) {
    TRecordingTable table;
    TProps props;
    props.PenColor = 0x0000FF;
    props.PenWidth = 3;
    TTypesPolyline line(&table, props, 1);
    line.SetPoints({{10, 30}, {50, 30}});
    table.BeginPaint(60, 60);
    table.Painter()->setPen(QColor(Qt::blue));
    line.Paint(&table);
    EXPECT_EQ(table.Painter()->pen().color(), QColor(Qt::blue));
    const QImage& image = table.EndPaint();
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(12, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(6, 30), qRgb(0, 0, 0));
}
