#pragma once

#include "core/model/Frame.h"
#include "core/model/Types.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <functional>

class QPainter;

// The clip through which the mask polygons of a frame act on everything painted above them.
// Regions are kept in device pixels of the target, whatever transform the painter carries.
class TMaskClip {
public:
    // Opens the whole target (device pixels) for painting.
    void Begin(QPainter& painter, const QRect& whole);
    // Combines the object's mask outline, if it has one, into the clip and sets it again.
    // Outline points map to round(x * zoom) + offset.
    void Apply(QPainter& painter, const TTypesObject& object, Extended zoom, const QPoint& offset);
    // Removes the clip once the last object is painted.
    void End(QPainter& painter);

    const QRegion& Region() const { return FRegion; }

private:
    void Select(QPainter& painter) const;

    QRect FWhole;
    QRegion FRegion;
};

// Paints the objects bottom to top, each after its own mask outline joined the clip.
void PaintMasked(QPainter& painter, const TObjectList& objects, const QRect& whole, Extended zoom,
                 const QPoint& offset, const std::function<void(TTypesObject&)>& paint);
