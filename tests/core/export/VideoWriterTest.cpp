#include "core/export/VideoWriter.h"
#include "LittleEndian.h"
#include "core/export/ExportError.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

std::int32_t ReadSigned32(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::int32_t>(Read32(bytes, at));
}

// A chunk of a RIFF file, named by the list types above it: "hdrl/strl/strf", "movi/00dc".
struct TChunk {
    QByteArray Path;
    QByteArray Data;
};

void Walk(const QByteArray& bytes, qsizetype from, qsizetype to, const QByteArray& path,
          std::vector<TChunk>& chunks) {
    while (from + 8 <= to) {
        const QByteArray id = bytes.mid(from, 4);
        const qsizetype size = Read32(bytes, from + 4);
        ASSERT_LE(from + 8 + size, to) << id.constData();
        if (id == "LIST")
            Walk(bytes, from + 12, from + 8 + size, path + bytes.mid(from + 8, 4) + "/", chunks);
        else
            chunks.push_back({path + id, bytes.mid(from + 8, size)});
        from += 8 + size + (size & 1);
    }
}

// The chunks of an AVI file in file order.
std::vector<TChunk> ReadAvi(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    const QByteArray bytes = file.readAll();
    std::vector<TChunk> chunks;
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 4), "AVI ");
    EXPECT_EQ(Read32(bytes, 4), bytes.size() - 8);
    Walk(bytes, 12, bytes.size(), "", chunks);
    return chunks;
}

QByteArray Only(const std::vector<TChunk>& chunks, const char* path) {
    std::vector<QByteArray> found;
    for (const TChunk& chunk : chunks)
        if (chunk.Path == path)
            found.push_back(chunk.Data);
    EXPECT_EQ(found.size(), 1u) << path;
    return found.empty() ? QByteArray() : found.front();
}

std::vector<QByteArray> Samples(const std::vector<TChunk>& chunks) {
    std::vector<QByteArray> samples;
    for (const TChunk& chunk : chunks)
        if (chunk.Path == "movi/00dc")
            samples.push_back(chunk.Data);
    return samples;
}

// The dwFlags of each idx1 entry.
std::vector<std::uint32_t> IndexFlags(const std::vector<TChunk>& chunks) {
    const QByteArray index = Only(chunks, "idx1");
    std::vector<std::uint32_t> flags;
    for (qsizetype at = 0; at + 16 <= index.size(); at += 16)
        flags.push_back(Read32(index, at + 4));
    return flags;
}

constexpr std::uint32_t KeyFrameFlag = 0x10;

// Red rows at the top, blue at the bottom, grey between.
QImage Bands(int width, int height, int rows) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(128, 128, 128));
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            image.setPixelColor(x, y, Qt::red);
            image.setPixelColor(x, height - 1 - y, Qt::blue);
        }
    return image;
}

QString Folder(const QString& name) {
    QDir scratch(TestScratchFolder());
    scratch.mkpath(name);
    return scratch.filePath(name);
}

// Frames alternate between the 24-bit pixels of the interface and the 32-bit ones rendering
// gives, starting with first.
void WriteVideo(const QString& fileName, TVideoContainer container, const TVideoOptions& options,
                const TExportShape& shape, int bandRows,
                QImage::Format first = QImage::Format_RGB888) {
    const std::unique_ptr<TFrameWriter> writer = MakeVideoWriter(fileName, container, options);
    writer->Begin(shape);
    const QImage frame = Bands(shape.Width, shape.Height, bandRows);
    const QImage other = frame.convertToFormat(
        first == QImage::Format_RGB888 ? QImage::Format_RGB32 : QImage::Format_RGB888);
    for (int i = 0; i < shape.Count; ++i)
        writer->AddFrame(i % 2 == 0 ? frame.convertToFormat(first) : other, i);
    writer->Finish();
}

template <typename T, void (*Free)(T**)> struct TFree {
    void operator()(T* pointer) const { Free(&pointer); }
};

// What FFmpeg reads back from a file: the number of frames, their size and the first one.
struct TDecoded {
    int Frames = 0;
    int Width = 0;
    int Height = 0;
    QImage First;
};

