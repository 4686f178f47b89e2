#include "core/objects/ShapeCatalogue.h"

#include "core/model/Frame.h"
#include "core/objects/Geometry.h"
#include "core/objects/TypesPolygon.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr Extended L = 0;
constexpr Extended T = 0;
constexpr Extended R = 100;
constexpr Extended B = 100;
constexpr Extended W = R - L;
constexpr Extended H = B - T;
// Arrow shafts take the middle third of the box, heads a third of its length.
constexpr Extended W3 = W / 3;
constexpr Extended H3 = H / 3;
constexpr Extended W2 = W / 2;
constexpr Extended H2 = H / 2;
constexpr Extended NotchRatio = 0.3L;

TPolyPointsEx BoxCorners() {
    return {{L, T}, {R, T}, {R, B}, {L, B}};
}

std::vector<TShapeEntry> BuildCatalogue() {
    const TRect box = CatalogueFormRect;
    return {
        {{{25040, "Quadrat"}}, FORM_SQUARE, BoxCorners()},
        {{{25041, "Kreis"}}, FORM_CIRCLE, BoxCorners()},
        {{{25042, "Dreieck"}}, FORM_TRIANGLE, {{50, 0}, {0, 75}, {100, 75}}},
        {{{25043, "Pfeil Links"}},
         FORM_ARROW,
         {{R, T + H3},
          {L + W3, T + H3},
          {L + W3, T},
          {L, T + H2},
          {L + W3, B},
          {L + W3, B - H3},
          {R, B - H3}}},
        {{{25044, "Pfeil Rechts"}},
         FORM_ARROW,
         {{L, T + H3},
          {R - W3, T + H3},
          {R - W3, T},
          {R, T + H2},
          {R - W3, B},
          {R - W3, B - H3},
          {L, B - H3}}},
        {{{25045, "Pfeil Oben"}},
         FORM_ARROW,
         {{L + W3, B},
          {L + W3, T + H3},
          {L, T + H3},
          {L + W2, T},
          {R, T + H3},
          {R - W3, T + H3},
          {R - W3, B}}},
        {{{25046, "Pfeil Unten"}},
         FORM_ARROW,
         {{L + W3, T},
          {L + W3, B - H3},
          {L, B - H3},
          {L + W2, B},
          {R, B - H3},
          {R - W3, B - H3},
          {R - W3, T}}},
        {{{25047, "Pfeil Links rechts"}},
         FORM_ARROW,
         {{R - W3, T + H3},
          {R - W3, T},
          {R, T + H2},
          {R - W3, B},
          {R - W3, B - H3},
          {L + W3, B - H3},
          {L + W3, B},
          {L, T + H2},
          {L + W3, T},
          {L + W3, T + H3}}},
        {{{25048, "Pfeil Oben Unten"}},
         FORM_ARROW,
         {{L + W3, B - H3},
          {L, B - H3},
          {L + W2, B},
          {R, B - H3},
          {R - W3, B - H3},
          {R - W3, T + H3},
          {R, T + H3},
          {L + W2, T},
          {L, T + H3},
          {L + W3, T + H3}}},
        {{{25049, "Stern 5-eckig"}}, FORM_STAR, StarPoints(box, 10)},
        {{{25050, "Stern 4-eckig"}}, FORM_STAR, StarPoints(box, 8)},
    };
}

} // namespace

const std::vector<TShapeEntry>& ShapeCatalogue() {
    static const std::vector<TShapeEntry> catalogue = BuildCatalogue();
    return catalogue;
}

QString PolygonItemName() {
    return ResStr(25051, "Polygon");
}

QStringList ShapePickerItems(std::size_t polygonCount) {
    QStringList items;
    for (const TShapeEntry& entry : ShapeCatalogue())
        items << QString(entry.Name);
    for (std::size_t i = 0; i < polygonCount; ++i)
        items << PolygonItemName();
    return items;
}

TPolyPointsEx StarPoints(const TRect& box, int count) {
    const TPointEx centre{(box.Left + box.Right) / 2.0L, (box.Top + box.Bottom) / 2.0L};
    const int outer = std::min(std::abs(box.Right - box.Left), std::abs(box.Bottom - box.Top)) / 2;
    const Extended inner = NotchRatio * outer;
    TPolyPointsEx points;
    for (int i = 0; i < count; ++i) {
        // PolarPoint counts counter-clockwise from the right; this runs clockwise from the top.
        const Extended angle = 360 - (360.0L / count) * i + 90;
        points.push_back(PolarPoint(centre, i % 2 == 0 ? outer : inner, angle));
    }
    return points;
}

std::vector<TPolyPointsEx> PickerPolygons(const TFrame& master) {
    std::vector<TPolyPointsEx> polygons;
    for (const auto& object : master.Objects) {
        const auto* polygon = dynamic_cast<const TTypesPolygon*>(object.get());
        if (polygon && polygon->Closed())
            polygons.push_back(polygon->Points());
    }
    return polygons;
}

TPolyPointsEx CopiedPolygonPoints(const TPolyPointsEx& points) {
    const TRect bounds = BoundsOfPolyPointsEx(points);
    TPolyPointsEx shifted = points;
    for (TPointEx& point : shifted) {
        point.X -= bounds.Left;
        point.Y -= bounds.Top;
    }
    return shifted;
}
