#include "core/model/Stream.h"

#include "core/model/DeviceWrite.h"

#include "core/model/ImageLimits.h"
#include "core/text/ResStr.h"

#include <QIODevice>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {
constexpr int ExponentBias = 16383;
constexpr std::uint16_t ExponentMax = 0x7FFF;
constexpr std::uint16_t SignBit = 0x8000;
constexpr std::uint64_t IntegerBit = 0x8000000000000000ULL;
constexpr std::uint64_t QuietNaN = 0xC000000000000000ULL;
// With exponent field 0 the significand counts units of 2^-16445.
constexpr int DenormalShift = ExponentBias - 1 + 63;

struct TExtendedParts {
    std::uint16_t Exponent = 0;
    std::uint64_t Significand = 0;
};

// Splits a finite positive value into the biased exponent and the rounded 64-bit significand.
TExtendedParts SplitFinite(Extended value) {
    const Extended two64 = std::ldexp(1.0L, 64);
    const Extended two63 = std::ldexp(1.0L, 63);
    int exponent = 0;
    const Extended fraction = std::frexp(value, &exponent);
    int biased = exponent - 1 + ExponentBias;
    if (biased <= 0) {
        const Extended scaled = std::nearbyint(std::ldexp(value, DenormalShift));
        // Rounding up may reach the smallest normal number.
        return {static_cast<std::uint16_t>(scaled >= two63 ? 1 : 0),
                static_cast<std::uint64_t>(scaled)};
    }
    Extended scaled = std::nearbyint(std::ldexp(fraction, 64));
    if (scaled >= two64) {
        scaled = two63;
        ++biased;
    }
    if (biased >= ExponentMax)
        return {ExponentMax, IntegerBit};
    return {static_cast<std::uint16_t>(biased), static_cast<std::uint64_t>(scaled)};
}

TExtendedParts SplitExtended(Extended value) {
    if (std::isnan(value))
        return {ExponentMax, QuietNaN};
    if (std::isinf(value))
        return {ExponentMax, IntegerBit};
    if (value == 0)
        return {};
    return SplitFinite(std::fabs(value));
}

[[noreturn]] void Fail(const QString& text) {
    throw TStreamError(text.toStdString());
}

[[noreturn]] void Damaged(const QString& detail) {
    Fail(ResStr(25001, "Die Daten sind beschädigt oder unvollständig (%1).").arg(detail));
}

// The parts of a record that RequireRemaining names. Callers pass the German word; the message
// shows the part in the active language.
constexpr TText kStringPart{25005, "Zeichenkette"};
constexpr TText kCountPart{25010, "Anzahl"};

QString PartName(const char* what) {
    for (const TText& part : {kStringPart, kCountPart}) {
        if (std::strcmp(part.German, what) == 0)
            return ResStr(part);
    }
    return QString::fromUtf8(what);
}
} // namespace

TExtendedBytes EncodeExtended(Extended value) {
    TExtendedParts parts = SplitExtended(value);
    if (std::signbit(value))
        parts.Exponent |= SignBit;
    TExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(parts.Significand >> (8 * i));
    bytes[8] = static_cast<std::uint8_t>(parts.Exponent);
    bytes[9] = static_cast<std::uint8_t>(parts.Exponent >> 8);
    return bytes;
}

Extended DecodeExtended(const TExtendedBytes& bytes) {
    std::uint64_t significand = 0;
    for (int i = 0; i < 8; ++i)
        significand |= std::uint64_t{bytes[i]} << (8 * i);
    const auto signAndExponent = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
    const int exponent = signAndExponent & ExponentMax;
    Extended value;
    if (exponent == ExponentMax)
        value = (significand & ~IntegerBit) == 0 ? HUGE_VALL : std::nanl("");
    else if (exponent == 0)
        value = std::ldexp(static_cast<Extended>(significand), -DenormalShift);
    else
        value = std::ldexp(static_cast<Extended>(significand), exponent - ExponentBias - 63);
    return (signAndExponent & SignBit) ? -value : value;
}

qint64 TStream::Remaining() const {
    if (FDevice.isSequential())
        return FDevice.bytesAvailable();
    return DeviceSize() - FDevice.pos();
}

qint64 TStream::DeviceSize() const {
    if (FDevice.openMode() & QIODevice::WriteOnly)
        return FDevice.size();
    if (FReadOnlySize < 0)
        FReadOnlySize = FDevice.size();
    return FReadOnlySize;
}

void TStream::RequireRemaining(qint64 size, const char* what) const {
    if (size > Remaining())
        Damaged(ResStr(25002, "%1 reicht über das Ende hinaus").arg(PartName(what)));
}

void TStream::ReadBytes(void* data, qint64 size) {
    if (FDevice.read(static_cast<char*>(data), size) != size)
        Damaged(ResStr(25003, "unerwartetes Ende"));
}

void TStream::WriteBytes(const void* data, qint64 size) {
    if (!WriteAll(FDevice, static_cast<const char*>(data), size))
        Fail(ResStr(25004, "Schreiben fehlgeschlagen: %1").arg(DeviceFailure(FDevice)));
}

std::int32_t TStream::ReadInteger() {
    std::int32_t value = 0;
    ReadBytes(&value, sizeof value);
    return qFromLittleEndian(value);
}

