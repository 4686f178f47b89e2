#pragma once

#include "core/export/VideoWriter.h"

#include <QString>
#include <memory>
#include <vector>

// Video files are encoded by a library of their own, the only part of the program linked against
// FFmpeg. FFmpeg's libraries pull in over a hundred shared libraries, whose loading would delay
// every start; the program loads the video library in the background when it is about to need
// it, and the functions of VideoWriter.h wait for it.

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
