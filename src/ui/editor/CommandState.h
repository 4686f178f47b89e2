#pragma once

class TTypesObject;

// What the availability of every command and control depends on, taken once per refresh.
struct TCommandState {
    bool Master = true;
    // The current frame has changes not yet taken over, or undone changes to redo.
    bool Pending = false;
    bool Redoable = false;
    bool Playing = false;
    const TTypesObject* Selected = nullptr;
    bool Multi = false;
    bool SelectedOnTop = false;
    bool SelectedAtBottom = false;
    // The selected object has a placement (text, image, shape) that angle and stretch change.
    bool SelectedPlaced = false;
    bool Modified = false;
    bool ClipboardHoldsObjects = false;
};
