#include "core/objects/Geometry.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr Extended Pi = 3.141592653589793238462643383279502884L;

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

// The square (x - Tolerance, y - Tolerance, x + Tolerance, y + Tolerance) with its left and
// top edges inside and its right and bottom edges outside, as the canvas hit tests count it.
bool InSquare(const TPoint& P, long long x, long long y, int Tolerance) {
    return P.X >= x - Tolerance && P.X < x + Tolerance && P.Y >= y - Tolerance &&
           P.Y < y + Tolerance;
}

// Elevation of P above C in degrees, -90..90; a point on the centre counts as 0.
Extended Elevation(const TPointEx& C, const TPointEx& P) {
    Extended d = DistanceEx(C, P);
    if (d == 0)
        d = 0.1L;
    // Guards against a quotient rounded just past +-1.
    const Extended sine = std::clamp((C.Y - P.Y) / d, -1.0L, 1.0L);
    return std::asin(sine) * 180 / Pi;
}

// Where P lies against C, judged on whole pixels as the pointer reports them.
struct TPixelSide {
    bool Right;
    bool Left;
    bool Above;
    bool Below;
};

TPixelSide PixelSide(const TPointEx& C, const TPointEx& P) {
    const int px = RoundHalfEven(P.X);
    const int py = RoundHalfEven(P.Y);
    const int cx = RoundHalfEven(C.X);
    const int cy = RoundHalfEven(C.Y);
    return {px > cx, px < cx, (py < cy), (py > cy)};
}

bool HandlePosition(int Index, const TRect& R, TPoint& Position) {
    const int mx = R.Left + RoundHalfEven((static_cast<Extended>(R.Right) - R.Left) / 2);
    const int my = R.Top + RoundHalfEven((static_cast<Extended>(R.Bottom) - R.Top) / 2);
    const std::array<TPoint, 8> handles = {{{R.Left, R.Top},
                                            {mx, R.Top},
                                            {R.Right, R.Top},
                                            {R.Right, my},
                                            {R.Right, R.Bottom},
                                            {mx, R.Bottom},
                                            {R.Left, R.Bottom},
                                            {R.Left, my}}};
    if (Index < 0 || Index >= static_cast<int>(handles.size()))
        return false;
    Position = handles[static_cast<size_t>(Index)];
    return true;
}

bool InRegion(const TPolyPoints& Points, const TPoint& P, Qt::FillRule Rule) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(Points.size()));
    for (const TPoint& point : Points)
        polygon.append(QPoint(point.X, point.Y));
    return QRegion(polygon, Rule).contains(QPoint(P.X, P.Y));
}

// A point in the coordinates of a segment's scan axis: u along it, v across it.
struct TScanPoint {
    long long U;
    long long V;
};

// Tests the columns strictly between the segment's ends; only those whose square can hold P
// are visited, so a long segment costs no more than a short one.
bool SegmentNear(const TPoint& A, const TPoint& B, const TPoint& P, int Tolerance) {
    const bool alongX = std::llabs(static_cast<long long>(A.X) - B.X) >
                        std::llabs(static_cast<long long>(A.Y) - B.Y);
    const auto scan = [alongX](const TPoint& point) {
        return alongX ? TScanPoint{point.X, point.Y} : TScanPoint{point.Y, point.X};
    };
    const TScanPoint a = scan(A);
    const TScanPoint b = scan(B);
    const TScanPoint p = scan(P);
    const long long first = std::max(std::min(a.U, b.U) + 1, p.U - Tolerance + 1);
    const long long last = std::min(std::max(a.U, b.U) - 1, p.U + Tolerance);
    if (first > last)
        return false;
    const Extended m = static_cast<Extended>(a.V - b.V) / static_cast<Extended>(a.U - b.U);
    const Extended k = a.V - m * a.U;
    for (long long u = first; u <= last; ++u) {
        const long long v = RoundHalfEven(m * u + k);
        if (p.V >= v - Tolerance && p.V < v + Tolerance)
            return true;
    }
    return false;
}

