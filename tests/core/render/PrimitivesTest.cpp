#include "RenderTestSupport.h"

#include "core/render/Primitives.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Draw = std::function<void(QPainter&)>;

QImage Painted(const Draw& draw, QImage image = Canvas()) {
    QPainter painter(&image);
    draw(painter);
    painter.end();
    return image;
}

// A square from (10, 10) to (50, 50).
const TPolyPoints Square = {{10, 10}, {50, 10}, {50, 50}, {10, 50}};

} // namespace

TEST(Colors, ColorToArgbSwapsRedAndBlueAndPutsAlphaOnTop) {
    EXPECT_EQ(ColorToARGB(0x00332211, 0x80), 0x80112233u);
    EXPECT_EQ(ColorToARGB(clNone, 255), 0xFFFFFFFFu);
    // A negative value names a system colour; 5 is the window background.
    const QRgb window = QGuiApplication::palette().color(QPalette::Base).rgb() & 0xFFFFFFu;
    EXPECT_EQ(ColorToARGB(static_cast<TColor>(0x80000005u), 0x10), 0x10000000u | window);
}

TEST(Colors, AlphaRoundsHalvesToEvenAndStaysInAByte) {
    EXPECT_EQ(TransToAlpha(100), 255);
    EXPECT_EQ(TransToAlpha(0), 0);
    EXPECT_EQ(TransToAlpha(50), 128);
    EXPECT_EQ(TransToAlpha(10), 26);
    EXPECT_EQ(TransToAlpha(250), 255);
    EXPECT_EQ(TransToAlpha(-3), 0);
}

TEST(Primitives, OpacityBlendsFillOverWhite) {
    auto fill = [](Extended trans) {
        return Painted([trans](QPainter& p) {
                   GPDrawPolygon(p, Square, Props(Red, Black, true, false, 1, trans), 1, true);
               })
            .pixel(30, 30);
    };
    EXPECT_TRUE(Near(fill(100), 0xFF0000, 0));
    EXPECT_TRUE(IsWhite(fill(0)));
    // Alpha 128 leaves 127/255 of the white in green and blue.
    EXPECT_TRUE(Near(fill(50), 0xFF7F7F, 1));
}

TEST(Primitives, SwitchesOffPaintNothingButImages) {
    const TProps off = Props(Red, Blue, false, false, 4);
    const std::vector<Draw> draws = {
        [&](QPainter& p) { GPDrawPolyline(p, Square, off, 1, true); },
        [&](QPainter& p) { GPDrawBeziers(p, Square, off, 1, true); },
        [&](QPainter& p) { GPDrawPolygon(p, Square, off, 1, true); },
        [&](QPainter& p) {
            GPDrawForm(p, Square, 30, 30, 40, 40, FORM_RECTANGLE, off, 0, 1, true);
        },
        [&](QPainter& p) { GPDrawForm(p, Square, 30, 30, 40, 40, FORM_ELLIPSE, off, 0, 1, true); },
        [&](QPainter& p) { GPDrawForm(p, Square, 30, 30, 40, 40, 2, off, 0, 1, true); },
    };
    for (std::size_t i = 0; i < draws.size(); ++i)
        EXPECT_TRUE(AllWhite(Painted(draws[i]))) << "primitive " << i;

    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(0xFFFF0000);
    const QImage image =
        Painted([&](QPainter& p) { GPDrawImage(p, red, off, 30, 30, 20, 20, 0, 1, true); });
    EXPECT_TRUE(Near(image.pixel(30, 30), 0xFF0000, 0));
}

TEST(Primitives, PolygonFillsThenOutlinesOnTop) {
    const TProps both = Props(Red, Blue, true, true, 4);
    const QImage image = Painted([&](QPainter& p) { GPDrawPolygon(p, Square, both, 1, true); });
    EXPECT_TRUE(Near(image.pixel(30, 30), 0xFF0000, 0));
    EXPECT_TRUE(Near(image.pixel(30, 10), 0x0000FF, 0));
    EXPECT_TRUE(IsWhite(image.pixel(30, 5)));

    const QImage outline = Painted(
        [&](QPainter& p) { GPDrawPolygon(p, Square, Props(Red, Blue, false, true, 4), 1, true); });
    EXPECT_TRUE(IsWhite(outline.pixel(30, 30)));
    EXPECT_TRUE(Near(outline.pixel(30, 10), 0x0000FF, 0));
}

