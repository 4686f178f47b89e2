#pragma once

#include <QString>

// The private clipboard format for objects, named after the format it stands for.
inline QString ObjectClipboardMimeType() {
    return QStringLiteral("application/x-kelvro-kvformat");
}
