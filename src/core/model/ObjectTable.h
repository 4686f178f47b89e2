#pragma once

#include "core/model/Types.h"

#include <QFont>

class QPainter;
class TObjectDialogs;

// Mouse cursors an object may ask its canvas for; the canvas maps them to real cursors. The
// sizing arrows name the directions they point in (SizeNWSE: top left to bottom right).
enum class TCursor { Default, SizeAll, MovePoint, Turn, SizeNWSE, SizeNESW, SizeNS, SizeWE };

// The drawing state a canvas keeps between objects (pen, brush and font of its canvas).
struct TCanvasState {
    TColor BrushColor = 0xFFFFFF;
    TColor PenColor = 0x000000;
    int PenWidth = 1;
    QFont Font;
};

// What a drawable object may ask of the canvas it lives on. The canvas control implements it;
// tests implement it with an image and a cursor they can read back.
class TObjectTable {
public:
    virtual ~TObjectTable() = default;

    // The painter of the repaint in progress, or none outside a repaint.
    virtual QPainter* Painter() = 0;
    virtual void Invalidate() = 0;
    virtual TCursor Cursor() const = 0;
    virtual void SetCursor(TCursor cursor) = 0;
    virtual TCanvasState& CanvasState() = 0;
    // The dialogs objects open while they are placed; none where nobody can answer them.
    virtual TObjectDialogs* Dialogs() { return nullptr; }
};