TEST(Primitives, PolygonFillIsEvenOdd) {
    // Two laps around the same square: the winding rule would fill it, even-odd leaves it empty.
    TPolyPoints twice = Square;
    twice.insert(twice.end(), Square.begin(), Square.end());
    const QImage image = Painted(
        [&](QPainter& p) { GPDrawPolygon(p, twice, Props(Red, Blue, true, false), 1, true); });
    EXPECT_TRUE(IsWhite(image.pixel(30, 30)));
}

TEST(Primitives, PolylineIsNeverFilled) {
    const QImage image = Painted(
        [&](QPainter& p) { GPDrawPolyline(p, Square, Props(Red, Blue, true, true, 2), 1, true); });
    EXPECT_TRUE(IsWhite(image.pixel(30, 30)));
    EXPECT_TRUE(Near(image.pixel(30, 10), 0x0000FF, 0));
    // Open: no side from the last point back to the first.
    EXPECT_TRUE(IsWhite(image.pixel(10, 30)));
}

TEST(Primitives, ThinPenGivesPartialCoverage) {
    auto coverage = [](Extended zoom) {
        const QImage image = Painted([zoom](QPainter& p) {
            GPDrawPolyline(p, {{5, 20}, {55, 20}}, Props(White, Black, false, true, 1), zoom, true);
        });
        int ink = 0;
        int darkest = 0;
        for (int y = 15; y < 25; ++y) {
            ink += 255 - qRed(image.pixel(30, y));
            darkest = std::max(darkest, 255 - qRed(image.pixel(30, y)));
        }
        return std::make_pair(ink, darkest);
    };
    const auto [quarterInk, quarterDarkest] = coverage(0.25L);
    EXPECT_NEAR(quarterInk, 64, 16);
    EXPECT_LT(quarterDarkest, 128);
    EXPECT_NEAR(coverage(1).first, 255, 16);
}

TEST(Primitives, BezierChainNeedsThreeKPlusOnePoints) {
    const TProps pen = Props(White, Black, false, true, 2);
    const TPolyPoints chain = {{10, 50}, {10, 10}, {50, 10}, {50, 50}};
    EXPECT_FALSE(AllWhite(Painted([&](QPainter& p) { GPDrawBeziers(p, chain, pen, 1, true); })));
    TPolyPoints five = chain;
    five.push_back({30, 55});
    EXPECT_TRUE(AllWhite(Painted([&](QPainter& p) { GPDrawBeziers(p, five, pen, 1, true); })));
    EXPECT_TRUE(AllWhite(Painted([&](QPainter& p) { GPDrawBeziers(p, {}, pen, 1, true); })));
}

TEST(Primitives, FormTurnsClockwiseAroundItsCentre) {
    const TProps fill = Props(Red, Black, true, false);
    const QImage image = Painted(
        [&](QPainter& p) { GPDrawForm(p, {}, 30, 30, 50, 8, FORM_RECTANGLE, fill, 45, 1, true); });
    EXPECT_TRUE(Near(image.pixel(40, 40), 0xFF0000, 2));
    EXPECT_TRUE(IsWhite(image.pixel(40, 20)));
}

TEST(Primitives, FormKindsFillTheirBox) {
    const TProps fill = Props(Red, Black, true, false);
    const QImage ellipse = Painted(
        [&](QPainter& p) { GPDrawForm(p, {}, 30, 30, 40, 40, FORM_ELLIPSE, fill, 0, 1, true); });
    EXPECT_TRUE(Near(ellipse.pixel(30, 30), 0xFF0000, 0));
    EXPECT_TRUE(IsWhite(ellipse.pixel(13, 13)));

    // Polygon points are relative to the box's top-left corner: this triangle's right angle
    // sits in the box's top-left corner.
    const QImage triangle = Painted([&](QPainter& p) {
        GPDrawForm(p, {{0, 0}, {40, 0}, {0, 40}}, 30, 30, 40, 40, 2, fill, 0, 1, true);
    });
    EXPECT_TRUE(Near(triangle.pixel(15, 15), 0xFF0000, 0));
    EXPECT_TRUE(IsWhite(triangle.pixel(45, 45)));
}

