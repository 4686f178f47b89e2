#include "core/objects/PointListObject.h"

#include "core/model/JsonValues.h"
#include "core/model/Stream.h"
#include "core/objects/Geometry.h"

#include <QPainter>

#include <algorithm>

namespace {

// Half the side of a vertex's hit square and of its handle.
constexpr int VertexTolerance = 4;
constexpr int LineTolerance = 4;
constexpr int HandleSize = 4;
// A stored point is two extended values.
constexpr qint64 PointRecordSize = 2 * static_cast<qint64>(sizeof(TExtendedBytes));

// Left and top edges inside, right and bottom edges outside, as the canvas counts handles.
bool InVertexSquare(const TPoint& vertex, const TPoint& p) {
    const long long x = vertex.X;
    const long long y = vertex.Y;
    return p.X >= x - VertexTolerance && p.X < x + VertexTolerance && p.Y >= y - VertexTolerance &&
           p.Y < y + VertexTolerance;
}

void Offset(TPointEx& point, const TPointEx& delta) {
    point.X += delta.X;
    point.Y += delta.Y;
}

} // namespace

TPointListObject::TPointListObject(Extended globalZoom) {
    FZoom = globalZoom;
}

TPointListObject::TPointListObject(TObjectTable* table, const TProps& props, Extended globalZoom)
    : TTypesObject(table, props, globalZoom) {}

void TPointListObject::Assign(const TTypesObject& source) {
    if (const auto* list = dynamic_cast<const TPointListObject*>(&source))
        CopyPolyPointsEx(list->FPoints, FPoints);
    TTypesObject::Assign(source);
}

bool TPointListObject::MatchesStructure(const TTypesObject& master) const {
    const TPolyPointsEx* points = master.AspectPoints();
    return points && points->size() == FPoints.size();
}

TRect TPointListObject::GetRect() const {
    return BoundsOfPolyPoints(ScreenPoints());
}

void TPointListObject::Move(Extended dX, Extended dY) {
    if (dX != 0 || dY != 0)
        KeyFrameMove = true;
    const TPointEx delta{dX / FZoom, dY / FZoom};
    for (TPointEx& point : FPoints)
        Offset(point, delta);
}

void TPointListObject::DblClick() {
    Invalidate();
}

void TPointListObject::CreateMouseDown(TMouseButton button, TShiftState shift, int x, int y,
                                       bool& flag) {
    FChanged = false;
    flag = false;
    if (button != TMouseButton::mbLeft)
        return;
    SetAllKeyFrames();
    const TPolyPoints screen = ScreenPoints();
    const TPoint p{x, y};
    const int vertex = VertexAt(screen, p);
    if (vertex >= 0) {
        if ((shift & ssShift) && CanDeleteVertex(vertex)) {
            DeletePointEx(FPoints, vertex);
            MarkEdited();
        }
        return;
    }
    const int line = LineAt(screen, p);
    if (line >= 0) {
        FPoints.insert(FPoints.begin() + line, DocumentPoint(x, y));
        MarkEdited();
        return;
    }
    Extend(x, y, flag);
}

void TPointListObject::CreateMouseMove(TShiftState /*shift*/, int x, int y) {
    if (!mc)
        return;
    const TPointEx delta = StepTo(x, y);
    if (!FPoints.empty())
        Offset(FPoints.back(), delta);
    Invalidate();
}

void TPointListObject::CreateMouseUp(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/,
                                     int /*y*/) {
    mc = false;
}

void TPointListObject::ChangeMouseDown(TMouseButton button, TShiftState /*shift*/, int x, int y,
                                       bool& flag) {
    FChanged = false;
    flag = false;
    if (button != TMouseButton::mbLeft)
        return;
    const TPolyPoints screen = ScreenPoints();
    const TPoint p{x, y};
    mi = GrabbedVertexAt(screen, p);
    if (mi == -1 && BodyAt(screen, p))
        mi = -2;
    mp = p;
    mc = mi != -1;
    FSelected = mc;
    Invalidate();
    flag = mc;
}