TDecoded Decode(const QString& fileName) {
    TDecoded decoded;
    AVFormatContext* opened = nullptr;
    if (avformat_open_input(&opened, QFile::encodeName(fileName).constData(), nullptr, nullptr) <
        0) {
        ADD_FAILURE() << "cannot open " << fileName.toStdString();
        return decoded;
    }
    const std::unique_ptr<AVFormatContext, TFree<AVFormatContext, avformat_close_input>> format(
        opened);
    const AVCodec* codec = nullptr;
    const int stream = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (stream < 0 || format->nb_streams != 1) {
        ADD_FAILURE() << "no single video stream";
        return decoded;
    }
    const std::unique_ptr<AVCodecContext, TFree<AVCodecContext, avcodec_free_context>> context(
        avcodec_alloc_context3(codec));
    avcodec_parameters_to_context(context.get(), format->streams[stream]->codecpar);
    EXPECT_EQ(avcodec_open2(context.get(), codec, nullptr), 0);
    const std::unique_ptr<AVPacket, TFree<AVPacket, av_packet_free>> packet(av_packet_alloc());
    const std::unique_ptr<AVFrame, TFree<AVFrame, av_frame_free>> frame(av_frame_alloc());
    const auto receive = [&] {
        while (avcodec_receive_frame(context.get(), frame.get()) == 0) {
            if (decoded.Frames++ == 0) {
                decoded.Width = frame->width;
                decoded.Height = frame->height;
                decoded.First = QImage(frame->width, frame->height, QImage::Format_RGB888);
                // Exact, not fast: the fast converters leave the last pixels of some widths
                // unset, and the edges are under test.
                SwsContext* scaler = sws_getContext(
                    frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                    frame->width, frame->height, AV_PIX_FMT_RGB24,
                    SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr,
                    nullptr);
                std::uint8_t* target[1] = {decoded.First.bits()};
                const int stride[1] = {static_cast<int>(decoded.First.bytesPerLine())};
                sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, target, stride);
                sws_freeContext(scaler);
            }
            av_frame_unref(frame.get());
        }
    };
    while (av_read_frame(format.get(), packet.get()) == 0) {
        if (packet->stream_index == stream) {
            EXPECT_EQ(avcodec_send_packet(context.get(), packet.get()), 0);
        }
        av_packet_unref(packet.get());
        receive();
    }
    avcodec_send_packet(context.get(), nullptr);
    receive();
    return decoded;
}

bool Near(QColor seen, QColor wanted) {
    return std::abs(seen.red() - wanted.red()) < 48 &&
           std::abs(seen.green() - wanted.green()) < 48 &&
           std::abs(seen.blue() - wanted.blue()) < 48;
}

TEST(VideoWriter, AviRateScaleAndFrameCountsFollowTheRun) {
    struct TCase {
        int FramesPerSec;
        int Frames;
    };
    for (const TCase& run : {TCase{15, 3}, TCase{25, 1}, TCase{1, 2}, TCase{15, 0}}) {
        SCOPED_TRACE(testing::Message() << run.FramesPerSec << " fps, " << run.Frames);
        const QString name =
            Folder("video-rates") + QStringLiteral("/%1.avi").arg(run.FramesPerSec);
        WriteVideo(name, TVideoContainer::Avi, {}, {32, 24, run.FramesPerSec, run.Frames}, 1);
        const std::vector<TChunk> chunks = ReadAvi(name);
        const QByteArray main = Only(chunks, "hdrl/avih");
        const QByteArray stream = Only(chunks, "hdrl/strl/strh");
        EXPECT_EQ(Read32(main, 16), std::uint32_t(run.Frames));
        EXPECT_EQ(Read32(main, 24), 1u);
        EXPECT_EQ(stream.left(4), "vids");
        EXPECT_EQ(Read32(stream, 4), 0u);
        EXPECT_EQ(Read32(stream, 20), 1u);
        EXPECT_EQ(Read32(stream, 24), std::uint32_t(run.FramesPerSec));
        EXPECT_EQ(Read32(stream, 32), std::uint32_t(run.Frames));
        EXPECT_EQ(Samples(chunks).size(), std::size_t(run.Frames));
        EXPECT_EQ(Decode(name).Frames, run.Frames);
    }
}

