#include "core/objects/TypesPolyline.h"

#include "core/objects/ObjectRecord.h"
#include "core/model/Stream.h"
#include "core/render/Primitives.h"

TTypesPolyline::TTypesPolyline(Extended globalZoom) : TPointListObject(globalZoom) {}

TTypesPolyline::TTypesPolyline(TObjectTable* table, const TProps& props, Extended globalZoom)
    : TPointListObject(table, props, globalZoom) {}

std::unique_ptr<TTypesObject> TTypesPolyline::NewEmpty(Extended globalZoom) const {
    return std::make_unique<TTypesPolyline>(globalZoom);
}

void TTypesPolyline::DataToStream(TStream& stream) const {
    WriteObjectCommon(stream, *this);
    WritePoints(stream);
    stream.WriteExtended(FZoom);
}

void TTypesPolyline::StreamToData(TStream& stream) {
    ReadObjectCommon(stream, *this);
    ReadPoints(stream);
    FZoom = stream.ReadExtended();
}

void TTypesPolyline::Paint(TObjectTable* /*sender*/) {
    QPainter* canvas = Canvas();
    if (!canvas)
        return;
    const TPolyPoints screen = ScreenPoints();
    GPDrawPolyline(*canvas, screen, FProps, FZoom, true);
    if (FSelected)
        DrawHandles(*canvas, screen, screen.size(), true);
}
