#include "core/anim/FrameSwitch.h"

#include "core/anim/Anim.h"

TTypesObject* SwitchFrame(TProject& project, int target, const QString& selectedId, bool& changed) {
    if (!project.CurrentUndo().empty())
        changed = true;
    // The pending changes of the frame that is left are taken over; its history ends here.
    project.CurrentUndo().clear();
    project.CurrentRedo().clear();
    if (project.CurrentFrame > 0)
        StripFrame(*project.Frames[project.CurrentFrame]);
    project.CurrentFrame = target;
    if (target > 0)
        BuildFrame(project, target);
    if (selectedId.isEmpty())
        return nullptr;
    const int index = IndexOfID(selectedId, project.CurrentObjects());
    return index < 0 ? nullptr : project.CurrentObjects()[index].get();
}
