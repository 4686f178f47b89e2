#pragma once

#include "core/objects/PlacedObject.h"

#include <QStringList>

// A text placed by its centre and drawn in one of four text modes (TTextMode): stretched with
// the box or wrapped at its width, as glyphs or as outlines. One click with the text tool asks
// for the text and its mode.
class TTypesText : public TPlacedObject {
public:
    explicit TTypesText(Extended globalZoom);
    TTypesText(TObjectTable* table, const TProps& props, Extended globalZoom);

    // The text modes as the creation dialog lists them, in mode order.
    static const QStringList& TextTypeItems();

    QString TypeName() const override { return QStringLiteral("Text"); }
    int TypeCode() const override { return 4; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended globalZoom) const override;

    // The text exactly as typed, blanks included.
    const QString& Text() const { return FText; }
    int TextType() const { return FTextType; }

    void DataToStream(TStream& stream) const override;
    void StreamToData(TStream& stream) override;
    void Assign(const TTypesObject& source) override;
    // The placement, then "text" and "textType".
    void DescribeFields(QJsonObject& fields) const override;
    // Asks for the text and its mode; a cancelled dialog or a blank text places nothing.
    void CreateMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool& flag) override;

protected:
    // The measured size of the text in the unzoomed font.
    TPointEx BaseSize() const override;
    void PaintBody(QPainter& canvas, const TPlacedBox& box) override;

private:
    int FTextType = 0;
    QString FText;
};
