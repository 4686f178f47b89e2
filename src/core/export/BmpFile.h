#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

// An uncompressed 24-bit bitmap file: the 14-byte file header, the 40-byte information header
// (positive height, so rows run bottom-up), no colour table, then the rows in blue, green, red
// order, each padded with zero bytes to a multiple of 4. Throws TExportError for an image too
// large for the format.
QByteArray EncodeBmp(const QImage& image);

// The size of such a file for an image of width x height, in 64 bits; the format's size fields
// hold at most 4 GB.
std::uint64_t BmpFileSize(int width, int height);
bool BmpSizeAllowed(int width, int height);

// Writes the image as such a file; the file is replaced only once it is complete. Throws
// TExportError when it cannot be written.
void SaveBmpFile(const QImage& image, const QString& fileName);
