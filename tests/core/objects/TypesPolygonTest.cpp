#include "RecordingTable.h"

#include "core/model/Stream.h"
#include "core/objects/TypesPolygon.h"
#include "core/objects/TypesPolyline.h"
#include "core/model/BitmapCanvas.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

// The corners A, B, C of a right triangle, screen positions at zoom 1.
const TPoint A{100, 100};
const TPoint B{200, 100};
const TPoint C{200, 200};

// The open triangle A, B, C plus a fourth vertex pressed at (A.X, C.Y) and released at the
// given position.
void AddFourthAndRelease(TTypesPolygon& polygon, TPoint a, TPoint b, TPoint c, TPoint release) {
    polygon.SetPoints({{Extended(a.X), Extended(a.Y)},
                       {Extended(b.X), Extended(b.Y)},
                       {Extended(c.X), Extended(c.Y)}});
    EXPECT_TRUE(Press(polygon, a.X, c.Y));
    Release(polygon, release.X, release.Y);
}

void CloseTriangle(TTypesPolygon& polygon, TPoint a = A, TPoint b = B, TPoint c = C) {
    AddFourthAndRelease(polygon, a, b, c, a);
    ASSERT_TRUE(polygon.Closed());
}

TProps MaskProps() {
    TProps props;
    props.BrushColor = 0x0000FF;
    props.PenColor = 0xFF0000;
    props.Mask = MASK_AND;
    return props;
}

} // namespace

TEST(TypesPolygon, ReleaseClosesWithinEightPixelsOfTheStartOnBothAxes) {
    TTypesPolygon closing(nullptr, TProps(), 1);
    AddFourthAndRelease(closing, A, B, C, {A.X + 8, A.Y - 8});
    EXPECT_TRUE(closing.Closed());
    EXPECT_EQ(CoordsOf(closing), (TCoords{{100, 100}, {200, 100}, {200, 200}, {100, 100}}));

    for (const TPoint release : {TPoint{A.X + 9, A.Y}, TPoint{A.X + 8, A.Y - 9}}) {
        TTypesPolygon open(nullptr, TProps(), 1);
        AddFourthAndRelease(open, A, B, C, release);
        EXPECT_FALSE(open.Closed());
        EXPECT_EQ(CoordsOf(open).back(), (std::pair<Extended, Extended>{100, 200}));
    }
}

TEST(TypesPolygon, TwoPointsNeverCloseAndAnEarlierVertexIsNotSnapped) {
    TTypesPolygon polygon(nullptr, TProps(), 1);
    Press(polygon, 100, 100);
    polygon.CreateMouseMove(0, 104, 104);
    Release(polygon, 104, 104);
    EXPECT_FALSE(polygon.Closed());
    EXPECT_EQ(CoordsOf(polygon), (TCoords{{100, 100}, {104, 104}}));

    // A click on the first vertex grabs nothing, so its release has no vertex to close with.
    polygon.SetPoints({{100, 100}, {200, 100}, {200, 200}});
    EXPECT_FALSE(Press(polygon, 100, 100));
    Release(polygon, 100, 100);
    EXPECT_FALSE(polygon.Closed());
    EXPECT_EQ(CoordsOf(polygon).back(), (std::pair<Extended, Extended>{200, 200}));
}

TEST(TypesPolygon, DraggingNearTheStartSnapsTheNewVertexOntoIt) {
    TTypesPolygon polygon(nullptr, TProps(), 1);
    polygon.SetPoints({{100, 100}, {200, 100}, {200, 200}});
    Press(polygon, 100, 200);
    polygon.CreateMouseMove(0, 106, 93);
    EXPECT_EQ(CoordsOf(polygon).back(), (std::pair<Extended, Extended>{100, 100}));
    EXPECT_FALSE(polygon.Closed());
}

TEST(TypesPolygon, ClosedPolygonTakesNoNewVerticesAndKeepsItsTriangle) {
    TTypesPolygon triangle(nullptr, TProps(), 1);
    CloseTriangle(triangle);
    EXPECT_FALSE(Press(triangle, 300, 300));
    EXPECT_FALSE(triangle.HasChanged());
    Press(triangle, B.X, B.Y, ssShift);
    EXPECT_EQ(triangle.Points().size(), 4u);

    TTypesPolygon square(nullptr, TProps(), 1);
    square.SetPoints({{100, 100}, {200, 100}, {200, 200}, {150, 250}});
    Press(square, 100, 200);
    Release(square, 100, 100);
    ASSERT_TRUE(square.Closed());
    Press(square, B.X, B.Y, ssShift);
    EXPECT_EQ(CoordsOf(square), (TCoords{{100, 100}, {200, 200}, {150, 250}, {100, 100}}));
    EXPECT_TRUE(square.HasChanged());
}

TEST(TypesPolygon, DraggingTheFirstVertexMovesTheClosingCopy) {
    TTypesPolygon polygon(nullptr, TProps(), 1);
    CloseTriangle(polygon);
    polygon.ChangeZoom(2, false);
    EXPECT_TRUE(Grab(polygon, 200, 200));
    DragTo(polygon, 190, 196);
    EXPECT_EQ(CoordsOf(polygon).front(), (std::pair<Extended, Extended>{95, 98}));
    EXPECT_EQ(CoordsOf(polygon).back(), CoordsOf(polygon).front());
}

