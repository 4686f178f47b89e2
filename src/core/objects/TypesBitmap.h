#pragma once

#include "core/text/ResStr.h"

#include "core/objects/ObjectFactory.h"
#include "core/objects/PlacedObject.h"

#include <QImage>
#include <memory>

// A picture from an image file, placed by its centre at its natural size and turned and
// stretched like a text. The pixels live once in the project's store; every copy made by
// Assign (frame copies, undo records) shows the same image.
class TTypesBitmap : public TPlacedObject {
public:
    explicit TTypesBitmap(Extended globalZoom);
    // Images this object loads or reads go into store, when there is one.
    TTypesBitmap(TObjectTable* table, const TProps& props, Extended globalZoom,
                 TBitmapStore* store = nullptr);

    // The choice of the image file dialog, in Qt's syntax.
    static QString FileFilter();

    QString TypeName() const override { return QStringLiteral("Bitmap"); }
    QString KindName() const override { return ResStr(25140, "Bitmap"); }
    int TypeCode() const override { return 5; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended globalZoom) const override;

    int BitmapType() const { return FBitmapType; }
    // None before placing and for a copy whose master is missing; may be an empty image.
    const std::shared_ptr<QImage>& Bitmap() const { return FBitmap; }
    const QImage* SharedImage() const override { return FBitmap.get(); }

    // The full record, pixels included.
    void DataToStream(TStream& stream) const override;
    void StreamToData(TStream& stream) override;
    // The short record of frames other than the master frame: no name, no pixels. Reading it
    // leaves the image and the name as they are.
    void DataToStreamEx(TStream& stream) const;
    void StreamToDataEx(TStream& stream);
    // Shows the image of master's object with this ID; none when there is no such image object.
    void ShareBitmapOf(const TObjectList& master);

    // Copies the image reference (never the pixels) and the placement.
    void Assign(const TTypesObject& source) override;
    // The placement, then "bitmapWidth" and "bitmapHeight".
    void DescribeFields(QJsonObject& fields) const override;
    // Shows a picture that came from elsewhere, centred at centre in project pixels; its pixels
    // become a new entry of the store.
    void PlaceImage(const QImage& image, TPointEx centre);
    // Asks for an image file and puts its centre on the click; a cancelled dialog places
    // nothing, and so does a file that cannot be decoded, after telling the user why.
    void CreateMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool& flag) override;

protected:
    // The image's pixel size; nothing without pixels.
    TPointEx BaseSize() const override;
    void PaintBody(QPainter& canvas, const TPlacedBox& box) override;

private:
    void AdoptBitmap(std::shared_ptr<QImage> bitmap);

    int FBitmapType = 0;
    std::shared_ptr<QImage> FBitmap;
    TBitmapStore* FStore = nullptr;
};

// Type 5 for the object factory: full records in the master frame, short ones elsewhere that
// take their image from the master by ID.
TObjectType BitmapObjectType();
