#pragma once

#include "core/objects/BezierChain.h"

// An open chain of cubic segments.
class TTypesBezierPolyline : public TBezierChainObject {
public:
    explicit TTypesBezierPolyline(Extended globalZoom);
    TTypesBezierPolyline(TObjectTable* table, const TProps& props, Extended globalZoom);

    QString TypeName() const override { return QStringLiteral("BezierPolyline"); }
    int TypeCode() const override { return 2; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended globalZoom) const override;

    void DataToStream(TStream& stream) const override;
    void StreamToData(TStream& stream) override;
    void Paint(TObjectTable* sender) override;
};
