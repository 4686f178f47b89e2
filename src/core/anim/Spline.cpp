#include "core/anim/Spline.h"

#include "core/anim/Interpolation.h"
#include "core/objects/Geometry.h"

#include <algorithm>

namespace {

// The working record of one key while the spline is solved: d holds the step h to the next
// key, c the slope change r and then the curvature z, b the pivot of the elimination.
struct TSpline_Coeffs {
    Extended x = 0;
    Extended y = 0;
    Extended b = 0;
    Extended c = 0;
    Extended d = 0;
};
using TSpline_Coeff_Arr = std::vector<TSpline_Coeffs>;

// Steps and slope changes. Keys with equal x have no slope; 1.5 stands in for it.
void Slopes(TSpline_Coeff_Arr& keys) {
    Extended previous = 0;
    for (std::size_t k = 0; k + 1 < keys.size(); ++k) {
        const Extended h = keys[k + 1].x - keys[k].x;
        const Extended slope = h == 0 ? 1.5L : (keys[k + 1].y - keys[k].y) / h;
        keys[k].d = h;
        keys[k].c = slope - previous;
        previous = slope;
    }
}

// Natural ends, then the forward elimination of the tridiagonal system.
void Eliminate(TSpline_Coeff_Arr& keys) {
    const std::size_t n = keys.size();
    keys.front().c = 0;
    keys.back().c = 0;
    Extended p = 0;
    Extended q = 0;
    for (std::size_t k = 1; k + 1 < n; ++k) {
        keys[k].c += p * keys[k - 1].c;
        keys[k].b = 2 * (keys[k - 1].x - keys[k + 1].x) - p * q;
        q = keys[k].d;
        p = keys[k].b == 0 ? 0 : q / keys[k].b;
    }
}

// Back substitution: c becomes the curvature z of every inner key.
void Substitute(TSpline_Coeff_Arr& keys) {
    for (std::size_t k = keys.size() - 2; k >= 1; --k)
        keys[k].c = keys[k].b == 0 ? 0 : (keys[k].d * keys[k + 1].c - keys[k].c) / keys[k].b;
}

TSplineColumns Columns(const TSpline_Coeff_Arr& keys) {
    const std::size_t n = keys.size();
    TSplineColumns columns{TFloatArray(n), TFloatArray(n), TFloatArray(n), TFloatArray(n)};
    for (std::size_t k = 0; k < n; ++k)
        columns.A[k] = keys[k].y;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const Extended h = keys[k].d;
        const Extended z = keys[k].c;
        const Extended zNext = keys[k + 1].c;
        columns.C[k] = 3 * z;
        if (h == 0)
            continue;
        columns.D[k] = (zNext - z) / h;
        columns.B[k] = (keys[k + 1].y - keys[k].y) / h - (columns.C[k] + zNext - z) * h;
    }
    return columns;
}

// The keys that exist, in time order.
std::vector<const TTypesObject*> KeyObjects(const TSplineKeys& keys) {
    std::vector<const TTypesObject*> objects;
    for (const TKey* key : {&keys.P2, &keys.P1, &keys.N1, &keys.N2})
        if (*key)
            objects.push_back(key->Object);
    return objects;
}

void SplineVertices(const std::vector<const TTypesObject*>& objects, int segment, int off, int len,
                    TTypesObject& obj) {
    std::vector<TPolyPointsEx> lists;
    for (const TTypesObject* key : objects) {
        const TPolyPointsEx* points = key->AspectPoints();
        if (!points)
            return;
        lists.push_back(*points);
    }
    TPolyPointsEx points;
    if (SplinePoints(lists, segment, points, off, len))
        obj.SetAspectPoints(points);
}

void SplineCentre(const std::vector<const TTypesObject*>& objects, int segment, int off, int len,
                  TTypesObject& obj) {
    std::optional<TPlacement> placement = obj.AspectPlacement();
    TPolyPointsEx centres;
    for (const TTypesObject* key : objects) {
        const std::optional<TPlacement> keyPlacement = key->AspectPlacement();
        if (!keyPlacement || !placement)
            return;
        centres.push_back(keyPlacement->Centre);
    }
    if (SplinePoint(centres, segment, placement->Centre, off, len))
        obj.SetAspectPlacement(*placement);
}

} // namespace

TSplineColumns SplineCoefficients(const TFloatArray& x, const TFloatArray& y) {
    const std::size_t n = std::min(x.size(), y.size());
    TSpline_Coeff_Arr keys(n);
    for (std::size_t k = 0; k < n; ++k) {
        keys[k].x = x[k];
        keys[k].y = y[k];
    }
    if (n >= 2) {
        Slopes(keys);
        Eliminate(keys);
        if (n >= 3)
            Substitute(keys);
    }
    return Columns(keys);
}

