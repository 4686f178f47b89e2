#pragma once

#include "core/model/Project.h"

// The document side of making frame target current. selectedId is the ID of the object that
// was selected before the switch (empty for none); the result is the object of the new frame
// with that ID, or none. changed is set when the frame that is left had pending changes; that
// frame's history is dropped.
TTypesObject* SwitchFrame(TProject& project, int target, const QString& selectedId, bool& changed);