void TPointListObject::ChangeMouseMove(TShiftState /*shift*/, int x, int y) {
    if (!mc || mi == -1) {
        SetCursor(HoverCursor(ScreenPoints(), {x, y}));
        return;
    }
    const TPointEx delta = StepTo(x, y);
    if (mi == -2) {
        for (TPointEx& point : FPoints)
            Offset(point, delta);
    } else if (mi >= 0 && static_cast<std::size_t>(mi) < FPoints.size()) {
        Offset(FPoints[static_cast<std::size_t>(mi)], delta);
        VertexDragged(mi);
    }
    Invalidate();
}

void TPointListObject::ChangeMouseUp(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/,
                                     int /*y*/) {
    mc = false;
}

bool TPointListObject::CanDeleteVertex(int index) const {
    const int count = static_cast<int>(FPoints.size());
    return index > 0 && index < count - 1 && count > 2;
}

bool TPointListObject::BodyAt(const TPolyPoints& screen, const TPoint& p) const {
    return LineAt(screen, p) >= 0;
}

TCursor TPointListObject::HoverCursor(const TPolyPoints& screen, const TPoint& p) const {
    if (VertexAt(screen, p) >= 0 || LineAt(screen, p) >= 0)
        return TCursor::MovePoint;
    return TCursor::Default;
}

TPolyPoints TPointListObject::ScreenPoints() const {
    TPolyPoints screen;
    screen.reserve(FPoints.size());
    for (const TPointEx& point : FPoints)
        screen.push_back(ScreenPoint(point));
    return screen;
}

TPoint TPointListObject::ScreenPoint(const TPointEx& point) const {
    return {RoundHalfEven(point.X * FZoom), RoundHalfEven(point.Y * FZoom)};
}

TPointEx TPointListObject::DocumentPoint(int x, int y) const {
    return {x / FZoom, y / FZoom};
}

int TPointListObject::VertexAt(const TPolyPoints& screen, const TPoint& p) {
    const auto hit = std::find_if(screen.begin(), screen.end(),
                                  [&p](const TPoint& vertex) { return InVertexSquare(vertex, p); });
    return hit == screen.end() ? -1 : static_cast<int>(hit - screen.begin());
}

int TPointListObject::LineAt(const TPolyPoints& screen, const TPoint& p) {
    return SegmentAtPoint(screen, p, LineTolerance);
}

void TPointListObject::DrawHandles(QPainter& canvas, const TPolyPoints& screen, std::size_t count,
                                   bool filled) {
    canvas.save();
    canvas.setBrush(filled ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    QPen pen{QColor(Qt::black)};
    pen.setWidth(1);
    canvas.setPen(pen);
    for (std::size_t i = 0; i < std::min(count, screen.size()); ++i)
        DrawHandle(canvas, screen[i].X, screen[i].Y, HandleSize);
    canvas.restore();
}

void TPointListObject::WritePoints(TStream& stream) const {
    stream.WriteInteger(static_cast<std::int32_t>(FPoints.size()));
    for (const TPointEx& point : FPoints) {
        stream.WriteExtended(point.X);
        stream.WriteExtended(point.Y);
    }
}

void TPointListObject::DescribeFields(QJsonObject& fields) const {
    fields.insert(QStringLiteral("points"), JsonPoints(FPoints));
}

void TPointListObject::ReadPoints(TStream& stream) {
    TPolyPointsEx points(static_cast<std::size_t>(stream.ReadCount(PointRecordSize)));
    for (TPointEx& point : points) {
        point.X = stream.ReadExtended();
        point.Y = stream.ReadExtended();
    }
    FPoints = std::move(points);
}

void TPointListObject::MarkEdited() {
    FChanged = true;
    FSelected = true;
    KeyFrameMove = true;
    Invalidate();
}

void TPointListObject::Extend(int x, int y, bool& flag) {
    mc = CanExtend();
    if (mc) {
        const TPointEx point = DocumentPoint(x, y);
        // The first click fixes the start and at once begins dragging the end.
        if (FPoints.empty())
            FPoints.push_back(point);
        FPoints.push_back(point);
        FChanged = true;
        KeyFrameMove = true;
    }
    mp = {x, y};
    FSelected = true;
    Invalidate();
    flag = mc;
}

TPointEx TPointListObject::StepTo(int x, int y) {
    if (x != mp.X || y != mp.Y) {
        FChanged = true;
        KeyFrameMove = true;
    }
    const TPointEx delta{(static_cast<Extended>(x) - mp.X) / FZoom,
                         (static_cast<Extended>(y) - mp.Y) / FZoom};
    mp = {x, y};
    return delta;
}
