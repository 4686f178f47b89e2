#include "core/export/ImageSeries.h"

#include "core/export/BmpFile.h"
#include "core/export/ExportError.h"
#include "core/export/ExportRun.h"
#include "core/export/FileNames.h"
#include "core/export/SaveWhole.h"
#include "core/text/ResStr.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

QByteArray EncodePng(const QImage& image, const QString& fileName) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw TExportError(ResStr(25115, "%1: Das Bild kann nicht kodiert werden (%2).")
                               .arg(fileName, writer.errorString())
                               .toStdString());
    return bytes;
}

QByteArray Encode(const QImage& image, const QString& fileName, TSeriesFormat format) {
    return format == TSeriesFormat::Bmp ? EncodeBmp(image) : EncodePng(image, fileName);
}

class TSeriesWriter : public TFrameWriter {
public:
    TSeriesWriter(const QString& chosenName, TSeriesFormat format)
        : FFormat(format), FExtension(SeriesExtension(format)),
          FBase(SeriesBaseName(chosenName, FExtension)) {}

    void Begin(const TExportShape& shape) override {
        if (FFormat == TSeriesFormat::Bmp && !BmpSizeAllowed(shape.Width, shape.Height))
            throw TExportError(
                ResStr(25116, "%1 x %2 Pixel sind zu groß für eine BMP-Datei (4 GB).")
                    .arg(shape.Width)
                    .arg(shape.Height)
                    .toStdString());
    }

    void AddFrame(const QImage& frame, int index) override {
        const QString fileName = SeriesFileName(FBase, index, FExtension);
        // Each file appears whole or not at all; the run does not wait for the disk per file.
        SaveWholeUnsynced(fileName, Encode(frame, fileName, FFormat));
    }

    void Finish() override {}
    void Abort() noexcept override {}

private:
    TSeriesFormat FFormat;
    QString FExtension;
    QString FBase;
};

} // namespace

QString SeriesExtension(TSeriesFormat format) {
    return format == TSeriesFormat::Bmp ? QStringLiteral(".bmp") : QStringLiteral(".png");
}

std::unique_ptr<TFrameWriter> MakeSeriesWriter(const QString& chosenName, TSeriesFormat format) {
    return std::make_unique<TSeriesWriter>(chosenName, format);
}

int ExportImageSeries(const TProject& project, const QString& chosenName, TSeriesFormat format,
                      int first, int count, const TSeriesProgress& progress) {
    const std::unique_ptr<TFrameWriter> writer = MakeSeriesWriter(chosenName, format);
    return RunExport(project, first, count, *writer, progress);
}
