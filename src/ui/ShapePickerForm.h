#pragma once

#include "core/model/Types.h"

#include <QDialog>
#include <QPixmap>
#include <QPolygon>
#include <vector>

class QListWidget;
class QPushButton;

// "Formauswahl": a fixed dialog listing the catalogue shapes with their icons, then one
// "Polygon" item per offered polygon with its thumbnail. "Ok" (default) or a double-click on
// an item accepts; "Abbruch", Escape or the close box cancel.
class TInputFormForm : public QDialog {
    Q_OBJECT
public:
    // polygons are the outlines offered after the catalogue, in document pixels.
    explicit TInputFormForm(const std::vector<TPolyPointsEx>& polygons, QWidget* parent = nullptr);

    // Shows the dialog modally, centred on the screen, with index selected. On "Ok" returns true
    // with index the selected position (-1 for none); otherwise false with index unchanged.
    bool Execute(int& index);

private:
    void AcceptSelected();

    QListWidget* FList;
    QPushButton* FOk;
    QPushButton* FCancel;
};

// One use of the dialog, created and freed here.
bool ShowShapePicker(QWidget* parent, int& index, const std::vector<TPolyPointsEx>& polygons);

// The 32 x 32 icon of the catalogue shape at position, drawn from its outline.
QPixmap ShapeIcon(int position);

// The polygon scaled to at most 24 pixels and centred in a 32-pixel square at (0, 0); empty
// when its rounded bounds have no width or no height.
QPolygon PolygonThumbnail(const TPolyPointsEx& points);
