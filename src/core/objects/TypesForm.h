#pragma once

#include "core/text/ResStr.h"

#include "core/objects/PlacedObject.h"

// A predefined shape placed by its centre: a square, circle, triangle, arrow or star from the
// catalogue, or a copy of a closed polygon of the master frame. One click with the shape tool
// asks for the shape. Kind and outline never change after creation and are not animated.
class TTypesForm : public TPlacedObject {
public:
    explicit TTypesForm(Extended globalZoom);
    TTypesForm(TObjectTable* table, const TProps& props, Extended globalZoom);

    QString TypeName() const override { return QStringLiteral("Form"); }
    QString KindName() const override { return ResStr(25141, "Form"); }
    int TypeCode() const override { return 6; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended globalZoom) const override;

    int FormType() const { return FFormType; }
    // The box in shape coordinates and the outline relative to its top-left corner.
    TRect FormRect() const { return FFormRect; }
    const TPolyPointsEx& FormPoints() const { return FFormPoints; }

    void DataToStream(TStream& stream) const override;
    void StreamToData(TStream& stream) override;
    void Assign(const TTypesObject& source) override;
    // The placement, then "formType", "formRect" [l, t, r, b] and "formPoints".
    void DescribeFields(QJsonObject& fields) const override;
    // Asks for the shape and centres it on the click; a cancelled picker places nothing.
    void CreateMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool& flag) override;

protected:
    // The size of FFormRect.
    TPointEx BaseSize() const override;
    void PaintBody(QPainter& canvas, const TPlacedBox& box) override;

private:
    // Takes the picker's answer; false when it names no shape.
    bool TakeChoice(int index, const TPolyPointsEx& polygon);

    int FFormType = 0;
    TRect FFormRect;
    TPolyPointsEx FFormPoints;
};
