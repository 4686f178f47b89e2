#include "core/edit/FrameEdit.h"
#include "core/objects/ObjectFactory.h"
#include "ui/BufferedScrollTable.h"
#include "ui/RectOps.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"

#include <QAction>
#include <QMouseEvent>

namespace {
// The object class each creation tool makes, by type code; the selection tool makes none.
constexpr std::array<int, TCanvasPart::ToolCount> kToolTypeCodes = {-1, 0, 2, 1, 3, 5, 4, 6};
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

int TCanvasPart::CurrentTool() const {
    for (int i = 0; i < ToolCount; ++i)
        if (FToolActions[i]->isChecked())
            return i;
    return 0;
}

void TCanvasPart::SelectSelectionTool() {
    FToolActions[0]->setChecked(true);
    ApplyToolMode();
}

void TCanvasPart::ApplyToolMode() {
    if (FState.MultiSelectionActive())
        EndMultiSelection();
    if (InSelectionMode() && FState.FTypesObject) {
        FState.Deselect(false);
        FState.Notify(TChange::Objects);
    }
}

void TCanvasPart::CanvasMouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint() - ProjectArea().topLeft();
    if (InSelectionMode())
        ChangeMouseDown(ShiftStateOf(*event), at);
    else if (FState.Project.CurrentFrame == 0)
        CreateMouseDown(ShiftStateOf(*event), at);
}

void TCanvasPart::CanvasMouseMove(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - ProjectArea().topLeft();
    if (InSelectionMode())
        ChangeMouseMove(ShiftStateOf(*event), at);
    else
        CreateMouseMove(ShiftStateOf(*event), at);
}

void TCanvasPart::CanvasMouseUp(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint() - ProjectArea().topLeft();
    if (InSelectionMode())
        ChangeMouseUp(ShiftStateOf(*event), at);
    else
        CreateMouseUp(ShiftStateOf(*event), at);
}

void TCanvasPart::CanvasDblClick() {
    EndMultiSelection();
    if (FState.FTypesObject) {
        FState.FTypesObject->DblClick();
        FState.Notify(TChange::Selection);
    }
}

void TCanvasPart::CreateMouseDown(TShiftState shift, QPoint at) {
    const int tool = CurrentTool();
    CreateActive = true;
    FTempObject = CloneObject(FState.FTypesObject, FState.Project.Zoom);
    if (IsPointListTool(tool) && FState.FTypesObject &&
        FState.FTypesObject->TypeCode() == kToolTypeCodes[tool]) {
        ExtendMode = 1;
        FState.FTypesObject->CreateMouseDown(TMouseButton::mbLeft, shift, at.x(), at.y(), Flag);
        return;
    }
    if (FState.FTypesObject)
        FState.Deselect(true);
    ExtendMode = 0;
    const TObjectContext context{BufferedScrollTable1, FState.Project.Zoom,
                                 &FState.Project.BitmapStore};
    std::unique_ptr<TTypesObject> created =
        CreateObjectOfType(kToolTypeCodes[tool], context, NewObjectProps(FState.Settings.Defaults));
    Flag = false;
    if (created) {
        created->CreateMouseDown(TMouseButton::mbLeft, shift, at.x(), at.y(), Flag);
        if (Flag) {
            FState.FTypesObject = created.get();
            FState.Project.CurrentObjects().push_back(std::move(created));
            if (EndsOnPress(tool))
                CreateMouseUp(shift, at);
        }
    }
    FState.Notify(TChange::Selection);
}

void TCanvasPart::CreateMouseMove(TShiftState shift, QPoint at) {
    if (FState.FTypesObject)
        FState.FTypesObject->CreateMouseMove(shift, at.x(), at.y());
}

void TCanvasPart::CreateMouseUp(TShiftState shift, QPoint at) {
    // Dialog tools end their gesture on the press; the real release must not record it again.
    if (!CreateActive)
        return;
    CreateActive = false;
    if (FState.FTypesObject) {
        FState.FTypesObject->CreateMouseUp(TMouseButton::mbLeft, shift, at.x(), at.y());
        if (FState.FTypesObject->HasChanged()) {
            TFrameEdit step(FState.Project);
            if (ExtendMode == 0)
                step.Added(*FState.FTypesObject);
            else
                step.Changed(*FState.FTypesObject, *FTempObject);
        }
    }
    FState.Notify(TChange::Selection);
    FTempObject.reset();
}

