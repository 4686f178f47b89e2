#pragma once

#include "core/anim/Anim.h"

#include <QImage>

// Draws frame frameIndex into bitmap, which becomes an opaque 32-bit image (24 bits of colour)
// of the project's size: the background colour, the background image stretched over it when
// the background is an image, then every object at zoom 1 in list order, each under the clip
// that the mask polygons below it have made. Frames other than 0 are built first and stripped
// afterwards; every object is left at the project's zoom and painting on its table again.
// A bitmap that cannot be made (no pixels, no memory) stays null and nothing is drawn.
void RenderFrame(TProject& project, int frameIndex, QImage& bitmap,
                 TKeySearch search = TKeySearch::Indexed);
