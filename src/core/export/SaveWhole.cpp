#include "core/export/SaveWhole.h"

#include "core/export/ExportError.h"
#include "core/model/DeviceWrite.h"

namespace {
[[noreturn]] void Fail(const QString& fileName, const QString& reason) {
    throw TExportError(
        QStringLiteral("%1: cannot write the file (%2)").arg(fileName, reason).toStdString());
}
} // namespace

void SaveWhole(const QString& fileName, const QByteArray& bytes) {
    QString reason;
    if (!ReplaceFile(fileName, bytes, reason))
        Fail(fileName, reason);
}
