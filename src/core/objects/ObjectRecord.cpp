#include "core/objects/ObjectRecord.h"

#include "core/model/Stream.h"
#include "core/text/ResStr.h"

void WriteObjectCommon(TStream& stream, const TTypesObject& object, TRecordName name) {
    stream.WriteInteger(object.TypeCode());
    stream.WriteProps(object.GetProps());
    stream.WriteString(object.ID);
    if (name == TRecordName::Included)
        stream.WriteString(object.ObjName);
    stream.WriteBoolean(object.KeyFrameMove);
    stream.WriteBoolean(object.KeyFrameTurn);
    stream.WriteBoolean(object.KeyFrameStretch);
    stream.WriteBoolean(object.KeyFrameTrans);
    stream.WriteBoolean(object.KeyFrameColor);
}

void ReadObjectCommon(TStream& stream, TTypesObject& object, TRecordName name) {
    object.ID = stream.ReadString();
    if (name == TRecordName::Included)
        object.ObjName = stream.ReadString();
    object.KeyFrameMove = stream.ReadBoolean();
    object.KeyFrameTurn = stream.ReadBoolean();
    object.KeyFrameStretch = stream.ReadBoolean();
    object.KeyFrameTrans = stream.ReadBoolean();
    object.KeyFrameColor = stream.ReadBoolean();
}

TRecordStart ReadRecordStart(TStream& stream, const TObjectContext& context,
                             const TObjectTypes& types) {
    const std::int32_t typeCode = stream.ReadInteger();
    TProps props;
    stream.ReadProps(props);
    const TObjectType* type = types.Find(typeCode);
    // Without its type the record's length is unknown, so nothing after it can be trusted.
    if (!type)
        throw TStreamError(ResStr(25030, "Die Daten sind beschädigt (unbekannter Objekttyp %1).")
                               .arg(typeCode)
                               .toStdString());
    return {type, type->Create(context, props)};
}

std::unique_ptr<TTypesObject> ReadObjectRecord(TStream& stream, const TObjectContext& context,
                                               const TObjectTypes& types) {
    TRecordStart start = ReadRecordStart(stream, context, types);
    start.Object->StreamToData(stream);
    return std::move(start.Object);
}
