#include "app/HeadlessCommands.h"

#include "core/anim/Anim.h"
#include "core/io/ProjectDump.h"

#include <cstdio>

namespace {
// Checks the 1-based frame number and builds that frame as the editor shows it.
bool PrepareFrame(TProject& project, int frame, QString& error) {
    const int count = static_cast<int>(project.Frames.size());
    if (frame < 1 || frame > count) {
        error = QStringLiteral("--frame %1 is outside the project's frames 1 to %2")
                    .arg(frame)
                    .arg(count);
        return false;
    }
    BuildFrame(project, frame - 1);
    return true;
}
} // namespace

int RunDumpCommand(const TCommandLine& line) {
    TProject project;
    QString error;
    if (!LoadCommandProject(line.Project, project, error))
        return FailCommand(error);
    std::optional<int> frameIndex;
    if (line.Frame) {
        if (!PrepareFrame(project, *line.Frame, error))
            return FailCommand(QStringLiteral("%1: %2").arg(line.Project, error));
        frameIndex = *line.Frame - 1;
    }
    const QByteArray json = DumpProject(project, frameIndex);
    const bool written = std::fwrite(json.constData(), 1, json.size(), stdout) ==
                             static_cast<std::size_t>(json.size()) &&
                         std::fflush(stdout) == 0;
    if (!written)
        return FailCommand(QStringLiteral("the JSON could not be written to standard output"));
    return 0;
}
