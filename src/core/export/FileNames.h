#pragma once

#include <QString>

// name with the extension of its file name part (from the last dot after the last '/') replaced
// by extension; an empty extension just removes it, a name without one just gets it.
QString ReplaceFileExt(const QString& name, const QString& extension);

// The chosen name without its extension: the part every file of a series starts with.
QString SeriesBaseName(const QString& chosenName, const QString& extension);
// The file of run position index (0-based): base, index + 1 without leading zeros, extension.
QString SeriesFileName(const QString& base, int index, const QString& extension);
