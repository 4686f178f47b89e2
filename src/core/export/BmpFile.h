#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// An uncompressed 24-bit bitmap file: the 14-byte file header, the 40-byte information header
// (positive height, so rows run bottom-up), no colour table, then the rows in blue, green, red
// order, each padded with zero bytes to a multiple of 4. Throws TExportError for an image too
// large for the format.
QByteArray EncodeBmp(const QImage& image);

// Writes the image as such a file; the file is replaced only once it is complete. Throws
// TExportError when it cannot be written.
void SaveBmpFile(const QImage& image, const QString& fileName);
