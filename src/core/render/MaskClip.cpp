#include "core/render/MaskClip.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace {

// Qt builds a polygon region in time that grows with the square of its height and refuses (an
// empty region) one taller than 100000 lines, so an outline is first cut down to the target and
// this margin around it. The cut keeps the winding of every point inside, so the clip there stays
// as it was; an outline that lies within needs no cut and keeps its exact vertices.
constexpr Extended CutMargin = 16;
// Keeps the cutting arithmetic finite for coordinates that no drawing reaches.
constexpr Extended FarAway = 1e300L;

Extended Finite(Extended value) {
    // Not a number counts as 0, as rounding makes it everywhere else.
    return std::isnan(value) ? 0 : std::clamp(value, -FarAway, FarAway);
}

// One step of cutting a closed path at the line where the coordinate axis equals limit: keeps
// the side where sign * (coordinate - limit) >= 0 and replaces every excursion beyond it by the
// piece of the line between its two crossings. A crossing takes limit itself and interpolates
// only the other coordinate, so far-off vertices cannot cancel it into a far-off point.
TPolyPointsEx CutAtLine(const TPolyPointsEx& path, Extended TPointEx::*axis, Extended limit,
                        Extended sign) {
    Extended TPointEx::*const other = axis == &TPointEx::X ? &TPointEx::Y : &TPointEx::X;
    TPolyPointsEx kept;
    kept.reserve(path.size() + 2);
    for (std::size_t i = 0; i < path.size(); ++i) {
        const TPointEx& a = path[i];
        const TPointEx& b = path[(i + 1) % path.size()];
        const Extended sa = sign * (a.*axis - limit);
        const Extended sb = sign * (b.*axis - limit);
        if (sa >= 0)
            kept.push_back(a);
        if ((sa >= 0) != (sb >= 0)) {
            TPointEx crossing;
            crossing.*axis = limit;
            crossing.*other = a.*other + sa / (sa - sb) * (b.*other - a.*other);
            kept.push_back(crossing);
        }
    }
    return kept;
}

TPolyPointsEx CutToRect(TPolyPointsEx path, const TRectEx& rect) {
    path = CutAtLine(path, &TPointEx::X, rect.Left, 1);
    path = CutAtLine(path, &TPointEx::X, rect.Right, -1);
    path = CutAtLine(path, &TPointEx::Y, rect.Top, 1);
    return CutAtLine(path, &TPointEx::Y, rect.Bottom, -1);
}

// The outline zoomed, then cut to whole (device pixels) less the offset, so that the rounding
// and the offset act on each vertex as they always have.
QRegion OutlineRegion(const TPolyPointsEx& outline, Extended zoom, const QPoint& offset,
                      const QRect& whole) {
    TPolyPointsEx zoomed;
    zoomed.reserve(outline.size());
    for (const TPointEx& point : outline)
        zoomed.push_back({Finite(point.X * zoom), Finite(point.Y * zoom)});
    const QRect area = whole.translated(-offset);
    const TRectEx bounds{area.left() - CutMargin, area.top() - CutMargin,
                         area.right() + 1 + CutMargin, area.bottom() + 1 + CutMargin};
    QPolygon polygon;
    for (const TPointEx& point : CutToRect(std::move(zoomed), bounds))
        polygon.append(QPoint(RoundHalfEven(point.X), RoundHalfEven(point.Y)) + offset);
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
    FWhole = whole;
    FRegion = QRegion(whole);
    Select(painter);
}

void TMaskClip::Apply(QPainter& painter, const TTypesObject& object, Extended zoom,
                      const QPoint& offset) {
    const TPolyPointsEx* outline = object.MaskOutline();
    if (!outline || outline->empty())
        return;
    FRegion =
        Combined(FRegion, OutlineRegion(*outline, zoom, offset, FWhole), object.GetProps().Mask);
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
