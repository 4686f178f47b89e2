#pragma once

#include "core/model/Project.h"

// Drops every undo and redo record of the current frame.
void ClearHistory(TProject& project);
