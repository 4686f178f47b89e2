#include "core/objects/TypesText.h"

#include "core/model/ObjectDialogs.h"
#include "core/model/Stream.h"
#include "core/objects/ObjectRecord.h"
#include "core/render/Primitives.h"
#include "core/text/ResStr.h"

#include <QJsonObject>

TTypesText::TTypesText(Extended globalZoom) : TPlacedObject(globalZoom) {}

TTypesText::TTypesText(TObjectTable* table, const TProps& props, Extended globalZoom)
    : TPlacedObject(table, props, globalZoom) {}

const QStringList& TTypesText::TextTypeItems() {
    static const QStringList items = {
        QStringLiteral("TEXT_STRETCH"), QStringLiteral("TEXT_FORM_STRETCH"),
        QStringLiteral("TEXT_WORDBREAK"), QStringLiteral("TEXT_FORM_WORDBREAK")};
    return items;
}

std::unique_ptr<TTypesObject> TTypesText::NewEmpty(Extended globalZoom) const {
    return std::make_unique<TTypesText>(globalZoom);
}

void TTypesText::DataToStream(TStream& stream) const {
    WriteObjectCommon(stream, *this);
    stream.WriteInteger(FTextType);
    stream.WriteString(FText);
    WritePlacement(stream);
}

void TTypesText::StreamToData(TStream& stream) {
    ReadObjectCommon(stream, *this);
    FTextType = stream.ReadInteger();
    FText = stream.ReadString();
    ReadPlacement(stream);
}

void TTypesText::Assign(const TTypesObject& source) {
    if (const auto* text = dynamic_cast<const TTypesText*>(&source)) {
        FTextType = text->FTextType;
        FText = text->FText;
    }
    TPlacedObject::Assign(source);
}

void TTypesText::DescribeFields(QJsonObject& fields) const {
    TPlacedObject::DescribeFields(fields);
    fields.insert(QStringLiteral("text"), FText);
    fields.insert(QStringLiteral("textType"), FTextType);
}

void TTypesText::CreateMouseDown(TMouseButton button, TShiftState /*shift*/, int x, int y,
                                 bool& flag) {
    if (!BeginCreate(button, flag))
        return;
    TObjectDialogs* dialogs = ObjectDialogs();
    int index = 0;
    QString text = FText;
    // The kinds in the list are the file format's names and stay as they are.
    if (!dialogs || !dialogs->ShowInputEx(ResStr(25065, "Eingabe"), ResStr(25066, "Text"),
                                          ResStr(25067, "Type"), index, text, TextTypeItems()))
        return;
    flag = !text.trimmed().isEmpty();
    if (!flag)
        return;
    FTextType = index;
    FText = text;
    PlaceAt(x, y);
}

TPointEx TTypesText::BaseSize() const {
    const TPoint size = GPMeasureText(FText, FProps.FontName, FProps.FontSize, FProps.FontStyle);
    return {static_cast<Extended>(size.X), static_cast<Extended>(size.Y)};
}

void TTypesText::PaintBody(QPainter& canvas, const TPlacedBox& box) {
    GPDrawText(canvas, FText, FTextType, box.Centre.X, box.Centre.Y, box.Width, box.Height, FProps,
               FAngle, FXPercent, FYPercent, FZoom, true);
}
