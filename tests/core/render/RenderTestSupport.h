#pragma once

#include "core/model/Types.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>

// TColor values (0x00BBGGRR).
constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;

inline QImage Canvas(int width = 60, int height = 60, QRgb fill = 0xFFFFFFFF) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

inline TProps Props(TColor brush, TColor pen, bool brushShow, bool penShow, int penWidth = 1,
                    Extended trans = 100) {
    TProps props;
    props.BrushColor = brush;
    props.PenColor = pen;
    props.BrushShow = brushShow;
    props.PenShow = penShow;
    props.PenWidth = penWidth;
    props.Trans = trans;
    return props;
}

// Whether the pixel is rgb within tolerance levels per channel.
inline bool Near(QRgb pixel, QRgb rgb, int tolerance = 2) {
    return std::abs(qRed(pixel) - qRed(rgb)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(rgb)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(rgb)) <= tolerance;
}

inline bool IsWhite(QRgb pixel) {
    return Near(pixel, 0xFFFFFF, 0);
}

inline bool AllWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!IsWhite(image.pixel(x, y)))
                return false;
    return true;
}

// Bounding box of every pixel that is not white; empty when nothing was painted.
inline QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!IsWhite(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Number of pixels that are close to rgb.
inline int CountNear(const QImage& image, QRgb rgb, int tolerance) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixel(x, y), rgb, tolerance))
                ++count;
    return count;
}
