#pragma once

#include "core/model/Types.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

// Helpers shared by the drawing primitives; not meant for callers outside render/.
namespace primitives {

// Runs draw between a save and a restore of the painter, with antialiasing when smooth.
// Whatever draw throws is dropped: a primitive leaves an element out rather than fail the
// repaint, and the painter is restored either way.
template <typename Draw> void Guarded(QPainter& painter, bool smooth, Draw&& draw) noexcept {
    if (!painter.isActive())
        return;
    try {
        painter.save();
    } catch (...) {
        return;
    }
    try {
        if (smooth)
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                   QPainter::SmoothPixmapTransform);
        draw();
    } catch (...) {
    }
    painter.restore();
}

// Moves the origin to the centre and turns the frame with the object.
void CentreFrame(QPainter& painter, Extended cx, Extended cy, Extended angle);

QColor PropColor(TColor color, std::uint8_t alpha);
QPen PropPen(const TProps& props, std::uint8_t alpha, Extended zoom, Qt::PenJoinStyle join);
QPolygonF ToPolygon(const TPolyPoints& points);

// Even-odd fill when BrushShow, then the closed outline when PenShow.
void FillAndOutline(QPainter& painter, const QPolygonF& polygon, const TProps& props,
                    std::uint8_t alpha, Extended zoom, Qt::PenJoinStyle join);

} // namespace primitives
