#include "core/objects/TypesPolygon.h"

#include "core/objects/ObjectRecord.h"
#include "core/model/JsonValues.h"
#include "core/model/Stream.h"
#include "core/objects/Geometry.h"
#include "core/render/Primitives.h"

#include <QPainter>
#include <QPolygon>

namespace {

// How near to the first vertex, in screen pixels along each axis, a release closes the outline.
constexpr int CloseTolerance = 8;
constexpr int MaskPenWidth = 2;

// Unfilled, so whatever the mask lets through stays visible inside it.
void DrawMaskOutline(QPainter& canvas, const TPolyPoints& screen, TColor color) {
    QPolygon outline;
    outline.reserve(static_cast<int>(screen.size()));
    for (const TPoint& point : screen)
        outline.append(QPoint(point.X, point.Y));
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    QPen pen{ColorToQColor(color)};
    pen.setWidth(MaskPenWidth);
    pen.setStyle(Qt::SolidLine);
    canvas.setPen(pen);
    canvas.setBrush(Qt::NoBrush);
    canvas.drawPolygon(outline);
    canvas.restore();
}

} // namespace

TTypesPolygon::TTypesPolygon(Extended globalZoom) : TPointListObject(globalZoom) {}

TTypesPolygon::TTypesPolygon(TObjectTable* table, const TProps& props, Extended globalZoom)
    : TPointListObject(table, props, globalZoom) {}

std::unique_ptr<TTypesObject> TTypesPolygon::NewEmpty(Extended globalZoom) const {
    return std::make_unique<TTypesPolygon>(globalZoom);
}

void TTypesPolygon::DataToStream(TStream& stream) const {
    WriteObjectCommon(stream, *this);
    WritePoints(stream);
    stream.WriteBoolean(FClosed);
    stream.WriteExtended(FZoom);
}

void TTypesPolygon::StreamToData(TStream& stream) {
    ReadObjectCommon(stream, *this);
    ReadPoints(stream);
    FClosed = stream.ReadBoolean();
    FZoom = stream.ReadExtended();
}

void TTypesPolygon::DescribeFields(QJsonObject& fields) const {
    TPointListObject::DescribeFields(fields);
    fields.insert(QStringLiteral("closed"), FClosed);
}

void TTypesPolygon::Assign(const TTypesObject& source) {
    if (const auto* polygon = dynamic_cast<const TTypesPolygon*>(&source))
        FClosed = polygon->FClosed;
    TPointListObject::Assign(source);
}

void TTypesPolygon::CreateMouseMove(TShiftState shift, int x, int y) {
    TPointListObject::CreateMouseMove(shift, x, y);
    if (mc && NearStart(x, y))
        FPoints.back() = FPoints.front();
}

// Only the vertex being dragged may close the outline: snapping a vertex placed earlier onto the
// start would silently drop it.
void TTypesPolygon::CreateMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (mc && NearStart(x, y)) {
        FPoints.back() = FPoints.front();
        FClosed = true;
        Invalidate();
    }
    TPointListObject::CreateMouseUp(button, shift, x, y);
}

void TTypesPolygon::Paint(TObjectTable* sender) {
    QPainter* canvas = Canvas();
    if (!canvas)
        return;
    const TPolyPoints screen = ScreenPoints();
    const bool mask = FProps.Mask != MASK_NONE;
    if (mask) {
        // A mask shows itself only as a guide on the editor canvas; frame images get its clip.
        if (sender && !FTableBitmap)
            DrawMaskOutline(*canvas, screen, sender->CanvasState().PenColor);
    } else if (FClosed) {
        GPDrawPolygon(*canvas, screen, FProps, FZoom, true);
    } else {
        GPDrawPolyline(*canvas, screen, FProps, FZoom, true);
    }
    if (!FSelected)
        return;
    // The closing copy lies under the first vertex's handle.
    const std::size_t handles = FClosed && !screen.empty() ? screen.size() - 1 : screen.size();
    DrawHandles(*canvas, screen, handles, !mask);
}

const TPolyPointsEx* TTypesPolygon::MaskOutline() const {
    return FProps.Mask != MASK_NONE ? &FPoints : nullptr;
}

bool TTypesPolygon::MatchesStructure(const TTypesObject& master) const {
    const auto* polygon = dynamic_cast<const TTypesPolygon*>(&master);
    return polygon && polygon->FClosed == FClosed && TPointListObject::MatchesStructure(master);
}

bool TTypesPolygon::CanDeleteVertex(int index) const {
    const int count = static_cast<int>(FPoints.size());
    // A closed triangle already holds four points.
    const bool enough = FClosed ? count > 4 : count > 2;
    return index > 0 && index < count - 1 && enough;
}

bool TTypesPolygon::BodyAt(const TPolyPoints& screen, const TPoint& p) const {
    return PtInPolyPoints(screen, p);
}

TCursor TTypesPolygon::HoverCursor(const TPolyPoints& screen, const TPoint& p) const {
    const TCursor cursor = TPointListObject::HoverCursor(screen, p);
    if (cursor == TCursor::Default && PtInPolyPoints(screen, p))
        return TCursor::SizeAll;
    return cursor;
}

void TTypesPolygon::VertexDragged(int index) {
    if (!FClosed || FPoints.size() < 2)
        return;
    if (index == 0)
        FPoints.back() = FPoints.front();
    else if (index == static_cast<int>(FPoints.size()) - 1)
        FPoints.front() = FPoints.back();
}

bool TTypesPolygon::NearStart(int x, int y) const {
    if (FPoints.size() <= 2)
        return false;
    const TPoint start = ScreenPoint(FPoints.front());
    return InTolerance(x, start.X, CloseTolerance) && InTolerance(y, start.Y, CloseTolerance);
}
