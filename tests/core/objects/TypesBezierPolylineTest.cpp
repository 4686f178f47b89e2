#include "RecordingTable.h"

#include "core/objects/ObjectRecord.h"
#include "core/model/Stream.h"
#include "core/objects/TypesBezierPolyline.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

using TCoord = std::pair<Extended, Extended>;

// One press, drag and release of the creation tool.
bool Stroke(TTypesObject& object, TPoint press, TPoint release) {
    const bool flag = Press(object, press.X, press.Y);
    object.CreateMouseMove(0, release.X, release.Y);
    Release(object, release.X, release.Y);
    return flag;
}

// Straight segments (100, 100) - (200, 100) - (200, 200), every control on its anchor.
void DrawTwoSegments(TTypesBezierPolyline& chain) {
    Stroke(chain, {100, 100}, {200, 100});
    Stroke(chain, {200, 200}, {200, 200});
}

// An arch from (0, 100) to (200, 100) whose controls stand far above it; its top is at y 25.
const TPolyPointsEx Arch = {{0, 100}, {0, 0}, {200, 0}, {200, 100}};

} // namespace

TEST(TypesBezierPolyline, FirstClickMakesFourEqualPointsAndTheDragMovesTheLastTwo) {
    TRecordingTable table;
    TTypesBezierPolyline chain(&table, TProps(), 1);
    EXPECT_TRUE(Press(chain, 10, 20));
    EXPECT_EQ(CoordsOf(chain), TCoords(4, TCoord{10, 20}));
    EXPECT_TRUE(chain.HasChanged());
    EXPECT_TRUE(chain.IsSelected());
    EXPECT_TRUE(AllKeyFrames(chain));
    EXPECT_GT(table.Invalidations, 0);
    chain.CreateMouseMove(0, 40, 30);
    Release(chain, 40, 30);
    chain.CreateMouseMove(0, 90, 90);
    EXPECT_EQ(CoordsOf(chain), (TCoords{{10, 20}, {10, 20}, {40, 30}, {40, 30}}));

    TTypesBezierPolyline other(&table, TProps(), 1);
    bool flag = true;
    other.CreateMouseDown(TMouseButton::mbRight, 0, 10, 20, flag);
    EXPECT_FALSE(flag);
    EXPECT_TRUE(other.Points().empty());
}

TEST(TypesBezierPolyline, SecondClickStartsWithACopyOfTheLastAnchorAtZoomTwo) {
    TTypesBezierPolyline chain(nullptr, TProps(), 2);
    Stroke(chain, {20, 20}, {120, 20});
    EXPECT_TRUE(Press(chain, 120, 100));
    EXPECT_EQ(CoordsOf(chain),
              (TCoords{{10, 10}, {10, 10}, {60, 10}, {60, 10}, {60, 10}, {60, 50}, {60, 50}}));
    chain.CreateMouseMove(0, 130, 100);
    EXPECT_EQ(CoordsOf(chain)[4], (TCoord{60, 10}));
    EXPECT_EQ(CoordsOf(chain)[5], (TCoord{65, 50}));
    EXPECT_EQ(CoordsOf(chain)[6], (TCoord{65, 50}));
}

TEST(TypesBezierPolyline, ClickOnAStraightSegmentSplitsItAtTheClickWithoutDragging) {
    TTypesBezierPolyline chain(nullptr, TProps(), 1);
    DrawTwoSegments(chain);
    EXPECT_FALSE(Press(chain, 200, 150));
    chain.CreateMouseMove(0, 250, 250);
    EXPECT_TRUE(chain.HasChanged());
    EXPECT_EQ(CoordsOf(chain), (TCoords{{100, 100},
                                        {100, 100},
                                        {200, 100},
                                        {200, 100},
                                        {200, 100},
                                        {200, 150},
                                        {200, 150},
                                        {200, 150},
                                        {200, 200},
                                        {200, 200}}));
}