TEST(Primitives, FormCornersAreMitredPolygonCornersRound) {
    const TProps thick = Props(White, Black, false, true, 10);
    const QImage form = Painted(
        [&](QPainter& p) { GPDrawForm(p, {}, 30, 30, 20, 20, FORM_RECTANGLE, thick, 0, 1, true); });
    const QImage polygon = Painted([&](QPainter& p) {
        GPDrawPolygon(p, {{20, 20}, {40, 20}, {40, 40}, {20, 40}}, thick, 1, true);
    });
    EXPECT_TRUE(Near(form.pixel(15, 15), 0x000000, 2));
    EXPECT_TRUE(IsWhite(polygon.pixel(15, 15)));
    EXPECT_TRUE(Near(polygon.pixel(15, 30), 0x000000, 2));
}

TEST(Primitives, DrawOnlyThroughTheClipAndRestoreThePainter) {
    QImage image = Canvas();
    QPainter painter(&image);
    painter.setClipRect(0, 0, 30, 60);
    painter.translate(2, 3);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    GPDrawForm(painter, {}, 28, 27, 60, 60, FORM_RECTANGLE, Props(Red, Blue, true, true, 2), 30, 1,
               true);
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(2, 3));
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_EQ(painter.clipBoundingRect(), QRectF(-2, -3, 30, 60));
    painter.end();
    EXPECT_TRUE(Near(image.pixel(20, 30), 0xFF0000, 0));
    EXPECT_TRUE(IsWhite(image.pixel(40, 30)));
}

TEST(Images, OpacityScalesThePixels) {
    QImage blue(10, 10, QImage::Format_RGB32);
    blue.fill(0xFF0000FF);
    const QImage image = Painted([&](QPainter& p) {
        GPDrawImage(p, blue, Props(White, Black, false, false, 1, 50), 30, 30, 20, 20, 0, 1, true);
    });
    EXPECT_TRUE(Near(image.pixel(30, 30), 0x8080FF, 2));
    const QImage hidden = Painted([&](QPainter& p) {
        GPDrawImage(p, blue, Props(White, Black, false, false, 1, 0), 30, 30, 20, 20, 0, 1, true);
    });
    EXPECT_TRUE(AllWhite(hidden));
}

TEST(Images, ColourKeyHidesExactMatchesOnly) {
    // Left third pure white, middle third near white, right third red; drawn 1:1 over blue.
    QImage source(30, 10, QImage::Format_RGB32);
    source.fill(0xFFFFFFFF);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 30; ++x)
            source.setPixel(x, y, x < 20 ? 0xFFFEFFFF : 0xFFFF0000);
    auto draw = [&](TColor key) {
        TProps props = Props(White, Black, false, false);
        props.TransColor = key;
        return Painted(
            [&](QPainter& p) { GPDrawImage(p, source, props, 15, 5, 30, 10, 0, 1, true); },
            Canvas(30, 10, 0xFF0000FF));
    };
    const QImage keyed = draw(White);
    EXPECT_TRUE(Near(keyed.pixel(5, 5), 0x0000FF, 0));
    EXPECT_TRUE(Near(keyed.pixel(15, 5), 0xFEFFFF, 0));
    EXPECT_TRUE(Near(keyed.pixel(25, 5), 0xFF0000, 0));
    const QImage unkeyed = draw(clNone);
    EXPECT_TRUE(Near(unkeyed.pixel(5, 5), 0xFFFFFF, 0));
}

TEST(Images, FrameDrawnWhenPenShowsAndMissingImageKeepsIt) {
    const TProps framed = Props(White, Blue, false, true, 2);
    const QImage image =
        Painted([&](QPainter& p) { GPDrawImage(p, QImage(), framed, 30, 30, 40, 40, 0, 1, true); });
    EXPECT_TRUE(Near(image.pixel(30, 10), 0x0000FF, 0));
    EXPECT_TRUE(IsWhite(image.pixel(30, 30)));
}
