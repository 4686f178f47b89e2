#include "ui/FontFamilies.h"

QString PlainFamilyName(const QString& family) {
    if (!family.endsWith(QLatin1Char(']')))
        return family;
    const qsizetype tag = family.lastIndexOf(QLatin1String(" ["));
    return tag > 0 ? family.left(tag) : family;
}
