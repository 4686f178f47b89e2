#pragma once

#include "core/model/Project.h"

#include <functional>
#include <map>
#include <memory>

class TStream;

// What an object read from a file or the clipboard gets from the project it joins: the canvas,
// the project's zoom and the store its images go into.
struct TObjectContext {
    TObjectTable* Table = nullptr;
    Extended Zoom = 1.0L;
    TBitmapStore* BitmapStore = nullptr;
};

// How records of one object type are created and, for some types, shortened outside the
// master frame.
struct TObjectType {
    using TCreate =
        std::function<std::unique_ptr<TTypesObject>(const TObjectContext&, const TProps&)>;
    using TWriteCopy = std::function<void(const TTypesObject&, TStream&)>;
    using TReadCopy = std::function<void(TTypesObject&, TStream&, const TObjectList& master)>;

    // Makes a new object with the table, properties and zoom, as a freshly drawn one.
    TCreate Create;
    // The short record of a copy in a frame other than the master frame, and its reader, which
    // may take shared data from the master frame's object of the same ID. Unset for types that
    // write their full record in every frame.
    TWriteCopy WriteCopy;
    TReadCopy ReadCopy;
};

// Object types by the type code their records start with.
class TObjectTypes {
public:
    void Register(int typeCode, TObjectType type);
    // None for a code that no type registered.
    const TObjectType* Find(int typeCode) const;

private:
    std::map<int, TObjectType> FTypes;
};

// Every object type of the program, in one place.
void RegisterObjectTypes(TObjectTypes& types);
// The types registered by RegisterObjectTypes, built on first use.
const TObjectTypes& ObjectTypes();

// A new object of the type with that code; none for an unknown code.
std::unique_ptr<TTypesObject> CreateObjectOfType(int typeCode, const TObjectContext& context,
                                                 const TProps& props,
                                                 const TObjectTypes& types = ObjectTypes());
