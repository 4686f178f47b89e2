#include "core/model/JsonValues.h"

QJsonValue JsonNumber(Extended value) {
    return static_cast<double>(value);
}

QJsonArray JsonPoint(const TPointEx& point) {
    return {JsonNumber(point.X), JsonNumber(point.Y)};
}

QJsonArray JsonPoints(const TPolyPointsEx& points) {
    QJsonArray array;
    for (const TPointEx& point : points)
        array.append(JsonPoint(point));
    return array;
}
