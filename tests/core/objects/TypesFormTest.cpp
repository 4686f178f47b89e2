#include "RecordingTable.h"

#include "core/anim/Anim.h"
#include "core/objects/ObjectRecord.h"
#include "core/io/ProjectDump.h"
#include "core/model/Stream.h"
#include "core/model/Frame.h"
#include "core/model/Project.h"
#include "core/objects/ShapeCatalogue.h"
#include "core/objects/TypesForm.h"
#include "core/objects/TypesPolygon.h"
#include "core/model/BitmapCanvas.h"

#include <QBuffer>
#include <QJsonArray>
#include <gtest/gtest.h>
#include <limits>

namespace {

TProps FillOnly(TColor fill) {
    TProps props;
    props.BrushColor = fill;
    props.PenShow = false;
    return props;
}

// A shape created by a click at (x, y) with the picker answered by answer.
std::unique_ptr<TTypesForm> Created(TRecordingTable& table, const TShapeAnswer& answer, int x,
                                    int y, bool& flag, const TProps& props = FillOnly(0x0000FF)) {
    auto form = std::make_unique<TTypesForm>(&table, props, 1);
    table.ObjectDialogs.Shapes.push_back(answer);
    form->CreateMouseDown(TMouseButton::mbLeft, 0, x, y, flag);
    return form;
}

std::unique_ptr<TTypesForm> Created(TRecordingTable& table, int index, int x = 200, int y = 150) {
    bool flag = false;
    auto form = Created(table, {index, {}, true}, x, y, flag);
    EXPECT_TRUE(flag);
    return form;
}

// The open polygon of corners, closed by one more press at inner, dragged to the first corner.
std::unique_ptr<TTypesPolygon> ClosedPolygon(const TPolyPointsEx& corners, TPoint inner) {
    auto polygon = std::make_unique<TTypesPolygon>(1);
    polygon->SetPoints(corners);
    Press(*polygon, inner.X, inner.Y);
    Release(*polygon, static_cast<int>(corners[0].X), static_cast<int>(corners[0].Y));
    EXPECT_TRUE(polygon->Closed());
    return polygon;
}

// Bounds of every pixel that is not white.
QRect InkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QImage Rendered(TTypesObject& object, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TBitmapCanvas bitmap(image);
        object.ChangeSelection(false, false);
        object.SetTableBitmap(&bitmap);
        object.Paint(nullptr);
        object.SetTableBitmap(nullptr);
    }
    return image;
}

void ExpectPoints(const TPolyPointsEx& actual, const std::vector<std::pair<double, double>>& want) {
    ASSERT_EQ(actual.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(actual[i].X), want[i].first, 5e-4) << "point " << i;
        EXPECT_NEAR(static_cast<double>(actual[i].Y), want[i].second, 5e-4) << "point " << i;
    }
}

} // namespace

