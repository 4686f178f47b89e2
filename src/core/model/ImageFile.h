#pragma once

#include <QImage>
#include <QString>

struct TImageLoadResult {
    bool Ok = true;
    QString Error;
};

// Decodes an image file chosen by its extension (".BMP", ".JPEG"/".JPG", ".PNG", ".GIF" in any
// letter case; the first image of a GIF). Any other extension leaves the image empty and is no
// error; a file that cannot be decoded is one, with the decoder's message.
TImageLoadResult LoadImageFile(QImage& bitmap, const QString& fileName);
