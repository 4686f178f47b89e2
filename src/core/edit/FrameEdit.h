#pragma once

#include "core/model/Project.h"

#include <functional>

// One undoable step of a command on the current frame's objects: each edit changes the list
// or the object and records its undo entry. A grouped step gives all its records one new group
// ID, so a single undo reverts them together; an ungrouped step records without one.
class TFrameEdit {
public:
    explicit TFrameEdit(TProject& project, bool grouped = false);

    // An object a creation gesture has already put into the list.
    void Added(const TTypesObject& object);
    // An object changed by a gesture, with its state from before the gesture.
    void Changed(const TTypesObject& object, const TTypesObject& before);
    // Changes the object through edit and records it with its state from before.
    void Change(TTypesObject& object, const std::function<void(TTypesObject&)>& edit);
    // Deletes the object at index; several deletions in one step go from the highest index down.
    void Delete(int index);
    // Moves the object at from to the neighbouring position to.
    void Reorder(int from, int to);

private:
    int IndexOf(const TTypesObject& object) const;

    TProject& FProject;
    QString FGroup;
};
