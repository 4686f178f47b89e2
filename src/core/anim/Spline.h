#pragma once

#include "core/anim/KeyIndex.h"

#include <vector>

// The spline variant of the move aspect and the motion path. The spline is a function y(x)
// through up to four move keys around a frame: the keys' x coordinates are the abscissae, and
// the frame only chooses the segment and how far x has advanced along it.

using TFloatArray = std::vector<Extended>;

// The columns of a spline through n keys; entry k describes the segment from key k to key
// k + 1: S_k(t) = A_k + B_k t + C_k t^2 + D_k t^3 with t = x - x_k. The last entry is the last
// key's y with no slope.
struct TSplineColumns {
    TFloatArray A;
    TFloatArray B;
    TFloatArray C;
    TFloatArray D;
};

// One segment of a spline.
struct TCubic {
    Extended A = 0;
    Extended B = 0;
    Extended C = 0;
    Extended D = 0;
};

// The natural cubic spline through the points (x[k], y[k]). Keys with equal x give a segment
// that stays at the first key's y; with two keys it is the straight line through them.
TSplineColumns SplineCoefficients(const TFloatArray& x, const TFloatArray& y);
// Segment index of the spline through points; all zero for an index outside the points.
TCubic SplineSegment(const TPolyPointsEx& points, int index);

// The point off frames into the len frames of segment segment of the spline through keys: x
// advances from the segment's first key towards its second in whole pixels, y is the spline's
// value there, rounded. Does nothing and returns false when len <= 0 or there is no such
// segment.
bool SplinePoint(const TPolyPointsEx& keys, int segment, TPointEx& point, int off, int len);
// The same for every point index of the keys' point lists, each index on its own spline. Does
// nothing and returns false also when the lists differ in length.
bool SplinePoints(const std::vector<TPolyPointsEx>& keys, int segment, TPolyPointsEx& points,
                  int off, int len);

// The move keys of an object around a frame, in time order: the previous key P1 and the one
// before it P2, the next key N1 and the one after it N2. Any of them may be missing.
struct TSplineKeys {
    TKey P2;
    TKey P1;
    TKey N1;
    TKey N2;
};

// The move keys around frameIndex, given prev(f) and next(f), which find the nearest move key
// before and after frame f.
template <typename TPrev, typename TNext>
TSplineKeys SplineKeysWith(int frameIndex, TPrev&& prev, TNext&& next) {
    TSplineKeys keys;
    keys.P1 = prev(frameIndex);
    if (keys.P1)
        keys.P2 = prev(keys.P1.Frame);
    keys.N1 = next(frameIndex);
    if (keys.N1)
        keys.N2 = next(keys.N1.Frame);
    return keys;
}

// The same through the plain search of FindPrevKey and FindNextKey.
TSplineKeys FindSplineKeys(const TFrameList& frames, const TTypesObject& obj, int frameIndex);

// Sets obj's move aspect (its vertices or its centre) for frameIndex along the spline through
// its keys: between P1 and N1 on the spline, copied from P1 alone, unchanged without P1; keys
// whose point lists differ in length leave the vertices as they are. Returns the anchor point
// of the result, (0, 0) without P1.
TPoint InterpolateMoveSpline(const TSplineKeys& keys, int frameIndex, TTypesObject& obj);
// The same with the keys searched in frames.
TPoint InterpolateMoveSpline(const TFrameList& frames, int frameIndex, TTypesObject& obj);

// The anchor point obj would have in frame frameIndex on the straight line or on the spline;
// obj itself is not changed.
TPoint PathPoint(const TFrameList& frames, int frameIndex, const TTypesObject& obj);
TPoint PathPointSpline(const TFrameList& frames, int frameIndex, const TTypesObject& obj);

// The motion path of obj: one anchor per frame, that of the frame's own copy where the frame
// holds one, else the path point of the straight line or, with splines, of the spline.
std::vector<TPoint> MotionPath(const TFrameList& frames, bool splines, const TTypesObject& obj);
