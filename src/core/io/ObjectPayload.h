#pragma once

#include "core/objects/ObjectFactory.h"

#include <QByteArray>
#include <optional>
#include <vector>

// Objects as the clipboard carries them: an Int32 magic, an Int32 count, then one full object
// record each, exactly as the master frame of a project file holds them.
constexpr std::int32_t ObjectPayloadMagic = 1234;

// The payload of objects, in the order given. Like saving, this converts their images to 24 bits
// per pixel in memory.
QByteArray ObjectPayloadBytes(const std::vector<const TTypesObject*>& objects);
QByteArray ObjectPayloadBytes(const TObjectList& objects);

// The objects of a payload, made with context; none for a wrong magic or damaged data, which
// also leaves context's store as it was. Their images are new entries of that store.
std::optional<TObjectList> ObjectsFromPayload(const QByteArray& bytes,
                                              const TObjectContext& context);
