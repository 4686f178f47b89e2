#include "core/render/MaskClip.h"

#include <QPainter>
#include <QPolygon>

namespace {

QRegion OutlineRegion(const TPolyPointsEx& outline, Extended zoom, const QPoint& offset) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(outline.size()));
    for (const TPointEx& point : outline)
        polygon.append(QPoint(RoundHalfEven(point.X * zoom), RoundHalfEven(point.Y * zoom)) +
                       offset);
    return QRegion(polygon, Qt::WindingFill);
}

QRegion Combined(const QRegion& region, const QRegion& outline, std::int32_t mask) {
    switch (mask) {
    case MASK_AND:
        return region.intersected(outline);
    case MASK_DIFF:
        return region.subtracted(outline);
    case MASK_OR:
        return region.united(outline);
    case MASK_XOR:
        return region.xored(outline);
    default:
        return region;
    }
}

} // namespace

void TMaskClip::Begin(QPainter& painter, const QRect& whole) {
    FRegion = QRegion(whole);
    Select(painter);
}

void TMaskClip::Apply(QPainter& painter, const TTypesObject& object, Extended zoom,
                      const QPoint& offset) {
    const TPolyPointsEx* outline = object.MaskOutline();
    if (!outline || outline->empty())
        return;
    FRegion = Combined(FRegion, OutlineRegion(*outline, zoom, offset), object.GetProps().Mask);
    Select(painter);
}

void TMaskClip::End(QPainter& painter) {
    painter.setClipping(false);
    FRegion = QRegion();
}

void TMaskClip::Select(QPainter& painter) const {
    // The region is in device pixels, so set it while the painter maps one to one.
    const QTransform transform = painter.worldTransform();
    painter.resetTransform();
    painter.setClipRegion(FRegion);
    painter.setWorldTransform(transform);
}

void PaintMasked(QPainter& painter, const TObjectList& objects, const QRect& whole, Extended zoom,
                 const QPoint& offset, const std::function<void(TTypesObject&)>& paint) {
    TMaskClip clip;
    clip.Begin(painter, whole);
    for (const std::unique_ptr<TTypesObject>& object : objects) {
        if (!object)
            continue;
        clip.Apply(painter, *object, zoom, offset);
        paint(*object);
    }
    clip.End(painter);
}
