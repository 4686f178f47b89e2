#include "core/model/UndoItem.h"

TUndoItem::TUndoItem(std::int32_t undoType, const TTypesObject* undoObject,
                     const TTypesObject* undoObjectEx, std::int32_t undoIndex,
                     std::int32_t undoIndexEx, const QString& undoId, Extended globalZoom)
    : UndoType(undoType), UndoObject(CloneObject(undoObject, globalZoom)),
      UndoObjectEx(CloneObject(undoObjectEx, globalZoom)), UndoIndex(undoIndex),
      UndoIndexEx(undoIndexEx), UndoId(undoId) {}
