#include "app/HeadlessCommands.h"

#include "core/export/ExportRun.h"
#include "core/export/GifWriter.h"
#include "core/export/ImageSeries.h"
#include "core/export/VideoBackend.h"
#include "core/export/VideoWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <exception>
#include <optional>

namespace {

// Where the frames go: an image series, a video, or an animated picture.
enum class TOutputKind { Bmp, Png, Gif, Video, Unknown };

TOutputKind KindOf(const QString& output) {
    if (VideoContainerOf(output))
        return TOutputKind::Video;
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return TOutputKind::Bmp;
    if (suffix == QLatin1String("png"))
        return TOutputKind::Png;
    if (suffix == QLatin1String("gif"))
        return TOutputKind::Gif;
    return TOutputKind::Unknown;
}

// Frames to export, 0-based and inclusive.
struct TFrameRange {
    int First = 0;
    int Last = -1;
};

std::optional<TFrameRange> ParseRange(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)(?:-(\\d+))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool firstOk = false;
    bool lastOk = true;
    const int first = match.captured(1).toInt(&firstOk);
    const int last = match.hasCaptured(2) ? match.captured(2).toInt(&lastOk) : first;
    if (!firstOk || !lastOk)
        return std::nullopt;
    return TFrameRange{first - 1, last - 1};
}

// The range asked for, or the project's playback range; on failure the reason.
std::optional<TFrameRange> ChooseRange(const TCommandLine& line, const TProject& project,
                                       QString& error) {
    // 1-based, in 64 bits: a file keeps its range as stored, up to the integer limit.
    const QString shown = line.Frames.isEmpty() ? QStringLiteral("playback range %1-%2")
                                                      .arg(qint64{project.PlayStart} + 1)
                                                      .arg(qint64{project.PlayEnd} + 1)
                                                : QStringLiteral("--frames %1").arg(line.Frames);
    std::optional<TFrameRange> range = TFrameRange{project.PlayStart, project.PlayEnd};
    if (!line.Frames.isEmpty())
        range = ParseRange(line.Frames);
    if (!range)
        error = QStringLiteral("%1: expected FIRST-LAST or N").arg(shown);
    else if (range->First > range->Last)
        error = QStringLiteral("%1: the range is empty").arg(shown);
    else if (range->First < 0 || range->Last >= project.FrameCount)
        error = QStringLiteral("%1: outside frames 1..%2").arg(shown).arg(project.FrameCount);
    if (!error.isEmpty())
        return std::nullopt;
    return range;
}

bool FolderWritable(const QString& output, QString& error) {
    // The folder as written: a path through a missing folder must fail here, not once cleaned.
    const QFileInfo folder(QFileInfo(output).path());
    if (folder.isDir() && folder.isWritable())
        return true;
    error = QStringLiteral("%1: cannot write into the folder %2")
                .arg(output, QDir::toNativeSeparators(folder.absoluteFilePath()));
    return false;
}

bool PrintProgress(int written, int count) {
    std::fprintf(stderr, "frame %d/%d\n", written, count);
    return true;
}

bool CodecSuits(const QString& codec, TVideoContainer container) {
    for (const TVideoCodec& offered : AvailableVideoCodecs(container))
        if (offered.Name == codec)
            return true;
    return false;
}

// Checks that need neither the project nor the video library.
bool CheckOutput(const TCommandLine& line, TOutputKind kind, QString& error) {
    if (kind == TOutputKind::Unknown)
        error =
            QStringLiteral(
                "%1: unknown output extension (use .bmp, .png, .gif, .avi, .mp4, .webm or .mkv)")
                .arg(line.Output);
    else if (kind != TOutputKind::Video && !line.Codec.isEmpty())
        error = QStringLiteral("--codec %1: a codec applies to video output only").arg(line.Codec);
    return error.isEmpty();
}

// Why the video's encoder cannot work, or empty. Asked only once a video export has failed: the
// encoders are known once the video library is loaded, which the export does not wait for.
QString EncoderProblem(const TCommandLine& line) {
    const QString problem = VideoBackendProblem();
    if (!problem.isEmpty())
        return problem;
    const TVideoContainer container = *VideoContainerOf(line.Output);
    if (AvailableVideoCodecs(container).empty())
        return QStringLiteral("%1: this build has no encoder for such files").arg(line.Output);
    if (!line.Codec.isEmpty() && !CodecSuits(line.Codec, container))
        return QStringLiteral("--codec %1: not offered for %2 files by this build")
            .arg(line.Codec, QFileInfo(line.Output).suffix().toLower());
    return QString();
}

// An empty codec leaves the choice to the video writer, which takes the container's default.
std::unique_ptr<TFrameWriter> MakeWriter(const TCommandLine& line, TOutputKind kind) {
    if (kind == TOutputKind::Video) {
        TVideoOptions options;
        options.Codec = line.Codec;
        return MakeVideoWriter(line.Output, *VideoContainerOf(line.Output), options);
    }
    if (kind == TOutputKind::Gif)
        return MakeGifWriter(line.Output);
    return MakeSeriesWriter(line.Output,
                            kind == TOutputKind::Bmp ? TSeriesFormat::Bmp : TSeriesFormat::Png);
}

} // namespace

int RunExportCommand(const TCommandLine& line) {
    const TOutputKind kind = KindOf(line.Output);
    QString error;
    if (!CheckOutput(line, kind, error))
        return FailCommand(error);
    TProject project;
    if (!LoadCommandProject(line.Project, project, error))
        return FailCommand(error);
    const std::optional<TFrameRange> range = ChooseRange(line, project, error);
    if (!range || !FolderWritable(line.Output, error))
        return FailCommand(error);
    try {
        const std::unique_ptr<TFrameWriter> writer = MakeWriter(line, kind);
        RunExport(project, range->First, range->Last - range->First + 1, *writer, PrintProgress);
    } catch (const std::exception& failure) {
        const QString problem = kind == TOutputKind::Video ? EncoderProblem(line) : QString();
        return FailCommand(problem.isEmpty() ? QString::fromStdString(failure.what()) : problem);
    }
    return 0;
}
