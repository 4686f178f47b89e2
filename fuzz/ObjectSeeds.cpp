#include "ObjectSeeds.h"

#include "core/model/Stream.h"
#include "core/objects/ObjectRecord.h"
#include "core/objects/ShapeCatalogue.h"
#include "core/objects/TypesBezierPolygon.h"
#include "core/objects/TypesBezierPolyline.h"
#include "core/objects/TypesBitmap.h"
#include "core/objects/TypesForm.h"
#include "core/objects/TypesPolygon.h"
#include "core/objects/TypesPolyline.h"
#include "core/objects/TypesText.h"

#include <QBuffer>
#include <functional>
#include <optional>

namespace {
using TFields = std::function<void(TStream&)>;

TProps Colored(TColor pen, TColor brush) {
    TProps props;
    props.PenColor = pen;
    props.BrushColor = brush;
    props.PenWidth = 2;
    return props;
}

// Most fields can only be set through the creation dialogs, so every object is made the way a
// file makes it: from its record, written field by field after the common part of shell.
std::unique_ptr<TTypesObject> FromRecord(std::unique_ptr<TTypesObject> shell, const TFields& fields,
                                         TBitmapStore& store) {
    shell->ID = QStringLiteral("{SEED-%1}").arg(shell->TypeCode());
    shell->ObjName = shell->TypeName();
    shell->SetAllKeyFrames();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    WriteObjectCommon(stream, *shell);
    fields(stream);
    buffer.seek(0);
    return ReadObjectRecord(stream, {nullptr, 1.0L, &store});
}

void WritePoints(TStream& stream, const TPolyPointsEx& points) {
    stream.WriteInteger(static_cast<std::int32_t>(points.size()));
    for (const TPointEx& point : points) {
        stream.WriteExtended(point.X);
        stream.WriteExtended(point.Y);
    }
}

// Angle, stretch, zoom 1 and centre, as every placed record ends.
void WritePlacement(TStream& stream, const TPlacement& placement) {
    for (const Extended value : {placement.Angle, placement.XPercent, placement.YPercent, 1.0L,
                                 placement.Centre.X, placement.Centre.Y})
        stream.WriteExtended(value);
}

TFields PointListFields(const TPolyPointsEx& points, std::optional<bool> closed) {
    return [points, closed](TStream& stream) {
        WritePoints(stream, points);
        if (closed)
            stream.WriteBoolean(*closed);
        stream.WriteExtended(1.0L);
    };
}

TFields TextFields() {
    return [](TStream& stream) {
        stream.WriteInteger(0);
        stream.WriteString(QStringLiteral("Kelvro"));
        WritePlacement(stream, {{32, 20}, 15, 0.5L, 0.75L});
    };
}

TFields ImageFields() {
    return [](TStream& stream) {
        QImage image(3, 2, QImage::Format_RGB888);
        image.fill(QColor(200, 40, 90));
        stream.WriteInteger(0);
        stream.WriteBitmap(image);
        WritePlacement(stream, {{50, 50}, -30, 4, 4});
    };
}

TFields StarFields() {
    return [](TStream& stream) {
        const TRect box = CatalogueFormRect;
        stream.WriteInteger(FORM_STAR);
        for (const std::int32_t side : {box.Left, box.Top, box.Right, box.Bottom})
            stream.WriteInteger(side);
        WritePoints(stream, StarPoints(box, 5));
        WritePlacement(stream, {{20, 44}, 0, 0.3L, 0.3L});
    };
}
} // namespace

TObjectList EveryObjectType(TBitmapStore& store) {
    const TProps ink = Colored(0x000000, 0x00C0FF);
    // A closed Bezier chain ends on a copy of its first anchor.
    const TPolyPointsEx loop = {{30, 30}, {40, 20}, {50, 20}, {60, 30}, {60, 40},
                                {50, 50}, {40, 50}, {35, 45}, {30, 40}, {30, 30}};
    TObjectList objects;
    objects.push_back(FromRecord(std::make_unique<TTypesPolyline>(nullptr, ink, 1.0L),
                                 PointListFields({{4, 4}, {30, 12}, {12, 40}}, std::nullopt),
                                 store));
    objects.push_back(FromRecord(std::make_unique<TTypesPolygon>(nullptr, ink, 1.0L),
                                 PointListFields({{8, 50}, {30, 60}, {2, 62}}, true), store));
    objects.push_back(
        FromRecord(std::make_unique<TTypesBezierPolyline>(nullptr, ink, 1.0L),
                   PointListFields({{2, 30}, {10, 0}, {20, 60}, {30, 30}}, std::nullopt), store));
    objects.push_back(FromRecord(std::make_unique<TTypesBezierPolygon>(nullptr, ink, 1.0L),
                                 PointListFields(loop, true), store));
    objects.push_back(
        FromRecord(std::make_unique<TTypesText>(nullptr, ink, 1.0L), TextFields(), store));
    objects.push_back(FromRecord(std::make_unique<TTypesBitmap>(nullptr, ink, 1.0L, &store),
                                 ImageFields(), store));
    objects.push_back(
        FromRecord(std::make_unique<TTypesForm>(nullptr, ink, 1.0L), StarFields(), store));
    return objects;
}
