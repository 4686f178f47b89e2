#include "core/export/video/VideoEncoder.h"

#include "core/export/ExportError.h"
#include "core/export/video/AviBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace {

constexpr TCodecEntry Codecs[] = {
    {"rawvideo", "", "Unkomprimiert", false, false, false},
    {"mjpeg", "mjpeg", "Motion JPEG", true, false, true},
    {"mpeg4", "mpeg4", "MPEG-4 Part 2", true, true, true},
    {"ffv1", "ffv1", "FFV1 (verlustfrei)", false, true, false},
    {"h264", "libx264", "H.264", true, true, true},
    {"vp9", "libvpx-vp9", "VP9", true, true, true},
};

// How a codec's frames are laid out.
struct TPixelSetup {
    AVPixelFormat Format;
    // The encoder refuses odd sizes.
    bool EvenSize;
};

TPixelSetup PixelSetupOf(const QString& name) {
    if (name == QLatin1String("mjpeg"))
        return {AV_PIX_FMT_YUVJ420P, false};
    // Lossless stays lossless only without a colour-space conversion.
    if (name == QLatin1String("ffv1"))
        return {AV_PIX_FMT_BGR0, false};
    if (name == QLatin1String("vp9"))
        return {AV_PIX_FMT_YUV420P, false};
    return {AV_PIX_FMT_YUV420P, true};
}

int EvenUp(int side) {
    return (side + 1) / 2 * 2;
}

// The frame with its last column and row repeated up to even sides.
QImage EvenSized(const QImage& frame) {
    const int width = frame.width();
    const int height = frame.height();
    QImage even(EvenUp(width), EvenUp(height), frame.format());
    const std::size_t pixelBytes = static_cast<std::size_t>(frame.depth() / 8);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * pixelBytes;
    for (int y = 0; y < even.height(); ++y) {
        uchar* to = even.scanLine(y);
        std::memcpy(to, frame.constScanLine(std::min(y, height - 1)), rowBytes);
        if (even.width() > width)
            std::memcpy(to + rowBytes, to + rowBytes - pixelBytes, pixelBytes);
    }
    return even;
}

// QImage's 32-bit formats hold 0xAARRGGBB in the machine's byte order.
AVPixelFormat SourceFormatOf(const QImage& frame) {
    return frame.format() == QImage::Format_RGB888 ? AV_PIX_FMT_RGB24 : AV_PIX_FMT_0RGB32;
}

// quality 100 gives best, 0 gives worst, linearly between.
int Scaled(int quality, double best, double worst) {
    return static_cast<int>(std::lround(worst + (best - worst) * quality / 100.0));
}

// The fixed quantiser of the MPEG-style encoders: 2 (best) .. 31. Pictures get visibly worse
// quickly above the low values, so the square keeps the upper half of the range useful.
int QuantiserOf(int quality) {
    const double rest = (100 - quality) / 100.0;
    return 2 + static_cast<int>(std::lround(29 * rest * rest));
}

struct TContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct TPacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct TFrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};

void Set(AVDictionary*& options, const char* key, const char* value) {
    av_dict_set(&options, key, value, 0);
}

void Set(AVDictionary*& options, const char* key, int value) {
    av_dict_set_int(&options, key, value, 0);
}

// Converts the RGB frames with swscale and hands them to one of FFmpeg's encoders.
class TCodecEncoder final : public TVideoEncoder {
public:
    explicit TCodecEncoder(const TEncoderSettings& settings);
    ~TCodecEncoder() override;
    TCodecEncoder(const TCodecEncoder&) = delete;
    TCodecEncoder& operator=(const TCodecEncoder&) = delete;

    void Describe(AVCodecParameters& parameters) const override;
    void Encode(const QImage& frame, std::int64_t position, const TPacketSink& sink) override;
    void Flush(const TPacketSink& sink) override;

private:
    AVDictionary* EncoderOptions(const TEncoderSettings& settings);
    void Drain(const TPacketSink& sink);

