#include "core/model/ImageFile.h"

#include "core/model/ImageLimits.h"

#include <QFileInfo>
#include <QImageReader>

namespace {
// Room for the largest allowed image at eight bytes a pixel (16-bit channels), so the pixel
// limit, not the decoder's smaller default, decides.
constexpr int DecodeLimitMegabytes = static_cast<int>(MaxImagePixels * 8 / (1024 * 1024)) + 1;

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
    // The header's size is known before any pixel is decoded.
    const QSize size = reader.size();
    if (size.isValid() && !ImageSizeAllowed(size.width(), size.height()))
        return {false, ImageTooLargeText(size.width(), size.height())};
    reader.setAllocationLimit(DecodeLimitMegabytes);
    QImage image;
    if (!reader.read(&image))
        return {false, reader.errorString()};
    if (!ImageSizeAllowed(image.width(), image.height()))
        return {false, ImageTooLargeText(image.width(), image.height())};
    bitmap = std::move(image);
    return {};
}
