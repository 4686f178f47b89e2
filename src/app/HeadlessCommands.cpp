#include "app/HeadlessCommands.h"

#include "core/io/ProjectFile.h"

#include <QFileInfo>
#include <cstdio>
#include <stdexcept>

int FailCommand(const QString& message) {
    std::fprintf(stderr, "kelvro: %s\n", qPrintable(message));
    return 1;
}

bool LoadCommandProject(const QString& fileName, TProject& project, QString& error) {
    if (!QFileInfo::exists(fileName)) {
        error = QStringLiteral("%1: no such project file").arg(fileName);
        return false;
    }
    try {
        if (LoadProject(project, fileName, nullptr) == TLoadResult::NotAProject) {
            error = QStringLiteral("%1: not a project file").arg(fileName);
            return false;
        }
    } catch (const std::exception& failure) {
        error = QStringLiteral("%1: %2").arg(fileName, QString::fromUtf8(failure.what()));
        return false;
    }
    return true;
}