    std::unique_ptr<AVCodecContext, TContextFree> FContext;
    std::unique_ptr<AVPacket, TPacketFree> FPacket{av_packet_alloc()};
    int FWidth;
    int FHeight;
    // The size frames are converted at: even for 4:2:0, whose converters drop an odd last
    // column or row, and for the encoders that need it.
    int FEvenWidth;
    int FEvenHeight;
    // The lambda every frame is coded with when a fixed quantiser is chosen; 0 otherwise.
    int FLambda = 0;
    // Made for the first frame's pixel format, again if a frame comes in another.
    SwsContext* FScaler = nullptr;
};

TCodecEncoder::TCodecEncoder(const TEncoderSettings& settings)
    : FWidth(settings.Width), FHeight(settings.Height) {
    const QString name = QString::fromLatin1(settings.Codec->Name);
    const AVCodec* codec = avcodec_find_encoder_by_name(settings.Codec->Encoder);
    const TPixelSetup pixels = PixelSetupOf(name);
    if (!codec || !FPacket)
        throw TExportError(VideoFormatFailed);
    FContext.reset(avcodec_alloc_context3(codec));
    if (!FContext)
        throw TExportError(VideoFormatFailed);
    AVCodecContext& context = *FContext;
    const bool subsampled = pixels.Format != AV_PIX_FMT_BGR0;
    FEvenWidth = subsampled ? EvenUp(FWidth) : FWidth;
    FEvenHeight = subsampled ? EvenUp(FHeight) : FHeight;
    // Encoders that need even sides get one more column or row, a copy of the last one: the
    // picture keeps its scale and only gains a pixel at the edge. The others get the frame's
    // own size and leave the added pixels unused.
    context.width = pixels.EvenSize ? FEvenWidth : FWidth;
    context.height = pixels.EvenSize ? FEvenHeight : FHeight;
    context.pix_fmt = pixels.Format;
    context.time_base = AVRational{1, settings.FramesPerSec};
    context.framerate = AVRational{settings.FramesPerSec, 1};
    context.thread_count = 0;
    if (subsampled) {
        // swscale converts with the BT.601 matrix; say so, or players guess by the size.
        context.colorspace = AVCOL_SPC_SMPTE170M;
        context.color_range =
            pixels.Format == AV_PIX_FMT_YUVJ420P ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
    }
    if (settings.GlobalHeader)
        context.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (settings.NoReordering)
        context.max_b_frames = 0;
    if (settings.KeyFrameInterval > 0 && settings.Codec->UsesKeyFrameInterval)
        context.gop_size = settings.KeyFrameInterval;
    AVDictionary* options = EncoderOptions(settings);
    const int opened = avcodec_open2(&context, codec, &options);
    av_dict_free(&options);
    if (opened < 0)
        throw TExportError(VideoFormatFailed);
}

TCodecEncoder::~TCodecEncoder() {
    sws_freeContext(FScaler);
}

AVDictionary* TCodecEncoder::EncoderOptions(const TEncoderSettings& settings) {
    const QString name = QString::fromLatin1(settings.Codec->Name);
    const int quality = std::clamp(settings.Quality, 0, 100);
    const bool byRate = settings.DataRate > 0 && settings.Codec->UsesDataRate;
    AVCodecContext& context = *FContext;
    AVDictionary* options = nullptr;
    if (byRate)
        context.bit_rate = static_cast<std::int64_t>(settings.DataRate) * 1000;
    if (name == QLatin1String("mjpeg") || name == QLatin1String("mpeg4")) {
        // The standard tables save a pass over each picture for a few per cent more bytes.
        if (name == QLatin1String("mjpeg"))
            Set(options, "huffman", "default");
        if (!byRate) {
            context.flags |= AV_CODEC_FLAG_QSCALE;
            FLambda = QuantiserOf(quality) * FF_QP2LAMBDA;
            context.global_quality = FLambda;
        }
    } else if (name == QLatin1String("h264")) {
        // Keeps up with rendering on two cores at a file size close to the slower presets'; the
        // tunes cost time without making these frames smaller.
        Set(options, "preset", "veryfast");
        if (!byRate)
            Set(options, "crf", Scaled(quality, 12, 51));
    } else if (name == QLatin1String("vp9")) {
        // The encoder's "good" mode takes seconds per frame here; real-time mode is ten times
        // as fast for somewhat larger files.
        Set(options, "deadline", "realtime");
        Set(options, "cpu-used", 6);
        Set(options, "row-mt", 1);
        // Without a data rate, a zero bit rate makes the encoder keep the quality constant.
        if (!byRate)
            Set(options, "crf", Scaled(quality, 10, 63));
    } else if (name == QLatin1String("ffv1")) {
        // Version 3 cuts the picture into slices the encoder codes on several threads.
        Set(options, "level", 3);
    }
    return options;
}

