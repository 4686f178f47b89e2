// The video library: the functions behind VideoWriter.h, which the program reaches through
// KelvroVideoBackend once it has loaded this library.

#include "core/export/ExportError.h"
#include "core/export/PartFile.h"
#include "core/export/VideoBackend.h"
#include "core/export/video/AviBitmap.h"
#include "core/export/video/VideoEncoder.h"

#include <QFile>
#include <mutex>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace {

const char* MuxerOf(TVideoContainer container) {
    switch (container) {
    case TVideoContainer::Avi:
        return "avi";
    case TVideoContainer::Mp4:
        return "mp4";
    case TVideoContainer::WebM:
        return "webm";
    case TVideoContainer::Mkv:
        return "matroska";
    }
    return "";
}

// The libraries talk on stderr; the writer reports its failures itself, and the command line
// promises a single line for them.
void QuietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

// Writes the frames to a hidden file beside the target, which takes the target's name only once
// the video is complete.
class TVideoWriter final : public TFrameWriter {
public:
    TVideoWriter(const QString& fileName, TVideoContainer container, const TCodecEntry& codec,
                 const TVideoOptions& options)
        : FFileName(fileName), FContainer(container), FCodec(codec), FOptions(options) {}
    ~TVideoWriter() override { Abort(); }

    void Begin(const TExportShape& shape) override;
    void AddFrame(const QImage& frame, int index) override;
    void Finish() override;
    void Abort() noexcept override;

private:
    void CreateTemporary();
    void Open();
    void WritePacket(AVPacket& packet);
    bool Bitmaps() const { return !*FCodec.Encoder; }
    void Release() noexcept;

    QString FFileName;
    TVideoContainer FContainer;
    const TCodecEntry& FCodec;
    TVideoOptions FOptions;
    TExportShape FShape;
    QString FTemporary;
    AVFormatContext* FFormat = nullptr;
    AVStream* FStream = nullptr;
    std::unique_ptr<TVideoEncoder> FEncoder;
    TPacketSink FSink = [this](AVPacket& packet) { WritePacket(packet); };
    std::int64_t FFrames = 0;
};

void TVideoWriter::CreateTemporary() {
    QFile file;
    FTemporary = OpenPartFile(FFileName, file);
    if (FTemporary.isEmpty())
        throw TExportError(VideoCreateFailed);
}

void TVideoWriter::Open() {
    CreateTemporary();
    // "file:" keeps a colon in the name from being taken for a protocol. The muxer keeps the
    // name too: moving the MP4 index to the front opens the file a second time.
    const QByteArray url = "file:" + QFile::encodeName(FTemporary);
    if (avformat_alloc_output_context2(&FFormat, nullptr, MuxerOf(FContainer), url.constData()) < 0)
        throw TExportError(VideoFormatFailed);
    // The part file is new and empty. Truncated all the same, ext4 would write the whole video
    // out as it is closed (some 30 ms for 150 MB) instead of when it sees fit; only the rename
    // onto an existing file asks for that.
    AVDictionary* fileOptions = nullptr;
    av_dict_set(&fileOptions, "truncate", "0", 0);
    const int opened =
        avio_open2(&FFormat->pb, url.constData(), AVIO_FLAG_WRITE, nullptr, &fileOptions);
    av_dict_free(&fileOptions);
    if (opened < 0)
        throw TExportError(VideoCreateFailed);

    TEncoderSettings settings;
    settings.Codec = &FCodec;
    settings.Width = FShape.Width;
    settings.Height = FShape.Height;
    settings.FramesPerSec = FShape.FramesPerSec;
    settings.Quality = FOptions.Quality;
    settings.KeyFrameInterval = FOptions.KeyFrameInterval;
    settings.DataRate = FOptions.DataRate;
    settings.GlobalHeader = (FFormat->oformat->flags & AVFMT_GLOBALHEADER) != 0;
    settings.NoReordering = FContainer == TVideoContainer::Avi;
    FEncoder = MakeVideoEncoder(settings);

    FStream = avformat_new_stream(FFormat, nullptr);
    if (!FStream)
        throw TExportError(VideoFormatFailed);
    FEncoder->Describe(*FStream->codecpar);
    // An AVI stream's rate and scale are this time base reduced: 15 fps gives 15 / 1.
    FStream->time_base = AVRational{1, FShape.FramesPerSec};
    FStream->avg_frame_rate = AVRational{FShape.FramesPerSec, 1};
    AVDictionary* options = nullptr;
    // Without it the muxer declares the bitmaps top-down with a negative height.
    if (FContainer == TVideoContainer::Avi && Bitmaps())
        av_dict_set(&options, "flipped_raw_rgb", "1", 0);
    // The index first, so players can start before the whole file has arrived.
    if (FContainer == TVideoContainer::Mp4)
        av_dict_set(&options, "movflags", "+faststart", 0);
    const int written = avformat_write_header(FFormat, &options);
    av_dict_free(&options);
    if (written < 0)
        throw TExportError(VideoFormatFailed);
}

