#pragma once

#include "core/model/Project.h"

// The history of the current frame. Records own clones of the objects they name; the caller
// keeps its own objects.

// Drops the redo records, appends a new record to the undo list and prunes unused images.
void RecordUndo(TProject& project, std::int32_t undoType, const TTypesObject* undoObject,
                const TTypesObject* undoObjectEx, std::int32_t undoIndex, std::int32_t undoIndexEx,
                const QString& undoId);

bool CanUndo(const TProject& project);
bool CanRedo(const TProject& project);

// Reverses the newest record, and with it every record before it of the same non-empty group.
void UndoStep(TProject& project);
// Repeats the newest undone record, and with it the rest of its group.
void RedoStep(TProject& project);

// Drops every undo and redo record of the current frame.
void ClearHistory(TProject& project);
