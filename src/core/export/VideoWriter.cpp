#include "core/export/VideoWriter.h"

#include "core/export/ExportError.h"
#include "core/export/VideoBackend.h"

#include <QFileInfo>

std::optional<TVideoContainer> VideoContainerOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("avi"))
        return TVideoContainer::Avi;
    if (suffix == QLatin1String("mp4"))
        return TVideoContainer::Mp4;
    if (suffix == QLatin1String("webm"))
        return TVideoContainer::WebM;
    if (suffix == QLatin1String("mkv"))
        return TVideoContainer::Mkv;
    return std::nullopt;
}

// Without the video library there is no encoder; MakeVideoWriter says why.
std::vector<TVideoCodec> AvailableVideoCodecs(TVideoContainer container) {
    try {
        return LoadedVideoBackend().AvailableCodecs(container);
    } catch (const TExportError&) {
        return {};
    }
}

std::unique_ptr<TFrameWriter> MakeVideoWriter(const QString& fileName, TVideoContainer container,
                                              const TVideoOptions& options) {
    return LoadedVideoBackend().MakeWriter(fileName, container, options);
}
