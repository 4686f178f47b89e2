#pragma once

#include "core/objects/ObjectFactory.h"

class TStream;

// Objects laid out as the clipboard will carry them: an Int32 magic, an Int32 count, then one
// full object record each, as the master frame holds them.
constexpr std::int32_t ObjectPayloadMagic = 1234;

void WriteObjectPayload(TStream& stream, const TObjectList& objects);
// Appends the records to objects; false when the magic is wrong, TStreamError for damaged data.
bool ReadObjectPayload(TStream& stream, const TObjectContext& context, TObjectList& objects);