void TVideoWriter::Begin(const TExportShape& shape) {
    Abort();
    FShape = shape;
    FFrames = 0;
    try {
        Open();
    } catch (...) {
        Abort();
        throw;
    }
}

void TVideoWriter::WritePacket(AVPacket& packet) {
    packet.stream_index = FStream->index;
    if (packet.duration == 0)
        packet.duration = 1;
    av_packet_rescale_ts(&packet, AVRational{1, FShape.FramesPerSec}, FStream->time_base);
    if (av_write_frame(FFormat, &packet) < 0)
        throw TExportError(VideoFrameFailed);
}

// The index is not used: frames arrive in order, and the count of those taken is the position.
void TVideoWriter::AddFrame(const QImage& frame, int) {
    if (!FEncoder || frame.width() != FShape.Width || frame.height() != FShape.Height)
        throw TExportError(VideoFrameFailed);
    // The encoders read 24- and 32-bit pixels as they are; rendering gives the latter.
    switch (frame.format()) {
    case QImage::Format_RGB888:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        FEncoder->Encode(frame, FFrames, FSink);
        break;
    default:
        FEncoder->Encode(frame.convertToFormat(QImage::Format_RGB32), FFrames, FSink);
    }
    ++FFrames;
}

void TVideoWriter::Finish() {
    if (!FEncoder)
        throw TExportError(VideoFormatFailed);
    try {
        FEncoder->Flush(FSink);
        if (av_write_trailer(FFormat) < 0)
            throw TExportError(VideoFrameFailed);
        avio_flush(FFormat->pb);
        if (FFormat->pb->error < 0 || avio_closep(&FFormat->pb) < 0)
            throw TExportError(VideoFrameFailed);
        if (FContainer == TVideoContainer::Avi && Bitmaps() &&
            !SetAviBitmapImageSize(FTemporary, static_cast<std::uint32_t>(
                                                   BitmapImageSize(FShape.Width, FShape.Height))))
            throw TExportError(VideoFormatFailed);
        if (!MovePartFile(FTemporary, FFileName))
            throw TExportError(VideoCreateFailed);
        FTemporary.clear();
    } catch (...) {
        Abort();
        throw;
    }
    Release();
}

void TVideoWriter::Release() noexcept {
    FEncoder.reset();
    if (FFormat) {
        if (!(FFormat->oformat->flags & AVFMT_NOFILE))
            avio_closep(&FFormat->pb);
        avformat_free_context(FFormat);
        FFormat = nullptr;
        FStream = nullptr;
    }
}

void TVideoWriter::Abort() noexcept {
    Release();
    if (!FTemporary.isEmpty()) {
        QFile::remove(FTemporary);
        FTemporary.clear();
    }
}

std::vector<TVideoCodec> AvailableCodecs(TVideoContainer container) {
    std::vector<TVideoCodec> codecs;
    for (const char* name : VideoCodecCandidates(container)) {
        const TCodecEntry* entry = FindCodecEntry(QLatin1String(name));
        if (entry && CodecAvailable(*entry))
            codecs.push_back({QLatin1String(entry->Name), QString::fromUtf8(entry->Caption),
                              entry->UsesQuality, entry->UsesKeyFrameInterval,
                              entry->UsesDataRate});
    }
    return codecs;
}

std::unique_ptr<TFrameWriter> MakeWriter(const QString& fileName, TVideoContainer container,
                                         const TVideoOptions& options) {
    QuietLibraries();
    if (fileName.trimmed().isEmpty())
        throw TExportError(VideoCreateFailed);
    const std::vector<TVideoCodec> codecs = AvailableCodecs(container);
    const QString name =
        options.Codec.isEmpty() && !codecs.empty() ? codecs.front().Name : options.Codec;
    for (const TVideoCodec& codec : codecs)
        if (codec.Name == name)
            return std::make_unique<TVideoWriter>(fileName, container, *FindCodecEntry(name),
                                                  options);
    throw TExportError(VideoFormatFailed);
}

constexpr TVideoBackend Backend = {VideoBackendVersion, AvailableCodecs, MakeWriter};

} // namespace

extern "C" const TVideoBackend* KelvroVideoBackend() {
    return &Backend;
}
