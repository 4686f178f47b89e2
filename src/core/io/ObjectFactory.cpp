#include "core/io/ObjectFactory.h"

void TObjectTypes::Register(int typeCode, TObjectType type) {
    FTypes[typeCode] = std::move(type);
}

const TObjectType* TObjectTypes::Find(int typeCode) const {
    const auto found = FTypes.find(typeCode);
    return found == FTypes.end() ? nullptr : &found->second;
}

void RegisterObjectTypes(TObjectTypes& /*types*/) {}

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
