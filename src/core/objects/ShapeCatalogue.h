#pragma once

#include "core/model/Types.h"
#include "core/text/ResStr.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

struct TFrame;

// Kinds of predefined shapes. Squares and circles fill their box; every other kind is the
// polygon of its outline points.
enum TFormType : int {
    FORM_SQUARE = 0,
    FORM_CIRCLE = 1,
    FORM_TRIANGLE = 2,
    FORM_ARROW = 3,
    FORM_STAR = 4,
    FORM_POLYGON = 5,
};

// A catalogue shape's item text. The catalogue is built once, so the name is looked up in the
// active language each time it is read as a string.
struct TShapeName {
    TText Text;
    operator QString() const { return ResStr(Text); }
};

// One shape of the picker's fixed list: its item text, kind and outline in its box.
struct TShapeEntry {
    TShapeName Name;
    int FormType = FORM_SQUARE;
    TPolyPointsEx Points;
};

// The box every catalogue shape is drawn in: (0, 0, 100, 100).
constexpr TRect CatalogueFormRect{0, 0, 100, 100};

// The eleven catalogue shapes in picker order; the picker's later items are copied polygons.
const std::vector<TShapeEntry>& ShapeCatalogue();

// Item text of every copied polygon in the picker.
QString PolygonItemName();

// The picker's item texts: the catalogue, then one polygon item per offered polygon.
QStringList ShapePickerItems(std::size_t polygonCount);

// A star of count points (tips and notches alternating) around the box's centre, starting at
// the top tip and running clockwise on the screen; notches lie at 0.3 of the tips' radius.
TPolyPointsEx StarPoints(const TRect& box, int count);

// The outlines of the closed polygons of master, in list order: the polygons the picker offers.
std::vector<TPolyPointsEx> PickerPolygons(const TFrame& master);

// A polygon's points moved so that their rounded bounds start at (0, 0).
TPolyPointsEx CopiedPolygonPoints(const TPolyPointsEx& points);
