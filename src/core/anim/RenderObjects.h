#pragma once

#include "core/anim/Anim.h"

#include <QImage>

// Draws only the objects of frame frameIndex, as a frame's render draws them (zoom 1, list
// order, masks applied), into image, which becomes a transparent premultiplied 32-bit image of
// the project's size: a picture to lay over another. The project is only read.
void RenderFrameObjects(const TProject& project, int frameIndex, QImage& image);
