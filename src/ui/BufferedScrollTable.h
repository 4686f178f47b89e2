#pragma once

#include "core/model/ObjectDialogs.h"
#include "core/model/ObjectTable.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <memory>

class QMouseEvent;
class QScrollBar;

// The canvas the project is drawn and edited on. It has a virtual extent in pixels that may be
// larger or smaller than its client area and a scroll offset into that extent. It paints nothing
// of its own: every repaint is handed to the owner through OnPaint, and the objects drawn on it
// reach its painter, cursor and invalidation through TObjectTable.
class TBufferedScrollTable : public QAbstractScrollArea, public TObjectTable {
    Q_OBJECT
public:
    enum class TBorderStyle { None, Single };

    explicit TBufferedScrollTable(QWidget* parent = nullptr);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // With a single border: a sunken edge in the platform's look when on, a plain line when off.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    // The colour the painter's brush starts each repaint with.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    int LeftPixel() const { return FLeftPixel; }
    int TopPixel() const { return FTopPixel; }
    int WidthPixel() const { return FWidthPixel; }
    int HeightPixel() const { return FHeightPixel; }
    // Both setters return both offsets to 0, even for an unchanged value, and repaint everything.
    void SetWidthPixel(int value);
    void SetHeightPixel(int value);

    QPainter* Painter() override { return FPainter; }
    void Invalidate() override;
    TCursor Cursor() const override { return FCursor; }
    void SetCursor(TCursor cursor) override;
    TCanvasState& CanvasState() override { return FCanvasState; }
    TObjectDialogs* Dialogs() override { return FDialogs.get(); }
    // The dialogs objects placed on this canvas open; the canvas keeps them.
    void SetDialogs(std::unique_ptr<TObjectDialogs> dialogs) { FDialogs = std::move(dialogs); }

signals:
    // Emitted on every repaint; Painter() is open on the viewport while it runs.
    void OnPaint();
    // Emitted after every change of the client size.
    void OnResize();
    // Mouse events on the viewport, positions in viewport pixels. A double-click arrives as
    // DblClick (left button only) followed by MouseDown with the double-click event.
    void MouseDown(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseUp(QMouseEvent* event);
    void Click();
    void DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ApplyBorder();
    void SetExtent(int width, int height);
    bool RunUpdateSteps();
    void ClampOffsets();
    void UpdateScrollBars();
    void ShowScrollBars(bool horizontal, bool vertical);
    void UpdateScrollInfo();
    void ScrollTo(int left, int top);

    TBorderStyle FBorderStyle = TBorderStyle::Single;
    int FLeftPixel = 0;
    int FWidthPixel = 800;
    int FTopPixel = 0;
    int FHeightPixel = 600;
    bool FCtl3D = true;
    TColor FColor = 0;

    QPainter* FPainter = nullptr;
    TCanvasState FCanvasState;
    TCursor FCursor = TCursor::Default;
    QCursor FMovePointCursor;
    QCursor FTurnCursor;
    std::unique_ptr<TObjectDialogs> FDialogs;

    bool FShowingBars = false;
    bool FWritingScrollInfo = false;
    bool FLeftPressed = false;
};
