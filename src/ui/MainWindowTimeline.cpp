#include "core/anim/Anim.h"
#include "core/anim/Aspects.h"
#include "core/edit/Undo.h"
#include "ui/BufferedScrollTable.h"
#include "ui/DialogService.h"
#include "ui/MainWindow.h"
#include "ui/TimelineGrid.h"

#include <QAction>
#include <QComboBox>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace {
// A file keeps its playback range as stored, which may lie outside its frames.
int PlayFirst(const TProject& project) {
    return std::clamp(project.PlayStart, 0, project.FrameCount - 1);
}

int PlayLast(const TProject& project) {
    return std::clamp(project.PlayEnd, 0, project.FrameCount - 1);
}
} // namespace

void TMainForm::FrameComboChange(bool askUser) {
    const QString selectedId = FTypesObject ? FTypesObject->ID : QString();
    EndMultiSelection();
    if (FTypesObject) {
        Deselect(false);
        ResetCursorAndRepaint();
        FinishCommand();
    }
    BufferedScrollTable1->setFocus();
    if (CanUndo(FProject) && askUser) {
        const int choice = FDialogs->ShowChoiceDialog(
            this, QStringLiteral("Information"),
            QStringLiteral("Es wurden Änderungen vorgenommen. Wie wollen Sie fortfahren?"),
            QStringLiteral("Übernehmen"), QStringLiteral("Abbruch"), QStringLiteral("Verwerfen"));
        if (choice == 2) {
            FrameCombo->setCurrentIndex(FProject.CurrentFrame);
            FinishCommand();
            return;
        }
        if (choice == 1)
            while (CanUndo(FProject))
                UndoStep(FProject);
    }
    if (CanUndo(FProject))
        FChanged = true;
    ClearHistory(FProject);
    if (FProject.CurrentFrame > 0)
        StripFrame(*FProject.Frames[FProject.CurrentFrame]);
    FProject.CurrentFrame = FrameCombo->currentIndex();
    if (FProject.CurrentFrame > 0) {
        BuildFrame(FProject, FProject.CurrentFrame);
        FToolActions[0]->setChecked(true);
        ApplyToolMode();
    }
    const TObjectList& objects = FProject.CurrentObjects();
    const int index = selectedId.isEmpty() ? -1 : IndexOfID(selectedId, objects);
    if (index >= 0) {
        FTypesObject = objects[index].get();
        FTypesObject->ChangeSelection(true, false);
    }
    DrawGrid1->viewport()->update();
    ResetCursorAndRepaint();
    BufferedScrollTable1->setFocus();
    FinishCommand();
}

void TMainForm::SwitchToFrame(int frame) {
    FrameCombo->setCurrentIndex(frame);
    FrameComboChange(false);
    DrawGrid1->viewport()->update();
    ResetCursorAndRepaint();
    FinishCommand();
}

void TMainForm::TakeSpeedClick() {
    FrameCombo->setCurrentIndex(FProject.CurrentFrame);
    FrameComboChange(false);
}

void TMainForm::ScrollToCurrentFrame() {
    const int column = FProject.CurrentFrame + 1;
    if (column < DrawGrid1->LeftCol() || DrawGrid1->CellRect(column, 0).isEmpty() ||
        DrawGrid1->CellRect(column, 0).right() >= DrawGrid1->viewport()->width())
        DrawGrid1->SetLeftCol(column);
}

void TMainForm::DrawGrid1MouseDown(int column, int row, Qt::KeyboardModifiers) {
    if (row == 0 && column >= 1) {
        SwitchToFrame(column - 1);
        FGridDrag = true;
        KeyDrag = false;
        FKeySource = {-1, -1};
    } else if (row >= 1 && column >= 1 && FProject.CurrentFrame > 0) {
        FGridDrag = true;
        KeyDrag = true;
        FKeySource = {column - 1, row - 1};
    }
}

void TMainForm::DrawGrid1MouseMove(int column, int) {
    // Scrubbing: the frame under the pointer becomes current.
    if (FGridDrag && !KeyDrag && column >= 1 && column - 1 != FProject.CurrentFrame)
        SwitchToFrame(column - 1);
}

void TMainForm::DrawGrid1MouseUp(int column, int, Qt::KeyboardModifiers modifiers) {
    const int target = column - 1;
    // A drop on the current frame's own column would move the keyframe onto itself.
    if (FGridDrag && KeyDrag && column >= 1 && target != FKeySource.x() && FKeySource.y() >= 0 &&
        FTypesObject && !CanUndo(FProject) && target != FProject.CurrentFrame) {
        const auto aspect = static_cast<TAspect>(FKeySource.y());
        if (MoveKeyframe(FProject, aspect, FProject.CurrentFrame, target, *FTypesObject,
                         modifiers & Qt::ShiftModifier)) {
            FChanged = true;
            SwitchToFrame(target);
        }
    }
    FGridDrag = false;
    KeyDrag = false;
    FKeySource = {-1, -1};
}

void TMainForm::DrawGrid1DblClick(int column, int row) {
    if (!FTypesObject || CanUndo(FProject))
        return;
    if (row >= 1 && row <= 5 && column == FProject.CurrentFrame + 1 && FProject.CurrentFrame > 0) {
        const auto aspect = static_cast<TAspect>(row - 1);
        SetKeyFrame(*FTypesObject, aspect, !IsKeyFrame(*FTypesObject, aspect));
        FChanged = true;
    }
    SwitchToFrame(FProject.CurrentFrame);
}

void TMainForm::PlaySpeedClick() {
    UpdateControls();
    if (FrameCombo->currentIndex() == PlayLast(FProject)) {
        FrameCombo->setCurrentIndex(PlayFirst(FProject));
        FrameComboChange(false);
    }
    FPlayLoopLevel = QThread::currentThread()->loopLevel();
    if (!FPlayTimer) {
        FPlayTimer = new QTimer(this);
        FPlayTimer->setTimerType(Qt::PreciseTimer);
        connect(FPlayTimer, &QTimer::timeout, this, &TMainForm::PlayStep);
    }
    FPlayTimer->start(RoundHalfEven(1000.0L / FProject.FramesPerSec));
}

void TMainForm::PlayStep() {
    if (!PlaySpeed->isChecked()) {
        FPlayTimer->stop();
        UpdateControls();
        return;
    }
    // A modal dialog runs an event loop of its own; the frame it was opened on stays current
    // until it closes, so its edit lands there.
    if (QThread::currentThread()->loopLevel() > FPlayLoopLevel)
        return;
    const int shown = FrameCombo->currentIndex();
    if (shown < PlayLast(FProject)) {
        FrameCombo->setCurrentIndex(shown + 1);
    } else if (!EndlessSpeed->isChecked()) {
        PlaySpeed->setChecked(false);
        FPlayTimer->stop();
        FrameComboChange(false);
        ScrollToCurrentFrame();
        UpdateControls();
        return;
    } else {
        FrameCombo->setCurrentIndex(PlayFirst(FProject));
    }
    FrameComboChange(false);
    ScrollToCurrentFrame();
}

void TMainForm::SetPlayRange(bool start) {
    std::int32_t& bound = start ? FProject.PlayStart : FProject.PlayEnd;
    if (bound == FProject.CurrentFrame)
        return;
    bound = FProject.CurrentFrame;
    // The range is saved with the project.
    FChanged = true;
    UpdateControls();
}

void TMainForm::StepComboChange(int index) {
    FProject.TimelineStep = index;
    BufferedScrollTable1->setFocus();
    SetupTimeline();
}
