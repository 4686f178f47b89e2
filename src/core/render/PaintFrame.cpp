#include "core/render/PaintFrame.h"

#include "core/render/Primitives.h"

#include <QPainterPath>
#include <cmath>

namespace primitives {

void CentreFrame(QPainter& painter, Extended cx, Extended cy, Extended angle) {
    painter.translate(static_cast<qreal>(cx), static_cast<qreal>(cy));
    painter.rotate(static_cast<qreal>(angle));
}

QColor PropColor(TColor color, std::uint8_t alpha) {
    return ColorToQColor(color, alpha);
}

QPen PropPen(const TProps& props, std::uint8_t alpha, Extended zoom, Qt::PenJoinStyle join) {
    QPen pen(PropColor(props.PenColor, alpha));
    // Zero (or a nonsense width) gives the thinnest line the device can show.
    const qreal width = static_cast<qreal>(props.PenWidth * zoom);
    pen.setWidthF(std::isfinite(width) && width > 0 ? width : 0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(join);
    if (join == Qt::MiterJoin)
        pen.setMiterLimit(10);
    return pen;
}

QPolygonF ToPolygon(const TPolyPoints& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TPoint& point : points)
        polygon.append(QPointF(point.X, point.Y));
    return polygon;
}

void FillAndOutline(QPainter& painter, const QPolygonF& polygon, const TProps& props,
                    std::uint8_t alpha, Extended zoom, Qt::PenJoinStyle join) {
    if (props.BrushShow && polygon.size() >= 3) {
        QPainterPath area;
        area.setFillRule(Qt::OddEvenFill);
        area.addPolygon(polygon);
        painter.fillPath(area, PropColor(props.BrushColor, alpha));
    }
    if (props.PenShow && polygon.size() >= 2) {
        painter.setPen(PropPen(props, alpha, zoom, join));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(polygon);
    }
}

} // namespace primitives
