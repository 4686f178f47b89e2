#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the whole content of the file. An earlier file of that name is replaced only
// once the new content is complete, so a failed write never leaves a cut-off file behind.
// Throws TExportError naming the file and the reason.
void SaveWhole(const QString& fileName, const QByteArray& bytes);

// The same without forcing the content to disk before the rename: the file still appears only
// whole, but a run of many files does not wait for the disk after each.
void SaveWholeUnsynced(const QString& fileName, const QByteArray& bytes);
