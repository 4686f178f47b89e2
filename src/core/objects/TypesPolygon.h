#pragma once

#include "core/objects/PointListObject.h"

// A filled outline that the creation tool closes by releasing near its first vertex; with a mask
// mode it fills nothing and clips the objects above it instead. A closed polygon keeps a copy of
// its first vertex as its last point.
class TTypesPolygon : public TPointListObject {
public:
    explicit TTypesPolygon(Extended globalZoom);
    TTypesPolygon(TObjectTable* table, const TProps& props, Extended globalZoom);

    QString TypeName() const override { return QStringLiteral("Polygon"); }
    int TypeCode() const override { return 1; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended globalZoom) const override;

    bool Closed() const { return FClosed; }
    void DescribeFields(QJsonObject& fields) const override;

    void DataToStream(TStream& stream) const override;
    void StreamToData(TStream& stream) override;
    void Assign(const TTypesObject& source) override;
    void CreateMouseMove(TShiftState shift, int x, int y) override;
    void CreateMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint(TObjectTable* sender) override;
    const TPolyPointsEx* MaskOutline() const override;
    bool MatchesStructure(const TTypesObject& master) const override;

protected:
    bool CanDeleteVertex(int index) const override;
    bool CanExtend() const override { return !FClosed; }
    bool BodyAt(const TPolyPoints& screen, const TPoint& p) const override;
    TCursor HoverCursor(const TPolyPoints& screen, const TPoint& p) const override;
    void VertexDragged(int index) override;

private:
    // Whether (x, y) is close enough to the first vertex to close the outline there.
    bool NearStart(int x, int y) const;

    bool FClosed = false;
};
