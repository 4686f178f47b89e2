#pragma once

#include "core/objects/ObjectFactory.h"

#include <memory>

class TStream;

// The smallest record: type code, properties with both strings empty, an empty ID and the
// five flags. Counts of records are checked against it before anything is allocated.
constexpr qint64 MinObjectRecordSize = 4 + 47 + 4 + 5;

// Whether the common part carries ObjName (the short image record leaves it out).
enum class TRecordName { Included, Omitted };

// The common part of an object record: type code, properties, ID, name, the five keyframe flags.
void WriteObjectCommon(TStream& stream, const TTypesObject& object,
                       TRecordName name = TRecordName::Included);
// Reads the common part from ID on; the type code and properties made the object.
void ReadObjectCommon(TStream& stream, TTypesObject& object,
                      TRecordName name = TRecordName::Included);

struct TRecordStart {
    const TObjectType* Type = nullptr;
    std::unique_ptr<TTypesObject> Object;
};

// Reads the type code and properties and creates the object; an unknown code is damaged data.
TRecordStart ReadRecordStart(TStream& stream, const TObjectContext& context,
                             const TObjectTypes& types = ObjectTypes());
// Reads one complete record, as the master frame and the clipboard hold them.
std::unique_ptr<TTypesObject> ReadObjectRecord(TStream& stream, const TObjectContext& context,
                                               const TObjectTypes& types = ObjectTypes());
