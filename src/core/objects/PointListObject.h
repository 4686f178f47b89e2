#pragma once

#include "core/model/TypesObject.h"

#include <cstddef>

// The common ground of the polyline and the polygon: a list of vertices that the creation tool
// extends point by point and the selection tool drags vertex by vertex or as a whole. The two
// classes differ only in the hooks below, in how they paint and in what their records carry.
class TPointListObject : public TTypesObject {
public:
    // The vertices in document pixels, as the animation engine reads and rewrites them.
    const TPolyPointsEx& Points() const { return FPoints; }
    void SetPoints(const TPolyPointsEx& points) { FPoints = points; }
    const TPolyPointsEx* AspectPoints() const override { return &FPoints; }
    void SetAspectPoints(const TPolyPointsEx& points) override { FPoints = points; }
    bool MatchesStructure(const TTypesObject& master) const override;
    void DescribeFields(QJsonObject& fields) const override;

    void Assign(const TTypesObject& source) override;
    TRect GetRect() const override;
    void Move(Extended dX, Extended dY) override;
    void DblClick() override;
    void CreateMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool& flag) override;
    void CreateMouseMove(TShiftState shift, int x, int y) override;
    void CreateMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void ChangeMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool& flag) override;
    void ChangeMouseMove(TShiftState shift, int x, int y) override;
    void ChangeMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    explicit TPointListObject(Extended globalZoom);
    TPointListObject(TObjectTable* table, const TProps& props, Extended globalZoom);

    // Whether a Shift-click may remove the vertex at index.
    virtual bool CanDeleteVertex(int index) const;
    // Whether a creation click beside the object still adds a vertex.
    virtual bool CanExtend() const { return true; }
    // Whether a press at p grabs the whole object when it misses every vertex.
    virtual bool BodyAt(const TPolyPoints& screen, const TPoint& p) const;
    virtual TCursor HoverCursor(const TPolyPoints& screen, const TPoint& p) const;
    // The vertex a change press at p grabs, or -1.
    virtual int GrabbedVertexAt(const TPolyPoints& screen, const TPoint& p) const {
        return VertexAt(screen, p);
    }
    // Called after a change gesture moved the vertex at index on its own.
    virtual void VertexDragged(int /*index*/) {}

    // The vertices at the object's zoom, rounded to whole pixels.
    TPolyPoints ScreenPoints() const;
    TPoint ScreenPoint(const TPointEx& point) const;
    TPointEx DocumentPoint(int x, int y) const;
    // The first vertex whose handle square holds p, or -1.
    static int VertexAt(const TPolyPoints& screen, const TPoint& p);
    // Where a point clicked on the outline (including the way back to the start) is inserted,
    // or -1.
    static int LineAt(const TPolyPoints& screen, const TPoint& p);

    // Handles of the first count vertices, in black on white or, unfilled, on whatever lies below.
    static void DrawHandles(QPainter& canvas, const TPolyPoints& screen, std::size_t count,
                            bool filled);

    // The point count and the points, as both object records carry them.
    void WritePoints(TStream& stream) const;
    void ReadPoints(TStream& stream);

    int mi = -1;
    bool mc = false;
    TPoint mp;
    TPolyPointsEx FPoints;

private:
    void MarkEdited();
    void Extend(int x, int y, bool& flag);
    // The pointer's way since mp in document pixels; moves mp on and records a real move.
    TPointEx StepTo(int x, int y);
};