TEST(TypesBezierPolyline, PressOnAnAnchorGrabsTheControlLyingOnIt) {
    TTypesBezierPolyline chain(nullptr, TProps(), 1);
    Stroke(chain, {100, 100}, {200, 100});
    EXPECT_TRUE(Grab(chain, 100, 100));
    DragTo(chain, 100, 60);
    EXPECT_TRUE(chain.HasChanged());
    // The end anchor's incoming control comes first in index order.
    EXPECT_TRUE(Grab(chain, 200, 100));
    DragTo(chain, 200, 60);
    EXPECT_EQ(CoordsOf(chain), (TCoords{{100, 100}, {100, 60}, {200, 60}, {200, 100}}));

    // Free of its control, the anchor itself is grabbed and moves alone.
    EXPECT_TRUE(Grab(chain, 100, 100));
    DragTo(chain, 90, 100);
    EXPECT_EQ(CoordsOf(chain), (TCoords{{90, 100}, {100, 60}, {200, 60}, {200, 100}}));
}

TEST(TypesBezierPolyline, ShiftClickDeletesAnInnerAnchorWithItsControls) {
    TTypesBezierPolyline chain(nullptr, TProps(), 1);
    DrawTwoSegments(chain);
    Press(chain, 100, 100, ssShift);
    Press(chain, 200, 200, ssShift);
    Press(chain, 200, 100);
    EXPECT_FALSE(chain.HasChanged());
    EXPECT_EQ(chain.Points().size(), 7u);

    // Its controls still lie on the inner anchor and are hit first; the anchor is meant.
    EXPECT_FALSE(Press(chain, 200, 100, ssShift));
    EXPECT_TRUE(chain.HasChanged());
    EXPECT_EQ(CoordsOf(chain), (TCoords{{100, 100}, {100, 100}, {200, 200}, {200, 200}}));
    Press(chain, 100, 100, ssShift);
    Press(chain, 200, 200, ssShift);
    EXPECT_EQ(chain.Points().size(), 4u);

    // A control drawn away from its anchor is no anchor.
    chain.SetPoints({{0, 0}, {0, -50}, {100, -50}, {100, 0}, {100, 50}, {200, 50}, {200, 0}});
    Press(chain, 100, -50, ssShift);
    EXPECT_EQ(chain.Points().size(), 7u);
    Press(chain, 100, 0, ssShift);
    EXPECT_EQ(CoordsOf(chain), (TCoords{{0, 0}, {0, -50}, {200, 50}, {200, 0}}));
}

TEST(TypesBezierPolyline, RectEnclosesTheFlattenedCurveNotItsControls) {
    TTypesBezierPolyline chain(nullptr, TProps(), 1);
    chain.SetPoints(Arch);
    // The smoothing of the flattened curve also draws its ends in a little.
    EXPECT_EQ(chain.GetRect(), (TRect{0, 25, 200, 95}));

    // Points are rounded to whole document pixels before the zoom applies.
    chain.ChangeZoom(10, false);
    chain.SetPoints({{0.4L, 0.4L}, {0.4L, 0.4L}, {2.4L, 0.4L}, {2.4L, 0.4L}});
    EXPECT_EQ(chain.GetRect(), (TRect{0, 0, 20, 0}));
}

TEST(TypesBezierPolyline, CurveAndItsChordGrabTheWholeChainAndHoverShowsThem) {
    TRecordingTable table;
    TTypesBezierPolyline chain(&table, TProps(), 1);
    chain.SetPoints(Arch);
    EXPECT_EQ(HoverAt(table, chain, 0, 0), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, chain, 100, 25), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, chain, 100, 96), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, chain, 100, 60), TCursor::Default);

    EXPECT_FALSE(Grab(chain, 100, 60));
    EXPECT_FALSE(chain.IsSelected());
    EXPECT_TRUE(Grab(chain, 100, 25));
    EXPECT_TRUE(chain.IsSelected());
    DragTo(chain, 110, 35);
    EXPECT_EQ(CoordsOf(chain), (TCoords{{10, 110}, {10, 10}, {210, 10}, {210, 110}}));
    EXPECT_TRUE(chain.KeyFrameMove);
}

