#include "core/export/video/AviBitmap.h"

#include "core/export/ExportError.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

std::uint64_t RowSize(int width) {
    return (static_cast<std::uint64_t>(width) * 24 + 31) / 32 * 4;
}

// The muxer starts a new RIFF segment every gigabyte; one sample must fit into one.
constexpr std::uint64_t MaxImageSize = 1u << 30;

class TBitmapEncoder final : public TVideoEncoder {
public:
    TBitmapEncoder(int width, int height)
        : FWidth(width), FHeight(height), FRowSize(static_cast<std::size_t>(RowSize(width))),
          FBuffer(FRowSize * static_cast<std::size_t>(height)) {
        if (!FPacket)
            throw TExportError(VideoFormatFailed);
    }

    void Describe(AVCodecParameters& parameters) const override {
        parameters.codec_type = AVMEDIA_TYPE_VIDEO;
        parameters.codec_id = AV_CODEC_ID_RAWVIDEO;
        parameters.codec_tag = 0; // BI_RGB
        parameters.format = AV_PIX_FMT_BGR24;
        parameters.bits_per_coded_sample = 24;
        parameters.width = FWidth;
        parameters.height = FHeight;
    }

    void Encode(const QImage& frame, std::int64_t position, const TPacketSink& sink) override {
        // The padding at each row's end stays as allocated: zero.
        const bool packed = frame.format() == QImage::Format_RGB888;
        for (int y = 0; y < FHeight; ++y) {
            std::uint8_t* to = FBuffer.data() + static_cast<std::size_t>(y) * FRowSize;
            if (packed)
                PutRow(to, frame.constScanLine(FHeight - 1 - y));
            else
                PutRow(to, reinterpret_cast<const QRgb*>(frame.constScanLine(FHeight - 1 - y)));
        }
        AVPacket& packet = *FPacket;
        av_packet_unref(&packet);
        // Borrowed, not owned: the muxer writes it before the call returns.
        packet.data = FBuffer.data();
        packet.size = static_cast<int>(FBuffer.size());
        packet.pts = position;
        packet.dts = position;
        packet.duration = 1;
        packet.flags = AV_PKT_FLAG_KEY;
        sink(packet);
        av_packet_unref(&packet);
    }

    void Flush(const TPacketSink&) override {}

private:
    void PutRow(std::uint8_t* to, const uchar* from) const {
        for (int x = 0; x < FWidth; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }

    void PutRow(std::uint8_t* to, const QRgb* from) const {
        for (int x = 0; x < FWidth; ++x, to += 3) {
            const QRgb pixel = from[x];
            to[0] = static_cast<std::uint8_t>(qBlue(pixel));
            to[1] = static_cast<std::uint8_t>(qGreen(pixel));
            to[2] = static_cast<std::uint8_t>(qRed(pixel));
        }
    }

    struct TPacketFree {
        void operator()(AVPacket* packet) const { av_packet_free(&packet); }
    };

    int FWidth;
    int FHeight;
    std::size_t FRowSize;
    std::vector<std::uint8_t> FBuffer;
    std::unique_ptr<AVPacket, TPacketFree> FPacket{av_packet_alloc()};
};

std::uint32_t Get32(const char* at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(at[i]);
    return value;
}

// A chunk's content: where it starts in the file and how long it is.
struct TChunk {
    qint64 Data;
    qint64 Size;
};

// The first chunk named id between from and to; for "LIST" only one of that list type, and Data
// then points past the type.
std::optional<TChunk> FindChunk(QFile& file, qint64 from, qint64 to, const char* id,
                                const char* listType = nullptr) {
    char header[12];
    while (from + 8 <= to) {
        const qint64 got = file.seek(from) ? file.read(header, sizeof header) : -1;
        if (got < 8)
            return std::nullopt;
        const qint64 size = Get32(header + 4);
        const qint64 end = from + 8 + size;
        if (end > to)
            return std::nullopt;
        if (std::memcmp(header, id, 4) == 0 &&
            (!listType || (got == 12 && size >= 4 && std::memcmp(header + 8, listType, 4) == 0)))
            return listType ? TChunk{from + 12, size - 4} : TChunk{from + 8, size};
        from = end + (size & 1);
    }
    return std::nullopt;
}

} // namespace

std::uint64_t BitmapImageSize(int width, int height) {
    return RowSize(width) * static_cast<std::uint64_t>(height);
}

std::unique_ptr<TVideoEncoder> MakeBitmapEncoder(int width, int height) {
    if (width <= 0 || height <= 0 || BitmapImageSize(width, height) > MaxImageSize)
        throw TExportError(VideoFormatFailed);
    return std::make_unique<TBitmapEncoder>(width, height);
}

// FFmpeg's AVI muxer gives biSizeImage without the row padding that the samples carry; readers
// that trust the field would cut every frame short.
bool SetAviBitmapImageSize(const QString& fileName, std::uint32_t imageSize) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    char riff[12];
    if (file.read(riff, sizeof riff) != sizeof riff || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "AVI ", 4) != 0)
        return false;
    const qint64 end = std::min<qint64>(file.size(), 8 + qint64{Get32(riff + 4)});
    const auto headers = FindChunk(file, 12, end, "LIST", "hdrl");
    const auto stream =
        headers ? FindChunk(file, headers->Data, headers->Data + headers->Size, "LIST", "strl")
                : std::nullopt;
    const auto format =
        stream ? FindChunk(file, stream->Data, stream->Data + stream->Size, "strf") : std::nullopt;
    char bitmap[40];
    if (!format || format->Size < 40 || !file.seek(format->Data) ||
        file.read(bitmap, sizeof bitmap) != sizeof bitmap)
        return false;
    const bool plain24 =
        Get32(bitmap) >= 40 && (Get32(bitmap + 12) >> 16) == 24 && Get32(bitmap + 16) == 0;
    char size[4];
    for (int i = 0; i < 4; ++i)
        size[i] = static_cast<char>((imageSize >> (8 * i)) & 0xFFu);
    return plain24 && file.seek(format->Data + 20) && file.write(size, 4) == 4 && file.flush();
}
