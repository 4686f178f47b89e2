#pragma once

#include "core/model/Frame.h"

#include <QStringList>

// How lists of objects name them: the type name numbered per type in list order, then " - " and
// the object's own name when it has one ("Polyline1", "Text1", "Polyline2 - Sonne").
QStringList ObjectListNames(const TObjectList& objects);
