#include "ui/editor/EditorState.h"

int TEditorState::IndexOfObject(const TTypesObject* object) const {
    const TObjectList& objects = Project.CurrentObjects();
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i].get() == object)
            return static_cast<int>(i);
    return -1;
}

void TEditorState::Deselect(bool repaint) {
    if (!FTypesObject)
        return;
    FTypesObject->ChangeSelection(false, repaint);
    FTypesObject = nullptr;
}
