#include "core/objects/ObjectFactory.h"

#include "core/objects/TypesBezierPolygon.h"
#include "core/objects/TypesBezierPolyline.h"
#include "core/objects/TypesBitmap.h"
#include "core/objects/TypesForm.h"
#include "core/objects/TypesPolygon.h"
#include "core/objects/TypesPolyline.h"
#include "core/objects/TypesText.h"

namespace {
// A type whose record is the same in every frame.
template <typename TObject> TObjectType FullRecordType() {
    TObjectType type;
    type.Create = [](const TObjectContext& context, const TProps& props) {
        return std::make_unique<TObject>(context.Table, props, context.Zoom);
    };
    return type;
}
} // namespace

void TObjectTypes::Register(int typeCode, TObjectType type) {
    FTypes[typeCode] = std::move(type);
}

const TObjectType* TObjectTypes::Find(int typeCode) const {
    const auto found = FTypes.find(typeCode);
    return found == FTypes.end() ? nullptr : &found->second;
}

void RegisterObjectTypes(TObjectTypes& types) {
    types.Register(0, FullRecordType<TTypesPolyline>());
    types.Register(1, FullRecordType<TTypesPolygon>());
    types.Register(2, FullRecordType<TTypesBezierPolyline>());
    types.Register(3, FullRecordType<TTypesBezierPolygon>());
    types.Register(4, FullRecordType<TTypesText>());
    types.Register(5, BitmapObjectType());
    types.Register(6, FullRecordType<TTypesForm>());
}

const TObjectTypes& ObjectTypes() {
    static const TObjectTypes types = [] {
        TObjectTypes registered;
        RegisterObjectTypes(registered);
        return registered;
    }();
    return types;
}

std::unique_ptr<TTypesObject> CreateObjectOfType(int typeCode, const TObjectContext& context,
                                                 const TProps& props, const TObjectTypes& types) {
    const TObjectType* type = types.Find(typeCode);
    return type ? type->Create(context, props) : nullptr;
}
