#pragma once

#include "core/model/TypesObject.h"
#include "core/model/UndoItem.h"

#include <memory>
#include <vector>

using TObjectList = std::vector<std::unique_ptr<TTypesObject>>;
using TUndoList = std::vector<std::unique_ptr<TUndoItem>>;

// One frame: its objects in painting order (index 0 first) and the history of its current visit.
struct TFrame {
    TObjectList Objects;
    TUndoList Undo;
    TUndoList Redo;
};

// Index of the first object whose ID equals id exactly, or -1.
int IndexOfID(const QString& id, const TObjectList& list);

// Removes the objects that are no keyframe for any aspect, keeping the order of the rest.
void StripFrame(TFrame& frame);