template <typename TList, typename TToPoint> TRect BoundsOf(const TList& Points, TToPoint toPoint) {
    if (Points.empty())
        return {};
    const TPoint start = toPoint(Points.front());
    TRect bounds{start.X, start.Y, start.X, start.Y};
    for (const auto& item : Points) {
        const TPoint point = toPoint(item);
        bounds.Left = std::min(bounds.Left, point.X);
        bounds.Top = std::min(bounds.Top, point.Y);
        bounds.Right = std::max(bounds.Right, point.X);
        bounds.Bottom = std::max(bounds.Bottom, point.Y);
    }
    return bounds;
}

int Middle(int a, int b) {
    const long long low = std::min(a, b);
    return ClampToInt(low + std::llabs(static_cast<long long>(b) - a) / 2);
}

} // namespace

TPointEx PointEx(Extended X, Extended Y) {
    return {X, Y};
}

TRectEx RectEx(Extended Left, Extended Top, Extended Right, Extended Bottom) {
    return {Left, Top, Right, Bottom};
}

int FloatToCoord(Extended X) {
    Extended v = X * 100;
    v = X >= 0 ? v + 0.5L : v - 0.5L;
    v = std::trunc(v);
    return TruncToInt(v / 100);
}

TPoint PointExToPoint(const TPointEx& P) {
    return {FloatToCoord(P.X), FloatToCoord(P.Y)};
}

TRect RectExToRect(const TRectEx& R) {
    return {FloatToCoord(R.Left), FloatToCoord(R.Top), FloatToCoord(R.Right),
            FloatToCoord(R.Bottom)};
}

TCorners CornersToPoints(const TCornersEx& Corners) {
    TCorners points;
    std::transform(Corners.begin(), Corners.end(), points.begin(), PointExToPoint);
    return points;
}

TPoint ScalePointEx(const TPointEx& P, Extended F) {
    return {FloatToCoord(F * P.X), FloatToCoord(F * P.Y)};
}

Extended DistanceEx(const TPointEx& A, const TPointEx& B) {
    const Extended dx = A.X - B.X;
    const Extended dy = A.Y - B.Y;
    return std::sqrt(dx * dx + dy * dy);
}

TPointEx PolarPoint(const TPointEx& C, Extended Distance, Extended Angle) {
    const Extended a = Angle * 2 * Pi / 360;
    return {C.X + Distance * std::cos(a), C.Y - Distance * std::sin(a)};
}

Extended AngleOfPoint(const TPointEx& C, const TPointEx& P) {
    Extended a = Elevation(C, P);
    if (P.X <= C.X && P.Y <= C.Y)
        a = 180 - a;
    if (P.X > C.X && P.Y > C.Y)
        a = a + 360;
    if (P.X < C.X && P.Y > C.Y)
        a = std::fabs(a) + 180;
    return a;
}

// The four rules together cover every position, so the last one needs no test.
Extended BearingFromNorth(const TPointEx& C, const TPointEx& P) {
    const Extended a = Elevation(C, P);
    const TPixelSide side = PixelSide(C, P);
    if (side.Right && side.Above)
        return 90 - a;
    if (!side.Left && !side.Above)
        return std::fabs(a) + 90;
    if (side.Left && side.Below)
        return 270 - std::fabs(a);
    return a + 270;
}

Extended BearingFromSouth(const TPointEx& C, const TPointEx& P) {
    const Extended a = Elevation(C, P);
    const TPixelSide side = PixelSide(C, P);
    if (side.Left && side.Below)
        return a + 90;
    if (!side.Right && !side.Below)
        return std::fabs(a) + 90;
    if (side.Right && side.Above)
        return 270 - std::fabs(a);
    return 270 - a;
}

Extended NonZeroOr(Extended Value, Extended Default) {
    return Value != 0 ? Value : Default;
}

