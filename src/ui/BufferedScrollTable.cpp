#include "ui/BufferedScrollTable.h"

#include "core/render/Primitives.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollBar>
#include <QTransform>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int LineStep = 10;
constexpr int InitialSize = 105;
// Bar passes after which a client size whose bars keep switching each other keeps both.
constexpr int MaxBarPasses = 4;
constexpr int CursorSize = 32;

TColor ToTColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

// Where a scroll request ends: never before the start, never past the last full page.
int ClampScroll(int offset, int extent, int client) {
    if (offset < 0)
        return 0;
    if (offset > extent - client)
        return std::max(0, extent - client);
    return offset;
}

// A bar's maximum is its last position, not the end of its range: a range of 0 .. extent - 1
// viewed one client size at a time ends at extent - client.
void WriteScrollInfo(QScrollBar& bar, int extent, int client, int offset) {
    const int last = std::max(0, extent - client);
    bar.setRange(0, last);
    bar.setPageStep(client);
    bar.setValue(offset);
    // A bar that cannot scroll stays visible but disabled.
    bar.setEnabled(last > 0);
}

// A filled arrow head with its tip at tip, pointing along degrees (clockwise from the right).
void AddArrowHead(QPainterPath& path, QPointF tip, qreal degrees) {
    QTransform place;
    place.translate(tip.x(), tip.y());
    place.rotate(degrees);
    path.addPolygon(place.map(QPolygonF({QPointF(0, 0), QPointF(-5, -4), QPointF(-5, 4)})));
    path.closeSubpath();
}

// Black strokes and solids on a white rim, so the cursor shows on any background.
QCursor OutlinedCursor(const QPainterPath& strokes, const QPainterPath& solids) {
    QPixmap pixmap(CursorSize, CursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen rim(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.strokePath(strokes, rim);
    painter.strokePath(solids, rim);
    painter.strokePath(strokes, QPen(Qt::black, 1.2));
    painter.fillPath(solids, Qt::black);
    painter.end();
    return QCursor(pixmap);
}

// A point with an arrow to each side.
QCursor MakeMovePointCursor() {
    const QPointF centre(CursorSize / 2.0, CursorSize / 2.0);
    QPainterPath strokes;
    QPainterPath solids;
    solids.addEllipse(centre, 2.5, 2.5);
    for (int quarter = 0; quarter < 4; ++quarter) {
        QTransform side;
        side.translate(centre.x(), centre.y());
        side.rotate(90.0 * quarter);
        strokes.moveTo(side.map(QPointF(5, 0)));
        strokes.lineTo(side.map(QPointF(11, 0)));
        AddArrowHead(solids, side.map(QPointF(14, 0)), 90.0 * quarter);
    }
    return OutlinedCursor(strokes, solids);
}

// Three quarters of a circle ending in an arrow head.
QCursor MakeTurnCursor() {
    const qreal radius = 8;
    const QRectF circle(CursorSize / 2.0 - radius, CursorSize / 2.0 - radius, 2 * radius,
                        2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, 60);
    arc.arcTo(circle, 60, 270);
    QPainterPath solids;
    // Path angles run counter-clockwise, screen rotation clockwise.
    AddArrowHead(solids, arc.pointAtPercent(1), -arc.angleAtPercent(1));
    return OutlinedCursor(arc, solids);
}

} // namespace

TBufferedScrollTable::TBufferedScrollTable(QWidget* parent)
    : QAbstractScrollArea(parent), FColor(ToTColor(palette().color(QPalette::Window))),
      FMovePointCursor(MakeMovePointCursor()), FTurnCursor(MakeTurnCursor()) {
    // The owner paints the whole client area, so nothing is erased before a repaint.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    // Objects follow the pointer also while no button is held (hover cursors).
    viewport()->setMouseTracking(true);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(LineStep);
        // The wheel scrolls the same over the bars as over the client area.
        bar->installEventFilter(this);
    }
    ApplyBorder();
    resize(InitialSize, InitialSize);
    RunUpdateSteps();
}

void TBufferedScrollTable::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    ApplyBorder();
    RunUpdateSteps();
}

void TBufferedScrollTable::SetCtl3D(bool value) {
    if (value == FCtl3D)
        return;
    FCtl3D = value;
    if (FBorderStyle == TBorderStyle::Single) {
        ApplyBorder();
        RunUpdateSteps();
    }
}

void TBufferedScrollTable::SetColor(TColor value) {
    FColor = value;
    viewport()->update();
}

void TBufferedScrollTable::SetWidthPixel(int value) {
    SetExtent(value, FHeightPixel);
}

void TBufferedScrollTable::SetHeightPixel(int value) {
    SetExtent(FWidthPixel, value);
}

void TBufferedScrollTable::Invalidate() {
    viewport()->update();
}

void TBufferedScrollTable::SetCursor(TCursor cursor) {
    FCursor = cursor;
    switch (cursor) {
    case TCursor::Default:
        viewport()->unsetCursor();
        break;
    case TCursor::SizeAll:
        viewport()->setCursor(Qt::SizeAllCursor);
        break;
    case TCursor::MovePoint:
        viewport()->setCursor(FMovePointCursor);
        break;
    case TCursor::Turn:
        viewport()->setCursor(FTurnCursor);
        break;
    case TCursor::SizeNWSE:
        viewport()->setCursor(Qt::SizeFDiagCursor);
        break;
    case TCursor::SizeNESW:
        viewport()->setCursor(Qt::SizeBDiagCursor);
        break;
    case TCursor::SizeNS:
        viewport()->setCursor(Qt::SizeVerCursor);
        break;
    case TCursor::SizeWE:
        viewport()->setCursor(Qt::SizeHorCursor);
        break;
    }
}

