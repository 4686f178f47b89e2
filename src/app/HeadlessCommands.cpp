#include "app/HeadlessCommands.h"

#include <QFileInfo>
#include <cstdio>

namespace {
int Fail(const QString& message) {
    std::fprintf(stderr, "kelvro: %s\n", qPrintable(message));
    return 1;
}

// Both commands read a project; this build cannot read project files yet.
int ReadProjectOrFail(const QString& project) {
    if (!QFileInfo(project).isFile())
        return Fail(QStringLiteral("%1: no such project file").arg(project));
    return Fail(QStringLiteral("%1: this build cannot read project files yet").arg(project));
}
} // namespace

int RunExportCommand(const TCommandLine& line) {
    return ReadProjectOrFail(line.Project);
}

int RunDumpCommand(const TCommandLine& line) {
    return ReadProjectOrFail(line.Project);
}
