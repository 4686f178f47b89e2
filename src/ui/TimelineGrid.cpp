#include "ui/TimelineGrid.h"

#include "core/anim/Aspects.h"
#include "ui/text/TextBinding.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <array>

namespace {
const QColor kText(165, 165, 165);
const QColor kHeaderCell(51, 51, 51);
const QColor kCell(45, 45, 45);
const QColor kPen(45, 45, 45);
// One label per animated aspect, in the order of the rows below the header.
const std::array<TText, TTimelineGrid::RowCount - 1> kRowLabels = {{{23000, "Position"},
                                                                    {23001, "Winkel"},
                                                                    {23002, "Streckung"},
                                                                    {23003, "Transparenz"},
                                                                    {23004, "Farben"}}};

} // namespace

TTimelineGrid::TTimelineGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
    // The row labels are painted, so a new language needs a repaint to show.
    OnLanguageChange(this, [this] { viewport()->update(); });
}

void TTimelineGrid::SetupTimeline() {
    FRowHeight = QFontMetrics(font()).height() + 8;
    FShownFrames.clear();
    if (FProject) {
        const int count = FProject->FrameCount;
        const int step = FProject->TimelineStep;
        for (int i = 0; i < count; ++i)
            if (i == 0 || i == count - 1 || step == 0 || (i + 1) % (step + 1) == 0)
                FShownFrames.push_back(i);
    }
    setFixedHeight(FRowHeight * RowCount + 4 + horizontalScrollBar()->sizeHint().height());
    UpdateScrollRange();
    viewport()->update();
}

int TTimelineGrid::ColWidth(int c) const {
    if (c == 0)
        return HeaderWidth;
    return std::binary_search(FShownFrames.begin(), FShownFrames.end(), c - 1) ? ColumnWidth : 0;
}

int TTimelineGrid::VisibleColumnCount() const {
    return std::max(1, (viewport()->width() - HeaderWidth) / ColumnWidth);
}

void TTimelineGrid::UpdateScrollRange() {
    const int shown = static_cast<int>(FShownFrames.size());
    horizontalScrollBar()->setRange(0, std::max(0, shown - VisibleColumnCount()));
    horizontalScrollBar()->setPageStep(VisibleColumnCount());
    horizontalScrollBar()->setSingleStep(1);
}

int TTimelineGrid::LeftCol() const {
    const int first = horizontalScrollBar()->value();
    if (first >= static_cast<int>(FShownFrames.size()))
        return 1;
    return FShownFrames[first] + 1;
}

void TTimelineGrid::SetLeftCol(int column) {
    const auto at = std::lower_bound(FShownFrames.begin(), FShownFrames.end(), column - 1);
    horizontalScrollBar()->setValue(static_cast<int>(at - FShownFrames.begin()));
}

QPoint TTimelineGrid::CellAt(QPoint at) const {
    const int row = at.y() >= 0 && at.y() < FRowHeight * RowCount ? at.y() / FRowHeight : -1;
    int column = -1;
    if (at.x() >= 0 && at.x() < HeaderWidth) {
        column = 0;
    } else if (at.x() >= HeaderWidth) {
        const std::size_t index =
            horizontalScrollBar()->value() + (at.x() - HeaderWidth) / ColumnWidth;
        if (index < FShownFrames.size())
            column = FShownFrames[index] + 1;
    }
    return {column, row};
}

QRect TTimelineGrid::CellRect(int column, int row) const {
    const int top = row * FRowHeight;
    if (column == 0)
        return QRect(0, top, HeaderWidth, FRowHeight);
    const auto at = std::lower_bound(FShownFrames.begin(), FShownFrames.end(), column - 1);
    if (at == FShownFrames.end() || *at != column - 1)
        return {};
    const int slot = static_cast<int>(at - FShownFrames.begin()) - horizontalScrollBar()->value();
    if (slot < 0)
        return {};
    return QRect(HeaderWidth + slot * ColumnWidth, top, ColumnWidth, FRowHeight);
}

QString TTimelineGrid::RowLabel(int row) {
    return row >= 1 && row < RowCount ? ResStr(kRowLabels[row - 1]) : QString();
}

void TTimelineGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(0x33, 0x33, 0x33));
    if (!FProject)
        return;
    const int width = viewport()->width();
    for (int row = 0; row < RowCount; ++row) {
        PaintCell(painter, 0, row, CellRect(0, row));
        for (std::size_t i = horizontalScrollBar()->value(); i < FShownFrames.size(); ++i) {
            const QRect rect = CellRect(FShownFrames[i] + 1, row);
            if (rect.left() >= width)
                break;
            PaintCell(painter, FShownFrames[i] + 1, row, rect);
        }
    }
}

void TTimelineGrid::PaintCell(QPainter& painter, int column, int row, const QRect& rect) const {
    const bool header = column == 0 || row == 0;
    painter.fillRect(rect, header ? kHeaderCell : kCell);
    painter.setPen(kText);
    if (row == 0) {
        PaintHeaderCell(painter, column, rect);
    } else if (column == 0) {
        painter.drawText(rect.left() + 4, rect.top() + 4, rect.width() - 4, rect.height() - 4,
                         Qt::AlignLeft | Qt::AlignTop, RowLabel(row));
        painter.setPen(kPen);
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    }
    painter.setPen(header ? kPen : kHeaderCell);
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    if (column == 0 || row == 0)
        return;
    PaintKeyMark(painter, column, row, rect);
    if (column == FProject->CurrentFrame + 1) {
        painter.setPen(QColor(230, 176, 66));
        const int x = rect.left() + rect.width() / 2;
        painter.drawLine(x, rect.top(), x, rect.bottom());
    }
}

void TTimelineGrid::PaintHeaderCell(QPainter& painter, int column, const QRect& rect) const {
    QColor text = kText;
    QColor cell = kHeaderCell;
    if (column == 0) {
        text = QColor(206, 255, 255);
        cell = QColor(0, 176, 176);
    } else if (column == FProject->CurrentFrame + 1) {
        text = QColor(140, 101, 19);
        cell = QColor(239, 206, 137);
    } else if (FProject->PlayStart <= column - 1 && column - 1 <= FProject->PlayEnd) {
        text = QColor(0, 101, 202);
        cell = QColor(0, 128, 255);
    }
    painter.fillRect(rect, cell);
    if (column == 0)
        return;
    if (column % 5 == 0 || column == FProject->CurrentFrame + 1 || column == 1 ||
        column == FProject->FrameCount) {
        painter.setPen(text);
        painter.drawText(QRect(rect.left() - 10, rect.top() + 4, rect.width() + 20, rect.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(column));
    }
}

void TTimelineGrid::PaintKeyMark(QPainter& painter, int column, int row, const QRect& rect) const {
    if (FSelectedId.isEmpty() || column - 1 >= static_cast<int>(FProject->Frames.size()))
        return;
    const TObjectList& objects = FProject->Frames[column - 1]->Objects;
    const int index = IndexOfID(FSelectedId, objects);
    if (index < 0 || !IsKeyFrame(*objects[index], static_cast<TAspect>(row - 1)))
        return;
    const QRect mark(rect.center().x() - 2, rect.center().y() - 2, 6, 6);
    if (column == 1) {
        painter.setPen(QColor(106, 106, 106));
        painter.setBrush(QColor(106, 106, 106));
        painter.drawEllipse(mark.adjusted(0, 0, -1, -1));
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.fillRect(mark, FPending ? QColor(165, 165, 165) : QColor(0, 176, 0));
    }
}

void TTimelineGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void TTimelineGrid::scrollContentsBy(int, int) {
    viewport()->update();
}

void TTimelineGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint cell = CellAt(event->position().toPoint());
    emit CellPressed(cell.x(), cell.y(), event->modifiers());
}

void TTimelineGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint cell = CellAt(event->position().toPoint());
    emit CellMoved(cell.x(), cell.y());
}

void TTimelineGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint cell = CellAt(event->position().toPoint());
    emit CellReleased(cell.x(), cell.y(), event->modifiers());
}

void TTimelineGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint cell = CellAt(event->position().toPoint());
    emit CellDoubleClicked(cell.x(), cell.y());
}
