#pragma once

#include "core/io/ObjectPayload.h"
#include "core/model/Project.h"

#include <QByteArray>
#include <QImage>
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

// The objects drawn at zoom 1 on a transparent picture cut to their bounds, so other programs
// can paste what was copied; a null image for no objects.
QImage ObjectsPicture(const std::vector<const TTypesObject*>& objects);

// Appends an image object showing picture, centred in the project area, as one undo step, when
// the master frame is current and the picture is within the image limits. Returns how many
// objects were added (0 or 1).
int PastePicture(TProject& project, const QImage& picture, TObjectTable* table);
