#pragma once

#include "core/model/Types.h"

#include <QColor>
#include <QString>
#include <cstdint>

class QImage;
class QPainter;

// Stateless antialiased drawing for the objects. Every Draw function paints onto the given
// painter through the clip currently set on it, leaves the painter's state as it found it and
// never throws: an element that cannot be drawn (too few points, no font) is simply left out.
// Point lists, centres and sizes are device pixels already scaled by the zoom; zoom itself only
// scales pen widths and font sizes. Angles are degrees, clockwise on the screen.

// Colour value (system colours resolved) and alpha as 0xAARRGGBB.
std::uint32_t ColorToARGB(TColor color, std::uint8_t alpha);

// The same as a Qt colour.
QColor ColorToQColor(TColor color, std::uint8_t alpha = 255);

// Alpha byte of an opacity in percent (0 invisible, 100 opaque), halves to even.
std::uint8_t TransToAlpha(Extended trans);

// Width (X) and height (Y) of the text laid out without a width limit, plus 2 pixels each.
TPoint GPMeasureText(const QString& text, const QString& fontName, Extended emSize,
                     std::uint8_t style);

// The whole image stretched into the box centred on (cx, cy), faded by the opacity, pixels of
// exactly TransColor left out; framed when PenShow.
void GPDrawImage(QPainter& canvas, const QImage& image, const TProps& props, Extended cx,
                 Extended cy, Extended width, Extended height, Extended angle, Extended zoom,
                 bool smooth);

// Text modes of GPDrawText.
enum TTextMode : int {
    TEXT_STRETCH = 0,
    TEXT_FORM_STRETCH = 1,
    TEXT_WORDBREAK = 2,
    TEXT_FORM_WORDBREAK = 3,
};

// Text in the box centred on (cx, cy). Stretch modes scale the layout by (sx, sy); word-break
// modes wrap at the box width and cut off what does not fit. Plain modes always fill the glyphs
// in the brush colour; outline modes fill when BrushShow and stroke when PenShow.
void GPDrawText(QPainter& canvas, const QString& text, int mode, Extended cx, Extended cy,
                Extended width, Extended height, const TProps& props, Extended angle, Extended sx,
                Extended sy, Extended zoom, bool smooth);

// Shape kinds of GPDrawForm; every other kind is a polygon of the given points.
enum TFormKind : int {
    FORM_RECTANGLE = 0,
    FORM_ELLIPSE = 1,
};

// A rectangle, ellipse or polygon filling the box centred on (cx, cy); polygon points are
// relative to the box's top-left corner. Corners are mitred.
void GPDrawForm(QPainter& canvas, const TPolyPoints& points, Extended cx, Extended cy,
                Extended width, Extended height, int kind, const TProps& props, Extended angle,
                Extended zoom, bool smooth);

// Connected lines through the points when PenShow; never filled.
void GPDrawPolyline(QPainter& canvas, const TPolyPoints& points, const TProps& props, Extended zoom,
                    bool smooth);

// A chain of cubic segments (anchor, then control, control, anchor per segment) when PenShow;
// a list that is not 3k + 1 points long (k >= 1) draws nothing.
void GPDrawBeziers(QPainter& canvas, const TPolyPoints& points, const TProps& props, Extended zoom,
                   bool smooth);

// Even-odd fill when BrushShow, then the closed outline on top when PenShow.
void GPDrawPolygon(QPainter& canvas, const TPolyPoints& points, const TProps& props, Extended zoom,
                   bool smooth);
