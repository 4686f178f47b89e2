#include "core/export/ImageSeries.h"

#include "core/anim/RenderFrame.h"
#include "core/export/BmpFile.h"
#include "core/export/ExportError.h"
#include "core/export/FileNames.h"
#include "core/export/PoolTask.h"
#include "core/export/SaveWhole.h"

#include <QBuffer>
#include <QImageWriter>
#include <array>
#include <optional>

namespace {

QByteArray EncodePng(const QImage& image, const QString& fileName) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw TExportError(QStringLiteral("%1: cannot encode the image (%2)")
                               .arg(fileName, writer.errorString())
                               .toStdString());
    return bytes;
}

void CheckBitmap(const TProject& project, const QImage& bitmap) {
    if (bitmap.isNull())
        throw TExportError(QStringLiteral("cannot make a frame image of %1 x %2 pixels")
                               .arg(project.ProjectWidth)
                               .arg(project.ProjectHeight)
                               .toStdString());
}

// Renders each frame while the one before is written, so painting and writing overlap; both
// only read the project.
int WriteFrames(const TProject& project, const QString& base, TSeriesFormat format, int first,
                int count, const TSeriesProgress& progress) {
    const QString extension = SeriesExtension(format);
    std::array<QImage, 2> bitmaps;
    if (count > 0)
        TPoolTask([&] { RenderFrame(project, first, bitmaps[0]); }).Wait();
    for (int i = 0; i < count; ++i) {
        const QImage& done = bitmaps[static_cast<std::size_t>(i % 2)];
        QImage& next = bitmaps[static_cast<std::size_t>((i + 1) % 2)];
        CheckBitmap(project, done);
        std::optional<TPoolTask> rendering;
        if (i + 1 < count)
            rendering.emplace([&, i] { RenderFrame(project, first + i + 1, next); });
        SaveSeriesImage(done, SeriesFileName(base, i, extension), format);
        if (rendering)
            rendering->Wait();
        if (progress && !progress(i + 1, count))
            return i + 1;
    }
    return count;
}

} // namespace

QString SeriesExtension(TSeriesFormat format) {
    return format == TSeriesFormat::Bmp ? QStringLiteral(".bmp") : QStringLiteral(".png");
}

void SaveSeriesImage(const QImage& image, const QString& fileName, TSeriesFormat format) {
    if (format == TSeriesFormat::Bmp)
        SaveBmpFile(image, fileName);
    else
        SaveWhole(fileName, EncodePng(image, fileName));
}

int ExportImageSeries(const TProject& project, const QString& chosenName, TSeriesFormat format,
                      int first, int count, const TSeriesProgress& progress) {
    const int frames = static_cast<int>(project.Frames.size());
    if (count > 0 && (first < 0 || first >= frames || count > frames - first))
        throw TExportError("the frames to export lie outside the project");
    // Known before a frame is painted: a size the format cannot hold fails at once.
    if (format == TSeriesFormat::Bmp &&
        !BmpSizeAllowed(project.ProjectWidth, project.ProjectHeight))
        throw TExportError(QStringLiteral("%1 x %2 pixels are too large for a BMP file (4 GB)")
                               .arg(project.ProjectWidth)
                               .arg(project.ProjectHeight)
                               .toStdString());
    const QString base = SeriesBaseName(chosenName, SeriesExtension(format));
    return WriteFrames(project, base, format, first, count, progress);
}
