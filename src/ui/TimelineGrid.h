#pragma once

#include "core/model/Project.h"

#include <QAbstractScrollArea>
#include <vector>

// The timeline below the canvas: a header row of frame numbers over one row per animated aspect,
// a header column of row labels, and one 20-pixel column per shown frame. Only the visible
// columns are painted, so long sequences stay fast.
class TTimelineGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int HeaderWidth = 80;
    static constexpr int ColumnWidth = 20;
    static constexpr int RowCount = 6;

    explicit TTimelineGrid(QWidget* parent = nullptr);

    // What the grid shows; the project outlives the grid.
    void SetProject(const TProject* project) { FProject = project; }
    void SetSelectedId(const QString& id) { FSelectedId = id; }
    void SetPending(bool pending) { FPending = pending; }

    // Columns, rows and sizes from the project's frame count and column thinning.
    void SetupTimeline();
    int RowHeight() const { return FRowHeight; }
    // Width of the column of grid column c (0 = the label column).
    int ColWidth(int c) const;
    // The first frame column shown after the label column.
    int LeftCol() const;
    void SetLeftCol(int column);
    // Grid column and row under a viewport point; -1 outside.
    QPoint CellAt(QPoint at) const;
    // Viewport rectangle of a cell, empty when it is not shown.
    QRect CellRect(int column, int row) const;
    // The label of an aspect's row (1 to RowCount - 1) in the interface language.
    static QString RowLabel(int row);

signals:
    void CellPressed(int column, int row, Qt::KeyboardModifiers modifiers);
    void CellMoved(int column, int row);
    void CellReleased(int column, int row, Qt::KeyboardModifiers modifiers);
    void CellDoubleClicked(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollRange();
    int VisibleColumnCount() const;
    void PaintCell(QPainter& painter, int column, int row, const QRect& rect) const;
    void PaintHeaderCell(QPainter& painter, int column, const QRect& rect) const;
    void PaintKeyMark(QPainter& painter, int column, int row, const QRect& rect) const;

    const TProject* FProject = nullptr;
    QString FSelectedId;
    bool FPending = false;
    int FRowHeight = 20;
    // Frame indices of the columns that are shown, in order.
    std::vector<int> FShownFrames;
};
