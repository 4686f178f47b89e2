#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// A text of the program as its sources name it: the German default and where it is used first.
struct TSourceText {
    QString German;
    QString Context;
};

// Every text id in the C++ sources below the folder, written as ResStr(id, "German") or as a
// braced pair {id, "German"}. An id used with two different texts is reported in conflicts.
QMap<int, TSourceText> ScanSourceTexts(const QString& folder, QStringList& conflicts);
