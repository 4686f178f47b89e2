#include "support/ScriptedDialogs.h"
#include "support/TestObject.h"
#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"

#include <QPainter>
#include <QSettings>
#include <gtest/gtest.h>

namespace {
// Fills its box (project pixels) in its brush colour, as drawn objects do through the canvas.
class TBoxObject : public TTestObject {
public:
    TBoxObject(TObjectTable* table, QRect box, QColor colour) : FBox(box), FColour(colour) {
        SetTable(table);
    }
    void Paint(TObjectTable* sender) override {
        Painted = sender;
        QPainter* canvas = Canvas();
        if (!canvas)
            return;
        const QRectF zoomed(FBox.x() * FZoom, FBox.y() * FZoom, FBox.width() * FZoom,
                            FBox.height() * FZoom);
        canvas->fillRect(zoomed, FColour);
    }
    TObjectTable* Painted = nullptr;

private:
    QRect FBox;
    QColor FColour;
};

class CanvasPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();
        Window = std::make_unique<TMainForm>(&Dialogs);
        Window->Project().ProjectWidth = 200;
        Window->Project().ProjectHeight = 100;
        Window->ResetProject();
        Window->show();
        Canvas = Window->findChild<TBufferedScrollTable*>(QStringLiteral("BufferedScrollTable1"));
    }

    // The project area's corner in viewport pixels: centred when it fits the client.
    QPoint AreaCorner() const {
        const QSize client = Canvas->viewport()->size();
        return {50 + (client.width() - 300) / 2, 50 + (client.height() - 200) / 2};
    }

    QColor PixelAt(QPoint at) const { return Canvas->viewport()->grab().toImage().pixelColor(at); }

    TScriptedDialogs Dialogs;
    std::unique_ptr<TMainForm> Window;
    TBufferedScrollTable* Canvas = nullptr;
};
} // namespace

TEST_F(CanvasPaintTest, SurroundAndBackgroundColour) {
    Window->Project().BackgroundColor = 0x0000FF;
    EXPECT_EQ(PixelAt({3, 3}), QColor(0x50, 0x50, 0x50));
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(100, 50)), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(-1, 50)), QColor(0x50, 0x50, 0x50));
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(0, 0)), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(200, 99)), QColor(0x50, 0x50, 0x50));
}

TEST_F(CanvasPaintTest, BackgroundImageIsStretchedOverTheAreaOnlyForImageBackgrounds) {
    QImage green(2, 7, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    Window->Project().BackgroundBitmap = green;
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(190, 90)), QColor(255, 255, 255));
    Window->Project().BackgroundType = 1;
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(190, 90)), QColor(0, 255, 0));
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(1, 1)), QColor(0, 255, 0));
}

TEST_F(CanvasPaintTest, ObjectsPaintInListOrderAtTheZoomRelativeToTheArea) {
    auto lower = std::make_unique<TBoxObject>(Canvas, QRect(10, 10, 40, 40), QColor(0, 0, 255));
    auto upper = std::make_unique<TBoxObject>(Canvas, QRect(30, 30, 40, 40), QColor(255, 0, 0));
    TBoxObject* lowerObject = lower.get();
    Window->Project().CurrentObjects().push_back(std::move(lower));
    Window->Project().CurrentObjects().push_back(std::move(upper));
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(15, 15)), QColor(0, 0, 255));
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(40, 40)), QColor(255, 0, 0));
    EXPECT_EQ(lowerObject->Painted, Canvas);
}

TEST_F(CanvasPaintTest, ObjectsOutsideTheAreaDrawOverTheMargin) {
    Window->Project().CurrentObjects().push_back(
        std::make_unique<TBoxObject>(Canvas, QRect(-30, 10, 20, 20), QColor(0, 0, 255)));
    EXPECT_EQ(PixelAt(AreaCorner() + QPoint(-20, 20)), QColor(0, 0, 255));
}

TEST_F(CanvasPaintTest, ExtentFollowsTheProjectSize) {
    EXPECT_EQ(Canvas->WidthPixel(), 300);
    EXPECT_EQ(Canvas->HeightPixel(), 200);
    Window->Project().ProjectWidth = 2000;
    Window->ResetProject();
    EXPECT_EQ(Canvas->WidthPixel(), 2100);
}

TEST_F(CanvasPaintTest, TheCanvasTakesThePenAndFontOfThePanelDefaults) {
    Window.reset();
    {
        QSettings settings;
        settings.setValue(QStringLiteral("1.0/Options/PenColor"), 0x0000FF);
        settings.setValue(QStringLiteral("1.0/Options/PenWidth"), 3);
        settings.setValue(QStringLiteral("1.0/Options/FontSize"), 20);
    }
    TMainForm window(&Dialogs);
    auto* canvas = window.findChild<TBufferedScrollTable*>(QStringLiteral("BufferedScrollTable1"));
    EXPECT_EQ(canvas->CanvasState().PenColor, 0x0000FF);
    EXPECT_EQ(canvas->CanvasState().PenWidth, 3);
    EXPECT_EQ(canvas->font().pixelSize(), 20);
    EXPECT_EQ(canvas->font().family(), QStringLiteral("Arial"));
}
