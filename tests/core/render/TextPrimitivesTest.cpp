#include "RenderTestSupport.h"

#include "core/render/Primitives.h"

#include <QElapsedTimer>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QString Word = QStringLiteral("Hallo");
const QString Words = QStringLiteral("Wort Wort Wort Wort Wort Wort");

TProps TextProps(bool brushShow, bool penShow) {
    TProps props = Props(Red, Blue, brushShow, penShow, 1);
    props.FontName = QStringLiteral("Arial");
    props.FontSize = 20;
    return props;
}

// Draws the text centred in a 200 x 100 image, in a box of the given size.
QImage DrawText(const QString& text, int mode, const TProps& props, Extended width, Extended height,
                Extended sx = 1, Extended sy = 1) {
    QImage image = Canvas(200, 100);
    QPainter painter(&image);
    GPDrawText(painter, text, mode, 100, 50, width, height, props, 0, sx, sy, 1, true);
    painter.end();
    return image;
}

} // namespace

TEST(MeasureText, AddsTwoPixelsAndGrowsWithTheText) {
    EXPECT_EQ(GPMeasureText(QString(), QStringLiteral("Arial"), 20, 0), (TPoint{2, 2}));
    const TPoint word = GPMeasureText(Word, QStringLiteral("Arial"), 20, 0);
    EXPECT_GT(word.X, 30);
    EXPECT_GT(word.Y, 20);
    EXPECT_LT(word.Y, 30);

    const TPoint twoLines = GPMeasureText(Word + "\r\n" + Word, QStringLiteral("Arial"), 20, 0);
    EXPECT_EQ(twoLines.X, word.X);
    EXPECT_NEAR(twoLines.Y - 2, 2 * (word.Y - 2), 1);

    const TPoint doubled = GPMeasureText(Word, QStringLiteral("Arial"), 40, 0);
    EXPECT_NEAR(doubled.X - 2, 2 * (word.X - 2), 2);
    EXPECT_GT(GPMeasureText(Word, QStringLiteral("Arial"), 20, fsBold).X, word.X);
}

TEST(DrawText, PlainModesAlwaysDrawGlyphsInTheBrushColour) {
    const TPoint size = GPMeasureText(Word, QStringLiteral("Arial"), 20, 0);
    for (int mode : {TEXT_STRETCH, TEXT_WORDBREAK}) {
        const QImage image = DrawText(Word, mode, TextProps(false, false), size.X, size.Y);
        EXPECT_GT(CountNear(image, 0xFF0000, 40), 20) << "mode " << mode;
        EXPECT_EQ(CountNear(image, 0x0000FF, 120), 0) << "mode " << mode;
    }
}

TEST(DrawText, OutlineModesFollowTheSwitches) {
    const TPoint size = GPMeasureText(Word, QStringLiteral("Arial"), 20, 0);
    for (int mode : {TEXT_FORM_STRETCH, TEXT_FORM_WORDBREAK}) {
        EXPECT_TRUE(AllWhite(DrawText(Word, mode, TextProps(false, false), size.X, size.Y)));
        const QImage filled = DrawText(Word, mode, TextProps(true, false), size.X, size.Y);
        EXPECT_GT(CountNear(filled, 0xFF0000, 40), 20) << "mode " << mode;
        EXPECT_EQ(CountNear(filled, 0x0000FF, 120), 0) << "mode " << mode;
        const QImage stroked = DrawText(Word, mode, TextProps(false, true), size.X, size.Y);
        EXPECT_GT(CountNear(stroked, 0x0000FF, 60), 20) << "mode " << mode;
        EXPECT_EQ(CountNear(stroked, 0xFF0000, 120), 0) << "mode " << mode;
    }
}

TEST(DrawText, WordBreakModesCutOffWhatDoesNotFit) {
    const TProps props = TextProps(true, true);
    // A box two words wide and one line high, centred on (100, 50): x 60..140, y 38..62.
    const QRect box(60, 38, 80, 24);
    for (int mode : {TEXT_WORDBREAK, TEXT_FORM_WORDBREAK}) {
        const QRect ink = InkBounds(DrawText(Words, mode, props, 80, 24));
        EXPECT_FALSE(ink.isEmpty());
        EXPECT_TRUE(box.contains(ink)) << "mode " << mode;
    }
    // Stretch modes wrap the same way but are not clipped: the further lines hang below.
    EXPECT_GT(InkBounds(DrawText(Words, TEXT_STRETCH, props, 80, 24)).bottom(), 70);
}

