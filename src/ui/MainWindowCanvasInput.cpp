#include "core/edit/FrameEdit.h"
#include "core/objects/ObjectFactory.h"
#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"
#include "ui/RectOps.h"

#include <QAction>
#include <QMouseEvent>

namespace {
// The object class each creation tool makes, by type code; the selection tool makes none.
constexpr std::array<int, TMainForm::ToolCount> kToolTypeCodes = {-1, 0, 2, 1, 3, 5, 4, 6};
constexpr int kImageTool = 5;
constexpr int kTextTool = 6;
constexpr int kFormTool = 7;

// Tools whose press opens a modal dialog: the release goes to the dialog, so the creation
// gesture ends with the press.
bool EndsOnPress(int tool) {
    return tool == kImageTool || tool == kTextTool || tool == kFormTool;
}

bool IsPointListTool(int tool) {
    return tool >= 1 && tool <= 4;
}

TShiftState ShiftStateOf(const QMouseEvent& event) {
    TShiftState shift = 0;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    const Qt::MouseButtons buttons = event.buttons() | event.button();
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    if (event.type() == QEvent::MouseButtonDblClick)
        shift |= ssDouble;
    return shift;
}
} // namespace

int TMainForm::CurrentTool() const {
    for (int i = 0; i < ToolCount; ++i)
        if (FToolActions[i]->isChecked())
            return i;
    return 0;
}

int TMainForm::IndexOfObject(const TTypesObject* object) const {
    const TObjectList& objects = FProject.CurrentObjects();
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i].get() == object)
            return static_cast<int>(i);
    return -1;
}

void TMainForm::Deselect(bool repaint) {
    if (!FTypesObject)
        return;
    FTypesObject->ChangeSelection(false, repaint);
    FTypesObject = nullptr;
}

void TMainForm::ResetCursorAndRepaint() {
    BufferedScrollTable1->SetCursor(TCursor::Default);
    BufferedScrollTable1->Invalidate();
}

void TMainForm::FinishCommand() {
    UpdateControls();
    FillObjectCombo();
}

void TMainForm::ApplyToolMode() {
    if (MultiSelectionActive())
        EndMultiSelection();
    if (InSelectionMode() && FTypesObject) {
        Deselect(false);
        ResetCursorAndRepaint();
        FinishCommand();
    }
}

void TMainForm::CanvasMouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint() - ProjectArea().topLeft();
    if (InSelectionMode())
        ChangeMouseDown(ShiftStateOf(*event), at);
    else if (IsMaster())
        CreateMouseDown(ShiftStateOf(*event), at);
}

void TMainForm::CanvasMouseMove(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - ProjectArea().topLeft();
    if (InSelectionMode())
        ChangeMouseMove(ShiftStateOf(*event), at);
    else
        CreateMouseMove(ShiftStateOf(*event), at);
}

void TMainForm::CanvasMouseUp(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint() - ProjectArea().topLeft();
    if (InSelectionMode())
        ChangeMouseUp(ShiftStateOf(*event), at);
    else
        CreateMouseUp(ShiftStateOf(*event), at);
}

void TMainForm::CanvasDblClick() {
    EndMultiSelection();
    if (FTypesObject) {
        FTypesObject->DblClick();
        FinishCommand();
    }
}

void TMainForm::CreateMouseDown(TShiftState shift, QPoint at) {
    const int tool = CurrentTool();
    CreateActive = true;
    FTempObject = CloneObject(FTypesObject, FProject.Zoom);
    if (IsPointListTool(tool) && FTypesObject && FTypesObject->TypeCode() == kToolTypeCodes[tool]) {
        ExtendMode = 1;
        FTypesObject->CreateMouseDown(TMouseButton::mbLeft, shift, at.x(), at.y(), Flag);
        return;
    }
    if (FTypesObject)
        Deselect(true);
    ExtendMode = 0;
    const TObjectContext context{BufferedScrollTable1, FProject.Zoom, &FProject.BitmapStore};
    std::unique_ptr<TTypesObject> created =
        CreateObjectOfType(kToolTypeCodes[tool], context, NewObjectProps(FSettings.Defaults));
    Flag = false;
    if (created) {
        created->CreateMouseDown(TMouseButton::mbLeft, shift, at.x(), at.y(), Flag);
        if (Flag) {
            FTypesObject = created.get();
            FProject.CurrentObjects().push_back(std::move(created));
            if (EndsOnPress(tool))
                CreateMouseUp(shift, at);
        }
    }
    FinishCommand();
}

void TMainForm::CreateMouseMove(TShiftState shift, QPoint at) {
    if (FTypesObject)
        FTypesObject->CreateMouseMove(shift, at.x(), at.y());
}

