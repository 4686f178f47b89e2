#include "core/objects/TypesBezierPolyline.h"

#include "core/objects/ObjectRecord.h"
#include "core/model/Stream.h"
#include "core/render/Primitives.h"

TTypesBezierPolyline::TTypesBezierPolyline(Extended globalZoom) : TBezierChainObject(globalZoom) {}

TTypesBezierPolyline::TTypesBezierPolyline(TObjectTable* table, const TProps& props,
                                           Extended globalZoom)
    : TBezierChainObject(table, props, globalZoom) {}

std::unique_ptr<TTypesObject> TTypesBezierPolyline::NewEmpty(Extended globalZoom) const {
    return std::make_unique<TTypesBezierPolyline>(globalZoom);
}

void TTypesBezierPolyline::DataToStream(TStream& stream) const {
    WriteObjectCommon(stream, *this);
    WritePoints(stream);
    stream.WriteExtended(FZoom);
}

void TTypesBezierPolyline::StreamToData(TStream& stream) {
    ReadObjectCommon(stream, *this);
    ReadPoints(stream);
    FZoom = stream.ReadExtended();
}

void TTypesBezierPolyline::Paint(TObjectTable* /*sender*/) {
    QPainter* canvas = Canvas();
    if (!canvas)
        return;
    const TPolyPoints screen = ScreenPoints();
    GPDrawBeziers(*canvas, screen, FProps, FZoom, true);
    if (FSelected)
        DrawChainHandles(*canvas, screen, screen.size());
}
