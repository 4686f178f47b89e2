#include "core/model/ImageLimits.h"

#include "core/text/ResStr.h"

bool ImageSizeAllowed(qint64 width, qint64 height) {
    return width <= MaxImageSide && height <= MaxImageSide && width * height <= MaxImagePixels;
}

QString ImageTooLargeText(qint64 width, qint64 height) {
    return ResStr(25015, "Das Bild hat %1 × %2 Pixel; erlaubt sind höchstens %3 Pixel je Seite "
                         "und %4 Millionen Pixel insgesamt. Bitte verkleinern Sie das Bild.")
        .arg(width)
        .arg(height)
        .arg(MaxImageSide)
        .arg(MaxImagePixels / 1'000'000);
}
