#include "core/edit/Undo.h"

void ClearHistory(TProject& project) {
    project.CurrentUndo().clear();
    project.CurrentRedo().clear();
}
