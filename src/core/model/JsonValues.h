#pragma once

#include "core/model/Types.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

// JSON forms of the model's numbers for descriptions of objects; extended values become doubles.
QJsonValue JsonNumber(Extended value);
QJsonArray JsonPoint(const TPointEx& point);
QJsonArray JsonPoints(const TPolyPointsEx& points);
