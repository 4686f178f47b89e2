#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

// A frame of at most 256 colours: one palette index per pixel, rows top to bottom without
// padding.
struct TPalettedImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Indices;
    // Opaque colours (alpha 0xFF); every index in Indices is below its size.
    std::vector<QRgb> Palette;

    QRgb Pixel(int x, int y) const {
        return Palette[Indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                               static_cast<std::size_t>(x)]];
    }
};

// The most colours a reduced frame has; the rest of a 256-entry table stays free.
constexpr int ReducedColorCount = 236;

// Reduces an opaque frame to an adaptive palette of at most ReducedColorCount colours the way
// every GIF frame is made: a JPEG encode at quality 100 with the library's defaults, then a JPEG
// decode through the library's two-pass quantiser with Floyd-Steinberg dithering. Throws
// TExportError when the codec fails.
TPalettedImage ReduceToPalette(const QImage& frame);
