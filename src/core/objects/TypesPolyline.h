#pragma once

#include "core/objects/PointListObject.h"

// An open line through its vertices.
class TTypesPolyline : public TPointListObject {
public:
    explicit TTypesPolyline(Extended globalZoom);
    TTypesPolyline(TObjectTable* table, const TProps& props, Extended globalZoom);

    QString TypeName() const override { return QStringLiteral("Polyline"); }
    int TypeCode() const override { return 0; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended globalZoom) const override;

    void DataToStream(TStream& stream) const override;
    void StreamToData(TStream& stream) override;
    void Paint(TObjectTable* sender) override;
};