TEST(VideoWriter, UncompressedAviFramesAreBottomUpBitmapsWithPaddedRows) {
    const QString name = Folder("video-bitmap") + "/clip.avi";
    WriteVideo(name, TVideoContainer::Avi, {}, {321, 240, 15, 2}, 1);
    const std::vector<TChunk> chunks = ReadAvi(name);
    const QByteArray bitmap = Only(chunks, "hdrl/strl/strf");
    ASSERT_EQ(bitmap.size(), 40);
    EXPECT_EQ(Read32(bitmap, 0), 40u);
    EXPECT_EQ(ReadSigned32(bitmap, 4), 321);
    EXPECT_EQ(ReadSigned32(bitmap, 8), 240);
    EXPECT_EQ(Read32(bitmap, 12), 1u | 24u << 16);
    EXPECT_EQ(Read32(bitmap, 16), 0u);
    EXPECT_EQ(Read32(bitmap, 20), 231360u);

    const std::vector<QByteArray> samples = Samples(chunks);
    ASSERT_EQ(samples.size(), 2u);
    const QByteArray& first = samples.front();
    ASSERT_EQ(first.size(), 231360);
    EXPECT_EQ(samples.back(), first);
    // The bottom row (blue) comes first, the top row (red) last; blue is the first byte of a
    // pixel, and each row ends in one zero byte.
    EXPECT_EQ(first.mid(0, 6), QByteArray("\xFF\0\0\xFF\0\0", 6));
    EXPECT_EQ(first.mid(964, 3), QByteArray("\x80\x80\x80", 3));
    EXPECT_EQ(first.mid(964 * 239, 6), QByteArray("\0\0\xFF\0\0\xFF", 6));
    for (int row = 0; row < 240; ++row)
        ASSERT_EQ(first[964 * row + 963], '\0') << row;

    for (std::uint32_t flags : IndexFlags(chunks))
        EXPECT_EQ(flags & KeyFrameFlag, KeyFrameFlag);
    EXPECT_EQ(IndexFlags(chunks).size(), 2u);

    const TDecoded decoded = Decode(name);
    EXPECT_EQ(decoded.First, Bands(321, 240, 1));
}

// Inter-frame codecs mark only their real key frames: a player seeking to a frame marked
// falsely would decode from a picture that needs the ones before it.
TEST(VideoWriter, AviIndexMarksTheKeyFramesOfTheEncoder) {
    TVideoOptions options;
    options.Codec = "mpeg4";
    options.KeyFrameInterval = 3;
    const QString name = Folder("video-keys") + "/clip.avi";
    WriteVideo(name, TVideoContainer::Avi, options, {64, 48, 25, 7}, 8);
    std::vector<bool> keys;
    for (std::uint32_t flags : IndexFlags(ReadAvi(name)))
        keys.push_back((flags & KeyFrameFlag) != 0);
    EXPECT_EQ(keys, (std::vector<bool>{true, false, false, true, false, false, true}));
}

