#include "core/anim/Anim.h"
#include "core/edit/Undo.h"
#include "core/model/ProjectSettings.h"
#include "core/text/CommonTexts.h"
#include "ui/DialogService.h"
#include "ui/NewForm.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/DocumentPart.h"
#include "ui/editor/EditorState.h"

bool TDocumentPart::AskProjectSettings(const QString& caption) {
    TProjectSettings settings = TProjectSettings::Of(FState.Project);
    TOnionSettings onion = FCanvas.OnionSettings();
    if (!FDialogs.EditProjectSettings(FWindow, caption, settings, onion))
        return false;
    FCanvas.SetOnionSettings(onion);
    const TImageLoadResult loaded = ApplyProjectSettings(settings, FState.Project);
    if (!loaded.Ok)
        FDialogs.Error(FWindow, ResStr(kErrorCaption), loaded.Error);
    return loaded.Ok;
}

void TDocumentPart::SettingsAction1Execute() {
    TProject& project = FState.Project;
    const int shown = project.CurrentFrame;
    if (!AskProjectSettings(ResStr(kProjectSettingsCaption)))
        return;
    FCanvas.DropSelection();
    // A built frame holds copies of every object; it goes back to its keyframes, with what is
    // pending taken over, before the sequence changes under it.
    if (shown > 0 && shown < static_cast<int>(project.Frames.size())) {
        ClearHistory(project);
        StripFrame(*project.Frames[shown]);
    }
    ClearHistory(project);
    ResizeFrames(project, project.FrameCount);
    FCanvas.ResetZoom();
    for (const auto& frame : project.Frames)
        for (const auto& object : frame->Objects)
            object->ChangeZoom(project.Zoom, false);
    FState.Changed = true;
    FCanvas.UpdateCanvasExtent();
    FState.Notify(TChange::Project);
}