bool TBufferedScrollTable::eventFilter(QObject* watched, QEvent* event) {
    const bool barWheel = event->type() == QEvent::Wheel &&
                          (watched == horizontalScrollBar() || watched == verticalScrollBar());
    if (!barWheel)
        return QAbstractScrollArea::eventFilter(watched, event);
    wheelEvent(static_cast<QWheelEvent*>(event));
    return true;
}

void TBufferedScrollTable::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    FCanvasState.Font = font();
    FCanvasState.BrushColor = FColor;
    painter.setFont(FCanvasState.Font);
    painter.setBrush(ColorToQColor(FCanvasState.BrushColor));
    painter.setPen(QPen(ColorToQColor(FCanvasState.PenColor), FCanvasState.PenWidth));
    FPainter = &painter;
    emit OnPaint();
    FPainter = nullptr;
}

void TBufferedScrollTable::resizeEvent(QResizeEvent*) {
    // A resize caused by showing or hiding a bar is handled by the bar update itself.
    if (FShowingBars)
        return;
    RunUpdateSteps();
    viewport()->update();
    emit OnResize();
}

void TBufferedScrollTable::scrollContentsBy(int, int) {
    // Writing the scroll info only moves the bars to offsets already stored.
    if (FWritingScrollInfo)
        return;
    ScrollTo(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void TBufferedScrollTable::wheelEvent(QWheelEvent* event) {
    // Every wheel event is one line, whatever its delta; the wheel never scrolls sideways.
    const int delta = event->angleDelta().y();
    if (delta > 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (delta < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    event->accept();
}

void TBufferedScrollTable::keyPressEvent(QKeyEvent* event) {
    // Keys belong to the owner; the canvas does not scroll by keyboard.
    QWidget::keyPressEvent(event);
}

void TBufferedScrollTable::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        FLeftPressed = true;
    emit MouseDown(event);
}

void TBufferedScrollTable::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event);
}

void TBufferedScrollTable::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && FLeftPressed) {
        FLeftPressed = false;
        if (viewport()->rect().contains(event->position().toPoint()))
            emit Click();
    }
    emit MouseUp(event);
}

void TBufferedScrollTable::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit DblClick();
    emit MouseDown(event);
}

void TBufferedScrollTable::ApplyBorder() {
    if (FBorderStyle == TBorderStyle::None) {
        setFrameStyle(QFrame::NoFrame);
    } else if (FCtl3D) {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
}

void TBufferedScrollTable::SetExtent(int width, int height) {
    FLeftPixel = 0;
    FTopPixel = 0;
    // A negative extent is an empty one; keeping it would overflow the offset arithmetic.
    FWidthPixel = std::max(0, width);
    FHeightPixel = std::max(0, height);
    const bool resized = RunUpdateSteps();
    viewport()->update();
    if (resized)
        emit OnResize();
}

// Returns whether the client size changed on the way, that is a bar came or went.
bool TBufferedScrollTable::RunUpdateSteps() {
    const QSize before = viewport()->size();
    ClampOffsets();
    UpdateScrollBars();
    UpdateScrollInfo();
    return viewport()->size() != before;
}

// An axis whose extent is smaller than the client is left to UpdateScrollBars.
void TBufferedScrollTable::ClampOffsets() {
    const QSize client = viewport()->size();
    if (FWidthPixel >= client.width() && FLeftPixel > FWidthPixel - client.width())
        FLeftPixel = FWidthPixel - client.width();
    if (FHeightPixel >= client.height() && FTopPixel > FHeightPixel - client.height())
        FTopPixel = FHeightPixel - client.height();
}

void TBufferedScrollTable::UpdateScrollBars() {
    for (int pass = 0;; ++pass) {
        const QSize client = viewport()->size();
        if (client.width() >= FWidthPixel)
            FLeftPixel = 0;
        if (client.height() >= FHeightPixel)
            FTopPixel = 0;
        // Near the extent, showing one bar can hide the other and back again forever.
        const bool both = pass >= MaxBarPasses;
        ShowScrollBars(both || client.width() < FWidthPixel,
                       both || client.height() < FHeightPixel);
        if (viewport()->size() == client)
            return;
        // The new client size gets what a resize gets before the bars are decided again.
        ClampOffsets();
    }
}

void TBufferedScrollTable::ShowScrollBars(bool horizontal, bool vertical) {
    FShowingBars = true;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    FShowingBars = false;
}

void TBufferedScrollTable::UpdateScrollInfo() {
    const QSize client = viewport()->size();
    FWritingScrollInfo = true;
    WriteScrollInfo(*horizontalScrollBar(), FWidthPixel, client.width(), FLeftPixel);
    WriteScrollInfo(*verticalScrollBar(), FHeightPixel, client.height(), FTopPixel);
    FWritingScrollInfo = false;
}

void TBufferedScrollTable::ScrollTo(int left, int top) {
    const QSize client = viewport()->size();
    left = ClampScroll(left, FWidthPixel, client.width());
    top = ClampScroll(top, FHeightPixel, client.height());
    const int dx = left - FLeftPixel;
    const int dy = top - FTopPixel;
    if (dx == 0 && dy == 0)
        return;
    FLeftPixel = left;
    FTopPixel = top;
    // Shift the pixels already shown; only the uncovered strip is repainted.
    viewport()->scroll(-dx, -dy);
    UpdateScrollInfo();
}