// Every codec a container offers writes a file FFmpeg reads back whole, upright and in its
// colours, also at an odd size and with every setting the codec listens to; encoders that need
// even sides get one more row and column.
TEST(VideoWriter, EveryOfferedCodecWritesAFileThatDecodes) {
    const QString folder = Folder("video-codecs");
    const std::vector<std::pair<TVideoContainer, QString>> containers = {
        {TVideoContainer::Avi, "avi"},
        {TVideoContainer::Mp4, "mp4"},
        {TVideoContainer::WebM, "webm"},
        {TVideoContainer::Mkv, "mkv"}};
    int written = 0;
    for (const auto& [container, extension] : containers) {
        for (const TVideoCodec& codec : AvailableVideoCodecs(container)) {
            TVideoOptions plain;
            plain.Codec = codec.Name;
            TVideoOptions tuned = plain;
            tuned.Quality = 20;
            tuned.KeyFrameInterval = 2;
            tuned.DataRate = 2000;
            for (const TVideoOptions& options : {plain, tuned}) {
                SCOPED_TRACE((extension + " " + codec.Name + (options.DataRate ? " tuned" : ""))
                                 .toStdString());
                const QString name = folder + "/" + codec.Name + "." + extension;
                WriteVideo(name, container, options, {321, 241, 25, 3}, 80,
                           options.DataRate ? QImage::Format_RGB32 : QImage::Format_RGB888);
                const TDecoded decoded = Decode(name);
                const bool padded = codec.Name == "h264" || codec.Name == "mpeg4";
                EXPECT_EQ(decoded.Frames, 3);
                EXPECT_EQ(decoded.Width, padded ? 322 : 321);
                EXPECT_EQ(decoded.Height, padded ? 242 : 241);
                if (decoded.First.isNull())
                    continue;
                const auto colourAt = [&decoded](int x, int y) {
                    const QColor seen = decoded.First.pixelColor(x, y);
                    return testing::Message() << x << ", " << y << ": " << seen.red() << " "
                                              << seen.green() << " " << seen.blue();
                };
                const int right = decoded.Width - 1;
                const int bottom = decoded.Height - 1;
                // Right and bottom include the added column and row, which repeat the edge.
                for (const auto& [x, y, colour] :
                     {std::tuple{160, 40, QColor(Qt::red)}, std::tuple{160, 200, QColor(Qt::blue)},
                      std::tuple{160, 120, QColor(128, 128, 128)},
                      std::tuple{right, bottom, QColor(Qt::blue)},
                      std::tuple{right, 40, QColor(Qt::red)}})
                    EXPECT_TRUE(Near(decoded.First.pixelColor(x, y), colour)) << colourAt(x, y);
                ++written;
            }
        }
    }
    // Uncompressed, Motion JPEG, MPEG-4 and FFV1 are always built into FFmpeg: four codecs,
    // two settings each.
    EXPECT_GE(written, 8);
    ASSERT_FALSE(AvailableVideoCodecs(TVideoContainer::Avi).empty());
    EXPECT_EQ(AvailableVideoCodecs(TVideoContainer::Avi).front().Name, "rawvideo");
}

TEST(VideoWriter, NothingIsLeftUnderTheNameWhenTheRunFails) {
    const QString folder = Folder("video-fail");
    try {
        WriteVideo(folder + "/missing/clip.avi", TVideoContainer::Avi, {}, {32, 24, 15, 1}, 1);
        ADD_FAILURE() << "no error";
    } catch (const TExportError& error) {
        EXPECT_STREQ(error.what(), "Unknown error creating video file!");
    }
    EXPECT_FALSE(QFileInfo::exists(folder + "/missing"));

    TVideoOptions unsuitable;
    unsuitable.Codec = "vp9";
    try {
        MakeVideoWriter(folder + "/clip.avi", TVideoContainer::Avi, unsuitable);
        ADD_FAILURE() << "no error";
    } catch (const TExportError& error) {
        EXPECT_STREQ(error.what(), "Could not set format!");
    }

    // An earlier file stays as it was until a new one is complete.
    for (const bool earlier : {false, true}) {
        const QString name = folder + "/abort.mp4";
        QFile::remove(name);
        if (earlier) {
            QFile old(name);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        const std::unique_ptr<TFrameWriter> writer =
            MakeVideoWriter(name, TVideoContainer::Mp4, {});
        writer->Begin({64, 48, 25, 10});
        writer->AddFrame(Bands(64, 48, 4), 0);
        EXPECT_THROW(writer->AddFrame(Bands(48, 64, 4), 1), TExportError);
        writer->Abort();
        QFile file(name);
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                  earlier ? QByteArray("old") : QByteArray());
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), earlier ? 1 : 0);
    }
    WriteVideo(folder + "/abort.mp4", TVideoContainer::Mp4, {}, {64, 48, 25, 2}, 4);
    EXPECT_EQ(Decode(folder + "/abort.mp4").Frames, 2);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
