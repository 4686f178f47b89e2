#pragma once

#include <QString>
#include <QtGlobal>

// The largest image the program decodes or reads from a file. Beyond it the pixels alone would
// take hundreds of megabytes before the first copy for drawing, so such images are refused
// with a message instead of exhausting memory.
constexpr qint64 MaxImageSide = 20000;
constexpr qint64 MaxImagePixels = 100'000'000;

bool ImageSizeAllowed(qint64 width, qint64 height);
// Why an image of that size is refused, for the person who chose it.
QString ImageTooLargeText(qint64 width, qint64 height);
