#pragma once

#include "core/model/Project.h"

// objects polygons in an 800 x 600 project of frames frames, each a keyframe of its position
// and colour, and when fading of its opacity, in every tenth frame. Lines are as wide as new
// objects draw them unless penWidth says otherwise.
TProject KeyedProject(int objects, int frames, bool fading = true, int penWidth = 1);
