#pragma once

#include "core/model/Project.h"

// Loads BackgroundBitmap when the background is an existing image file and frees it otherwise.
void UpdateBackgroundBitmap(TProject& project);
