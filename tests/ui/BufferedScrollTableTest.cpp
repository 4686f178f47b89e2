#include "ui/BufferedScrollTable.h"

#include <QCoreApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using TBorderStyle = TBufferedScrollTable::TBorderStyle;

class BufferedScrollTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        Table.SetBorderStyle(TBorderStyle::None);
        Table.resize(300, 200);
        Table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Table));
    }

    QSize Client() const { return Table.viewport()->size(); }
    QScrollBar& HBar() { return *Table.horizontalScrollBar(); }
    QScrollBar& VBar() { return *Table.verticalScrollBar(); }

    void Wheel(QPoint delta, QWidget* over = nullptr) {
        over = over ? over : Table.viewport();
        const QPointF at(5, 5);
        QWheelEvent event(at, over->mapToGlobal(at), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(over, &event);
    }

    // The regions repainted until the event queue is empty.
    std::vector<QRect> Repaints() {
        std::vector<QRect> painted;
        const auto connection = QObject::connect(&Table, &TBufferedScrollTable::OnPaint, [&] {
            painted.push_back(Table.Painter()->paintEngine()->systemClip().boundingRect());
        });
        QCoreApplication::processEvents();
        QObject::disconnect(connection);
        return painted;
    }

    TBufferedScrollTable Table;
};

TEST(BufferedScrollTable, StartsAtDefaultExtentAndSize) {
    TBufferedScrollTable table;
    EXPECT_EQ(table.size(), QSize(105, 105));
    EXPECT_EQ(table.WidthPixel(), 800);
    EXPECT_EQ(table.HeightPixel(), 600);
    EXPECT_EQ(table.BorderStyle(), TBorderStyle::Single);
    table.show();
    EXPECT_TRUE(table.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(table.verticalScrollBar()->isVisible());
}

TEST_F(BufferedScrollTableTest, ExtentInsideTheClientHasNoBarsAndNoOffsets) {
    HBar().triggerAction(QAbstractSlider::SliderToMaximum);
    VBar().triggerAction(QAbstractSlider::SliderToMaximum);
    Table.resize(400, 300);
    Table.SetWidthPixel(200);
    Table.SetHeightPixel(-5);
    EXPECT_FALSE(HBar().isVisible());
    EXPECT_FALSE(VBar().isVisible());
    EXPECT_EQ(Client(), QSize(400, 300));
    EXPECT_EQ(Table.LeftPixel(), 0);
    EXPECT_EQ(Table.TopPixel(), 0);
    EXPECT_EQ(Table.HeightPixel(), 0);
}

TEST_F(BufferedScrollTableTest, ChangingEitherExtentResetsBothOffsetsAndRepaintsAll) {
    HBar().triggerAction(QAbstractSlider::SliderToMaximum);
    VBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
    ASSERT_GT(Table.LeftPixel(), 0);
    ASSERT_GT(Table.TopPixel(), 0);
    Repaints();
    Table.SetHeightPixel(Table.HeightPixel());
    EXPECT_EQ(Table.LeftPixel(), 0);
    EXPECT_EQ(Table.TopPixel(), 0);
    EXPECT_EQ(HBar().value(), 0);
    EXPECT_EQ(VBar().value(), 0);
    const std::vector<QRect> painted = Repaints();
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0], Table.viewport()->rect());
}

TEST_F(BufferedScrollTableTest, EnlargingTheWindowPullsTheOffsetBack) {
    int resizes = 0;
    QObject::connect(&Table, &TBufferedScrollTable::OnResize, [&] { ++resizes; });
    HBar().triggerAction(QAbstractSlider::SliderToMaximum);
    Table.resize(500, 200);
    EXPECT_EQ(Table.LeftPixel(), 800 - Client().width());
    EXPECT_EQ(HBar().value(), Table.LeftPixel());
    EXPECT_GE(resizes, 1);
    Table.resize(900, 200);
    EXPECT_EQ(Table.LeftPixel(), 0);
    EXPECT_FALSE(HBar().isVisible());
    EXPECT_TRUE(VBar().isVisible());
}

