#pragma once

#include "core/model/TypesObject.h"
#include "core/objects/Geometry.h"

class TObjectDialogs;

// Where a placed object's box lies on the screen, at the object's zoom, in canvas pixels.
struct TPlacedBox {
    // The centre.
    TPointEx Centre;
    // Size of the stretched box before it is turned.
    Extended Width = 0;
    Extended Height = 0;
    // The turned box and its upright bounding rectangle, which carries the eight handles.
    TCornersEx Corners{};
    TRectEx Bounds;
};

// The common ground of texts, images and shapes: an object placed by its centre, turned by an
// angle and stretched separately in width and height. Dragging the box moves it; the eight
// handles on its upright bounds stretch it in stretch mode and turn it in rotate mode, and a
// double-click switches between the two. The classes differ in the size of their unstretched
// box, in what they draw into it and in how they are placed.
class TPlacedObject : public TTypesObject {
public:
    // Handle modes.
    static constexpr int StretchMode = 0;
    static constexpr int RotateMode = 1;

    // Centre in document pixels, angle in degrees clockwise on the screen (never wrapped),
    // stretch factors (1 = unstretched).
    TPointEx Centre() const { return cptx; }
    Extended Angle() const { return FAngle; }
    Extended XPercent() const { return FXPercent; }
    Extended YPercent() const { return FYPercent; }
    int Mode() const { return FMode; }
    TPlacedBox Box() const;

    std::optional<TPlacement> AspectPlacement() const override;
    void SetAspectPlacement(const TPlacement& placement) override;
    // "center", "angle", "xPercent" and "yPercent".
    void DescribeFields(QJsonObject& fields) const override;

    // Copies the placement, then the base fields; the handle mode and gesture stay this copy's.
    void Assign(const TTypesObject& source) override;
    TRect GetRect() const override;
    void Move(Extended dX, Extended dY) override;
    void DblClick() override;
    void CreateMouseMove(TShiftState shift, int x, int y) override;
    void CreateMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void ChangeMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool& flag) override;
    void ChangeMouseMove(TShiftState shift, int x, int y) override;
    void ChangeMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // PaintBody, then the selection marks when selected.
    void Paint(TObjectTable* sender) override;

protected:
    explicit TPlacedObject(Extended globalZoom);
    TPlacedObject(TObjectTable* table, const TProps& props, Extended globalZoom);

    // Width and height of the unturned, unstretched box in document pixels.
    virtual TPointEx BaseSize() const = 0;
    // Draws the object itself into its box.
    virtual void PaintBody(QPainter& canvas, const TPlacedBox& box) = 0;

    // The common start of CreateMouseDown: clears FChanged and the flag; for the left button
    // sets every keyframe flag and returns true, for any other false.
    bool BeginCreate(TMouseButton button, bool& flag);
    // Puts the centre on the click (zoomed canvas pixels) and marks the object as placed.
    void PlaceAt(int x, int y);
    // The dialogs of the object's table; none without a table or without dialogs.
    TObjectDialogs* ObjectDialogs() const;
    // Black frame of the widened bounds, green turned box, centre circle and the handles (all
    // eight in stretch mode, the corners in rotate mode), in plain drawing.
    void PaintMarks(QPainter& canvas, const TPlacedBox& box) const;
    // The end every placed record shares: FAngle, FXPercent, FYPercent, FZoom, cptx.
    void WritePlacement(TStream& stream) const;
    void ReadPlacement(TStream& stream);

    int FMode = StretchMode;
    // Rotate gesture: last bearings of the pointer from north and south, running angle.
    Extended man1 = 0;
    Extended man2 = 0;
    Extended manv = 0;
    // Stretch gesture: last distance of the pointer from the centre.
    Extended mper = 1;
    // The handle the gesture grabbed, or -1.
    int midx = -1;
    // Move gesture: last pointer position.
    TPointEx mptx;
    bool mmov = false;
    // A gesture is in progress.
    bool mclk = false;

    Extended FAngle = 0;
    Extended FXPercent = 1;
    Extended FYPercent = 1;
    TPointEx cptx;

private:
    void DragMove(int x, int y);
    void DragStretch(const TPointEx& centre, const TPointEx& p);
    void DragRotate(const TPointEx& centre, const TPointEx& p);
    TCursor HoverCursor(const TPlacedBox& box, const TPointEx& p) const;
};