TEST(DrawText, StretchModesScaleTheGlyphs) {
    const TPoint size = GPMeasureText(Word, QStringLiteral("Arial"), 20, 0);
    const QRect plain =
        InkBounds(DrawText(Word, TEXT_STRETCH, TextProps(true, false), size.X, size.Y));
    const QRect wide =
        InkBounds(DrawText(Word, TEXT_STRETCH, TextProps(true, false), size.X * 2, size.Y, 2, 1));
    EXPECT_NEAR(wide.width(), 2 * plain.width(), 4);
    EXPECT_NEAR(wide.height(), plain.height(), 1);
    EXPECT_NEAR(wide.center().x(), plain.center().x(), 2);
}

TEST(DrawText, ZoomedTextFitsItsZoomedMeasure) {
    // A box measured at zoom 1 and scaled by the zoom must still hold the text on one line.
    const QString text = QStringLiteral("Hallo Welt");
    const TPoint size = GPMeasureText(text, QStringLiteral("Arial"), 20, 0);
    for (Extended zoom : {0.5L, 1.5L, 2.25L}) {
        QImage image = Canvas(200, 100);
        QPainter painter(&image);
        GPDrawText(painter, text, TEXT_WORDBREAK, 100, 50, size.X * zoom, size.Y * zoom,
                   TextProps(true, false), 0, 1, 1, zoom, true);
        painter.end();
        const QRect ink = InkBounds(image);
        EXPECT_GT(ink.width(), (size.X - 6) * zoom) << "zoom " << static_cast<double>(zoom);
    }
}

TEST(DrawText, UnusableInputDrawsNothing) {
    TProps noFont = TextProps(true, true);
    noFont.FontName.clear();
    EXPECT_TRUE(AllWhite(DrawText(Word, TEXT_STRETCH, noFont, 80, 30)));
    EXPECT_TRUE(AllWhite(DrawText(Word, 4, TextProps(true, true), 80, 30)));
    EXPECT_TRUE(AllWhite(DrawText(Word, TEXT_STRETCH, TextProps(true, true), 80, 30, 0, 1)));
    EXPECT_EQ(GPMeasureText(Word, QString(), 20, 0), (TPoint{2, 2}));
}

TEST(DrawText, WordBreakClipStaysInsideTheCanvasClip) {
    // The box clip of the word-break modes narrows the mask clip; it must not replace it.
    const TPoint size = GPMeasureText(Word, QStringLiteral("Arial"), 20, 0);
    QImage image = Canvas(200, 100);
    QPainter painter(&image);
    painter.setClipRect(0, 0, 100, 100);
    GPDrawText(painter, Word, TEXT_WORDBREAK, 100, 50, size.X, size.Y, TextProps(true, false), 0, 1,
               1, 1, true);
    painter.end();
    const QRect ink = InkBounds(image);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.right(), 100);
}

TEST(MeasureText, AMissingFamilyFallsBackToAnInstalledFace) {
    const QString missing = QStringLiteral("Keine Solche Schrift");
    const TPoint size = GPMeasureText(Word, missing, 20, 0);
    const TPoint arial = GPMeasureText(Word, QStringLiteral("Arial"), 20, 0);
    EXPECT_GT(size.X, arial.X / 2);
    EXPECT_LT(size.X, arial.X * 2);
    EXPECT_GT(size.Y, 15);
    EXPECT_LT(size.Y, 40);
    TProps props = TextProps(true, true);
    props.FontName = missing;
    for (int mode = TEXT_STRETCH; mode <= TEXT_FORM_WORDBREAK; ++mode)
        EXPECT_FALSE(AllWhite(DrawText(Word, mode, props, size.X, size.Y))) << mode;
}

TEST(DrawText, EmptyAndVeryLongTextsDrawOnlyWhatFits) {
    // One glyph per line: laying out every line would take minutes.
    const QString text(200000, QLatin1Char('W'));
    QElapsedTimer clock;
    clock.start();
    for (int mode : {TEXT_WORDBREAK, TEXT_FORM_WORDBREAK}) {
        const QRect ink = InkBounds(DrawText(text, mode, TextProps(true, true), 30, 60));
        EXPECT_FALSE(ink.isEmpty());
        EXPECT_GE(ink.top(), 20);
        EXPECT_LE(ink.bottom(), 80);
    }
    EXPECT_LT(clock.elapsed(), 10000);
    for (int mode = TEXT_STRETCH; mode <= TEXT_FORM_WORDBREAK; ++mode)
        EXPECT_TRUE(AllWhite(DrawText(QString(), mode, TextProps(true, true), 2, 2)));
    const TPoint measured = GPMeasureText(text, QStringLiteral("Arial"), 20, 0);
    EXPECT_GT(measured.X, 200000 * 10);
    EXPECT_EQ(measured.Y, GPMeasureText(Word, QStringLiteral("Arial"), 20, 0).Y);
}
