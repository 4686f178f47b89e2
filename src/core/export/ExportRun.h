#pragma once

#include "core/export/FrameWriter.h"
#include "core/model/Project.h"

#include <functional>

// Told on the calling thread after each frame the writer took, with the number written so far
// and the number in the run; returning false stops the run there (the output is finished with
// the frames written).
using TExportProgress = std::function<bool(int written, int count)>;

// Renders frames first .. first + count - 1 of the project, several at once on the thread pool,
// and hands them in order to writer on the calling thread while later frames render. Returns the
// number of frames written. A range outside the sequence, or a writer failure, throws
// TExportError after the writer was told to Abort. The project is only read.
int RunExport(const TProject& project, int first, int count, TFrameWriter& writer,
              const TExportProgress& progress = {});
