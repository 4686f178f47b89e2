#include "core/objects/BezierChain.h"

#include "core/objects/Geometry.h"

#include <QPainter>

#include <algorithm>

namespace {

// Half the side of a point's hit square, the reach of the curve test and the handle sizes.
constexpr int VertexTolerance = 4;
constexpr int CurveTolerance = 4;
constexpr int AnchorHandleSize = 4;
constexpr int ControlHandleSize = 3;

// Left and top edges inside, right and bottom edges outside, as the canvas counts handles.
bool InVertexSquare(const TPoint& vertex, const TPoint& p) {
    const long long x = vertex.X;
    const long long y = vertex.Y;
    return p.X >= x - VertexTolerance && p.X < x + VertexTolerance && p.Y >= y - VertexTolerance &&
           p.Y < y + VertexTolerance;
}

// The anchor a control point belongs to; an anchor belongs to itself.
int OwnAnchor(int index) {
    switch (index % 3) {
    case 1:
        return index - 1;
    case 2:
        return index + 1;
    default:
        return index;
    }
}

void Offset(TPointEx& point, const TPointEx& delta) {
    point.X += delta.X;
    point.Y += delta.Y;
}

QPoint ToQPoint(const TPoint& point) {
    return {point.X, point.Y};
}

} // namespace

bool IsAnchor(int index) {
    return index % 3 == 0;
}

int SegmentCount(std::size_t count) {
    return count == 0 ? 0 : static_cast<int>((count - 1) / 3);
}

TPolyPoints FlattenSegment(const TPolyPoints& chain, int segment) {
    const auto start = chain.begin() + 3 * static_cast<std::ptrdiff_t>(segment);
    TPolyPoints flat;
    BezierToPoints(TPolyPoints(start, start + 4), flat);
    return flat;
}

TPolyPoints FlattenChain(const TPolyPoints& chain) {
    TPolyPoints outline;
    for (int segment = 0; segment < SegmentCount(chain.size()); ++segment) {
        const TPolyPoints flat = FlattenSegment(chain, segment);
        outline.insert(outline.end(), flat.begin(), flat.end());
    }
    return outline;
}

int CurveSegmentAt(const TPolyPoints& chain, const TPoint& p) {
    for (int segment = 0; segment < SegmentCount(chain.size()); ++segment)
        if (SegmentAtPoint(FlattenSegment(chain, segment), p, CurveTolerance) >= 0)
            return segment;
    return -1;
}

// Bounds are taken over the flattened curve, never the controls, which may lie far beside it.
TRect TBezierChainObject::GetRect() const {
    if (SegmentCount(FPoints.size()) == 0)
        return TPointListObject::GetRect();
    TPolyPoints rounded;
    rounded.reserve(FPoints.size());
    for (const TPointEx& point : FPoints)
        rounded.push_back({RoundHalfEven(point.X), RoundHalfEven(point.Y)});
    TPolyPoints flat = FlattenChain(rounded);
    for (TPoint& point : flat)
        point = ScreenPoint({static_cast<Extended>(point.X), static_cast<Extended>(point.Y)});
    return BoundsOfPolyPoints(flat);
}

void TBezierChainObject::CreateMouseDown(TMouseButton button, TShiftState shift, int x, int y,
                                         bool& flag) {
    FChanged = false;
    flag = false;
    if (button != TMouseButton::mbLeft)
        return;
    SetAllKeyFrames();
    const TPolyPoints screen = ScreenPoints();
    const TPoint p{x, y};
    const int vertex = GrabbedVertexAt(screen, p);
    if (vertex >= 0) {
        if (shift & ssShift) {
            const int anchor = DeletionTarget(vertex);
            if (CanDeleteVertex(anchor))
                DeleteAnchor(anchor);
        }
        return;
    }
    const int segment = CurveSegmentAt(screen, p);
    if (segment >= 0) {
        SplitSegment(segment, x, y);
        return;
    }
    AppendAnchor(x, y, flag);
}

void TBezierChainObject::CreateMouseMove(TShiftState /*shift*/, int x, int y) {
    if (!mc)
        return;
    const TPointEx delta = StepTo(x, y);
    // The new anchor takes its incoming control along, so the new segment stays straight.
    const std::size_t count = FPoints.size();
    for (std::size_t i = count < 2 ? 0 : count - 2; i < count; ++i)
        Offset(FPoints[i], delta);
    Invalidate();
}

