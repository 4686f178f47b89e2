#include "core/export/SaveWhole.h"

#include "core/export/ExportError.h"

#include <QSaveFile>

namespace {
[[noreturn]] void Fail(const QString& fileName, const QString& reason) {
    throw TExportError(
        QStringLiteral("%1: cannot write the file (%2)").arg(fileName, reason).toStdString());
}
} // namespace

void SaveWhole(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        Fail(fileName, file.errorString());
    if (file.write(bytes) != bytes.size())
        Fail(fileName, file.errorString());
    if (!file.commit())
        Fail(fileName, file.errorString());
}
