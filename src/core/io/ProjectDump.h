#pragma once

#include "core/model/Project.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <optional>

// The project as one JSON document for scripts and tests: the settings and every frame as it is
// held, or only the frame at frameIndex (0-based, inside the frame list). Frame numbers and the
// playback range count from 1, as the editor shows them; colours are TColor values.
QByteArray DumpProject(const TProject& project, std::optional<int> frameIndex = std::nullopt);

// The common part of one object: type, identity, name, keyframe flags and properties, then the
// fields the object's own type adds.
QJsonObject DescribeObject(const TTypesObject& object);
QJsonObject DescribeProps(const TProps& props);