TEST(TypesForm, CatalogueListsElevenShapesInPickerOrder) {
    EXPECT_EQ(ShapePickerItems(2),
              QStringList({"Quadrat", "Kreis", "Dreieck", "Pfeil Links", "Pfeil Rechts",
                           "Pfeil Oben", "Pfeil Unten", "Pfeil Links rechts", "Pfeil Oben Unten",
                           "Stern 5-eckig", "Stern 4-eckig", "Polygon", "Polygon"}));
    const std::vector<int> kinds = {0, 1, 2, 3, 3, 3, 3, 3, 3, 4, 4};
    ASSERT_EQ(ShapeCatalogue().size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(ShapeCatalogue()[i].FormType, kinds[i]) << i;
    // Thirds are exact, not rounded to whole pixels.
    const TPolyPointsEx& left = ShapeCatalogue()[3].Points;
    EXPECT_EQ(left[1].X, 100.0L / 3);
    EXPECT_EQ(left[5].Y, 100 - 100.0L / 3);
    EXPECT_EQ(ShapeCatalogue()[7].Points.size(), 10u);
}

TEST(TypesForm, StarsAlternateTipsAndNotchesClockwiseFromTheTop) {
    const TPolyPointsEx& five = ShapeCatalogue()[9].Points;
    ASSERT_EQ(five.size(), 10u);
    ExpectPoints({five.begin(), five.begin() + 4},
                 {{50, 0}, {58.817, 37.865}, {97.553, 34.549}, {64.266, 54.635}});
    ExpectPoints(ShapeCatalogue()[10].Points, {{50, 0},
                                               {60.607, 39.393},
                                               {100, 50},
                                               {60.607, 60.607},
                                               {50, 100},
                                               {39.393, 60.607},
                                               {0, 50},
                                               {39.393, 39.393}});
}

TEST(TypesForm, PickedCatalogueShapeIsCentredOnTheClick) {
    TRecordingTable table;
    const auto triangle = Created(table, 2, 200, 150);
    EXPECT_EQ(triangle->FormType(), FORM_TRIANGLE);
    EXPECT_EQ(triangle->FormRect(), (TRect{0, 0, 100, 100}));
    ExpectPoints(triangle->FormPoints(), {{50, 0}, {0, 75}, {100, 75}});
    EXPECT_EQ(triangle->Centre().X, 200);
    EXPECT_EQ(triangle->Centre().Y, 150);
    EXPECT_TRUE(triangle->HasChanged());
    EXPECT_TRUE(triangle->IsSelected());
    EXPECT_TRUE(AllKeyFrames(*triangle));
    ASSERT_EQ(table.ObjectDialogs.ShapePresets, std::vector<int>{0});
    // The whole box counts, although the triangle fills only its upper 75 pixels.
    EXPECT_EQ(triangle->GetRect(), (TRect{150, 100, 250, 200}));
}

TEST(TypesForm, CancelOrNoSelectionPlacesNothing) {
    TRecordingTable table;
    for (const TShapeAnswer& answer :
         {TShapeAnswer{3, {}, false}, TShapeAnswer{-1, {}, true}, TShapeAnswer{11, {}, true}}) {
        bool flag = true;
        const auto form = Created(table, answer, 10, 10, flag);
        EXPECT_FALSE(flag);
        EXPECT_FALSE(form->HasChanged());
    }
    bool flag = true;
    TTypesForm form(&table, FillOnly(0), 1);
    form.CreateMouseDown(TMouseButton::mbRight, 0, 5, 5, flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(table.ObjectDialogs.ShapePresets.size(), 3u);
}

TEST(TypesForm, StretchedCircleIsAnEllipseAndTurnsItsBounds) {
    TRecordingTable table;
    const auto circle = Created(table, 1, 150, 100);
    circle->SetAspectPlacement({{150, 100}, 0, 2, 1});
    const QRect ink = InkOf(Rendered(*circle, 300, 200));
    EXPECT_NEAR(ink.width(), 200, 1);
    EXPECT_NEAR(ink.height(), 100, 1);
    EXPECT_NEAR(ink.center().x(), 150, 1);
    // The ellipse leaves the box's corners empty.
    const QImage image = Rendered(*circle, 300, 200);
    EXPECT_EQ(image.pixel(52, 52), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(150, 100), qRgb(255, 0, 0));

    circle->SetAspectPlacement({{150, 100}, 90, 2, 1});
    const TRect turned = circle->GetRect();
    EXPECT_NEAR(turned.Right - turned.Left, 100, 1);
    EXPECT_NEAR(turned.Bottom - turned.Top, 200, 1);
}

TEST(TypesForm, PolygonItemCopiesTheOutlineMovedToTheOrigin) {
    const auto source = ClosedPolygon({{300, 200}, {380, 200}, {380, 260}, {300, 260}}, {340, 230});
    const TPolyPointsEx copied = CopiedPolygonPoints(source->Points());
    ExpectPoints(copied, {{0, 0}, {80, 0}, {80, 60}, {0, 60}, {0, 0}});

    TRecordingTable table;
    bool flag = false;
    const auto form = Created(table, {11, copied, true}, 40, 30, flag);
    ASSERT_TRUE(flag);
    EXPECT_EQ(form->FormType(), FORM_POLYGON);
    EXPECT_EQ(form->FormRect(), (TRect{0, 0, 80, 60}));
    EXPECT_EQ(form->GetRect(), (TRect{0, 0, 80, 60}));
    // The shape keeps no link to its source.
    source->Move(10, 10);
    EXPECT_EQ(form->FormPoints()[1].X, 80);
}

TEST(TypesForm, PickerOffersOnlyClosedPolygonsOfTheFrame) {
    TFrame master;
    auto open = std::make_unique<TTypesPolygon>(1);
    open->SetPoints({{0, 0}, {50, 0}, {50, 50}});
    master.Objects.push_back(std::move(open));
    master.Objects.push_back(ClosedPolygon({{10, 10}, {60, 10}, {60, 40}}, {20, 30}));
    master.Objects.push_back(std::make_unique<TTypesForm>(1));
    master.Objects.push_back(ClosedPolygon({{5, 5}, {25, 5}, {25, 25}}, {10, 20}));
    const std::vector<TPolyPointsEx> offered = PickerPolygons(master);
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0][1].X, 60);
    EXPECT_EQ(offered[1][1].X, 25);
}

TEST(TypesForm, RotateModeDrawsOnlyTheCornerHandles) {
    TRecordingTable table;
    const auto square = Created(table, 0, 100, 100);
    const auto marks = [&] {
        table.BeginPaint(200, 200);
        square->Paint(&table);
        return table.EndPaint();
    };
    // The widened bounds run from 49 to 151; handles are 8 x 8 white squares on them.
    const QImage stretch = marks();
    EXPECT_EQ(stretch.pixel(100, 52), qRgb(255, 255, 255)) << "top middle handle";
    EXPECT_EQ(stretch.pixel(52, 52), qRgb(255, 255, 255)) << "top left handle";
    square->DblClick();
    const QImage rotate = marks();
    EXPECT_EQ(rotate.pixel(100, 52), qRgb(255, 0, 0)) << "no top middle handle";
    EXPECT_EQ(rotate.pixel(148, 100), qRgb(255, 0, 0)) << "no right middle handle";
    EXPECT_EQ(rotate.pixel(52, 52), qRgb(255, 255, 255)) << "top left handle";
    EXPECT_EQ(rotate.pixel(148, 148), qRgb(255, 255, 255)) << "bottom right handle";
}

