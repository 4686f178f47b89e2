#include "core/model/ObjectId.h"
#include "core/model/BitmapCanvas.h"
#include "support/TestObject.h"

#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
class TRecordingTable : public TObjectTable {
public:
    QPainter* Painter() override { return nullptr; }
    void Invalidate() override { ++Invalidations; }
    TCursor Cursor() const override { return FCursor; }
    void SetCursor(TCursor cursor) override { FCursor = cursor; }
    TCanvasState& CanvasState() override { return FState; }

    int Invalidations = 0;

private:
    TCursor FCursor = TCursor::Default;
    TCanvasState FState;
};

TProps WithTrans(Extended trans) {
    TProps props;
    props.Trans = trans;
    return props;
}
} // namespace

TEST(TypesObject, OpacityCountsToTwoTruncatedDecimals) {
    TTestObject object;
    object.ChangeProps(WithTrans(50.004L), false);
    object.KeyFrameTrans = false;
    object.ChangeProps(WithTrans(50.001L), false);
    EXPECT_FALSE(object.KeyFrameTrans);
    object.ChangeProps(WithTrans(50.00L), false);
    object.ChangeProps(WithTrans(50.01L), false);
    EXPECT_TRUE(object.KeyFrameTrans);
    EXPECT_EQ(object.GetProps().Trans, 50.01L);
}

TEST(TypesObject, OnlyOpacityAndColoursMakeKeyframes) {
    TTestObject object;
    TProps props = object.GetProps();
    props.TransColor = 0x00FF00;
    props.PenWidth = 7;
    props.FontName = QStringLiteral("Courier New");
    props.FontSize = 99;
    props.FontStyle = fsBold;
    props.Mask = MASK_AND;
    props.BrushShow = false;
    object.ChangeProps(props, false);
    EXPECT_FALSE(object.AnyKeyFrame());
    props.PenColor = 0x0000FF;
    object.ChangeProps(props, false);
    EXPECT_TRUE(object.KeyFrameColor);
    EXPECT_FALSE(object.KeyFrameTrans);
}

TEST(TypesObject, FlagsAreNeverClearedByChangeProps) {
    TTestObject object;
    object.SetAllKeyFrames();
    object.ChangeProps(object.GetProps(), false);
    EXPECT_TRUE(object.KeyFrameMove && object.KeyFrameTurn && object.KeyFrameStretch &&
                object.KeyFrameTrans && object.KeyFrameColor);
}

TEST(TypesObject, CloneCopiesIdentityButNotGestureState) {
    TRecordingTable table;
    TProps props;
    props.BrushColor = 0x123456;
    TTestObject source(&table, props, 2.0L);
    source.ObjName = QStringLiteral("Sonne");
    source.KeyFrameTurn = true;
    source.Value = 7;
    source.SetChanged(true);
    QImage image(4, 4, QImage::Format_RGB32);
    TBitmapCanvas canvas(image);
    source.SetTableBitmap(&canvas);

    const auto clone = CloneObject(&source, 1.0L);
    const auto& copy = static_cast<const TTestObject&>(*clone);
    EXPECT_EQ(copy.ID, source.ID);
    EXPECT_EQ(copy.ObjName, QStringLiteral("Sonne"));
    EXPECT_TRUE(copy.KeyFrameTurn);
    EXPECT_FALSE(copy.KeyFrameMove);
    EXPECT_EQ(copy.GetProps(), props);
    EXPECT_EQ(copy.Zoom(), 2.0L);
    EXPECT_TRUE(copy.IsSelected());
    EXPECT_EQ(copy.Table(), &table);
    EXPECT_EQ(copy.Value, 7);
    EXPECT_FALSE(copy.HasChanged());
    EXPECT_EQ(copy.TableBitmap(), nullptr);
    EXPECT_EQ(CloneObject(nullptr, 1.0L), nullptr);
}

TEST(TypesObject, ConstructorsSetStartValues) {
    const TTestObject empty;
    EXPECT_FALSE(empty.IsSelected());
    EXPECT_FALSE(empty.AnyKeyFrame());
    EXPECT_EQ(empty.Zoom(), 1.0L);
    EXPECT_EQ(empty.Table(), nullptr);
    EXPECT_EQ(empty.GetProps(), TProps());
    TRecordingTable table;
    const TTestObject created(&table, TProps(), 1.5L);
    EXPECT_TRUE(created.IsSelected());
    EXPECT_EQ(created.Zoom(), 1.5L);
    EXPECT_NE(created.ID, empty.ID);
}

TEST(TypesObject, ObjectIdsAreUpperCaseGuidTexts) {
    const QRegularExpression guid(
        QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
    const QString id = NewObjectID();
    EXPECT_EQ(id.size(), 38);
    EXPECT_TRUE(guid.match(id).hasMatch()) << id.toStdString();
    EXPECT_NE(NewObjectID(), id);
}

TEST(TypesObject, TableServicesGoThroughTheTable) {
    TTestObject loose;
    loose.Invalidate();
    loose.SetCursor(TCursor::Turn);
    EXPECT_EQ(loose.Cursor(), TCursor::Default);
    EXPECT_EQ(loose.Canvas(), nullptr);

    TRecordingTable table;
    TTestObject object(&table, TProps(), 1.0L);
    object.ChangeSelection(false, true);
    object.ChangeZoom(3.0L, false);
    object.SetCursor(TCursor::MovePoint);
    EXPECT_EQ(table.Invalidations, 1);
    EXPECT_EQ(object.Zoom(), 3.0L);
    EXPECT_EQ(object.Cursor(), TCursor::MovePoint);
    EXPECT_FALSE(object.IsSelected());
}

TEST(TypesObject, PaintsIntoTheImageWhileRenderingEvenWithoutTable) {
    TTestObject object;
    QImage image(4, 4, QImage::Format_RGB32);
    TBitmapCanvas canvas(image);
    object.SetTableBitmap(&canvas);
    EXPECT_EQ(object.Canvas(), &canvas.Painter());
}
