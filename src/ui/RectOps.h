#pragma once

#include "core/model/Types.h"

#include <QPoint>
#include <algorithm>

// Integer rectangles as the canvas hit tests see them: left and top edges inside, right and
// bottom outside.
inline bool Contains(const TRect& r, QPoint p) {
    return r.Left <= p.x() && p.x() < r.Right && r.Top <= p.y() && p.y() < r.Bottom;
}

inline TRect Shifted(const TRect& r, QPoint by) {
    return {r.Left + by.x(), r.Top + by.y(), r.Right + by.x(), r.Bottom + by.y()};
}

// The rectangle with its edges in order, whichever way it was drawn.
inline TRect Normalized(const TRect& r) {
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
            std::max(r.Top, r.Bottom)};
}

// Whether the two share any area.
inline bool Overlap(const TRect& a, const TRect& b) {
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

inline TRect United(const TRect& a, const TRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}
