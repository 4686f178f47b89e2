#include "core/export/ColorReduction.h"

#include "core/export/ExportError.h"
#include "core/text/ResStr.h"

#include <QString>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs size_t and FILE declared before it.
extern "C" {
#include <jpeglib.h>
}

namespace {

// The codec reports failures by calling error_exit, which must not return; it jumps back to the
// function that started the work. Between setjmp and the jump only objects without destructors
// live in those functions, so the jump skips no clean-up.
struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    TJpegError* error = reinterpret_cast<TJpegError*>(info->err);
    error->Manager.format_message(info, error->Message);
    std::longjmp(error->Jump, 1);
}

// Warnings about the data would go to stderr; our own data only ever yields harmless ones.
void IgnoreMessage(j_common_ptr) {}

void Prepare(TJpegError& error) {
    jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JumpOnError;
    error.Manager.output_message = IgnoreMessage;
    error.Message[0] = '\0';
}

#if defined(JCS_EXTENSIONS)
// A QImage::Format_RGB32 pixel as it lies in memory.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE FramePixels = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE FramePixels = JCS_EXT_XRGB;
#endif
constexpr int FramePixelBytes = 4;
constexpr QImage::Format FrameFormat = QImage::Format_RGB32;
#else
constexpr J_COLOR_SPACE FramePixels = JCS_RGB;
constexpr int FramePixelBytes = 3;
constexpr QImage::Format FrameFormat = QImage::Format_RGB888;
#endif

// Encodes into *data, which starts as a buffer of *size bytes of the caller's; the codec
// replaces it with a larger one of malloc's when it runs out. False on failure.
bool Compress(const QImage& frame, unsigned char** data, unsigned long* size, TJpegError& error) {
    jpeg_compress_struct info{};
    Prepare(error);
    info.err = &error.Manager;
    if (setjmp(error.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, data, size);
    info.image_width = static_cast<JDIMENSION>(frame.width());
    info.image_height = static_cast<JDIMENSION>(frame.height());
    info.input_components = FramePixelBytes;
    info.in_color_space = FramePixels;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // The codec only reads the row, though its type does not say so.
        JSAMPROW row =
            const_cast<JSAMPROW>(frame.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

// Decodes into image, whose Indices already hold Width x Height bytes and whose Palette holds
// 256 entries; the palette is cut to the colours the quantiser chose. False on failure.
bool Decompress(const unsigned char* data, unsigned long size, TPalettedImage& image,
                TJpegError& error) {
    jpeg_decompress_struct info{};
    Prepare(error);
    info.err = &error.Manager;
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    info.quantize_colors = TRUE;
    info.desired_number_of_colors = ReducedColorCount;
    info.two_pass_quantize = TRUE;
    info.dither_mode = JDITHER_FS;
    jpeg_start_decompress(&info);
    const bool fits = static_cast<int>(info.output_width) == image.Width &&
                      static_cast<int>(info.output_height) == image.Height &&
                      info.output_components == 1 && info.actual_number_of_colors >= 1 &&
                      info.actual_number_of_colors <= 256;
    if (!fits) {
        std::snprintf(error.Message, sizeof error.Message, "unexpected output");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.Indices.data() + static_cast<std::size_t>(info.output_scanline) *
                                                  static_cast<std::size_t>(image.Width);
        jpeg_read_scanlines(&info, &row, 1);
    }
    // The colour map belongs to the decoder and is gone once it is destroyed.
    for (int i = 0; i < info.actual_number_of_colors; ++i)
        image.Palette[static_cast<std::size_t>(i)] =
            qRgb(info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]);
    image.Palette.resize(static_cast<std::size_t>(info.actual_number_of_colors));
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

[[noreturn]] void Fail(const char* step, const TJpegError& error) {
    throw TExportError(ResStr(25130, "Ein Frame kann nicht auf 256 Farben reduziert werden "
                                     "(%1: %2).")
                           .arg(QLatin1String(step), QString::fromLocal8Bit(error.Message))
                           .toStdString());
}

} // namespace

TPalettedImage ReduceToPalette(const QImage& frame) {
    const QImage pixels =
        frame.format() == FrameFormat ? frame : frame.convertToFormat(FrameFormat);
    TPalettedImage image;
    image.Width = pixels.width();
    image.Height = pixels.height();
    if (pixels.isNull() || image.Width > JPEG_MAX_DIMENSION || image.Height > JPEG_MAX_DIMENSION)
        throw TExportError(ResStr(25131, "Ein Frame von %1 x %2 Pixeln kann nicht auf 256 Farben "
                                         "reduziert werden.")
                               .arg(image.Width)
                               .arg(image.Height)
                               .toStdString());

    // Room for the usual quality-100 result, so the codec seldom has to grow its buffer.
    std::vector<unsigned char> buffer(
        static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height) * 2 + 65536);
    unsigned char* data = buffer.data();
    unsigned long size = static_cast<unsigned long>(buffer.size());
    TJpegError error;
    if (!Compress(pixels, &data, &size, error)) {
        // After a failure data may name a buffer the codec has already freed; a grown buffer is
        // then lost, which only happens when memory has run out anyway.
        Fail("encode", error);
    }
    image.Indices.resize(static_cast<std::size_t>(image.Width) *
                         static_cast<std::size_t>(image.Height));
    image.Palette.resize(256);
    const bool decoded = Decompress(data, size, image, error);
    if (data != buffer.data())
        std::free(data);
    if (!decoded)
        Fail("decode", error);
    return image;
}
