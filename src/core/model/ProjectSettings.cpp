#include "core/model/ProjectSettings.h"

#include <QFileInfo>

TProjectSettings TProjectSettings::Of(const TProject& project) {
    TProjectSettings settings;
    settings.ProjectWidth = project.ProjectWidth;
    settings.ProjectHeight = project.ProjectHeight;
    settings.BackgroundColor = project.BackgroundColor;
    settings.BackgroundImage = project.BackgroundImage;
    settings.BackgroundType = project.BackgroundType;
    settings.FrameCount = project.FrameCount;
    settings.FramesPerSec = project.FramesPerSec;
    settings.ShowPaths = project.ShowPaths;
    settings.Splines = project.Splines;
    return settings;
}

TImageLoadResult ApplyProjectSettings(const TProjectSettings& settings, TProject& project) {
    std::optional<QImage> background;
    if (settings.BackgroundType == BackgroundTypeImage &&
        QFileInfo(settings.BackgroundImage).isFile()) {
        QImage picture;
        const TImageLoadResult loaded = LoadImageFile(picture, settings.BackgroundImage);
        if (!loaded.Ok)
            return loaded;
        if (!picture.isNull())
            background = std::move(picture);
    }
    project.ProjectWidth = settings.ProjectWidth;
    project.ProjectHeight = settings.ProjectHeight;
    project.BackgroundColor = settings.BackgroundColor;
    project.BackgroundImage = settings.BackgroundImage;
    project.BackgroundType = settings.BackgroundType;
    project.BackgroundBitmap = std::move(background);
    project.FrameCount = settings.FrameCount;
    project.FramesPerSec = settings.FramesPerSec;
    project.ShowPaths = settings.ShowPaths;
    project.Splines = settings.Splines;
    project.PlayStart = 0;
    project.PlayEnd = settings.FrameCount - 1;
    return {};
}
