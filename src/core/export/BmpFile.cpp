#include "core/export/BmpFile.h"

#include "core/export/ExportError.h"
#include "core/export/SaveWhole.h"
#include "core/text/ResStr.h"

#include <cstdint>
#include <limits>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int PixelOffset = FileHeaderSize + InfoHeaderSize;

void Put16(char*& at, std::uint16_t value) {
    for (int i = 0; i < 2; ++i)
        *at++ = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

void Put32(char*& at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        *at++ = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

void PutHeaders(char* at, int width, int height, std::uint32_t imageSize) {
    *at++ = 'B';
    *at++ = 'M';
    Put32(at, PixelOffset + imageSize);
    Put16(at, 0);
    Put16(at, 0);
    Put32(at, PixelOffset);
    Put32(at, InfoHeaderSize);
    Put32(at, static_cast<std::uint32_t>(width));
    Put32(at, static_cast<std::uint32_t>(height));
    Put16(at, 1);
    Put16(at, 24);
    Put32(at, 0); // uncompressed
    Put32(at, imageSize);
    Put32(at, 0); // no resolution, no palette
    Put32(at, 0);
    Put32(at, 0);
    Put32(at, 0);
}

void PutRow(char* at, const QRgb* pixels, int width) {
    for (int x = 0; x < width; ++x) {
        const QRgb pixel = pixels[x];
        *at++ = static_cast<char>(qBlue(pixel));
        *at++ = static_cast<char>(qGreen(pixel));
        *at++ = static_cast<char>(qRed(pixel));
    }
}

std::uint64_t RowSize(int width) {
    return (static_cast<std::uint64_t>(width) * 24 + 31) / 32 * 4;
}

} // namespace

std::uint64_t BmpFileSize(int width, int height) {
    return PixelOffset + RowSize(width) * static_cast<std::uint64_t>(height);
}

bool BmpSizeAllowed(int width, int height) {
    return width > 0 && height > 0 &&
           BmpFileSize(width, height) <= std::numeric_limits<std::uint32_t>::max();
}

QByteArray EncodeBmp(const QImage& image) {
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    if (rgb.isNull() || !BmpSizeAllowed(width, height))
        throw TExportError(
            ResStr(25125, "Das Bild ist leer oder zu groß für eine BMP-Datei.").toStdString());
    const std::uint64_t rowSize = RowSize(width);
    const std::uint64_t imageSize = BmpFileSize(width, height) - PixelOffset;
    QByteArray bytes(static_cast<qsizetype>(PixelOffset + imageSize), '\0');
    char* data = bytes.data();
    PutHeaders(data, width, height, static_cast<std::uint32_t>(imageSize));
    for (int y = 0; y < height; ++y) {
        char* row = data + PixelOffset + rowSize * static_cast<std::uint64_t>(height - 1 - y);
        PutRow(row, reinterpret_cast<const QRgb*>(rgb.constScanLine(y)), width);
    }
    return bytes;
}

void SaveBmpFile(const QImage& image, const QString& fileName) {
    SaveWhole(fileName, EncodeBmp(image));
}
