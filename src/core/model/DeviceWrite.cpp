#include "core/model/DeviceWrite.h"

#include <QFileDevice>
#include <QSaveFile>

bool WriteAll(QIODevice& device, const char* data, qint64 size) {
    while (size > 0) {
        const qint64 written = device.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

QString DeviceFailure(const QIODevice& device) {
    // The file engine reports a full disk (ENOSPC) as a resource error.
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    if (file && file->error() == QFileDevice::ResourceError)
        return QStringLiteral("Kein Speicherplatz auf dem Datenträger (%1)")
            .arg(file->errorString());
    return device.errorString();
}

bool ReplaceFile(const QString& fileName, const QByteArray& bytes, QString& reason) {
    QSaveFile file(fileName);
    // Unbuffered, a failing write reaches the file engine directly and keeps its cause; a
    // buffer flushed later would report a short write as an unknown error.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !WriteAll(file, bytes.constData(), bytes.size()) || !file.commit()) {
        reason = DeviceFailure(file);
        return false;
    }
    return true;
}