TEST(TypesPolygon, InsideGrabsTheBodyAndHoverShowsWhatAPressWouldDo) {
    TRecordingTable table;
    TTypesPolygon polygon(&table, TProps(), 1);
    CloseTriangle(polygon);
    EXPECT_EQ(HoverAt(table, polygon, B.X, B.Y), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, polygon, 150, 150), TCursor::MovePoint);
    EXPECT_EQ(HoverAt(table, polygon, 180, 130), TCursor::SizeAll);
    EXPECT_EQ(HoverAt(table, polygon, 120, 180), TCursor::Default);

    EXPECT_FALSE(Grab(polygon, 120, 180));
    EXPECT_FALSE(polygon.IsSelected());
    EXPECT_TRUE(Grab(polygon, 180, 130));
    DragTo(polygon, 185, 120);
    EXPECT_EQ(CoordsOf(polygon), (TCoords{{105, 90}, {205, 90}, {205, 190}, {105, 90}}));
}

TEST(TypesPolygon, OnlyAPolygonWithAMaskModeMasks) {
    TTypesPolygon polygon(nullptr, TProps(), 1);
    polygon.SetPoints({{1, 2}, {3, 4}, {5, 1}});
    EXPECT_EQ(polygon.MaskOutline(), nullptr);
    polygon.ChangeProps(MaskProps(), false);
    ASSERT_NE(polygon.MaskOutline(), nullptr);
    EXPECT_EQ(polygon.MaskOutline()->size(), 3u);

    TTypesPolyline line(nullptr, MaskProps(), 1);
    line.SetPoints({{1, 2}, {3, 4}, {5, 1}});
    EXPECT_EQ(line.MaskOutline(), nullptr);
}

TEST(TypesPolygon, FillsOnlyOnceClosedAndMasksDrawNothingIntoFrameImages) {
    const auto render = [](TProps props, bool close) {
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        TBitmapCanvas bitmap(image);
        TTypesPolygon polygon(nullptr, props, 1);
        if (close)
            CloseTriangle(polygon, {10, 10}, {50, 10}, {50, 50});
        else
            polygon.SetPoints({{10, 10}, {50, 10}, {50, 50}});
        polygon.ChangeSelection(false, false);
        polygon.SetTableBitmap(&bitmap);
        polygon.Paint(nullptr);
        bitmap.Painter().end();
        return image;
    };
    TProps fill = MaskProps();
    fill.Mask = MASK_NONE;
    EXPECT_EQ(render(fill, true).pixel(40, 20), qRgb(255, 0, 0));
    EXPECT_EQ(render(fill, false).pixel(40, 20), qRgb(255, 255, 255));

    const QImage masked = render(MaskProps(), true);
    for (int y = 0; y < masked.height(); ++y)
        for (int x = 0; x < masked.width(); ++x)
            ASSERT_EQ(masked.pixel(x, y), qRgb(255, 255, 255)) << x << ", " << y;
}

TEST(TypesPolygon, MaskOnTheCanvasIsAPlainOutlineInTheCanvasPenColour) {
    TRecordingTable table;
    table.State.PenColor = 0x00FF00;
    TTypesPolygon polygon(&table, MaskProps(), 1);
    CloseTriangle(polygon, {10, 10}, {50, 10}, {50, 50});
    polygon.ChangeSelection(false, false);
    table.BeginPaint(60, 60);
    polygon.Paint(&table);
    const QImage& image = table.EndPaint();
    EXPECT_EQ(image.pixel(30, 10), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(40, 20), qRgb(255, 255, 255));
    // Not antialiased: every pixel is either untouched or exactly the pen colour.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(image.pixel(x, y) == qRgb(255, 255, 255) ||
                        image.pixel(x, y) == qRgb(0, 255, 0))
                << x << ", " << y;
}

TEST(TypesPolygon, CloneAndRecordKeepTheClosedOutline) {
    TTypesPolygon polygon(nullptr, TProps(), 1);
    CloseTriangle(polygon);
    const std::unique_ptr<TTypesObject> clone = CloneObject(&polygon, 1);
    auto* copy = dynamic_cast<TTypesPolygon*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->Closed());
    EXPECT_EQ(CoordsOf(*copy), CoordsOf(polygon));

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    polygon.DataToStream(stream);
    EXPECT_EQ(buffer.size(), 4 + 57 + 80 + 4 + 5 + 4 + 20 * 4 + 1 + 10);
    buffer.seek(0);
    EXPECT_EQ(stream.ReadInteger(), 1);
    TProps props;
    stream.ReadProps(props);
    TTypesPolygon read(1);
    read.StreamToData(stream);
    EXPECT_TRUE(read.Closed());
    EXPECT_EQ(CoordsOf(read), CoordsOf(polygon));
    EXPECT_EQ(buffer.pos(), buffer.size());
}