bool TBezierChainObject::CanDeleteVertex(int index) const {
    const int count = static_cast<int>(FPoints.size());
    return IsAnchor(index) && index > 0 && index < count - 1 && SegmentCount(FPoints.size()) > 1;
}

bool TBezierChainObject::BodyAt(const TPolyPoints& screen, const TPoint& p) const {
    return CurveSegmentAt(screen, p) >= 0;
}

TCursor TBezierChainObject::HoverCursor(const TPolyPoints& screen, const TPoint& p) const {
    if (VertexAt(screen, p) >= 0 || CurveSegmentAt(screen, p) >= 0)
        return TCursor::MovePoint;
    return TCursor::Default;
}

// An anchor lying on its outgoing control gives way, so that a press there pulls the control
// out and bends the curve.
bool TBezierChainObject::SkipsVertex(int index) const {
    const std::size_t next = static_cast<std::size_t>(index) + 1;
    return IsAnchor(index) && next < FPoints.size() &&
           SamePointEx(FPoints[static_cast<std::size_t>(index)], FPoints[next]);
}

int TBezierChainObject::GrabbedVertexAt(const TPolyPoints& screen, const TPoint& p) const {
    for (std::size_t i = 0; i < screen.size(); ++i)
        if (!SkipsVertex(static_cast<int>(i)) && InVertexSquare(screen[i], p))
            return static_cast<int>(i);
    return -1;
}

void TBezierChainObject::DrawChainHandles(QPainter& canvas, const TPolyPoints& screen,
                                          std::size_t count) {
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    QPen pen{QColor(Qt::black)};
    pen.setWidth(1);
    canvas.setPen(pen);
    canvas.setBrush(QBrush(Qt::white));
    const int size = static_cast<int>(screen.size());
    for (int i = 0; i < size; ++i) {
        const int anchor = OwnAnchor(i);
        if (anchor != i && anchor < size)
            canvas.drawLine(ToQPoint(screen[static_cast<std::size_t>(anchor)]),
                            ToQPoint(screen[static_cast<std::size_t>(i)]));
    }
    for (std::size_t i = 0; i < std::min(count, screen.size()); ++i)
        DrawHandle(canvas, screen[i].X, screen[i].Y,
                   IsAnchor(static_cast<int>(i)) ? AnchorHandleSize : ControlHandleSize);
    canvas.restore();
}

int TBezierChainObject::DeletionTarget(int index) const {
    const int anchor = OwnAnchor(index);
    const bool hidden = anchor != index && anchor < static_cast<int>(FPoints.size()) &&
                        SamePointEx(FPoints[static_cast<std::size_t>(index)],
                                    FPoints[static_cast<std::size_t>(anchor)]);
    return hidden ? anchor : index;
}

void TBezierChainObject::DeleteAnchor(int index) {
    const auto first = FPoints.begin() + (index - 1);
    FPoints.erase(first, first + 3);
    MarkEdited();
}

// The new anchor goes between the segment's two controls, with both of its own controls on it.
void TBezierChainObject::SplitSegment(int segment, int x, int y) {
    FPoints.insert(FPoints.begin() + (3 * segment + 2), 3, DocumentPoint(x, y));
    MarkEdited();
}

void TBezierChainObject::AppendAnchor(int x, int y, bool& flag) {
    mc = CanExtend();
    if (mc) {
        const TPointEx point = DocumentPoint(x, y);
        if (FPoints.empty())
            FPoints.push_back(point);
        // The previous anchor's outgoing control starts on it, so the new segment is straight.
        const TPointEx last = FPoints.back();
        FPoints.push_back(last);
        FPoints.insert(FPoints.end(), 2, point);
    }
    mp = {x, y};
    // The press counts as an edit even when a closed polygon took no points.
    MarkEdited();
    flag = mc;
}

void TBezierChainObject::MarkEdited() {
    FChanged = true;
    FSelected = true;
    KeyFrameMove = true;
    Invalidate();
}

TPointEx TBezierChainObject::StepTo(int x, int y) {
    if (x != mp.X || y != mp.Y) {
        FChanged = true;
        KeyFrameMove = true;
    }
    const TPointEx delta{(static_cast<Extended>(x) - mp.X) / FZoom,
                         (static_cast<Extended>(y) - mp.Y) / FZoom};
    mp = {x, y};
    return delta;
}
