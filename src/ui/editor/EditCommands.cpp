#include "core/edit/FrameEdit.h"
#include "core/edit/Undo.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/CommandState.h"
#include "ui/editor/EditorState.h"
#include "ui/editor/ObjectCommands.h"
#include "ui/text/TextBinding.h"

#include <QToolButton>

namespace {
QToolButton* NewTextButton(const QString& objectName, TText text, TText hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    BindText(button, text);
    BindToolTip(button, hint);
    return button;
}
} // namespace

TObjectCommands::TObjectCommands(TEditorState& state, TDialogService& dialogs, TCanvasPart& canvas,
                                 QWidget* window)
    : QObject(window), FState(state), FDialogs(dialogs), FCanvas(canvas), FWindow(window) {
    NameSpeed = NewTextButton(QStringLiteral("NameSpeed"), {24060, "Name"},
                              {24061, "Objektname eingeben"}, window);
    GroupSpeed = NewTextButton(QStringLiteral("GroupSpeed"), {24062, "Gruppe"},
                               {24063, "Gruppe wählen"}, window);
    connect(NameSpeed, &QToolButton::clicked, this, &TObjectCommands::NameSpeedClick);
    connect(GroupSpeed, &QToolButton::clicked, this, &TObjectCommands::GroupSpeedClick);
}

void TObjectCommands::UpdateControls(const TCommandState& state) {
    NameSpeed->setEnabled(state.Master && state.Selected);
    GroupSpeed->setEnabled(!state.Selected);
}

void TObjectCommands::UndoAction1Execute() {
    FCanvas.EndMultiSelection();
    if (!CanUndo(FState.Project))
        return;
    FState.Deselect(false);
    UndoStep(FState.Project);
    FState.Notify(TChange::Objects);
}

void TObjectCommands::RedoAction1Execute() {
    FCanvas.EndMultiSelection();
    if (!CanRedo(FState.Project))
        return;
    FState.Deselect(false);
    RedoStep(FState.Project);
    FState.Notify(TChange::Objects);
}

void TObjectCommands::DeleteAction1Execute() {
    if (FState.MultiSelectionActive()) {
        DeleteMultiSelection();
    } else if (FState.FTypesObject) {
        const int index = FState.IndexOfObject(FState.FTypesObject);
        FState.FTypesObject = nullptr;
        TFrameEdit(FState.Project).Delete(index);
    }
    FState.Notify(TChange::Objects);
}

void TObjectCommands::DeleteMultiSelection() {
    TFrameEdit step(FState.Project, true);
    // From the highest index down, so undoing re-inserts from the lowest up.
    for (auto it = FState.MultiSelection.rbegin(); it != FState.MultiSelection.rend(); ++it)
        step.Delete(*it);
    FCanvas.ClearMultiSelection();
}