void TCanvasPart::ChangeMouseDown(TShiftState shift, QPoint at) {
    if ((shift & ssShift) && ToggleMultiSelection(at)) {
        FState.Deselect(true);
        FState.Notify(TChange::Objects);
        return;
    }
    if (FState.MultiSelectionActive() && Contains(FState.MultiSelectionRect, at)) {
        DragActive = true;
        DragStart = at;
        DragRect = Shifted(FState.MultiSelectionRect, ProjectArea().topLeft());
        BufferedScrollTable1->Invalidate();
        return;
    }
    if (PassPressToSelected(shift, at))
        return;
    if (FState.FTypesObject)
        FState.Deselect(true);
    if (FState.MultiSelectionActive())
        EndMultiSelection();
    HitTestFromTop(shift, at);
    if (!FState.FTypesObject) {
        DragActive = true;
        const QPoint pointer = at + ProjectArea().topLeft();
        DragRect = {pointer.x(), pointer.y(), pointer.x(), pointer.y()};
        BufferedScrollTable1->Invalidate();
    }
    FState.Notify(TChange::Selection);
    FTempObject = CloneObject(FState.FTypesObject, FState.Project.Zoom);
}

bool TCanvasPart::PassPressToSelected(TShiftState shift, QPoint at) {
    if (!FState.FTypesObject)
        return false;
    if (!Contains(FState.FTypesObject->GetRect(), at))
        return false;
    FState.FTypesObject->ChangeMouseDown(TMouseButton::mbLeft, shift, at.x(), at.y(), Flag);
    if (!Flag) {
        FState.FTypesObject = nullptr;
        return false;
    }
    FState.Notify(TChange::Objects);
    FTempObject = CloneObject(FState.FTypesObject, FState.Project.Zoom);
    return true;
}

void TCanvasPart::HitTestFromTop(TShiftState shift, QPoint at) {
    TObjectList& objects = FState.Project.CurrentObjects();
    Flag = false;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        FState.FTypesObject = it->get();
        FState.FTypesObject->ChangeMouseDown(TMouseButton::mbLeft, shift, at.x(), at.y(), Flag);
        if (Flag)
            return;
    }
    FState.FTypesObject = nullptr;
}

void TCanvasPart::ChangeMouseMove(TShiftState shift, QPoint at) {
    if (DragActive && FState.MultiSelectionActive()) {
        DragRect = Shifted(DragRect, at - DragStart);
        DragStart = at;
        BufferedScrollTable1->Invalidate();
    } else if (FState.FTypesObject) {
        FState.FTypesObject->ChangeMouseMove(shift, at.x(), at.y());
    } else if (DragActive) {
        const QPoint pointer = at + ProjectArea().topLeft();
        DragRect.Right = pointer.x();
        DragRect.Bottom = pointer.y();
        BufferedScrollTable1->Invalidate();
    }
}

void TCanvasPart::ChangeMouseUp(TShiftState shift, QPoint at) {
    // Only a shift-click that toggled the multi-selection has nothing left to finish.
    if (DragActive || !((shift & ssShift) && FState.MultiSelectionActive()))
        EndChangeGesture(shift, at);
    FState.Notify(TChange::Selection);
    FTempObject.reset();
}

void TCanvasPart::EndChangeGesture(TShiftState shift, QPoint at) {
    const QPoint corner = ProjectArea().topLeft();
    if (DragActive && FState.MultiSelectionActive()) {
        DragActive = false;
        MoveMultiSelection(DragRect.Left - corner.x() - FState.MultiSelectionRect.Left,
                           DragRect.Top - corner.y() - FState.MultiSelectionRect.Top);
        FState.MultiSelectionRect = Shifted(DragRect, -corner);
        BufferedScrollTable1->Invalidate();
    } else if (FState.FTypesObject) {
        FState.FTypesObject->ChangeMouseUp(TMouseButton::mbLeft, shift, at.x(), at.y());
        if (FState.FTypesObject->HasChanged() && Flag)
            TFrameEdit(FState.Project).Changed(*FState.FTypesObject, *FTempObject);
    } else if (DragActive) {
        DragActive = false;
        FState.MultiSelectionRect = Shifted(DragRect, -corner);
        SelectInRect();
        BufferedScrollTable1->Invalidate();
    }
}
