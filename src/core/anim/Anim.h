#pragma once

#include "core/model/Frame.h"

// Fills target, the frame at frameIndex, up to a full frame from the master frame's objects.
// Until keyframe interpolation exists, a frame is shown as it is stored.
void BuildFrame(const TFrame& master, TFrame& target, int frameIndex);
