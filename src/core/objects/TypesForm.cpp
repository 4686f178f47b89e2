#include "core/objects/TypesForm.h"

#include "core/objects/ObjectRecord.h"
#include "core/model/JsonValues.h"
#include "core/model/Stream.h"
#include "core/model/ObjectDialogs.h"
#include "core/objects/ShapeCatalogue.h"
#include "core/render/Primitives.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>

namespace {
// Bytes of one stored outline point, so a damaged count cannot allocate past the data.
constexpr qint64 PointRecordSize = 2 * static_cast<qint64>(sizeof(TExtendedBytes));
} // namespace

TTypesForm::TTypesForm(Extended globalZoom) : TPlacedObject(globalZoom) {}

TTypesForm::TTypesForm(TObjectTable* table, const TProps& props, Extended globalZoom)
    : TPlacedObject(table, props, globalZoom) {}

std::unique_ptr<TTypesObject> TTypesForm::NewEmpty(Extended globalZoom) const {
    return std::make_unique<TTypesForm>(globalZoom);
}

void TTypesForm::DataToStream(TStream& stream) const {
    WriteObjectCommon(stream, *this);
    stream.WriteInteger(FFormType);
    stream.WriteInteger(FFormRect.Left);
    stream.WriteInteger(FFormRect.Top);
    stream.WriteInteger(FFormRect.Right);
    stream.WriteInteger(FFormRect.Bottom);
    stream.WriteInteger(static_cast<std::int32_t>(FFormPoints.size()));
    for (const TPointEx& point : FFormPoints) {
        stream.WriteExtended(point.X);
        stream.WriteExtended(point.Y);
    }
    WritePlacement(stream);
}

void TTypesForm::StreamToData(TStream& stream) {
    ReadObjectCommon(stream, *this);
    FFormType = stream.ReadInteger();
    FFormRect.Left = stream.ReadInteger();
    FFormRect.Top = stream.ReadInteger();
    FFormRect.Right = stream.ReadInteger();
    FFormRect.Bottom = stream.ReadInteger();
    TPolyPointsEx points(static_cast<std::size_t>(stream.ReadCount(PointRecordSize)));
    for (TPointEx& point : points) {
        point.X = stream.ReadExtended();
        point.Y = stream.ReadExtended();
    }
    FFormPoints = std::move(points);
    ReadPlacement(stream);
}

void TTypesForm::Assign(const TTypesObject& source) {
    if (const auto* form = dynamic_cast<const TTypesForm*>(&source)) {
        FFormType = form->FFormType;
        FFormRect = form->FFormRect;
        FFormPoints = form->FFormPoints;
    }
    TPlacedObject::Assign(source);
}

void TTypesForm::DescribeFields(QJsonObject& fields) const {
    TPlacedObject::DescribeFields(fields);
    fields.insert(QStringLiteral("formType"), FFormType);
    fields.insert(QStringLiteral("formRect"),
                  QJsonArray({FFormRect.Left, FFormRect.Top, FFormRect.Right, FFormRect.Bottom}));
    fields.insert(QStringLiteral("formPoints"), JsonPoints(FFormPoints));
}

void TTypesForm::CreateMouseDown(TMouseButton button, TShiftState /*shift*/, int x, int y,
                                 bool& flag) {
    if (!BeginCreate(button, flag))
        return;
    TObjectDialogs* dialogs = ObjectDialogs();
    int index = 0;
    TPolyPointsEx polygon;
    if (!dialogs || !dialogs->ShowShapePicker(index, polygon))
        return;
    flag = TakeChoice(index, polygon);
    if (flag)
        PlaceAt(x, y);
}

bool TTypesForm::TakeChoice(int index, const TPolyPointsEx& polygon) {
    const std::vector<TShapeEntry>& catalogue = ShapeCatalogue();
    if (index < 0)
        return false;
    if (static_cast<std::size_t>(index) < catalogue.size()) {
        const TShapeEntry& entry = catalogue[static_cast<std::size_t>(index)];
        FFormType = entry.FormType;
        FFormRect = CatalogueFormRect;
        FFormPoints = entry.Points;
        return true;
    }
    // A polygon item always brings its outline; without one there is nothing to place.
    if (polygon.empty())
        return false;
    FFormType = FORM_POLYGON;
    FFormPoints = polygon;
    FFormRect = BoundsOfPolyPointsEx(FFormPoints);
    return true;
}

TPointEx TTypesForm::BaseSize() const {
    // A rectangle read from a file may span more than an int holds.
    return {std::fabs(static_cast<Extended>(FFormRect.Right) - FFormRect.Left),
            std::fabs(static_cast<Extended>(FFormRect.Bottom) - FFormRect.Top)};
}

void TTypesForm::PaintBody(QPainter& canvas, const TPlacedBox& box) {
    TPolyPoints screen;
    screen.reserve(FFormPoints.size());
    for (const TPointEx& point : FFormPoints)
        screen.push_back({RoundHalfEven(point.X * FXPercent * FZoom),
                          RoundHalfEven(point.Y * FYPercent * FZoom)});
    GPDrawForm(canvas, screen, box.Centre.X, box.Centre.Y, box.Width, box.Height, FFormType, FProps,
               FAngle, FZoom, true);
}