TEST(TypesBezierPolyline, ShortAndRaggedPointListsStayInRange) {
    TRecordingTable table;
    for (const std::size_t count : {0u, 1u, 2u, 3u, 5u, 6u}) {
        TTypesBezierPolyline chain(&table, TProps(), 1);
        TPolyPointsEx points;
        for (std::size_t i = 0; i < count; ++i)
            points.push_back({Extended(40 * i), Extended(10 * (i % 2))});
        chain.SetPoints(points);
        chain.GetRect();
        HoverAt(table, chain, 20, 5);
        Grab(chain, 20, 5);
        DragTo(chain, 25, 5);
        Press(chain, 40, 10, ssShift);
        table.BeginPaint(300, 100);
        chain.Paint(&table);
        table.EndPaint();
        const std::size_t before = chain.Points().size();
        Stroke(chain, {300, 300}, {310, 300});
        EXPECT_EQ(chain.Points().size(), before == 0 ? 4 : before + 3) << count;
        EXPECT_EQ(CoordsOf(chain).back(), (TCoord{310, 300})) << count;
    }
}

TEST(TypesBezierPolyline, RecordRoundTripsThroughTheTypeRegistry) {
    TTypesBezierPolyline chain(nullptr, TProps(), 1.5L);
    chain.SetPoints({{1.5L, -2}, {1e-3L, 7}, {3, 4}, {5, 6}});
    chain.ObjName = QStringLiteral("Bogen");
    chain.KeyFrameTurn = true;
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    chain.DataToStream(stream);
    EXPECT_EQ(buffer.size(), 4 + 57 + 80 + 4 + 10 + 5 + 4 + 20 * 4 + 10);

    buffer.seek(0);
    const std::unique_ptr<TTypesObject> read = ReadObjectRecord(stream, {nullptr, 1, nullptr});
    auto* copy = dynamic_cast<TTypesBezierPolyline*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->TypeName(), QStringLiteral("BezierPolyline"));
    EXPECT_EQ(CoordsOf(*copy), CoordsOf(chain));
    EXPECT_EQ(copy->ID, chain.ID);
    EXPECT_EQ(copy->ObjName, chain.ObjName);
    EXPECT_TRUE(copy->KeyFrameTurn);
    EXPECT_FALSE(copy->KeyFrameMove);
    EXPECT_EQ(copy->Zoom(), 1.5L);
    EXPECT_EQ(buffer.pos(), buffer.size());
}

TEST(TypesBezierPolyline, PaintsTheCurveThenControlLinesAndHandlesWhenSelected) {
    TRecordingTable table;
    TProps props;
    props.PenColor = 0x0000FF;
    props.PenWidth = 3;
    TTypesBezierPolyline chain(&table, props, 1);
    chain.SetPoints({{20, 60}, {20, 20}, {80, 20}, {80, 60}});
    const auto render = [&] {
        table.BeginPaint(100, 100);
        table.Painter()->setPen(QColor(Qt::blue));
        chain.Paint(&table);
        EXPECT_EQ(table.Painter()->pen().color(), QColor(Qt::blue));
        return table.EndPaint().copy();
    };
    const QImage selected = render();
    EXPECT_EQ(selected.pixel(50, 30), qRgb(255, 0, 0));
    EXPECT_EQ(selected.pixel(20, 40), qRgb(0, 0, 0));
    // Anchors get 8 x 8 handles, controls 6 x 6.
    EXPECT_EQ(selected.pixel(76, 60), qRgb(0, 0, 0));
    EXPECT_EQ(selected.pixel(75, 60), qRgb(255, 255, 255));
    EXPECT_EQ(selected.pixel(77, 20), qRgb(0, 0, 0));
    EXPECT_EQ(selected.pixel(76, 20), qRgb(255, 255, 255));

    chain.ChangeSelection(false, false);
    const QImage plain = render();
    EXPECT_EQ(plain.pixel(50, 30), qRgb(255, 0, 0));
    EXPECT_EQ(plain.pixel(20, 40), qRgb(255, 255, 255));
}
