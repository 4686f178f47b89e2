#include "core/model/DeviceWrite.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace {
// A device that takes at most a few bytes per write, as a filling disk does at its end.
class TTrickleDevice : public QBuffer {
protected:
    qint64 writeData(const char* data, qint64 size) override {
        return QBuffer::writeData(data, std::min<qint64>(size, 3));
    }
};
} // namespace

TEST(DeviceWrite, ShortWritesAreContinued) {
    TTrickleDevice device;
    device.open(QIODevice::WriteOnly);
    const QByteArray bytes = QByteArrayLiteral("ein ganzer Satz");
    ASSERT_TRUE(WriteAll(device, bytes.constData(), bytes.size()));
    EXPECT_EQ(device.data(), bytes);
}

TEST(DeviceWrite, AFullDiskIsNamedAsSuch) {
    // The kernel's device that is always full.
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        GTEST_SKIP() << "no /dev/full here";
    const QByteArray bytes(100000, 'x');
    EXPECT_FALSE(WriteAll(full, bytes.constData(), bytes.size()));
    EXPECT_TRUE(
        DeviceFailure(full).startsWith(QStringLiteral("Kein Speicherplatz auf dem Datenträger")))
        << DeviceFailure(full).toStdString();
}
