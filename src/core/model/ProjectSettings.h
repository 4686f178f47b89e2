#pragma once

#include "core/model/ImageFile.h"
#include "core/model/Project.h"

// The background type that shows a picture; any other shows the plain colour.
constexpr std::int32_t BackgroundTypeImage = 1;

// The project settings a new project starts with and the settings command changes.
struct TProjectSettings {
    std::int32_t ProjectWidth = 0;
    std::int32_t ProjectHeight = 0;
    TColor BackgroundColor = 0;
    QString BackgroundImage;
    std::int32_t BackgroundType = 0;
    std::int32_t FrameCount = 0;
    std::int32_t FramesPerSec = 0;
    bool ShowPaths = false;
    bool Splines = false;

    static TProjectSettings Of(const TProject& project);
};

// Takes the settings over into the project and sets the playback range to the whole sequence.
// The background picture is decoded first: one that cannot be decoded leaves the project as it
// was and its error is returned. The frames are the caller's to reset or resize to FrameCount.
TImageLoadResult ApplyProjectSettings(const TProjectSettings& settings, TProject& project);
