#pragma once

#include "core/export/FrameWriter.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

// The file types a video is written as.
enum class TVideoContainer { Avi, Mp4, WebM, Mkv };

// The container the file name's extension stands for, if any (case ignored).
std::optional<TVideoContainer> VideoContainerOf(const QString& fileName);

// An encoder as the user chooses it, with the settings it listens to.
struct TVideoCodec {
    // FFmpeg's encoder name as typed after --codec: "rawvideo", "mjpeg", "mpeg4", "ffv1", "h264",
    // "vp9".
    QString Name;
    // What the compression dialog shows, in German.
    QString Caption;
    bool UsesQuality = false;
    bool UsesKeyFrameInterval = false;
    bool UsesDataRate = false;
};

// The encoders this build offers for the container, the container's default first.
std::vector<TVideoCodec> AvailableVideoCodecs(TVideoContainer container);

// The choice of the compression dialog, kept for the next run.
struct TVideoOptions {
    QString Codec;
    // 0 (smallest) .. 100 (best).
    int Quality = 75;
    // A key frame every that many frames; 0 leaves it to the encoder.
    int KeyFrameInterval = 0;
    // Kilobits per second; 0 leaves it to the quality.
    int DataRate = 0;
};

// Writes the frames as one video stream at the project's frame rate. Throws TExportError with
// "Unknown error creating video file!", "Could not set format!" or "Could not add frame!", or,
// from Begin, saying why video export is not available.
std::unique_ptr<TFrameWriter> MakeVideoWriter(const QString& fileName, TVideoContainer container,
                                              const TVideoOptions& options);
