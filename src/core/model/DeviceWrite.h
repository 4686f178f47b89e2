#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QIODevice;

// Writes all size bytes of data. A short write, as a disk filling up gives, is tried again, so
// the device reports the real cause when it refuses; false then.
bool WriteAll(QIODevice& device, const char* data, qint64 size);

// Why the device failed, for a person: a full disk named as such, otherwise the system's text.
QString DeviceFailure(const QIODevice& device);

// Replaces the file with bytes through a temporary file in its folder, so a failure leaves any
// old file whole. On failure returns false with the reason.
bool ReplaceFile(const QString& fileName, const QByteArray& bytes, QString& reason);
