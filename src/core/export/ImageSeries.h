#pragma once

#include "core/export/FrameWriter.h"
#include "core/model/Project.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

// The file formats of an image series.
enum class TSeriesFormat { Bmp, Png };

// ".bmp" or ".png".
QString SeriesExtension(TSeriesFormat format);

// Writes the frames of a run as base + 1, base + 2, ... + extension, base being chosenName
// without its extension. A size the format cannot hold fails in Begin, before a frame is
// painted; a file that cannot be written fails there, and the files written before stay.
std::unique_ptr<TFrameWriter> MakeSeriesWriter(const QString& chosenName, TSeriesFormat format);

// Told after each file with the number written so far and the number in the run; returning
// false stops the run there.
using TSeriesProgress = std::function<bool(int written, int count)>;

// The run of count frames from first on into such a series. Returns the number of files
// written, fewer than count when the progress stopped the run. A file that cannot be written, or
// a range outside the sequence, throws TExportError. The project is only read: the frames are
// drawn from their keyframes, whichever frame the editor shows.
int ExportImageSeries(const TProject& project, const QString& chosenName, TSeriesFormat format,
                      int first, int count, const TSeriesProgress& progress = {});
