#pragma once

#include "core/model/Types.h"

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <stdexcept>

class QIODevice;

// Data that ends too early, carries impossible sizes or cannot be written.
class TStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The 10-byte x87 extended layout: 64-bit significand with explicit integer bit, then the
// 15-bit exponent (bias 16383) and the sign bit. Exact wherever long double is the x87 type,
// rounded to nearest where it is wider or narrower.
using TExtendedBytes = std::array<std::uint8_t, 10>;
TExtendedBytes EncodeExtended(Extended value);
Extended DecodeExtended(const TExtendedBytes& bytes);

// Typed little-endian values on a device, at its current position. Every read checks what is
// left, so damaged data raises TStreamError instead of being misread or allocating wildly.
class TStream {
public:
    explicit TStream(QIODevice& device) : FDevice(device) {}

    QIODevice& Device() const { return FDevice; }
    // Bytes left to read; for a sequential device, the bytes it holds ready.
    qint64 Remaining() const;

    std::int32_t ReadInteger();
    TColor ReadColor();
    bool ReadBoolean();
    std::uint8_t ReadByte();
    Extended ReadExtended();
    QString ReadString();
    // W, H, then top-down rows of blue, green, red; an image of no pixels is null.
    QImage ReadBitmap();
    void ReadProps(TProps& props);
    // An Int32 count of items that take at least bytesPerItem each, checked against the rest.
    std::int32_t ReadCount(qint64 bytesPerItem);

    void WriteInteger(std::int32_t value);
    void WriteColor(TColor value);
    void WriteBoolean(bool value);
    void WriteByte(std::uint8_t value);
    void WriteExtended(Extended value);
    void WriteString(const QString& value);
    // Converts bitmap itself to 24 bits per pixel first; the conversion stays in memory.
    void WriteBitmap(QImage& bitmap);
    void WriteProps(const TProps& props);

private:
    qint64 DeviceSize() const;
    void ReadBytes(void* data, qint64 size);
    void WriteBytes(const void* data, qint64 size);
    void RequireRemaining(qint64 size, const char* what) const;

    QIODevice& FDevice;
    // The size of a device opened only for reading, asked once: a file's size costs a system
    // call, and a project reads thousands of values.
    mutable qint64 FReadOnlySize = -1;
};
