#pragma once

#include "core/export/video/VideoEncoder.h"

#include <QString>
#include <cstdint>
#include <memory>

// Bytes of one uncompressed 24-bit frame: rows padded to a multiple of 4 bytes.
std::uint64_t BitmapImageSize(int width, int height);

// Hands each frame over as a 24-bit BI_RGB bitmap: rows bottom-up, blue first, padded to 4
// bytes; every frame a key frame. Throws TExportError(VideoFormatFailed) for a frame too large
// for one sample.
std::unique_ptr<TVideoEncoder> MakeBitmapEncoder(int width, int height);

// Sets biSizeImage of the first stream's BITMAPINFOHEADER in the finished AVI file, which must
// be uncompressed 24-bit. False when the file is not laid out so or cannot be written.
bool SetAviBitmapImageSize(const QString& fileName, std::uint32_t imageSize);
