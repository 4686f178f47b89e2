#pragma once

#include "core/export/VideoBackend.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

struct AVCodecParameters;
struct AVPacket;

// A codec the writer knows, whether or not this FFmpeg build has its encoder.
struct TCodecEntry {
    const char* Name;
    // FFmpeg's encoder; empty for the uncompressed bitmaps, which need none.
    const char* Encoder;
    const char* Caption;
    bool UsesQuality;
    bool UsesKeyFrameInterval;
    bool UsesDataRate;
};

// The entry of that name, or null.
const TCodecEntry* FindCodecEntry(const QString& name);
// Whether this FFmpeg build can encode it.
bool CodecAvailable(const TCodecEntry& entry);

struct TEncoderSettings {
    const TCodecEntry* Codec = nullptr;
    int Width = 0;
    int Height = 0;
    int FramesPerSec = 0;
    int Quality = 75;
    int KeyFrameInterval = 0;
    int DataRate = 0;
    // The container keeps the codec's set-up data in its header, not in the stream.
    bool GlobalHeader = false;
    // The container stores no presentation times (AVI), so frames must not be reordered.
    bool NoReordering = false;
};

// Takes each finished packet in decoding order, its times counted in frames.
using TPacketSink = std::function<void(AVPacket& packet)>;

// Turns the frames of one run into the packets of one stream.
class TVideoEncoder {
public:
    virtual ~TVideoEncoder() = default;

    // Describes the stream for the container's header.
    virtual void Describe(AVCodecParameters& parameters) const = 0;
    // frame has the settings' size and is RGB888, RGB32 or ARGB32 (whose alpha is ignored);
    // position counts the frames from 0.
    virtual void Encode(const QImage& frame, std::int64_t position, const TPacketSink& sink) = 0;
    // Hands over what the encoder still holds back.
    virtual void Flush(const TPacketSink& sink) = 0;
};

// Throws TExportError(VideoFormatFailed) when the encoder refuses the settings.
std::unique_ptr<TVideoEncoder> MakeVideoEncoder(const TEncoderSettings& settings);
