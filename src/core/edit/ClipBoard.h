#pragma once

#include "core/io/ObjectPayload.h"
#include "core/model/Project.h"

#include <QByteArray>
#include <QString>

// The private clipboard format for objects, named after the format it stands for.
inline QString ObjectClipboardMimeType() {
    return QStringLiteral("application/x-kelvro-kvformat");
}

// Copying puts ObjectPayloadBytes of the objects, in painting order, under that format.

// Appends the payload's objects on top of the master frame, which must be current, as one undo
// step: each gets a new ID, so it never joins copies of its original in other frames, and is a
// master object at the project's zoom, unselected, keyed for every aspect, lying exactly where
// its original lay. Images get new entries of the store. Returns how many were pasted; a wrong
// magic, damaged data or another current frame pastes nothing and changes nothing.
int PasteObjects(TProject& project, const QByteArray& payload, TObjectTable* table);
