#include "core/export/FileNames.h"

QString ReplaceFileExt(const QString& name, const QString& extension) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const QString stem = dot > slash ? name.left(dot) : name;
    return stem + extension;
}

QString SeriesBaseName(const QString& chosenName, const QString& extension) {
    return ReplaceFileExt(ReplaceFileExt(chosenName, extension), QString());
}

QString SeriesFileName(const QString& base, int index, const QString& extension) {
    return base + QString::number(index + 1) + extension;
}