TEST_F(BufferedScrollTableTest, ScrollActionsMoveByLinePageAndToTheLastFullPage) {
    HBar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Table.LeftPixel(), 10);
    HBar().triggerAction(QAbstractSlider::SliderSingleStepSub);
    HBar().triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Table.LeftPixel(), 0);
    HBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Table.LeftPixel(), Client().width());
    VBar().triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(Table.TopPixel(), 600 - Client().height());
    VBar().triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(Table.TopPixel(), 0);

    // Dragging the thumb scrolls live; letting go changes nothing.
    HBar().setSliderDown(true);
    HBar().setSliderPosition(123);
    EXPECT_EQ(Table.LeftPixel(), 123);
    HBar().setSliderDown(false);
    EXPECT_EQ(Table.LeftPixel(), 123);
}

TEST_F(BufferedScrollTableTest, HugeExtentsStillScrollInPixels) {
    Table.SetWidthPixel(40000);
    EXPECT_EQ(HBar().maximum(), 40000 - Client().width());
    HBar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Table.LeftPixel(), 10);
    HBar().triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(Table.LeftPixel(), 40000 - Client().width());
}

TEST_F(BufferedScrollTableTest, EachWheelEventScrollsOneLineDown) {
    Wheel(QPoint(0, 240));
    EXPECT_EQ(Table.TopPixel(), 0);
    Wheel(QPoint(0, -240));
    EXPECT_EQ(Table.TopPixel(), 10);
    Wheel(QPoint(0, -1));
    EXPECT_EQ(Table.TopPixel(), 20);
    Wheel(QPoint(0, 120));
    EXPECT_EQ(Table.TopPixel(), 10);
    Wheel(QPoint(-240, 0));
    EXPECT_EQ(Table.LeftPixel(), 0);
    EXPECT_EQ(Table.TopPixel(), 10);
    // Over either bar the wheel still moves one line down.
    Wheel(QPoint(0, -120), &HBar());
    Wheel(QPoint(0, -120), &VBar());
    EXPECT_EQ(Table.LeftPixel(), 0);
    EXPECT_EQ(Table.TopPixel(), 30);
}

TEST_F(BufferedScrollTableTest, ScrollingRepaintsOnlyTheUncoveredStrip) {
    Repaints();
    Wheel(QPoint(0, -120));
    std::vector<QRect> painted = Repaints();
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0], QRect(0, Client().height() - 10, Client().width(), 10));
    HBar().triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_TRUE(Repaints().empty());
}

TEST_F(BufferedScrollTableTest, PainterIsOpenOnTheViewportOnlyDuringRepaint) {
    Table.SetColor(0x123456);
    bool painted = false;
    QObject::connect(&Table, &TBufferedScrollTable::OnPaint, [&] {
        QPainter* painter = Table.Painter();
        ASSERT_NE(painter, nullptr);
        EXPECT_TRUE(painter->isActive());
        EXPECT_EQ(painter->device(), Table.viewport());
        EXPECT_EQ(painter->brush().color(), QColor(0x56, 0x34, 0x12));
        EXPECT_EQ(Table.CanvasState().BrushColor, 0x123456);
        painter->fillRect(Table.viewport()->rect(), Qt::red);
        painted = true;
    });
    EXPECT_EQ(Table.Painter(), nullptr);
    Table.viewport()->repaint();
    EXPECT_TRUE(painted);
    EXPECT_EQ(Table.Painter(), nullptr);
}

