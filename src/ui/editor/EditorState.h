#pragma once

#include "core/model/Project.h"
#include "ui/SettingsStore.h"

#include <QObject>
#include <vector>

// What a command changed, so the window refreshes exactly what shows it.
enum class TChange : unsigned {
    // The selection or a command's availability: enabling, panels, status and object box.
    Selection = 1,
    // The objects on the canvas: a repaint with the default cursor, then as Selection.
    Objects = 3,
    // The project as a whole: frames and timeline too.
    Project = 7,
};

// The state every part of the window works on: the project, the panel defaults, the selection
// and whether the project differs from its file. Parts change it and then say so through
// Notify; the window answers the one notification by refreshing what the change touched.
class TEditorState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    TProject Project;
    TEditorSettings Settings;
    // The selected object of the current frame, or none.
    TTypesObject* FTypesObject = nullptr;
    // Indices into the current frame's objects, ascending, and the rectangle around them.
    std::vector<int> MultiSelection;
    TRect MultiSelectionRect;
    bool Changed = false;

    bool MultiSelectionActive() const { return !MultiSelection.empty(); }
    bool IsModified() const { return Changed || !Project.CurrentUndo().empty(); }
    int IndexOfObject(const TTypesObject* object) const;
    // Drops the single selection without a refresh.
    void Deselect(bool repaint);

    void Notify(TChange change) { emit Updated(change); }

signals:
    void Updated(TChange change);
};

// Objects and Project repaint the canvas; only Project rebuilds the frames and timeline.
inline bool RepaintsCanvas(TChange change) {
    return static_cast<unsigned>(change) & 2U;
}
inline bool RebuildsFrames(TChange change) {
    return static_cast<unsigned>(change) & 4U;
}
