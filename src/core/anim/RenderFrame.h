#pragma once

#include "core/anim/Anim.h"

#include <QImage>

// Draws frame frameIndex into bitmap, which becomes an opaque 32-bit image (24 bits of colour)
// of the project's size: the background colour, the background image stretched over it when
// the background is an image, then the frame's objects as BuildFrameObjects gives them, at
// zoom 1 in list order, each under the clip that the mask polygons below it have made. The
// project is only read, so several frames may be drawn at once on different threads, each into
// a bitmap of its own, as long as nothing changes the project meanwhile.
// A bitmap that cannot be made (no pixels, no memory) stays null and nothing is drawn.
void RenderFrame(const TProject& project, int frameIndex, QImage& bitmap,
                 TKeySearch search = TKeySearch::Indexed);

// Draws only the objects of frame frameIndex, as RenderFrame draws them, into image, which
// becomes a transparent premultiplied 32-bit image of the project's size: a picture to lay over
// another. The project is only read.
void RenderFrameObjects(const TProject& project, int frameIndex, QImage& image);