TEST(TypesForm, RecordRoundTripKeepsEveryField) {
    TRecordingTable table;
    const auto star = Created(table, 9, 30, 40);
    star->ObjName = QStringLiteral("Stern");
    star->SetAspectPlacement({{12.25L, -3.5L}, 725.125L, 1.75L, 0.3L});
    star->ChangeZoom(1.5L, false);

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    star->DataToStream(stream);
    const qint64 common = 4 + 47 + 2 * (0 + 5) + 4 + 2 * 38 + 4 + 2 * 5 + 5;
    EXPECT_EQ(buffer.data().size(), common + 4 + 16 + 4 + 10 * 20 + 6 * 10);

    buffer.seek(0);
    const std::unique_ptr<TTypesObject> read = ReadObjectRecord(stream, {&table, 1, nullptr});
    EXPECT_TRUE(buffer.atEnd());
    const auto* copy = dynamic_cast<const TTypesForm*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->FormType(), FORM_STAR);
    EXPECT_EQ(copy->FormRect(), (TRect{0, 0, 100, 100}));
    ASSERT_EQ(copy->FormPoints().size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(copy->FormPoints()[i].X, star->FormPoints()[i].X);
        EXPECT_EQ(copy->FormPoints()[i].Y, star->FormPoints()[i].Y);
    }
    EXPECT_EQ(copy->ID, star->ID);
    EXPECT_EQ(copy->ObjName, QStringLiteral("Stern"));
    EXPECT_EQ(copy->Angle(), 725.125L);
    EXPECT_EQ(copy->XPercent(), 1.75L);
    EXPECT_EQ(copy->YPercent(), 0.3L);
    EXPECT_EQ(copy->Centre().X, 12.25L);
    EXPECT_EQ(copy->Centre().Y, -3.5L);
    EXPECT_EQ(copy->Zoom(), 1.5L);
}

TEST(TypesForm, CopiesDescriptionAndBuiltFramesKeepKindAndOutline) {
    TRecordingTable table;
    const auto arrow = Created(table, 4, 100, 100);
    const QJsonObject fields = DescribeObject(*arrow);
    EXPECT_EQ(fields.value(QStringLiteral("type")).toString(), QStringLiteral("Form"));
    EXPECT_EQ(fields.value(QStringLiteral("formType")).toInt(), FORM_ARROW);
    EXPECT_EQ(fields.value(QStringLiteral("formRect")).toArray(), (QJsonArray{0, 0, 100, 100}));
    EXPECT_EQ(fields.value(QStringLiteral("formPoints")).toArray().size(), 7);
    EXPECT_EQ(fields.value(QStringLiteral("center")).toArray(), (QJsonArray{100, 100}));

    TProject project;
    CreateFrames(project, 11);
    project.FrameCount = 11;
    std::unique_ptr<TTypesObject> key = CloneObject(arrow.get(), 1);
    key->SetAspectPlacement({{300, 100}, 90, 2, 1});
    key->KeyFrameTrans = key->KeyFrameColor = false;
    project.Frames[0]->Objects.push_back(CloneObject(arrow.get(), 1));
    project.Frames[10]->Objects.push_back(std::move(key));
    BuildFrame(project, 5);
    ASSERT_EQ(project.Frames[5]->Objects.size(), 1u);
    const auto& built = dynamic_cast<const TTypesForm&>(*project.Frames[5]->Objects[0]);
    EXPECT_EQ(built.FormType(), FORM_ARROW);
    EXPECT_EQ(built.FormPoints().size(), 7u);
    EXPECT_EQ(built.Centre().X, 200);
    EXPECT_EQ(built.Angle(), 45);
    EXPECT_EQ(built.XPercent(), 1.5L);
}

TEST(TypesForm, StoredBoxWiderThanAnIntKeepsItsSize) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    WriteObjectCommon(stream, TTypesForm(1));
    stream.WriteInteger(FORM_SQUARE);
    for (const std::int32_t side : {std::numeric_limits<std::int32_t>::max(), -10,
                                    std::numeric_limits<std::int32_t>::min(), 10})
        stream.WriteInteger(side);
    stream.WriteInteger(0);
    for (const Extended value : {0.0L, 1.0L, 1.0L, 1.0L, 0.0L, 0.0L})
        stream.WriteExtended(value);
    buffer.seek(0);

    const std::unique_ptr<TTypesObject> read = ReadObjectRecord(stream, {nullptr, 1, nullptr});
    const TPlacedBox box = dynamic_cast<const TTypesForm&>(*read).Box();
    EXPECT_EQ(box.Width, 4294967295.0L);
    EXPECT_EQ(box.Height, 20);
}