void TCodecEncoder::Describe(AVCodecParameters& parameters) const {
    if (avcodec_parameters_from_context(&parameters, FContext.get()) < 0)
        throw TExportError(VideoFormatFailed);
}

void TCodecEncoder::Encode(const QImage& frame, std::int64_t position, const TPacketSink& sink) {
    // A fresh buffer for each frame: threaded encoders still read the earlier ones.
    std::unique_ptr<AVFrame, TFrameFree> picture(av_frame_alloc());
    if (!picture)
        throw TExportError(VideoFrameFailed);
    picture->format = FContext->pix_fmt;
    picture->width = FEvenWidth;
    picture->height = FEvenHeight;
    if (av_frame_get_buffer(picture.get(), 0) < 0)
        throw TExportError(VideoFrameFailed);
    const bool even = FEvenWidth == FWidth && FEvenHeight == FHeight;
    const QImage source = even ? frame : EvenSized(frame);
    FScaler = sws_getCachedContext(FScaler, FEvenWidth, FEvenHeight, SourceFormatOf(source),
                                   FEvenWidth, FEvenHeight, FContext->pix_fmt, SWS_BILINEAR,
                                   nullptr, nullptr, nullptr);
    if (!FScaler)
        throw TExportError(VideoFrameFailed);
    const std::uint8_t* rows[1] = {source.constBits()};
    const int stride[1] = {static_cast<int>(source.bytesPerLine())};
    if (sws_scale(FScaler, rows, stride, 0, FEvenHeight, picture->data, picture->linesize) !=
        FEvenHeight)
        throw TExportError(VideoFrameFailed);
    picture->width = FContext->width;
    picture->height = FContext->height;
    picture->pts = position;
    picture->quality = FLambda;
    if (avcodec_send_frame(FContext.get(), picture.get()) < 0)
        throw TExportError(VideoFrameFailed);
    Drain(sink);
}

void TCodecEncoder::Flush(const TPacketSink& sink) {
    const int sent = avcodec_send_frame(FContext.get(), nullptr);
    if (sent < 0 && sent != AVERROR_EOF)
        throw TExportError(VideoFrameFailed);
    Drain(sink);
}

void TCodecEncoder::Drain(const TPacketSink& sink) {
    for (;;) {
        const int received = avcodec_receive_packet(FContext.get(), FPacket.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        if (received < 0)
            throw TExportError(VideoFrameFailed);
        sink(*FPacket);
        av_packet_unref(FPacket.get());
    }
}

} // namespace

const TCodecEntry* FindCodecEntry(const QString& name) {
    for (const TCodecEntry& entry : Codecs)
        if (name == QLatin1String(entry.Name))
            return &entry;
    return nullptr;
}

bool CodecAvailable(const TCodecEntry& entry) {
    return !*entry.Encoder || avcodec_find_encoder_by_name(entry.Encoder) != nullptr;
}

std::unique_ptr<TVideoEncoder> MakeVideoEncoder(const TEncoderSettings& settings) {
    if (!settings.Codec || settings.Width <= 0 || settings.Height <= 0 ||
        settings.FramesPerSec <= 0)
        throw TExportError(VideoFormatFailed);
    if (!*settings.Codec->Encoder)
        return MakeBitmapEncoder(settings.Width, settings.Height);
    return std::make_unique<TCodecEncoder>(settings);
}
