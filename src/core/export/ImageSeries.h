#pragma once

#include "core/model/Project.h"

#include <QImage>
#include <QString>
#include <functional>

// The file formats of an image series.
enum class TSeriesFormat { Bmp, Png };

// ".bmp" or ".png".
QString SeriesExtension(TSeriesFormat format);

// Writes one frame image in the format; throws TExportError when it cannot be written.
void SaveSeriesImage(const QImage& image, const QString& fileName, TSeriesFormat format);

// Told after each file with the number written so far and the number in the run; returning
// false stops the run there.
using TSeriesProgress = std::function<bool(int written, int count)>;

// Renders count frames from first on and writes them as base + 1, base + 2, ... + extension,
// base being chosenName without its extension, whatever first is. Returns the number of files
// written, fewer than count when the progress stopped the run. A file that cannot be written, or
// a range outside the sequence, throws TExportError; files written before stay. The project is
// only read: the frames are drawn from their keyframes, whichever frame the editor shows.
int ExportImageSeries(const TProject& project, const QString& chosenName, TSeriesFormat format,
                      int first, int count, const TSeriesProgress& progress = {});
