#include "ui/editor/TimelinePart.h"
#include "core/anim/Anim.h"
#include "core/anim/Aspects.h"
#include "core/edit/Undo.h"
#include "core/text/CommonTexts.h"
#include "ui/DialogService.h"
#include "ui/TimelineGrid.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"

#include <QComboBox>

void TTimelinePart::FrameComboChange(bool askUser) {
    const QString selectedId = FState.FTypesObject ? FState.FTypesObject->ID : QString();
    FCanvas.EndMultiSelection();
    if (FState.FTypesObject) {
        FState.Deselect(false);
        FState.Notify(TChange::Objects);
    }
    FCanvas.Focus();
    if (CanUndo(FState.Project) && askUser) {
        const int choice = FDialogs.ShowChoiceDialog(
            FWindow, ResStr(23010, "Information"),
            ResStr(23011, "Es wurden Änderungen vorgenommen. Wie wollen Sie fortfahren?"),
            ResStr(23012, "Übernehmen"), ResStr(kCancelText), ResStr(23013, "Verwerfen"));
        if (choice == 2) {
            FrameCombo->setCurrentIndex(FState.Project.CurrentFrame);
            FState.Notify(TChange::Selection);
            return;
        }
        if (choice == 1)
            while (CanUndo(FState.Project))
                UndoStep(FState.Project);
    }
    if (CanUndo(FState.Project))
        FState.Changed = true;
    ClearHistory(FState.Project);
    if (FState.Project.CurrentFrame > 0)
        StripFrame(*FState.Project.Frames[FState.Project.CurrentFrame]);
    FState.Project.CurrentFrame = FrameCombo->currentIndex();
    if (FState.Project.CurrentFrame > 0) {
        BuildFrame(FState.Project, FState.Project.CurrentFrame);
        FCanvas.SelectSelectionTool();
    }
    const TObjectList& objects = FState.Project.CurrentObjects();
    const int index = selectedId.isEmpty() ? -1 : IndexOfID(selectedId, objects);
    if (index >= 0) {
        FState.FTypesObject = objects[index].get();
        FState.FTypesObject->ChangeSelection(true, false);
    }
    DrawGrid1->viewport()->update();
    FCanvas.ResetCursorAndRepaint();
    FCanvas.Focus();
    FState.Notify(TChange::Selection);
}

void TTimelinePart::SwitchToFrame(int frame) {
    FrameCombo->setCurrentIndex(frame);
    FrameComboChange(false);
    DrawGrid1->viewport()->update();
    FState.Notify(TChange::Objects);
}

void TTimelinePart::TakeSpeedClick() {
    FrameCombo->setCurrentIndex(FState.Project.CurrentFrame);
    FrameComboChange(false);
}

void TTimelinePart::ScrollToCurrentFrame() {
    const int column = FState.Project.CurrentFrame + 1;
    if (column < DrawGrid1->LeftCol() || DrawGrid1->CellRect(column, 0).isEmpty() ||
        DrawGrid1->CellRect(column, 0).right() >= DrawGrid1->viewport()->width())
        DrawGrid1->SetLeftCol(column);
}

void TTimelinePart::DrawGrid1MouseDown(int column, int row, Qt::KeyboardModifiers) {
    if (row == 0 && column >= 1) {
        SwitchToFrame(column - 1);
        FGridDrag = true;
        KeyDrag = false;
        FKeySource = {-1, -1};
    } else if (row >= 1 && column >= 1 && FState.Project.CurrentFrame > 0) {
        FGridDrag = true;
        KeyDrag = true;
        FKeySource = {column - 1, row - 1};
    }
}

void TTimelinePart::DrawGrid1MouseMove(int column, int) {
    // Scrubbing: the frame under the pointer becomes current.
    if (FGridDrag && !KeyDrag && column >= 1 && column - 1 != FState.Project.CurrentFrame)
        SwitchToFrame(column - 1);
}

void TTimelinePart::DrawGrid1MouseUp(int column, int, Qt::KeyboardModifiers modifiers) {
    const int target = column - 1;
    // A drop on the current frame's own column would move the keyframe onto itself.
    if (FGridDrag && KeyDrag && column >= 1 && target != FKeySource.x() && FKeySource.y() >= 0 &&
        FState.FTypesObject && !CanUndo(FState.Project) && target != FState.Project.CurrentFrame) {
        const auto aspect = static_cast<TAspect>(FKeySource.y());
        if (MoveKeyframe(FState.Project, aspect, FState.Project.CurrentFrame, target,
                         *FState.FTypesObject, modifiers & Qt::ShiftModifier)) {
            FState.Changed = true;
            SwitchToFrame(target);
        }
    }
    FGridDrag = false;
    KeyDrag = false;
    FKeySource = {-1, -1};
}

void TTimelinePart::DrawGrid1DblClick(int column, int row) {
    if (!FState.FTypesObject || CanUndo(FState.Project))
        return;
    if (row >= 1 && row <= 5 && column == FState.Project.CurrentFrame + 1 &&
        FState.Project.CurrentFrame > 0) {
        const auto aspect = static_cast<TAspect>(row - 1);
        SetKeyFrame(*FState.FTypesObject, aspect, !IsKeyFrame(*FState.FTypesObject, aspect));
        FState.Changed = true;
    }
    SwitchToFrame(FState.Project.CurrentFrame);
}
