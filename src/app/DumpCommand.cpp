#include "app/HeadlessCommands.h"

int RunDumpCommand(const TCommandLine& line) {
    TProject project;
    QString error;
    if (!LoadCommandProject(line.Project, project, error))
        return FailCommand(error);
    return FailCommand(QStringLiteral("%1: this build cannot dump projects yet").arg(line.Project));
}