void RotateRectEx(const TRectEx& R, const TPointEx& C, Extended Angle, TCornersEx& Corners,
                  TRectEx& Bounds) {
    const TCornersEx own = {
        {{R.Left, R.Top}, {R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left, R.Bottom}}};
    for (size_t i = 0; i < own.size(); ++i)
        Corners[i] = PolarPoint(C, DistanceEx(C, own[i]), AngleOfPoint(C, own[i]) + Angle);
    Bounds = {Corners[0].X, Corners[0].Y, Corners[0].X, Corners[0].Y};
    for (const TPointEx& corner : Corners) {
        Bounds.Left = std::min(Bounds.Left, corner.X);
        Bounds.Top = std::min(Bounds.Top, corner.Y);
        Bounds.Right = std::max(Bounds.Right, corner.X);
        Bounds.Bottom = std::max(Bounds.Bottom, corner.Y);
    }
}

bool PtInCorners(const TPointEx& P, const TCornersEx& Corners) {
    const TCorners corners = CornersToPoints(Corners);
    return InRegion(TPolyPoints(corners.begin(), corners.end()), PointExToPoint(P),
                    Qt::OddEvenFill);
}

int HandleAtPoint(const TPointEx& P, const TRectEx& R, int Tolerance) {
    const TPoint point = PointExToPoint(P);
    const TRect rect = RectExToRect(R);
    TPoint handle;
    for (int index = 0; HandlePosition(index, rect, handle); ++index) {
        if (InSquare(point, handle.X, handle.Y, Tolerance))
            return index;
    }
    return -1;
}

TPoint HandleOrigin(int Index, const TRectEx& R, int Size) {
    TPoint handle;
    if (!HandlePosition(Index, RectExToRect(R), handle))
        return {};
    return {ClampToInt(static_cast<long long>(handle.X) - Size),
            ClampToInt(static_cast<long long>(handle.Y) - Size)};
}

bool SamePointEx(const TPointEx& A, const TPointEx& B) {
    return A.X == B.X && A.Y == B.Y;
}

bool InTolerance(int V, int Centre, int Tolerance) {
    const long long centre = Centre;
    return centre - Tolerance <= V && V <= centre + Tolerance;
}

void DeletePointEx(TPolyPointsEx& Points, int Index) {
    if (Index < 0 || static_cast<size_t>(Index) >= Points.size())
        return;
    Points.erase(Points.begin() + Index);
}

void CopyPolyPointsEx(const TPolyPointsEx& Source, TPolyPointsEx& Target) {
    Target = Source;
}

TRect BoundsOfPolyPoints(const TPolyPoints& Points) {
    return BoundsOf(Points, [](const TPoint& point) { return point; });
}

TRect BoundsOfPolyPointsEx(const TPolyPointsEx& Points) {
    return BoundsOf(Points, [](const TPointEx& point) {
        return TPoint{RoundHalfEven(point.X), RoundHalfEven(point.Y)};
    });
}

TPoint CentreOfPolyPointsEx(const TPolyPointsEx& Points) {
    const TRect bounds = BoundsOfPolyPointsEx(Points);
    return {Middle(bounds.Left, bounds.Right), Middle(bounds.Top, bounds.Bottom)};
}

bool PtInPolyPoints(const TPolyPoints& Points, const TPoint& P) {
    return !Points.empty() && InRegion(Points, P, Qt::WindingFill);
}

int SegmentAtPoint(const TPolyPoints& Points, const TPoint& P, int Tolerance) {
    const size_t count = Points.size();
    for (size_t i = 0; i < count; ++i) {
        if (SegmentNear(Points[i], Points[(i + 1) % count], P, Tolerance))
            return static_cast<int>(i + 1);
    }
    return -1;
}

void DrawHandle(QPainter& Canvas, int X, int Y, int Size) {
    const bool antialiased = Canvas.testRenderHint(QPainter::Antialiasing);
    Canvas.setRenderHint(QPainter::Antialiasing, false);
    const QPoint corners[] = {
        {X - Size, Y - Size}, {X + Size, Y - Size}, {X + Size, Y + Size}, {X - Size, Y + Size}};
    Canvas.drawPolygon(corners, 4);
    Canvas.setRenderHint(QPainter::Antialiasing, antialiased);
}

Extended CubicValue(Extended A, Extended B, Extended C, Extended D, Extended T) {
    return A * T * T * T + B * T * T + C * T + D;
}
