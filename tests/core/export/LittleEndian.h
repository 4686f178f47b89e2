#pragma once

#include <QByteArray>
#include <cstdint>

// Fields of little-endian file headers, as bitmap and RIFF files store them.
inline std::uint32_t Read32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

inline std::uint16_t Read16(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint16_t>(Read32(bytes, at) & 0xFFFFu);
}