TCubic SplineSegment(const TPolyPointsEx& points, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= points.size())
        return {};
    TFloatArray x;
    TFloatArray y;
    for (const TPointEx& point : points) {
        x.push_back(point.X);
        y.push_back(point.Y);
    }
    const TSplineColumns columns = SplineCoefficients(x, y);
    const auto k = static_cast<std::size_t>(index);
    return {columns.A[k], columns.B[k], columns.C[k], columns.D[k]};
}

bool SplinePoint(const TPolyPointsEx& keys, int segment, TPointEx& point, int off, int len) {
    if (len <= 0 || segment < 0 || static_cast<std::size_t>(segment) + 1 >= keys.size())
        return false;
    const TCubic cubic = SplineSegment(keys, segment);
    const TPointEx& from = keys[static_cast<std::size_t>(segment)];
    const TPointEx& to = keys[static_cast<std::size_t>(segment) + 1];
    const int t = RoundHalfEven((to.X - from.X) / len * off);
    const int y = RoundHalfEven(CubicValue(cubic.D, cubic.C, cubic.B, cubic.A, t));
    point = {from.X + t, static_cast<Extended>(y)};
    return true;
}

bool SplinePoints(const std::vector<TPolyPointsEx>& keys, int segment, TPolyPointsEx& points,
                  int off, int len) {
    if (len <= 0 || keys.empty())
        return false;
    const std::size_t count = keys.front().size();
    // Copies that no longer fit their object may still be keys; their points are never read.
    if (std::any_of(keys.begin(), keys.end(),
                    [count](const TPolyPointsEx& key) { return key.size() != count; }))
        return false;
    TPolyPointsEx result(count);
    TPolyPointsEx column(keys.size());
    for (std::size_t p = 0; p < count; ++p) {
        for (std::size_t k = 0; k < keys.size(); ++k)
            column[k] = keys[k][p];
        if (!SplinePoint(column, segment, result[p], off, len))
            return false;
    }
    points = std::move(result);
    return true;
}

TSplineKeys FindSplineKeys(const TFrameList& frames, const TTypesObject& obj, int frameIndex) {
    return SplineKeysWith(
        frameIndex, [&](int frame) { return FindPrevKey(frames, obj, TAspect::Move, frame); },
        [&](int frame) { return FindNextKey(frames, obj, TAspect::Move, frame); });
}

TPoint InterpolateMoveSpline(const TSplineKeys& keys, int frameIndex, TTypesObject& obj) {
    if (!keys.P1)
        return {};
    if (!keys.N1) {
        CopyAspect(*keys.P1.Object, obj, TAspect::Move);
    } else {
        const int segment = keys.P2 ? 1 : 0;
        const int off = frameIndex - keys.P1.Frame;
        const int len = keys.N1.Frame - keys.P1.Frame;
        if (obj.AspectPoints())
            SplineVertices(KeyObjects(keys), segment, off, len, obj);
        else
            SplineCentre(KeyObjects(keys), segment, off, len, obj);
    }
    return AnchorPoint(obj);
}

TPoint InterpolateMoveSpline(const TFrameList& frames, int frameIndex, TTypesObject& obj) {
    return InterpolateMoveSpline(FindSplineKeys(frames, obj, frameIndex), frameIndex, obj);
}

TPoint PathPoint(const TFrameList& frames, int frameIndex, const TTypesObject& obj) {
    const std::unique_ptr<TTypesObject> temporary = CloneObject(&obj, obj.Zoom());
    return InterpolateMove(frames, frameIndex, *temporary);
}

TPoint PathPointSpline(const TFrameList& frames, int frameIndex, const TTypesObject& obj) {
    const std::unique_ptr<TTypesObject> temporary = CloneObject(&obj, obj.Zoom());
    return InterpolateMoveSpline(frames, frameIndex, *temporary);
}

std::vector<TPoint> MotionPath(const TFrameList& frames, bool splines, const TTypesObject& obj) {
    std::vector<TPoint> anchors;
    anchors.reserve(frames.size());
    for (std::size_t q = 0; q < frames.size(); ++q) {
        const TObjectList& objects = frames[q]->Objects;
        const int index = IndexOfID(obj.ID, objects);
        const int frame = static_cast<int>(q);
        if (index >= 0)
            anchors.push_back(AnchorPoint(*objects[static_cast<std::size_t>(index)]));
        else
            anchors.push_back(splines ? PathPointSpline(frames, frame, obj)
                                      : PathPoint(frames, frame, obj));
    }
    return anchors;
}
