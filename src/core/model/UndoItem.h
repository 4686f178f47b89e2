#pragma once

#include "core/model/TypesObject.h"

#include <memory>

// Kinds of history records.
enum TUndoType : std::int32_t {
    utAdded = 0,
    utChanged = 1,
    utDeleted = 2,
    utReordered = 3,
};

// One history record of a frame; it owns private clones of the objects involved.
struct TUndoItem {
    TUndoItem(std::int32_t undoType, const TTypesObject* undoObject,
              const TTypesObject* undoObjectEx, std::int32_t undoIndex, std::int32_t undoIndexEx,
              const QString& undoId, Extended globalZoom);

    std::int32_t UndoType;
    std::unique_ptr<TTypesObject> UndoObject;
    std::unique_ptr<TTypesObject> UndoObjectEx;
    std::int32_t UndoIndex;
    std::int32_t UndoIndexEx;
    QString UndoId;
};
