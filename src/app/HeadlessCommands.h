#pragma once

#include "app/CommandLine.h"
#include "core/model/Project.h"

#include <QString>

// Work without a window. Each returns the exit status and reports failures as one line on stderr.
int RunExportCommand(const TCommandLine& line);
int RunDumpCommand(const TCommandLine& line);

// Prints "kelvro: message" as the one line of a failure and yields the failure status.
int FailCommand(const QString& message);

// Reads the project file of a headless command; on failure returns false with the reason.
bool LoadCommandProject(const QString& fileName, TProject& project, QString& error);
