#include "core/export/SaveWhole.h"

#include "core/export/ExportError.h"
#include "core/model/DeviceWrite.h"

#include <QFile>
#include <filesystem>
#include <system_error>

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

void SaveWholeUnsynced(const QString& fileName, const QByteArray& bytes) {
    // A plain file, so it gets the permissions any new file of the user gets.
    const QString partName = fileName + QStringLiteral(".part");
    QFile file(partName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        !WriteAll(file, bytes.constData(), bytes.size())) {
        const QString reason = DeviceFailure(file);
        file.remove();
        Fail(fileName, reason);
    }
    file.close();
    // Renaming over an existing file replaces it in one step.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(partName).toStdString(),
                            QFile::encodeName(fileName).toStdString(), error);
    if (error) {
        QFile::remove(partName);
        Fail(fileName, QString::fromStdString(error.message()));
    }
}
