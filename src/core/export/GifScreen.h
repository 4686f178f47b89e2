#pragma once

#include "core/export/ColorReduction.h"

#include <QRect>
#include <QRgb>
#include <cstdint>
#include <vector>

#include <gif_lib.h>

// One image of a GIF file: the part of the screen it covers, with its own colour table.
struct TGifImage {
    QRect Area;
    // Area's pixels, rows top to bottom.
    std::vector<GifPixelType> Indices;
    // A power of two of entries, at least 2.
    std::vector<QRgb> Palette;
    // The index that leaves the pixel below as it is, or NO_TRANSPARENT_COLOR.
    int Transparent = NO_TRANSPARENT_COLOR;
};

// The picture a viewer shows after the images written so far, and the images that take it to
// the next frame. Every frame has the same size.
class TGifScreen {
public:
    bool IsBlank() const { return FShown.empty(); }
    // The smallest rectangle holding every pixel that frame shows differently from the screen:
    // all of frame on a blank screen, empty when the two look the same.
    QRect ChangedArea(const TPalettedImage& frame) const;
    // Images that each paint area of frame over the screen so that it shows frame; they differ
    // in which unchanged pixels they leave transparent, which only the compression can judge.
    // Colours an image does not use, or that repeat an earlier entry, leave its table.
    std::vector<TGifImage> Images(const TPalettedImage& frame, const QRect& area) const;
    // The screen now shows frame.
    void Show(const TPalettedImage& frame);

private:
    // 1 for each pixel of area, row by row, that frame shows as the screen does already.
    std::vector<std::uint8_t> Unchanged(const TPalettedImage& frame, const QRect& area) const;

    std::vector<QRgb> FShown;
};
