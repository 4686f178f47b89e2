#include "core/objects/TypesBezierPolygon.h"

#include "core/objects/ObjectRecord.h"
#include "core/model/Stream.h"
#include "core/objects/Geometry.h"
#include "core/render/Primitives.h"

#include <QJsonObject>

namespace {

// How near to the first anchor, in screen pixels along each axis, a release closes the chain.
constexpr int CloseTolerance = 8;
// Closing needs three segments: fewer would leave nothing but a lens or a line.
constexpr std::size_t MinPointsToClose = 8;

} // namespace

TTypesBezierPolygon::TTypesBezierPolygon(Extended globalZoom) : TBezierChainObject(globalZoom) {}

TTypesBezierPolygon::TTypesBezierPolygon(TObjectTable* table, const TProps& props,
                                         Extended globalZoom)
    : TBezierChainObject(table, props, globalZoom) {}

std::unique_ptr<TTypesObject> TTypesBezierPolygon::NewEmpty(Extended globalZoom) const {
    return std::make_unique<TTypesBezierPolygon>(globalZoom);
}

void TTypesBezierPolygon::DescribeFields(QJsonObject& fields) const {
    TBezierChainObject::DescribeFields(fields);
    fields.insert(QStringLiteral("closed"), FClosed);
}

void TTypesBezierPolygon::DataToStream(TStream& stream) const {
    WriteObjectCommon(stream, *this);
    WritePoints(stream);
    stream.WriteBoolean(FClosed);
    stream.WriteExtended(FZoom);
}

void TTypesBezierPolygon::StreamToData(TStream& stream) {
    ReadObjectCommon(stream, *this);
    ReadPoints(stream);
    FClosed = stream.ReadBoolean();
    FZoom = stream.ReadExtended();
}

void TTypesBezierPolygon::Assign(const TTypesObject& source) {
    if (const auto* polygon = dynamic_cast<const TTypesBezierPolygon*>(&source))
        FClosed = polygon->FClosed;
    TBezierChainObject::Assign(source);
}

void TTypesBezierPolygon::CreateMouseMove(TShiftState shift, int x, int y) {
    TBezierChainObject::CreateMouseMove(shift, x, y);
    if (mc && NearStart(x, y))
        SnapToStart();
}

// Only the anchor being dragged may close the chain: snapping an anchor placed earlier onto the
// start would silently drop it and flatten its control.
void TTypesBezierPolygon::CreateMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (mc && NearStart(x, y)) {
        SnapToStart();
        FClosed = true;
        Invalidate();
    }
    TBezierChainObject::CreateMouseUp(button, shift, x, y);
}

void TTypesBezierPolygon::Paint(TObjectTable* /*sender*/) {
    QPainter* canvas = Canvas();
    if (!canvas)
        return;
    const TPolyPoints screen = ScreenPoints();
    if (FClosed)
        GPDrawPolygon(*canvas, FlattenChain(screen), FProps, FZoom, true);
    else
        GPDrawBeziers(*canvas, screen, FProps, FZoom, true);
    if (!FSelected)
        return;
    // The closing copy lies under the first anchor's handle.
    const std::size_t handles = FClosed && !screen.empty() ? screen.size() - 1 : screen.size();
    DrawChainHandles(*canvas, screen, handles);
}

bool TTypesBezierPolygon::MatchesStructure(const TTypesObject& master) const {
    const auto* polygon = dynamic_cast<const TTypesBezierPolygon*>(&master);
    return polygon && polygon->FClosed == FClosed && TBezierChainObject::MatchesStructure(master);
}

bool TTypesBezierPolygon::CanDeleteVertex(int index) const {
    // What is left must still be a chain: two segments when closed, one when open.
    const int keep = FClosed ? 2 : 1;
    return SegmentCount(FPoints.size()) > keep && TBezierChainObject::CanDeleteVertex(index);
}

bool TTypesBezierPolygon::BodyAt(const TPolyPoints& screen, const TPoint& p) const {
    return PtInPolyPoints(FlattenChain(screen), p);
}

TCursor TTypesBezierPolygon::HoverCursor(const TPolyPoints& screen, const TPoint& p) const {
    if (VertexAt(screen, p) >= 0)
        return TCursor::MovePoint;
    if (PtInPolyPoints(FlattenChain(screen), p))
        return TCursor::SizeAll;
    return TCursor::Default;
}

void TTypesBezierPolygon::VertexDragged(int index) {
    if (!FClosed || FPoints.size() < 2)
        return;
    if (index == 0)
        FPoints.back() = FPoints.front();
    else if (index == static_cast<int>(FPoints.size()) - 1)
        FPoints.front() = FPoints.back();
}

// The first anchor lying on the closing copy gives way to it, so dragging there moves the last
// point, which carries the first along.
bool TTypesBezierPolygon::SkipsVertex(int index) const {
    if (TBezierChainObject::SkipsVertex(index))
        return true;
    return index == 0 && FPoints.size() > 1 && SamePointEx(FPoints.front(), FPoints.back());
}

bool TTypesBezierPolygon::NearStart(int x, int y) const {
    if (FPoints.size() < MinPointsToClose)
        return false;
    const TPoint start = ScreenPoint(FPoints.front());
    return InTolerance(x, start.X, CloseTolerance) && InTolerance(y, start.Y, CloseTolerance);
}

void TTypesBezierPolygon::SnapToStart() {
    const std::size_t count = FPoints.size();
    if (count < 2)
        return;
    FPoints[count - 2] = FPoints.front();
    FPoints[count - 1] = FPoints.front();
}
