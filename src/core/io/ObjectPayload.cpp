#include "core/io/ObjectPayload.h"

#include "core/model/ProjectLimits.h"
#include "core/model/Stream.h"
#include "core/objects/ObjectRecord.h"

#include <QBuffer>

namespace {
TObjectList ReadRecords(TStream& stream, const TObjectContext& context) {
    const std::int32_t count = stream.ReadCount(MinObjectRecordSize);
    if (count > MaxObjectRecords)
        throw TStreamError(QStringLiteral("Die Daten enthalten mehr als %1 Objekte.")
                               .arg(MaxObjectRecords)
                               .toStdString());
    TObjectList objects;
    objects.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        objects.push_back(ReadObjectRecord(stream, context));
    return objects;
}
} // namespace

QByteArray ObjectPayloadBytes(const std::vector<const TTypesObject*>& objects) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStream stream(buffer);
    stream.WriteInteger(ObjectPayloadMagic);
    stream.WriteInteger(static_cast<std::int32_t>(objects.size()));
    for (const TTypesObject* object : objects)
        object->DataToStream(stream);
    return bytes;
}

QByteArray ObjectPayloadBytes(const TObjectList& objects) {
    std::vector<const TTypesObject*> pointers;
    pointers.reserve(objects.size());
    for (const auto& object : objects)
        pointers.push_back(object.get());
    return ObjectPayloadBytes(pointers);
}

std::optional<TObjectList> ObjectsFromPayload(const QByteArray& bytes,
                                              const TObjectContext& context) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TStream stream(buffer);
    // Image records add their pixels to the store as they are read; a payload that fails later
    // must not leave them behind.
    TBitmapStore* store = context.BitmapStore;
    const std::size_t oldImages = store ? store->size() : 0;
    const auto dropNewImages = [&] {
        if (store)
            store->resize(oldImages);
    };
    try {
        if (stream.ReadInteger() != ObjectPayloadMagic)
            return std::nullopt;
        return ReadRecords(stream, context);
    } catch (const TStreamError&) {
        dropNewImages();
        return std::nullopt;
    } catch (...) {
        dropNewImages();
        throw;
    }
}
