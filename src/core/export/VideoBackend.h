#pragma once

#include "core/export/VideoWriter.h"

#include <QString>
#include <memory>
#include <vector>

// Video files are encoded by a library of their own, the only part of the program linked against
// FFmpeg. FFmpeg's libraries pull in over a hundred shared libraries, whose loading would delay
// every start; the program loads the video library in the background when it is about to need
// it, and the functions of VideoWriter.h wait for it.

// The video writer's failure texts, as the user reads them.
inline constexpr const char* VideoCreateFailed = "Unknown error creating video file!";
inline constexpr const char* VideoFormatFailed = "Could not set format!";
inline constexpr const char* VideoFrameFailed = "Could not add frame!";

// The codecs a container may offer, its default first; AvailableVideoCodecs gives those this
// build's FFmpeg has. Known without the library, so a choice that can never work is refused
// before it is loaded.
inline std::vector<const char*> VideoCodecCandidates(TVideoContainer container) {
    switch (container) {
    case TVideoContainer::Avi:
        return {"rawvideo", "mjpeg", "mpeg4", "ffv1", "h264"};
    case TVideoContainer::Mp4:
        return {"h264", "mpeg4"};
    case TVideoContainer::WebM:
        return {"vp9"};
    case TVideoContainer::Mkv:
        return {"h264", "ffv1", "mjpeg", "mpeg4", "vp9"};
    }
    return {};
}

// What the video library hands the program: the functions behind VideoWriter.h.
struct TVideoBackend {
    // VideoBackendVersion of the build the library belongs to.
    int Version;
    std::vector<TVideoCodec> (*AvailableCodecs)(TVideoContainer container);
    std::unique_ptr<TFrameWriter> (*MakeWriter)(const QString& fileName, TVideoContainer container,
                                                const TVideoOptions& options);
};

// Raised whenever TVideoBackend or the types it passes change, so a library left over from
// another build is refused instead of called wrongly.
inline constexpr int VideoBackendVersion = 1;

// The library's one exported function, looked up by this name.
inline constexpr const char* VideoBackendEntry = "KelvroVideoBackend";
extern "C" Q_DECL_EXPORT const TVideoBackend* KelvroVideoBackend();

// Starts loading the video library on a thread of its own, unless that has begun already.
void PreloadVideoBackend();

// The library's functions, once loaded; starts the loading if nothing did and waits for it.
// Throws TExportError saying why when the library cannot be found or loaded.
const TVideoBackend& LoadedVideoBackend();

// Why the video library cannot be used, or empty when it can; waits like LoadedVideoBackend.
QString VideoBackendProblem();
