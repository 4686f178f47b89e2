#include "core/model/TypesObject.h"

#include "core/model/ObjectId.h"
#include "core/model/BitmapCanvas.h"

TTypesObject::TTypesObject() : ID(NewObjectID()) {}

TTypesObject::TTypesObject(TObjectTable* table, const TProps& props, Extended globalZoom)
    : TTypesObject() {
    FTable = table;
    FProps = props;
    FSelected = true;
    FZoom = globalZoom;
}

void TTypesObject::Assign(const TTypesObject& source) {
    FTable = source.FTable;
    FSelected = source.FSelected;
    FProps = source.FProps;
    FZoom = source.FZoom;
    ID = source.ID;
    ObjName = source.ObjName;
    KeyFrameMove = source.KeyFrameMove;
    KeyFrameTurn = source.KeyFrameTurn;
    KeyFrameStretch = source.KeyFrameStretch;
    KeyFrameTrans = source.KeyFrameTrans;
    KeyFrameColor = source.KeyFrameColor;
}

void TTypesObject::ChangeZoom(Extended value, bool draw) {
    FZoom = value;
    if (draw)
        Invalidate();
}

void TTypesObject::ChangeSelection(bool value, bool draw) {
    FSelected = value;
    if (draw)
        Invalidate();
}

void TTypesObject::ChangeProps(const TProps& value, bool draw) {
    // Opacity counts as changed only in its first two decimals.
    if (TruncToInt(FProps.Trans * 100) != TruncToInt(value.Trans * 100))
        KeyFrameTrans = true;
    if (FProps.BrushColor != value.BrushColor || FProps.PenColor != value.PenColor)
        KeyFrameColor = true;
    FProps = value;
    if (draw)
        Invalidate();
}

void TTypesObject::Invalidate() {
    if (FTable)
        FTable->Invalidate();
}

QPainter* TTypesObject::Canvas() const {
    if (FTableBitmap)
        return &FTableBitmap->Painter();
    return FTable ? FTable->Painter() : nullptr;
}

TCursor TTypesObject::Cursor() const {
    return FTable ? FTable->Cursor() : TCursor::Default;
}

void TTypesObject::SetCursor(TCursor cursor) {
    if (FTable)
        FTable->SetCursor(cursor);
}

bool TTypesObject::AnyKeyFrame() const {
    return KeyFrameMove || KeyFrameTurn || KeyFrameStretch || KeyFrameTrans || KeyFrameColor;
}

void TTypesObject::SetAllKeyFrames() {
    KeyFrameMove = KeyFrameTurn = KeyFrameStretch = KeyFrameTrans = KeyFrameColor = true;
}

std::unique_ptr<TTypesObject> CloneObject(const TTypesObject* source, Extended globalZoom) {
    if (!source)
        return nullptr;
    std::unique_ptr<TTypesObject> clone = source->NewEmpty(globalZoom);
    clone->Assign(*source);
    return clone;
}
