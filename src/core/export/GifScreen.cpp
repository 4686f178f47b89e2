#include "core/export/GifScreen.h"

#include <algorithm>
#include <array>

namespace {

// Unchanged pixels become transparent in runs along a row: single transparent pixels amid
// dithering only break the patterns the compression finds. Which runs pay depends on the
// picture, so each frame is made both ways and the smaller image is kept.
enum class TClearing {
    // Every run of at least LongRun unchanged pixels. Pays where unchanged areas of several plain
    // colours fill the changed rectangle: one transparent index repeats where their colours
    // would differ (plain rectangles standing still while two small shapes move: 5 % smaller).
    LongRuns,
    // Runs of at least MixedRun unchanged pixels that are not all one colour. Pays where shapes
    // move over a plain field: a row of the field's colour, partly uncovered, stays one run
    // instead of three (200 moving polygons: 1.4 % smaller).
    MixedRuns,
};
constexpr int LongRun = 16;
constexpr int MixedRun = 8;

std::size_t PixelAt(int width, int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
}

QRgb ColorAt(const TPalettedImage& frame, std::size_t at) {
    return frame.Palette[frame.Indices[at]];
}

int TableSize(int entries) {
    int size = 2;
    while (size < entries)
        size *= 2;
    return size;
}

// Whether clearing leaves the unchanged pixels from .. to - 1 of a row transparent, given the
// row's palette entries.
bool Clears(TClearing clearing, const std::uint8_t* entries, int from, int to) {
    if (clearing == TClearing::LongRuns)
        return to - from >= LongRun;
    return to - from >= MixedRun &&
           std::any_of(entries + from + 1, entries + to,
                       [&](std::uint8_t entry) { return entry != entries[from]; });
}

// 1 for each pixel of the area, row by row, that clearing leaves transparent.
std::vector<std::uint8_t> ClearedPixels(int width, const std::vector<std::uint8_t>& entries,
                                        const std::vector<std::uint8_t>& unchanged,
                                        TClearing clearing) {
    std::vector<std::uint8_t> cleared(unchanged.size());
    for (std::size_t rowStart = 0; rowStart < unchanged.size();
         rowStart += static_cast<std::size_t>(width)) {
        const std::uint8_t* rowUnchanged = unchanged.data() + rowStart;
        int x = 0;
        while (x < width) {
            if (!rowUnchanged[x]) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < width && rowUnchanged[end])
                ++end;
            if (Clears(clearing, entries.data() + rowStart, x, end))
                std::fill(cleared.data() + rowStart + x, cleared.data() + rowStart + end, 1);
            x = end;
        }
    }
    return cleared;
}

// For each entry, the first entry of the same colour.
std::array<std::uint8_t, 256> FirstEntries(const std::vector<QRgb>& palette) {
    std::array<std::uint8_t, 256> first{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        first[i] = static_cast<std::uint8_t>(i);
        for (std::size_t j = 0; j < i; ++j)
            if (palette[j] == palette[i]) {
                first[i] = static_cast<std::uint8_t>(j);
                break;
            }
    }
    return first;
}

// The palette entry of each pixel of area, row by row, each colour always by its first entry.
std::vector<std::uint8_t> AreaEntries(const TPalettedImage& frame, const QRect& area) {
    const std::array<std::uint8_t, 256> first = FirstEntries(frame.Palette);
    std::vector<std::uint8_t> entries;
    entries.reserve(static_cast<std::size_t>(area.width()) *
                    static_cast<std::size_t>(area.height()));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::uint8_t* row = frame.Indices.data() + PixelAt(frame.Width, area.left(), y);
        for (int x = 0; x < area.width(); ++x)
            entries.push_back(first[row[x]]);
    }
    return entries;
}

// The image of area, whose pixels have the palette's entries, with the cleared ones transparent.
TGifImage MakeImage(const std::vector<QRgb>& palette, const QRect& area,
                    const std::vector<std::uint8_t>& entries,
                    const std::vector<std::uint8_t>& cleared) {
    std::array<bool, 256> used{};
    bool transparent = false;
    for (std::size_t cell = 0; cell < entries.size(); ++cell) {
        if (cleared[cell])
            transparent = true;
        else
            used[entries[cell]] = true;
    }

    TGifImage image;
    image.Area = area;
    std::array<GifPixelType, 256> imageEntry{};
    for (std::size_t i = 0; i < palette.size(); ++i)
        if (used[i]) {
            imageEntry[i] = static_cast<GifPixelType>(image.Palette.size());
            image.Palette.push_back(palette[i]);
        }
    if (transparent) {
        image.Transparent = static_cast<int>(image.Palette.size());
        image.Palette.push_back(qRgb(0, 0, 0));
    }
    image.Palette.resize(
        static_cast<std::size_t>(TableSize(static_cast<int>(image.Palette.size()))), qRgb(0, 0, 0));

    image.Indices.resize(entries.size());
    for (std::size_t cell = 0; cell < entries.size(); ++cell)
        image.Indices[cell] = cleared[cell] ? static_cast<GifPixelType>(image.Transparent)
                                            : imageEntry[entries[cell]];
    return image;
}

} // namespace

QRect TGifScreen::ChangedArea(const TPalettedImage& frame) const {
    if (IsBlank())
        return QRect(0, 0, frame.Width, frame.Height);
    int left = frame.Width, right = -1, top = -1, bottom = -1;
    std::size_t at = 0;
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x, ++at)
            if (FShown[at] != ColorAt(frame, at)) {
                if (top < 0)
                    top = y;
                bottom = y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

std::vector<std::uint8_t> TGifScreen::Unchanged(const TPalettedImage& frame,
                                                const QRect& area) const {
    std::vector<std::uint8_t> unchanged(static_cast<std::size_t>(area.width()) *
                                        static_cast<std::size_t>(area.height()));
    if (IsBlank())
        return unchanged;
    std::size_t cell = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++cell) {
            const std::size_t at = PixelAt(frame.Width, x, y);
            unchanged[cell] = FShown[at] == ColorAt(frame, at);
        }
    return unchanged;
}

std::vector<TGifImage> TGifScreen::Images(const TPalettedImage& frame, const QRect& area) const {
    const std::vector<std::uint8_t> entries = AreaEntries(frame, area);
    const std::vector<std::uint8_t> unchanged = Unchanged(frame, area);
    std::vector<std::vector<std::uint8_t>> clearings;
    for (const TClearing clearing : {TClearing::LongRuns, TClearing::MixedRuns}) {
        std::vector<std::uint8_t> cleared =
            ClearedPixels(area.width(), entries, unchanged, clearing);
        // Where both ways leave the same pixels, compressing the image twice would gain nothing.
        if (std::find(clearings.begin(), clearings.end(), cleared) == clearings.end())
            clearings.push_back(std::move(cleared));
    }
    std::vector<TGifImage> images;
    for (const std::vector<std::uint8_t>& cleared : clearings)
        images.push_back(MakeImage(frame.Palette, area, entries, cleared));
    return images;
}

void TGifScreen::Show(const TPalettedImage& frame) {
    FShown.resize(frame.Indices.size());
    for (std::size_t at = 0; at < FShown.size(); ++at)
        FShown[at] = ColorAt(frame, at);
}
