#include "core/edit/FrameEdit.h"

#include "core/edit/Undo.h"
#include "core/model/ObjectId.h"

#include <utility>

TFrameEdit::TFrameEdit(TProject& project, bool grouped)
    : FProject(project), FGroup(grouped ? NewObjectID() : QString()) {}

int TFrameEdit::IndexOf(const TTypesObject& object) const {
    const TObjectList& objects = FProject.CurrentObjects();
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i].get() == &object)
            return static_cast<int>(i);
    return -1;
}

void TFrameEdit::Added(const TTypesObject& object) {
    RecordUndo(FProject, utAdded, &object, nullptr, IndexOf(object), -1, FGroup);
}

void TFrameEdit::Changed(const TTypesObject& object, const TTypesObject& before) {
    RecordUndo(FProject, utChanged, &object, &before, IndexOf(object), -1, FGroup);
}

void TFrameEdit::Change(TTypesObject& object, const std::function<void(TTypesObject&)>& edit) {
    const std::unique_ptr<TTypesObject> before = CloneObject(&object, FProject.Zoom);
    edit(object);
    Changed(object, *before);
}

void TFrameEdit::Delete(int index) {
    TObjectList& objects = FProject.CurrentObjects();
    objects[static_cast<std::size_t>(index)]->ChangeSelection(false, false);
    RecordUndo(FProject, utDeleted, objects[static_cast<std::size_t>(index)].get(), nullptr, index,
               -1, FGroup);
    objects.erase(objects.begin() + index);
}

void TFrameEdit::Reorder(int from, int to) {
    TObjectList& objects = FProject.CurrentObjects();
    RecordUndo(FProject, utReordered, objects[static_cast<std::size_t>(from)].get(), nullptr, from,
               to, FGroup);
    std::swap(objects[static_cast<std::size_t>(from)], objects[static_cast<std::size_t>(to)]);
}