TColor TStream::ReadColor() {
    return ReadInteger();
}

bool TStream::ReadBoolean() {
    return ReadByte() != 0;
}

std::uint8_t TStream::ReadByte() {
    std::uint8_t value = 0;
    ReadBytes(&value, 1);
    return value;
}

Extended TStream::ReadExtended() {
    TExtendedBytes bytes{};
    ReadBytes(bytes.data(), bytes.size());
    return DecodeExtended(bytes);
}

QString TStream::ReadString() {
    const std::int32_t length = ReadInteger();
    if (length <= 0)
        return {};
    RequireRemaining(2 * qint64{length}, kStringPart.German);
    QString text(length, Qt::Uninitialized);
    ReadBytes(text.data(), 2 * qint64{length});
    for (QChar& unit : text)
        unit = QChar(qFromLittleEndian(unit.unicode()));
    return text;
}

QImage TStream::ReadBitmap() {
    const std::int32_t width = ReadInteger();
    const std::int32_t height = ReadInteger();
    if (width < 0 || height < 0)
        Damaged(ResStr(25006, "Bildgröße %1 × %2").arg(width).arg(height));
    if (width == 0 || height == 0)
        return {};
    if (!ImageSizeAllowed(width, height))
        Fail(ImageTooLargeText(width, height));
    // Width times height times 3 may not fit 64 bits; divide instead.
    if (qint64{width} > Remaining() / 3 / height)
        Damaged(ResStr(25007, "Bild reicht über das Ende hinaus"));
    QImage bitmap(width, height, QImage::Format_RGB888);
    if (bitmap.isNull())
        Fail(ResStr(25008, "Ein Bild von %1 × %2 Pixeln passt nicht in den Speicher.")
                 .arg(width)
                 .arg(height));
    for (int y = 0; y < height; ++y) {
        uchar* row = bitmap.scanLine(y);
        ReadBytes(row, 3 * qint64{width});
        for (int x = 0; x < width; ++x)
            std::swap(row[3 * x], row[3 * x + 2]);
    }
    return bitmap;
}

void TStream::ReadProps(TProps& props) {
    props.BrushColor = ReadColor();
    props.BrushBitmap = ReadString();
    props.BrushStyle = ReadByte();
    props.BrushShow = ReadBoolean();
    props.PenColor = ReadColor();
    props.PenWidth = ReadInteger();
    props.PenStyle = ReadByte();
    props.PenShow = ReadBoolean();
    props.FontName = ReadString();
    props.FontSize = ReadInteger();
    props.FontStyle = ReadByte();
    props.Trans = ReadExtended();
    props.TransColor = ReadColor();
    props.Mask = ReadInteger();
}

std::int32_t TStream::ReadCount(qint64 bytesPerItem) {
    const std::int32_t count = ReadInteger();
    if (count < 0)
        Damaged(ResStr(25009, "Anzahl %1").arg(count));
    RequireRemaining(count * bytesPerItem, kCountPart.German);
    return count;
}

void TStream::WriteInteger(std::int32_t value) {
    const std::int32_t little = qToLittleEndian(value);
    WriteBytes(&little, sizeof little);
}

void TStream::WriteColor(TColor value) {
    WriteInteger(value);
}

void TStream::WriteBoolean(bool value) {
    WriteByte(value ? 1 : 0);
}

void TStream::WriteByte(std::uint8_t value) {
    WriteBytes(&value, 1);
}

void TStream::WriteExtended(Extended value) {
    const TExtendedBytes bytes = EncodeExtended(value);
    WriteBytes(bytes.data(), bytes.size());
}

void TStream::WriteString(const QString& value) {
    WriteInteger(static_cast<std::int32_t>(value.size()));
    QByteArray units(2 * value.size(), Qt::Uninitialized);
    qToLittleEndian<char16_t>(value.utf16(), value.size(), units.data());
    WriteBytes(units.constData(), units.size());
}

void TStream::WriteBitmap(QImage& bitmap) {
    if (bitmap.format() != QImage::Format_RGB888 && !bitmap.isNull())
        bitmap = bitmap.convertToFormat(QImage::Format_RGB888);
    const int width = bitmap.width();
    const int height = bitmap.height();
    WriteInteger(width);
    WriteInteger(height);
    QByteArray row(3 * qsizetype{width}, Qt::Uninitialized);
    for (int y = 0; y < height; ++y) {
        const uchar* pixels = bitmap.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(pixels[3 * x + 2]);
            row[3 * x + 1] = static_cast<char>(pixels[3 * x + 1]);
            row[3 * x + 2] = static_cast<char>(pixels[3 * x]);
        }
        WriteBytes(row.constData(), row.size());
    }
}

void TStream::WriteProps(const TProps& props) {
    WriteColor(props.BrushColor);
    WriteString(props.BrushBitmap);
    WriteByte(props.BrushStyle);
    WriteBoolean(props.BrushShow);
    WriteColor(props.PenColor);
    WriteInteger(props.PenWidth);
    WriteByte(props.PenStyle);
    WriteBoolean(props.PenShow);
    WriteString(props.FontName);
    WriteInteger(props.FontSize);
    WriteByte(props.FontStyle);
    WriteExtended(props.Trans);
    WriteColor(props.TransColor);
    WriteInteger(props.Mask);
}
