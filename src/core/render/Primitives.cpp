#include "core/render/Primitives.h"

#include "core/render/PaintFrame.h"

#include <QImage>
#include <QPainterPath>
#include <algorithm>

using namespace primitives;

namespace {

QRectF CentredBox(Extended width, Extended height) {
    const auto w = static_cast<qreal>(width);
    const auto h = static_cast<qreal>(height);
    return QRectF(-w / 2, -h / 2, w, h);
}

// The image with every pixel of exactly the key colour made fully transparent.
QImage KeyedImage(const QImage& image, TColor key) {
    const std::uint32_t keyRgb = ColorToARGB(key, 255) & 0xFFFFFFu;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        std::replace_if(
            line, line + keyed.width(),
            [keyRgb](QRgb pixel) { return (pixel & 0xFFFFFFu) == keyRgb; }, QRgb(0));
    }
    return keyed;
}

void DrawImagePixels(QPainter& painter, const QImage& image, const TProps& props,
                     const QRectF& box) {
    if (image.isNull())
        return;
    const qreal before = painter.opacity();
    painter.setOpacity(before * std::clamp(static_cast<qreal>(props.Trans / 100), 0.0, 1.0));
    const QRectF source(0, 0, image.width(), image.height());
    if (props.TransColor != clNone)
        painter.drawImage(box, KeyedImage(image, props.TransColor), source);
    else
        painter.drawImage(box, image, source);
    painter.setOpacity(before);
}

QPolygonF FormPolygon(const TPolyPoints& points, Extended width, Extended height) {
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TPoint& point : points)
        polygon.append(
            QPointF(RoundHalfEven(point.X - width / 2), RoundHalfEven(point.Y - height / 2)));
    return polygon;
}

} // namespace

void GPDrawImage(QPainter& canvas, const QImage& image, const TProps& props, Extended cx,
                 Extended cy, Extended width, Extended height, Extended angle, Extended zoom,
                 bool smooth) {
    const std::uint8_t alpha = TransToAlpha(props.Trans);
    Guarded(canvas, smooth, [&] {
        CentreFrame(canvas, cx, cy, angle);
        const QRectF box = CentredBox(width, height);
        DrawImagePixels(canvas, image, props, box);
        if (props.PenShow) {
            canvas.setPen(PropPen(props, alpha, zoom, Qt::RoundJoin));
            canvas.setBrush(Qt::NoBrush);
            canvas.drawRect(box);
        }
    });
}

void GPDrawForm(QPainter& canvas, const TPolyPoints& points, Extended cx, Extended cy,
                Extended width, Extended height, int kind, const TProps& props, Extended angle,
                Extended zoom, bool smooth) {
    const std::uint8_t alpha = TransToAlpha(props.Trans);
    Guarded(canvas, smooth, [&] {
        CentreFrame(canvas, cx, cy, angle);
        if (kind != FORM_RECTANGLE && kind != FORM_ELLIPSE) {
            FillAndOutline(canvas, FormPolygon(points, width, height), props, alpha, zoom,
                           Qt::MiterJoin);
            return;
        }
        const QRectF box = CentredBox(width, height);
        canvas.setPen(props.PenShow ? PropPen(props, alpha, zoom, Qt::MiterJoin) : QPen(Qt::NoPen));
        canvas.setBrush(props.BrushShow ? QBrush(PropColor(props.BrushColor, alpha))
                                        : QBrush(Qt::NoBrush));
        if (kind == FORM_RECTANGLE)
            canvas.drawRect(box);
        else
            canvas.drawEllipse(box);
    });
}

void GPDrawPolyline(QPainter& canvas, const TPolyPoints& points, const TProps& props, Extended zoom,
                    bool smooth) {
    if (!props.PenShow || points.size() < 2)
        return;
    const std::uint8_t alpha = TransToAlpha(props.Trans);
    Guarded(canvas, smooth, [&] {
        canvas.setPen(PropPen(props, alpha, zoom, Qt::RoundJoin));
        canvas.drawPolyline(ToPolygon(points));
    });
}

void GPDrawBeziers(QPainter& canvas, const TPolyPoints& points, const TProps& props, Extended zoom,
                   bool smooth) {
    if (!props.PenShow || points.size() < 4 || (points.size() - 1) % 3 != 0)
        return;
    const std::uint8_t alpha = TransToAlpha(props.Trans);
    Guarded(canvas, smooth, [&] {
        const QPolygonF polygon = ToPolygon(points);
        QPainterPath chain(polygon.first());
        for (int i = 1; i + 2 < polygon.size(); i += 3)
            chain.cubicTo(polygon[i], polygon[i + 1], polygon[i + 2]);
        canvas.strokePath(chain, PropPen(props, alpha, zoom, Qt::RoundJoin));
    });
}

void GPDrawPolygon(QPainter& canvas, const TPolyPoints& points, const TProps& props, Extended zoom,
                   bool smooth) {
    const std::uint8_t alpha = TransToAlpha(props.Trans);
    Guarded(canvas, smooth,
            [&] { FillAndOutline(canvas, ToPolygon(points), props, alpha, zoom, Qt::RoundJoin); });
}
