#include "ObjectPayload.h"

#include "core/model/Stream.h"
#include "core/objects/ObjectRecord.h"

void WriteObjectPayload(TStream& stream, const TObjectList& objects) {
    stream.WriteInteger(ObjectPayloadMagic);
    stream.WriteInteger(static_cast<std::int32_t>(objects.size()));
    for (const auto& object : objects)
        object->DataToStream(stream);
}

bool ReadObjectPayload(TStream& stream, const TObjectContext& context, TObjectList& objects) {
    if (stream.ReadInteger() != ObjectPayloadMagic)
        return false;
    const std::int32_t count = stream.ReadCount(MinObjectRecordSize);
    for (std::int32_t i = 0; i < count; ++i)
        objects.push_back(ReadObjectRecord(stream, context));
    return true;
}
