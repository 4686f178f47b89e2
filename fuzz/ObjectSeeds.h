#pragma once

#include "core/model/Project.h"

// One object of every type, each with an ID and name of its own, small enough to draw inside a
// 64 x 64 project: polyline, closed polygon, Bezier curve, closed Bezier polygon, text, image
// (its pixels go into store) and star.
TObjectList EveryObjectType(TBitmapStore& store);
