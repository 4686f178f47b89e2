#include "RenderTestSupport.h"

#include "core/model/BitmapCanvas.h"
#include "core/render/MaskClip.h"
#include "core/render/Primitives.h"

#include <gtest/gtest.h>

namespace {

// A filled rectangle that, with a mask mode, masks instead of painting.
class TTestShape : public TTypesObject {
public:
    TTestShape(const TRectEx& rect, TColor color, std::int32_t mask) : FRect(rect) {
        FProps = Props(color, Black, true, false);
        FProps.Mask = mask;
        FPoints = {{rect.Left, rect.Top},
                   {rect.Right, rect.Top},
                   {rect.Right, rect.Bottom},
                   {rect.Left, rect.Bottom}};
    }

    QString TypeName() const override { return QStringLiteral("Test"); }
    int TypeCode() const override { return 99; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended) const override {
        return std::make_unique<TTestShape>(FRect, FProps.BrushColor, FProps.Mask);
    }
    void DataToStream(TStream&) const override {}
    void StreamToData(TStream&) override {}
    TRect GetRect() const override { return {}; }
    void Move(Extended, Extended) override {}
    void DblClick() override {}
    void CreateMouseDown(TMouseButton, TShiftState, int, int, bool&) override {}
    void CreateMouseMove(TShiftState, int, int) override {}
    void CreateMouseUp(TMouseButton, TShiftState, int, int) override {}
    void ChangeMouseDown(TMouseButton, TShiftState, int, int, bool&) override {}
    void ChangeMouseMove(TShiftState, int, int) override {}
    void ChangeMouseUp(TMouseButton, TShiftState, int, int) override {}

    void Paint(TObjectTable*) override {
        QPainter* canvas = Canvas();
        if (FProps.Mask != MASK_NONE || !canvas)
            return;
        TPolyPoints points;
        for (const TPointEx& point : FPoints)
            points.push_back({RoundHalfEven(point.X * FZoom), RoundHalfEven(point.Y * FZoom)});
        GPDrawPolygon(*canvas, points, FProps, FZoom, true);
    }

    const TPolyPointsEx* MaskOutline() const override {
        return FProps.Mask != MASK_NONE ? &FPoints : nullptr;
    }

    TPolyPointsEx FPoints;

private:
    TRectEx FRect;
};

const TRectEx Everything{0, 0, 60, 60};
const TRectEx Middle{20, 20, 40, 40};

struct Layer {
    TRectEx Rect;
    TColor Color;
    std::int32_t Mask;
};

// Paints the layers bottom to top into a white 60 x 60 image at zoom 1.
QImage Render(const std::vector<Layer>& layers) {
    QImage image = Canvas();
    TBitmapCanvas bitmap(image);
    TObjectList objects;
    for (const Layer& layer : layers) {
        objects.push_back(std::make_unique<TTestShape>(layer.Rect, layer.Color, layer.Mask));
        objects.back()->SetTableBitmap(&bitmap);
    }
    PaintMasked(bitmap.Painter(), objects, image.rect(), 1, QPoint(),
                [](TTypesObject& object) { object.Paint(nullptr); });
    EXPECT_FALSE(bitmap.Painter().hasClipping());
    bitmap.Painter().end();
    return image;
}

bool IsRed(QRgb pixel) {
    return Near(pixel, 0xFF0000, 0);
}

} // namespace

TEST(MaskClip, AndShowsLaterObjectsOnlyInsideDiffCutsThemOut) {
    const QImage inside = Render({{Middle, Black, MASK_AND}, {Everything, Red, MASK_NONE}});
    EXPECT_TRUE(IsRed(inside.pixel(30, 30)));
    EXPECT_TRUE(IsWhite(inside.pixel(10, 10)));

    const QImage outside = Render({{Middle, Black, MASK_DIFF}, {Everything, Red, MASK_NONE}});
    EXPECT_TRUE(IsWhite(outside.pixel(30, 30)));
    EXPECT_TRUE(IsRed(outside.pixel(10, 10)));
}

TEST(MaskClip, OrReopensTheOutline) {
    const QImage reopened = Render(
        {{Middle, Black, MASK_DIFF}, {Middle, Black, MASK_OR}, {Everything, Red, MASK_NONE}});
    EXPECT_TRUE(IsRed(reopened.pixel(30, 30)));
    EXPECT_TRUE(IsRed(reopened.pixel(10, 10)));

    // After AND the area outside was never the outline's, so OR of the same outline adds nothing.
    const QImage stillInside =
        Render({{Middle, Black, MASK_AND}, {Middle, Black, MASK_OR}, {Everything, Red, MASK_NONE}});
    EXPECT_TRUE(IsRed(stillInside.pixel(30, 30)));
    EXPECT_TRUE(IsWhite(stillInside.pixel(10, 10)));
}

