#pragma once

#include "core/objects/PointListObject.h"

#include <cstddef>

// A chain of cubic segments held as 3k + 1 points: anchors at 0, 3, 6, ...; the point after an
// anchor is its outgoing control, the point before it its incoming control. Segment j runs
// through points 3j to 3j + 3. Hit tests, bounds and fills use each segment flattened into 26
// smoothed screen points; only the stroke is drawn as exact curves.

bool IsAnchor(int index);
// The whole segments a list of count points holds; stray points after the last one are ignored.
int SegmentCount(std::size_t count);
// Segment j of the chain flattened; the segment must exist.
TPolyPoints FlattenSegment(const TPolyPoints& chain, int segment);
// Every segment flattened, one after the other, so that inner anchors appear twice.
TPolyPoints FlattenChain(const TPolyPoints& chain);
// The first segment whose flattening, taken as a ring, passes near p; -1 if none.
int CurveSegmentAt(const TPolyPoints& chain, const TPoint& p);

// The creation and editing gestures both Bezier objects share: the tool appends an anchor with
// its two controls, splits a segment where it is clicked, or deletes an anchor with its
// controls; the selection tool drags one point or the whole chain.
class TBezierChainObject : public TPointListObject {
public:
    TRect GetRect() const override;
    void CreateMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool& flag) override;
    void CreateMouseMove(TShiftState shift, int x, int y) override;

protected:
    using TPointListObject::TPointListObject;

    // Whether the anchor at index may be deleted with its two controls.
    bool CanDeleteVertex(int index) const override;
    bool BodyAt(const TPolyPoints& screen, const TPoint& p) const override;
    TCursor HoverCursor(const TPolyPoints& screen, const TPoint& p) const override;
    // Whether the vertex test passes over the point at index, so that the one it hides is found.
    virtual bool SkipsVertex(int index) const;

    // The first point not skipped whose handle square holds p, or -1.
    int GrabbedVertexAt(const TPolyPoints& screen, const TPoint& p) const override;
    // Each control's line to its anchor, then the handles of the first count points: larger on
    // anchors than on controls.
    static void DrawChainHandles(QPainter& canvas, const TPolyPoints& screen, std::size_t count);

private:
    // A control point still lying on its anchor hides it; a Shift-click there means the anchor.
    int DeletionTarget(int index) const;
    void DeleteAnchor(int index);
    void SplitSegment(int segment, int x, int y);
    void AppendAnchor(int x, int y, bool& flag);
    void MarkEdited();
    // The pointer's way since mp in document pixels; moves mp on and records a real move.
    TPointEx StepTo(int x, int y);
};
