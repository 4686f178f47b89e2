#include "core/edit/FrameEdit.h"
#include "core/edit/Undo.h"
#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <algorithm>

namespace {
const std::array<Extended, 7> kZoomTable = {0.0L, 0.25L, 0.5L, 1.0L, 1.5L, 2.0L, 4.0L};
// A canvas narrower than its margins leaves no room to fit into; the project then still shows,
// small, and the coordinate conversions keep a factor to divide by.
constexpr Extended kSmallestFitZoom = 0.05L;
} // namespace

void TMainForm::UndoAction1Execute() {
    EndMultiSelection();
    if (!CanUndo(FProject))
        return;
    Deselect(false);
    UndoStep(FProject);
    ResetCursorAndRepaint();
    FinishCommand();
}

void TMainForm::RedoAction1Execute() {
    EndMultiSelection();
    if (!CanRedo(FProject))
        return;
    Deselect(false);
    RedoStep(FProject);
    ResetCursorAndRepaint();
    FinishCommand();
}

void TMainForm::DeleteAction1Execute() {
    if (MultiSelectionActive()) {
        DeleteMultiSelection();
    } else if (FTypesObject) {
        const int index = IndexOfObject(FTypesObject);
        FTypesObject = nullptr;
        TFrameEdit(FProject).Delete(index);
    }
    ResetCursorAndRepaint();
    FinishCommand();
}

void TMainForm::DeleteMultiSelection() {
    TFrameEdit step(FProject, true);
    // From the highest index down, so undoing re-inserts from the lowest up.
    for (auto it = MultiSelection.rbegin(); it != MultiSelection.rend(); ++it)
        step.Delete(*it);
    ClearMultiSelection();
}

void TMainForm::ZoomComboChange(int index) {
    if (index < 0 || index >= static_cast<int>(kZoomTable.size()))
        return;
    EndMultiSelection();
    if (index == 0) {
        const QSize client = BufferedScrollTable1->viewport()->size();
        const Extended fit = std::min(
            static_cast<Extended>(client.width() - 2 * TProject::Margin) / FProject.ProjectWidth,
            static_cast<Extended>(client.height() - 2 * TProject::Margin) / FProject.ProjectHeight);
        FProject.Zoom = std::max(fit, kSmallestFitZoom);
    } else {
        FProject.Zoom = kZoomTable[index];
    }
    for (const auto& frame : FProject.Frames)
        for (const auto& object : frame->Objects)
            object->ChangeZoom(FProject.Zoom, false);
    UpdateCanvasExtent();
    ResetCursorAndRepaint();
    BufferedScrollTable1->setFocus();
    FinishCommand();
}

void TMainForm::ObjectComboChange(int index) {
    EndMultiSelection();
    TObjectList& objects = FProject.CurrentObjects();
    if (index < 0 || index >= static_cast<int>(objects.size()))
        return;
    Deselect(false);
    FTypesObject = objects[index].get();
    FTypesObject->ChangeSelection(true, false);
    ResetCursorAndRepaint();
    BufferedScrollTable1->setFocus();
    FinishCommand();
}
