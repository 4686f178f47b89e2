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

namespace {

// Stands for the library's writer, which it makes in Begin: an export run renders its first
// frames meanwhile, and so while the library may still be loading.
class TLoadingVideoWriter final : public TFrameWriter {
public:
    TLoadingVideoWriter(const QString& fileName, TVideoContainer container,
                        const TVideoOptions& options)
        : FFileName(fileName), FContainer(container), FOptions(options) {}

    void Begin(const TExportShape& shape) override {
        if (!FWriter)
            FWriter = LoadedVideoBackend().MakeWriter(FFileName, FContainer, FOptions);
        FWriter->Begin(shape);
    }

    void AddFrame(const QImage& frame, int index) override {
        if (!FWriter)
            throw TExportError(VideoFrameFailed);
        FWriter->AddFrame(frame, index);
    }

    void Finish() override {
        if (!FWriter)
            throw TExportError(VideoFormatFailed);
        FWriter->Finish();
    }

    void Abort() noexcept override {
        if (FWriter)
            FWriter->Abort();
    }

private:
    QString FFileName;
    TVideoContainer FContainer;
    TVideoOptions FOptions;
    std::unique_ptr<TFrameWriter> FWriter;
};

bool Candidate(const QString& codec, TVideoContainer container) {
    for (const char* name : VideoCodecCandidates(container))
        if (codec == QLatin1String(name))
            return true;
    return false;
}

} // namespace

// What can be refused without the library is refused here; a codec this build's FFmpeg lacks,
// or a library that cannot be loaded, fails in Begin.
std::unique_ptr<TFrameWriter> MakeVideoWriter(const QString& fileName, TVideoContainer container,
                                              const TVideoOptions& options) {
    if (fileName.trimmed().isEmpty())
        throw TExportError(VideoCreateFailed);
    if (!options.Codec.isEmpty() && !Candidate(options.Codec, container))
        throw TExportError(VideoFormatFailed);
    return std::make_unique<TLoadingVideoWriter>(fileName, container, options);
}
