#pragma once

#include <QString>

// The user guide "KelvroHelp.pdf": beside the executable (as built), else where an installation
// keeps documentation relative to it; empty when neither exists.
QString HelpDocumentPath(const QString& executableFolder);
