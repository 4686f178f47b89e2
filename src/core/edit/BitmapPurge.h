#pragma once

#include "core/model/Project.h"

// Drops the images of the store that no object of any frame and no undo or redo record of any
// frame shows any more.
void PurgeUnusedBitmaps(TProject& project);
