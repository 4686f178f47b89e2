#include "core/io/ImageFile.h"

#include <QFileInfo>
#include <QImageReader>

namespace {
QByteArray DecoderForExtension(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == QLatin1String("BMP"))
        return "bmp";
    if (extension == QLatin1String("JPEG") || extension == QLatin1String("JPG"))
        return "jpeg";
    if (extension == QLatin1String("PNG"))
        return "png";
    if (extension == QLatin1String("GIF"))
        return "gif";
    return {};
}
} // namespace

TImageLoadResult LoadImageFile(QImage& bitmap, const QString& fileName) {
    const QByteArray decoder = DecoderForExtension(fileName);
    if (decoder.isEmpty())
        return {};
    QImageReader reader(fileName, decoder);
    QImage image;
    if (!reader.read(&image))
        return {false, reader.errorString()};
    bitmap = std::move(image);
    return {};
}