void TMainForm::CreateMouseUp(TShiftState shift, QPoint at) {
    // Dialog tools end their gesture on the press; the real release must not record it again.
    if (!CreateActive)
        return;
    CreateActive = false;
    if (FTypesObject) {
        FTypesObject->CreateMouseUp(TMouseButton::mbLeft, shift, at.x(), at.y());
        if (FTypesObject->HasChanged()) {
            TFrameEdit step(FProject);
            if (ExtendMode == 0)
                step.Added(*FTypesObject);
            else
                step.Changed(*FTypesObject, *FTempObject);
        }
    }
    FinishCommand();
    FTempObject.reset();
}

void TMainForm::ChangeMouseDown(TShiftState shift, QPoint at) {
    if ((shift & ssShift) && ToggleMultiSelection(at)) {
        Deselect(true);
        ResetCursorAndRepaint();
        FinishCommand();
        return;
    }
    if (MultiSelectionActive() && Contains(MultiSelectionRect, at)) {
        DragActive = true;
        DragStart = at;
        DragRect = Shifted(MultiSelectionRect, ProjectArea().topLeft());
        BufferedScrollTable1->Invalidate();
        return;
    }
    if (PassPressToSelected(shift, at))
        return;
    if (FTypesObject)
        Deselect(true);
    if (MultiSelectionActive())
        EndMultiSelection();
    HitTestFromTop(shift, at);
    if (!FTypesObject) {
        DragActive = true;
        const QPoint pointer = at + ProjectArea().topLeft();
        DragRect = {pointer.x(), pointer.y(), pointer.x(), pointer.y()};
        BufferedScrollTable1->Invalidate();
    }
    FinishCommand();
    FTempObject = CloneObject(FTypesObject, FProject.Zoom);
}

bool TMainForm::PassPressToSelected(TShiftState shift, QPoint at) {
    if (!FTypesObject)
        return false;
    if (!Contains(FTypesObject->GetRect(), at))
        return false;
    FTypesObject->ChangeMouseDown(TMouseButton::mbLeft, shift, at.x(), at.y(), Flag);
    if (!Flag) {
        FTypesObject = nullptr;
        return false;
    }
    ResetCursorAndRepaint();
    FinishCommand();
    FTempObject = CloneObject(FTypesObject, FProject.Zoom);
    return true;
}

void TMainForm::HitTestFromTop(TShiftState shift, QPoint at) {
    TObjectList& objects = FProject.CurrentObjects();
    Flag = false;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        FTypesObject = it->get();
        FTypesObject->ChangeMouseDown(TMouseButton::mbLeft, shift, at.x(), at.y(), Flag);
        if (Flag)
            return;
    }
    FTypesObject = nullptr;
}

void TMainForm::ChangeMouseMove(TShiftState shift, QPoint at) {
    if (DragActive && MultiSelectionActive()) {
        DragRect = Shifted(DragRect, at - DragStart);
        DragStart = at;
        BufferedScrollTable1->Invalidate();
    } else if (FTypesObject) {
        FTypesObject->ChangeMouseMove(shift, at.x(), at.y());
    } else if (DragActive) {
        const QPoint pointer = at + ProjectArea().topLeft();
        DragRect.Right = pointer.x();
        DragRect.Bottom = pointer.y();
        BufferedScrollTable1->Invalidate();
    }
}

void TMainForm::ChangeMouseUp(TShiftState shift, QPoint at) {
    // Only a shift-click that toggled the multi-selection has nothing left to finish.
    if (DragActive || !((shift & ssShift) && MultiSelectionActive()))
        EndChangeGesture(shift, at);
    FinishCommand();
    FTempObject.reset();
}

void TMainForm::EndChangeGesture(TShiftState shift, QPoint at) {
    const QPoint corner = ProjectArea().topLeft();
    if (DragActive && MultiSelectionActive()) {
        DragActive = false;
        MoveMultiSelection(DragRect.Left - corner.x() - MultiSelectionRect.Left,
                           DragRect.Top - corner.y() - MultiSelectionRect.Top);
        MultiSelectionRect = Shifted(DragRect, -corner);
        BufferedScrollTable1->Invalidate();
    } else if (FTypesObject) {
        FTypesObject->ChangeMouseUp(TMouseButton::mbLeft, shift, at.x(), at.y());
        if (FTypesObject->HasChanged() && Flag)
            TFrameEdit(FProject).Changed(*FTypesObject, *FTempObject);
    } else if (DragActive) {
        DragActive = false;
        MultiSelectionRect = Shifted(DragRect, -corner);
        SelectInRect();
        BufferedScrollTable1->Invalidate();
    }
}