TEST(MaskClip, XorTogglesVisibilityInsideTheOutline) {
    const QImage once = Render({{Middle, Black, MASK_XOR}, {Everything, Red, MASK_NONE}});
    EXPECT_TRUE(IsWhite(once.pixel(30, 30)));
    EXPECT_TRUE(IsRed(once.pixel(10, 10)));

    const QImage twice = Render(
        {{Middle, Black, MASK_XOR}, {Middle, Black, MASK_XOR}, {Everything, Red, MASK_NONE}});
    EXPECT_TRUE(IsRed(twice.pixel(30, 30)));
    EXPECT_TRUE(IsRed(twice.pixel(10, 10)));
}

TEST(MaskClip, OnlyObjectsAboveTheMaskAreClipped) {
    const QImage image = Render(
        {{Everything, Red, MASK_NONE}, {Middle, Black, MASK_AND}, {Everything, Blue, MASK_NONE}});
    EXPECT_TRUE(Near(image.pixel(30, 30), 0x0000FF, 0));
    EXPECT_TRUE(IsRed(image.pixel(10, 10)));

    const QImage topmost = Render({{Everything, Red, MASK_NONE}, {Middle, Black, MASK_DIFF}});
    EXPECT_TRUE(IsRed(topmost.pixel(30, 30)));
    EXPECT_TRUE(IsRed(topmost.pixel(10, 10)));
}

TEST(MaskClip, OutlineIsZoomedRoundedToEvenAndOffsetInDevicePixels) {
    QImage image = Canvas(80, 80);
    TBitmapCanvas bitmap(image);
    QPainter& painter = bitmap.Painter();
    // The canvas paints with its origin on the project area's corner.
    const QPoint offset(5, 5);
    painter.translate(offset);
    // At zoom 2 the edges 10.25 and 20.25 fall on 20.5 and 40.5, which round to 20 and 40.
    TTestShape mask({10.25L, 10.25L, 20.25L, 20.25L}, Black, MASK_AND);
    TTestShape fill({0, 0, 40, 40}, Red, MASK_NONE);
    fill.ChangeZoom(2, false);
    fill.SetTableBitmap(&bitmap);

    TMaskClip clip;
    clip.Begin(painter, image.rect());
    clip.Apply(painter, mask, 2, offset);
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(5, 5));
    fill.Paint(nullptr);
    clip.End(painter);
    painter.end();

    EXPECT_TRUE(IsRed(image.pixel(25, 35)));
    EXPECT_TRUE(IsRed(image.pixel(44, 35)));
    EXPECT_TRUE(IsWhite(image.pixel(24, 35)));
    EXPECT_TRUE(IsWhite(image.pixel(45, 35)));
    EXPECT_TRUE(IsWhite(image.pixel(10, 10)));
}

TEST(MaskClip, EmptyOutlineAndUnknownModeChangeNothing) {
    TTestShape empty(Middle, Black, MASK_AND);
    empty.FPoints.clear();
    TTestShape unknown(Middle, Black, 7);
    QImage image = Canvas();
    QPainter painter(&image);
    TMaskClip clip;
    clip.Begin(painter, image.rect());
    clip.Apply(painter, empty, 1, QPoint());
    clip.Apply(painter, unknown, 1, QPoint());
    EXPECT_EQ(clip.Region(), QRegion(image.rect()));
    clip.End(painter);
}

TEST(MaskClip, OutlineReachingFarBeyondTheTargetStillClipsInside) {
    // Qt gives up on polygon regions taller than 100000 lines; within the target this outline is
    // the half plane right of x = 30.
    TTestShape mask(Middle, Black, MASK_AND);
    mask.FPoints = {{30, -1e6L}, {30, 1e6L}, {1e12L, 1e6L}};
    TTestShape fill(Everything, Red, MASK_NONE);
    QImage image = Canvas();
    TBitmapCanvas bitmap(image);
    fill.SetTableBitmap(&bitmap);
    TMaskClip clip;
    clip.Begin(bitmap.Painter(), image.rect());
    clip.Apply(bitmap.Painter(), mask, 1, QPoint());
    fill.Paint(nullptr);
    clip.End(bitmap.Painter());
    bitmap.Painter().end();

    for (const int y : {0, 30, 59}) {
        EXPECT_TRUE(IsWhite(image.pixel(29, y))) << y;
        EXPECT_TRUE(IsRed(image.pixel(30, y))) << y;
        EXPECT_TRUE(IsRed(image.pixel(59, y))) << y;
    }
}
