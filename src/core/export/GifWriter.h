#pragma once

#include "core/export/FrameWriter.h"

#include <QString>
#include <memory>

// The time each frame is shown, in hundredths of a second: the frame period rounded to whole
// milliseconds, then to hundredths, both halves to even (15 fps: 67 ms, 7).
int GifFrameDelay(int framesPerSec);

// Writes the frames as one endlessly looping animated GIF, each frame reduced to its own palette
// by ReduceToPalette. The file is written under a temporary name beside the target and takes
// the target's name (replacing an earlier file) only when Finish succeeds.
std::unique_ptr<TFrameWriter> MakeGifWriter(const QString& fileName);
