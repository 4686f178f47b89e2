#include "core/objects/TypesBitmap.h"

#include "core/model/ImageFile.h"
#include "core/model/JsonValues.h"
#include "core/model/ObjectDialogs.h"
#include "core/model/Stream.h"
#include "core/objects/ObjectRecord.h"
#include "core/render/Primitives.h"
#include "core/text/CommonTexts.h"

#include <QFileInfo>
#include <QJsonObject>

TTypesBitmap::TTypesBitmap(Extended globalZoom) : TPlacedObject(globalZoom) {}

TTypesBitmap::TTypesBitmap(TObjectTable* table, const TProps& props, Extended globalZoom,
                           TBitmapStore* store)
    : TPlacedObject(table, props, globalZoom), FStore(store) {}

QString TTypesBitmap::FileFilter() {
    return ResStr(25060, "Image Files (*.jpeg *.jpg *.png *.gif *.bmp);;JPEG Files (*.jpeg);;"
                         "JPG Files (*.jpg);;PNG Files (*.png);;GIF Files (*.gif);;"
                         "BMP Files (*.bmp)");
}

std::unique_ptr<TTypesObject> TTypesBitmap::NewEmpty(Extended globalZoom) const {
    return std::make_unique<TTypesBitmap>(globalZoom);
}

void TTypesBitmap::DataToStream(TStream& stream) const {
    WriteObjectCommon(stream, *this);
    stream.WriteInteger(FBitmapType);
    // The pixels are converted for writing where they are, so every copy sees the same image.
    QImage none;
    stream.WriteBitmap(FBitmap ? *FBitmap : none);
    WritePlacement(stream);
}

void TTypesBitmap::StreamToData(TStream& stream) {
    ReadObjectCommon(stream, *this);
    FBitmapType = stream.ReadInteger();
    AdoptBitmap(std::make_shared<QImage>(stream.ReadBitmap()));
    ReadPlacement(stream);
}

void TTypesBitmap::DataToStreamEx(TStream& stream) const {
    WriteObjectCommon(stream, *this, TRecordName::Omitted);
    stream.WriteInteger(FBitmapType);
    WritePlacement(stream);
}

void TTypesBitmap::StreamToDataEx(TStream& stream) {
    ReadObjectCommon(stream, *this, TRecordName::Omitted);
    FBitmapType = stream.ReadInteger();
    ReadPlacement(stream);
}

void TTypesBitmap::ShareBitmapOf(const TObjectList& master) {
    const int index = IndexOfID(ID, master);
    const auto* original =
        index < 0 ? nullptr : dynamic_cast<const TTypesBitmap*>(master[index].get());
    FBitmap = original ? original->FBitmap : nullptr;
}

void TTypesBitmap::Assign(const TTypesObject& source) {
    if (const auto* bitmap = dynamic_cast<const TTypesBitmap*>(&source)) {
        FBitmapType = bitmap->FBitmapType;
        FBitmap = bitmap->FBitmap;
        FStore = bitmap->FStore;
    }
    TPlacedObject::Assign(source);
}

void TTypesBitmap::DescribeFields(QJsonObject& fields) const {
    TPlacedObject::DescribeFields(fields);
    fields.insert(QStringLiteral("bitmapWidth"), FBitmap ? FBitmap->width() : 0);
    fields.insert(QStringLiteral("bitmapHeight"), FBitmap ? FBitmap->height() : 0);
}

void TTypesBitmap::CreateMouseDown(TMouseButton button, TShiftState /*shift*/, int x, int y,
                                   bool& flag) {
    if (!BeginCreate(button, flag))
        return;
    TObjectDialogs* dialogs = ObjectDialogs();
    const QString fileName = dialogs ? dialogs->ShowOpenImage(FileFilter()) : QString();
    if (fileName.isEmpty())
        return;
    auto bitmap = std::make_shared<QImage>();
    const TImageLoadResult loaded = LoadImageFile(*bitmap, fileName);
    if (!loaded.Ok) {
        dialogs->ShowError(ResStr(kErrorCaption),
                           ResStr(25061, "Das Bild „%1“ kann nicht geladen werden: %2")
                               .arg(QFileInfo(fileName).fileName(), loaded.Error));
        return;
    }
    FBitmapType = 0;
    AdoptBitmap(std::move(bitmap));
    flag = true;
    PlaceAt(x, y);
}

void TTypesBitmap::PlaceImage(const QImage& image, TPointEx centre) {
    SetAllKeyFrames();
    FBitmapType = 0;
    AdoptBitmap(std::make_shared<QImage>(image));
    cptx = centre;
    FChanged = true;
}

TPointEx TTypesBitmap::BaseSize() const {
    if (!FBitmap)
        return {};
    return {static_cast<Extended>(FBitmap->width()), static_cast<Extended>(FBitmap->height())};
}

void TTypesBitmap::PaintBody(QPainter& canvas, const TPlacedBox& box) {
    // An image without pixels draws nothing, not even its frame line.
    if (!FBitmap || FBitmap->isNull())
        return;
    GPDrawImage(canvas, *FBitmap, FProps, box.Centre.X, box.Centre.Y, box.Width, box.Height, FAngle,
                FZoom, true);
}

void TTypesBitmap::AdoptBitmap(std::shared_ptr<QImage> bitmap) {
    FBitmap = std::move(bitmap);
    if (FStore)
        FStore->push_back(FBitmap);
}

TObjectType BitmapObjectType() {
    TObjectType type;
    type.Create = [](const TObjectContext& context, const TProps& props) {
        return std::make_unique<TTypesBitmap>(context.Table, props, context.Zoom,
                                              context.BitmapStore);
    };
    type.WriteCopy = [](const TTypesObject& object, TStream& stream) {
        static_cast<const TTypesBitmap&>(object).DataToStreamEx(stream);
    };
    type.ReadCopy = [](TTypesObject& object, TStream& stream, const TObjectList& master) {
        auto& bitmap = static_cast<TTypesBitmap&>(object);
        bitmap.StreamToDataEx(stream);
        bitmap.ShareBitmapOf(master);
    };
    return type;
}
