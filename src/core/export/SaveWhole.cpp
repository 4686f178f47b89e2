#include "core/export/SaveWhole.h"

#include "core/export/ExportError.h"
#include "core/export/PartFile.h"
#include "core/model/DeviceWrite.h"
#include "core/text/ResStr.h"

#include <QFile>
#include <cerrno>
#include <cstring>

namespace {
[[noreturn]] void Fail(const QString& fileName, const QString& reason) {
    throw TExportError(ResStr(25120, "%1: Die Datei kann nicht geschrieben werden (%2).")
                           .arg(fileName, reason)
                           .toStdString());
}
} // namespace

void SaveWhole(const QString& fileName, const QByteArray& bytes) {
    QString reason;
    if (!ReplaceFile(fileName, bytes, reason))
        Fail(fileName, reason);
}

void SaveWholeUnsynced(const QString& fileName, const QByteArray& bytes) {
    QFile file;
    const QString partName = OpenPartFile(fileName, file);
    if (partName.isEmpty())
        Fail(fileName, DeviceFailure(file));
    if (!WriteAll(file, bytes.constData(), bytes.size()) || !file.flush()) {
        const QString reason = DeviceFailure(file);
        file.remove();
        Fail(fileName, reason);
    }
    file.close();
    if (!MovePartFile(partName, fileName)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(partName);
        Fail(fileName, reason);
    }
}
