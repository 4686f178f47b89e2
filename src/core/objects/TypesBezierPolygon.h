#pragma once

#include "core/objects/BezierChain.h"

// A chain of cubic segments that the creation tool closes by releasing near its first anchor,
// once it has three segments; closed, it is filled. A closed chain keeps a copy of its first
// anchor as its last point. Unlike the plain polygon it never acts as a mask.
class TTypesBezierPolygon : public TBezierChainObject {
public:
    explicit TTypesBezierPolygon(Extended globalZoom);
    TTypesBezierPolygon(TObjectTable* table, const TProps& props, Extended globalZoom);

    QString TypeName() const override { return QStringLiteral("BezierPolygon"); }
    int TypeCode() const override { return 3; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended globalZoom) const override;

    bool Closed() const { return FClosed; }
    void DescribeFields(QJsonObject& fields) const override;

    void DataToStream(TStream& stream) const override;
    void StreamToData(TStream& stream) override;
    void Assign(const TTypesObject& source) override;
    void CreateMouseMove(TShiftState shift, int x, int y) override;
    void CreateMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint(TObjectTable* sender) override;
    bool MatchesStructure(const TTypesObject& master) const override;

protected:
    bool CanDeleteVertex(int index) const override;
    bool CanExtend() const override { return !FClosed; }
    bool BodyAt(const TPolyPoints& screen, const TPoint& p) const override;
    TCursor HoverCursor(const TPolyPoints& screen, const TPoint& p) const override;
    void VertexDragged(int index) override;
    bool SkipsVertex(int index) const override;

private:
    // Whether (x, y) is close enough to the first anchor to close the chain there.
    bool NearStart(int x, int y) const;
    // Puts the last anchor and its incoming control onto the first anchor.
    void SnapToStart();

    bool FClosed = false;
};