TEST_F(BufferedScrollTableTest, MouseEventsArriveInViewportPixels) {
    QStringList log;
    const auto record = [&](const char* name) {
        return [&log, name](QMouseEvent* event) {
            log << QStringLiteral("%1 %2,%3")
                       .arg(QLatin1String(name))
                       .arg(event->position().x())
                       .arg(event->position().y());
        };
    };
    QObject::connect(&Table, &TBufferedScrollTable::MouseDown, record("down"));
    QObject::connect(&Table, &TBufferedScrollTable::MouseMove, record("move"));
    QObject::connect(&Table, &TBufferedScrollTable::MouseUp, record("up"));
    QObject::connect(&Table, &TBufferedScrollTable::Click, [&] { log << "click"; });
    QObject::connect(&Table, &TBufferedScrollTable::DblClick, [&] { log << "dblclick"; });
    QWidget* viewport = Table.viewport();
    QTest::mouseMove(viewport, QPoint(5, 6));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(12, 34));
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(7, 8));
    EXPECT_EQ(log,
              QStringList({"move 5,6", "down 12,34", "click", "up 12,34", "down 7,8", "up 7,8"}));
    // The second press of a double-click arrives as the double-click; its release is no click.
    log.clear();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(3, 4));
    EXPECT_EQ(log, QStringList({"down 3,4", "click", "up 3,4", "dblclick", "down 3,4", "up 3,4"}));
}

TEST_F(BufferedScrollTableTest, CursorKindsMapToViewportCursors) {
    QWidget* viewport = Table.viewport();
    Table.SetCursor(TCursor::SizeAll);
    EXPECT_EQ(Table.Cursor(), TCursor::SizeAll);
    EXPECT_EQ(viewport->cursor().shape(), Qt::SizeAllCursor);
    Table.SetCursor(TCursor::MovePoint);
    const QPixmap movePoint = viewport->cursor().pixmap();
    EXPECT_EQ(viewport->cursor().shape(), Qt::BitmapCursor);
    Table.SetCursor(TCursor::Turn);
    const QPixmap turn = viewport->cursor().pixmap();
    EXPECT_EQ(Table.Cursor(), TCursor::Turn);
    ASSERT_FALSE(movePoint.isNull());
    ASSERT_FALSE(turn.isNull());
    EXPECT_NE(movePoint.toImage(), turn.toImage());
    Table.SetCursor(TCursor::Default);
    EXPECT_FALSE(viewport->testAttribute(Qt::WA_SetCursor));
}

TEST_F(BufferedScrollTableTest, SizingCursorsPointTheirWay) {
    const std::pair<TCursor, Qt::CursorShape> sizing[] = {{TCursor::SizeNWSE, Qt::SizeFDiagCursor},
                                                          {TCursor::SizeNESW, Qt::SizeBDiagCursor},
                                                          {TCursor::SizeNS, Qt::SizeVerCursor},
                                                          {TCursor::SizeWE, Qt::SizeHorCursor}};
    for (const auto& [cursor, shape] : sizing) {
        Table.SetCursor(cursor);
        EXPECT_EQ(Table.Cursor(), cursor);
        EXPECT_EQ(Table.viewport()->cursor().shape(), shape);
    }
    EXPECT_EQ(Table.Dialogs(), nullptr);
}

TEST_F(BufferedScrollTableTest, BarsThatWouldSwitchEachOtherForeverSettle) {
    // Just wider and taller than the extent by less than a bar: each bar's appearance decides
    // the other's.
    const int bar = VBar().sizeHint().width();
    Table.resize(900, 300);
    ASSERT_FALSE(HBar().isVisible());
    ASSERT_TRUE(VBar().isVisible());
    Table.resize(800 + bar - 1, 600 + bar - 1);
    EXPECT_TRUE(HBar().isVisible());
    EXPECT_TRUE(VBar().isVisible());
    EXPECT_EQ(Table.LeftPixel(), 0);
    EXPECT_EQ(Table.TopPixel(), 0);
    EXPECT_EQ(HBar().maximum(), 800 - Client().width());
    EXPECT_EQ(VBar().maximum(), std::max(0, 600 - Client().height()));
}

TEST_F(BufferedScrollTableTest, BorderChangeRunsTheUpdateSteps) {
    Table.SetCtl3D(false);
    Table.SetBorderStyle(TBorderStyle::Single);
    EXPECT_EQ(Table.frameWidth(), 1);
    HBar().triggerAction(QAbstractSlider::SliderToMaximum);
    Table.SetBorderStyle(TBorderStyle::None);
    EXPECT_EQ(Table.frameWidth(), 0);
    EXPECT_EQ(Table.LeftPixel(), 800 - Client().width());
    EXPECT_EQ(HBar().value(), Table.LeftPixel());
}

} // namespace
