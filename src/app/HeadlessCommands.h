#pragma once

#include "app/CommandLine.h"

// Work without a window. Each returns the exit status and reports failures as one line on stderr.
int RunExportCommand(const TCommandLine& line);
int RunDumpCommand(const TCommandLine& line);
