#include "core/edit/Undo.h"

#include "core/edit/BitmapPurge.h"

#include <algorithm>
#include <typeinfo>

// A record whose indices or object no longer fit the list is skipped rather than applied, but
// still changes lists, so the history keeps its order and stepping always ends.

namespace {

bool InRange(const TObjectList& list, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

// The commands deselect before stepping, so touched objects come back unselected at the
// current zoom.
void Settle(TTypesObject& object, Extended zoom) {
    object.ChangeZoom(zoom, false);
    object.ChangeSelection(false, false);
}

// A new instance from the record, so the record keeps its own clone for the way back.
void InsertClone(TProject& project, const TTypesObject* source, std::int32_t index) {
    auto& list = project.CurrentObjects();
    if (!source || index < 0)
        return;
    const auto at = std::min(static_cast<std::size_t>(index), list.size());
    auto inserted = list.insert(list.begin() + at, CloneObject(source, project.Zoom));
    Settle(**inserted, project.Zoom);
}

void RemoveAt(TProject& project, std::int32_t index) {
    auto& list = project.CurrentObjects();
    if (InRange(list, index))
        list.erase(list.begin() + index);
}

// Assign expects its own class; a different object at the index means the record is stale.
void AssignAt(TProject& project, const TTypesObject* source, std::int32_t index) {
    auto& list = project.CurrentObjects();
    if (!source || !InRange(list, index))
        return;
    TTypesObject& target = *list[index];
    if (typeid(target) != typeid(*source))
        return;
    target.Assign(*source);
    Settle(target, project.Zoom);
}

void MoveObject(TProject& project, std::int32_t from, std::int32_t to) {
    auto& list = project.CurrentObjects();
    if (!InRange(list, from) || !InRange(list, to))
        return;
    auto first = list.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    Settle(*list[to], project.Zoom);
}

void Reverse(TProject& project, const TUndoItem& record) {
    switch (record.UndoType) {
    case utAdded:
        RemoveAt(project, record.UndoIndex);
        break;
    case utChanged:
        AssignAt(project, record.UndoObjectEx.get(), record.UndoIndex);
        break;
    case utDeleted:
        InsertClone(project, record.UndoObject.get(), record.UndoIndex);
        break;
    case utReordered:
        MoveObject(project, record.UndoIndexEx, record.UndoIndex);
        break;
    }
}

void Repeat(TProject& project, const TUndoItem& record) {
    switch (record.UndoType) {
    case utAdded:
        InsertClone(project, record.UndoObject.get(), record.UndoIndex);
        break;
    case utChanged:
        AssignAt(project, record.UndoObject.get(), record.UndoIndex);
        break;
    case utDeleted:
        RemoveAt(project, record.UndoIndex);
        break;
    case utReordered:
        MoveObject(project, record.UndoIndex, record.UndoIndexEx);
        break;
    }
}

using TApply = void (*)(TProject&, const TUndoItem&);

// Applies the newest record of from and moves it to to, then the rest of its group.
void Step(TProject& project, TUndoList& from, TUndoList& to, TApply apply) {
    if (from.empty())
        return;
    const QString group = from.back()->UndoId;
    do {
        std::unique_ptr<TUndoItem> record = std::move(from.back());
        from.pop_back();
        apply(project, *record);
        to.push_back(std::move(record));
    } while (!group.isEmpty() && !from.empty() && from.back()->UndoId == group);
}

} // namespace

void RecordUndo(TProject& project, std::int32_t undoType, const TTypesObject* undoObject,
                const TTypesObject* undoObjectEx, std::int32_t undoIndex, std::int32_t undoIndexEx,
                const QString& undoId) {
    project.CurrentRedo().clear();
    project.CurrentUndo().push_back(std::make_unique<TUndoItem>(
        undoType, undoObject, undoObjectEx, undoIndex, undoIndexEx, undoId, project.Zoom));
    PurgeUnusedBitmaps(project);
}

bool CanUndo(const TProject& project) {
    return !project.CurrentUndo().empty();
}

bool CanRedo(const TProject& project) {
    return !project.CurrentRedo().empty();
}

void UndoStep(TProject& project) {
    Step(project, project.CurrentUndo(), project.CurrentRedo(), Reverse);
}

void RedoStep(TProject& project) {
    Step(project, project.CurrentRedo(), project.CurrentUndo(), Repeat);
}

void ClearHistory(TProject& project) {
    project.CurrentUndo().clear();
    project.CurrentRedo().clear();
}
