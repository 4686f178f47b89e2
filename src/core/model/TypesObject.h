#pragma once

#include "core/model/ObjectTable.h"
#include "core/model/Types.h"

#include <memory>
#include <optional>

class QImage;
class QJsonObject;
class QPainter;
class TBitmapCanvas;
class TStream;

// Where a text, image or shape object stands: centre, angle and stretch factors.
struct TPlacement {
    TPointEx Centre;
    Extended Angle = 0;
    Extended XPercent = 1;
    Extended YPercent = 1;
};

// The abstract drawable object. Every copy of one logical object (master, keyframe copies,
// in-between copies, undo clones) shares its ID.
class TTypesObject {
public:
    TTypesObject();
    TTypesObject(TObjectTable* table, const TProps& props, Extended globalZoom);
    virtual ~TTypesObject() = default;
    TTypesObject(const TTypesObject&) = delete;
    TTypesObject& operator=(const TTypesObject&) = delete;

    // Name shown in the object box and type code in project files.
    virtual QString TypeName() const = 0;
    // The kind as the object lists show it, in the active language.
    virtual QString KindName() const { return TypeName(); }
    virtual int TypeCode() const = 0;
    // An empty object of the same class, ready for Assign.
    virtual std::unique_ptr<TTypesObject> NewEmpty(Extended globalZoom) const = 0;

    virtual void DataToStream(TStream& stream) const = 0;
    virtual void StreamToData(TStream& stream) = 0;
    virtual void Assign(const TTypesObject& source);
    virtual bool HasChanged() const { return FChanged; }
    virtual void ChangeZoom(Extended value, bool draw);
    virtual void ChangeSelection(bool value, bool draw);
    virtual void ChangeProps(const TProps& value, bool draw);
    virtual TRect GetRect() const = 0;
    virtual void Move(Extended dX, Extended dY) = 0;
    virtual void DblClick() = 0;
    virtual void CreateMouseDown(TMouseButton button, TShiftState shift, int x, int y,
                                 bool& flag) = 0;
    virtual void CreateMouseMove(TShiftState shift, int x, int y) = 0;
    virtual void CreateMouseUp(TMouseButton button, TShiftState shift, int x, int y) = 0;
    virtual void ChangeMouseDown(TMouseButton button, TShiftState shift, int x, int y,
                                 bool& flag) = 0;
    virtual void ChangeMouseMove(TShiftState shift, int x, int y) = 0;
    virtual void ChangeMouseUp(TMouseButton button, TShiftState shift, int x, int y) = 0;
    // sender is the canvas on screen, none while a frame is rendered into an image.
    virtual void Paint(TObjectTable* sender) = 0;

    // The outline of a mask polygon in project pixels; none for every object that masks nothing.
    virtual const TPolyPointsEx* MaskOutline() const { return nullptr; }
    // The image this object shows from the project's store, if any.
    virtual const QImage* SharedImage() const { return nullptr; }
    // Adds the fields of the object's own type to its JSON description (see ProjectDump).
    virtual void DescribeFields(QJsonObject& /*fields*/) const {}

    // The vertices of point-list objects, whose whole geometry they are; none for other classes.
    virtual const TPolyPointsEx* AspectPoints() const { return nullptr; }
    // Replaces those vertices; classes without them ignore it.
    virtual void SetAspectPoints(const TPolyPointsEx& /*points*/) {}
    // Centre, angle and stretch of placed objects; none for classes that are not placed.
    virtual std::optional<TPlacement> AspectPlacement() const { return std::nullopt; }
    // Replaces the placement; classes that are not placed ignore it.
    virtual void SetAspectPlacement(const TPlacement& /*placement*/) {}
    // Whether this copy still fits master, an object of the same class (vertex count, closing).
    virtual bool MatchesStructure(const TTypesObject& /*master*/) const { return true; }

    bool IsSelected() const { return FSelected; }
    TProps GetProps() const { return FProps; }
    // Replaces the properties as they are, without marking keyframes (frame building).
    void SetProps(TProps value) { FProps = std::move(value); }
    void Invalidate();

    // The painter to draw on: the image's while rendering into one, else the table's.
    QPainter* Canvas() const;
    TCursor Cursor() const;
    void SetCursor(TCursor cursor);

    TObjectTable* Table() const { return FTable; }
    void SetTable(TObjectTable* table) { FTable = table; }
    Extended Zoom() const { return FZoom; }
    TBitmapCanvas* TableBitmap() const { return FTableBitmap; }
    void SetTableBitmap(TBitmapCanvas* bitmap) { FTableBitmap = bitmap; }

    QString ID;
    QString ObjName;
    bool KeyFrameMove = false;
    bool KeyFrameTurn = false;
    bool KeyFrameStretch = false;
    bool KeyFrameTrans = false;
    bool KeyFrameColor = false;

    bool AnyKeyFrame() const;
    void SetAllKeyFrames();

protected:
    TObjectTable* FTable = nullptr;
    bool FChanged = false;
    bool FSelected = false;
    Extended FZoom = 1.0L;
    TProps FProps;
    TBitmapCanvas* FTableBitmap = nullptr;
};

// A copy of exactly source's class made through Assign; none for none.
std::unique_ptr<TTypesObject> CloneObject(const TTypesObject* source, Extended globalZoom);
