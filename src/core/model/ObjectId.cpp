#include "core/model/ObjectId.h"

#include <QRandomGenerator>
#include <QUuid>
#include <array>

QString NewObjectID() {
    // A random (version 4) GUID from the seeded generator: every copy of an object gets one
    // before Assign replaces it, and asking the system for entropy each time is too slow for
    // frame building.
    std::array<quint32, 4> words{};
    QRandomGenerator::global()->fillRange(words.data(), words.size());
    const auto byte = [&](int i) { return static_cast<uchar>(words[2 + i / 4] >> (8 * (i % 4))); };
    const auto w1 = static_cast<ushort>(words[1] & 0xFFFF);
    const auto w2 = static_cast<ushort>(((words[1] >> 16) & 0x0FFF) | 0x4000);
    const QUuid uuid(words[0], w1, w2, static_cast<uchar>((byte(0) & 0x3F) | 0x80), byte(1),
                     byte(2), byte(3), byte(4), byte(5), byte(6), byte(7));
    return uuid.toString(QUuid::WithBraces).toUpper();
}
