#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/DocumentPart.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/EditorState.h"
#include "ui/editor/ObjectCommands.h"
#include "ui/editor/PropertyPanels.h"
#include "ui/editor/TimelinePart.h"
#include "ui/text/TextBinding.h"

#include <QLabel>
#include <QToolButton>

namespace {
bool IsPlacedObject(const TTypesObject* object) {
    if (!object)
        return false;
    const QString type = object->TypeName();
    return type == QLatin1String("Text") || type == QLatin1String("Bitmap") ||
           type == QLatin1String("Form");
}
} // namespace

void TMainForm::Refresh(TChange change) {
    if (RepaintsCanvas(change))
        FCanvas->ResetCursorAndRepaint();
    if (RebuildsFrames(change))
        FTimeline->Rebuild();
    UpdateControls();
    FCanvas->FillObjectCombo();
}

TCommandState TMainForm::CommandState() const {
    const TProject& project = FState->Project;
    const TObjectList& objects = project.CurrentObjects();
    TCommandState state;
    // The frame box runs ahead of the project while a frame switch asks its question.
    state.Master = FTimeline->ShownFrame() <= 0;
    state.Pending = !project.CurrentUndo().empty();
    state.Redoable = !project.CurrentRedo().empty();
    state.Playing = FTimeline->IsPlaying();
    state.Selected = FState->FTypesObject;
    state.Multi = FState->MultiSelectionActive();
    state.SelectedOnTop = state.Selected && objects.back().get() == state.Selected;
    state.SelectedAtBottom = state.Selected && objects.front().get() == state.Selected;
    state.SelectedPlaced = IsPlacedObject(state.Selected);
    state.Modified = FState->Changed || state.Pending;
    state.ClipboardHoldsObjects = ClipboardHoldsObjects();
    return state;
}

void TMainForm::UpdateControls() {
    const TCommandState state = CommandState();
    FActions->Update(state);
    FObjects->UpdateControls(state);
    FTimeline->UpdateControls(state);
    FCanvas->Canvas()->setEnabled(!state.Playing);
    // Objects are created only in the master frame, whether by button or menu.
    for (std::size_t i = 1; i < FModeSpeeds.size(); ++i)
        FModeSpeeds[i]->setVisible(state.Master);
    FProperties->SyncPropertyPanels(state.Master);
    UpdateStatusFields(state.Modified);
}

void TMainForm::UpdateStatusFields(bool modified) {
    const TProject& project = FState->Project;
    FStatusFields[0]->setText(modified ? ResStr(21100, "Geändert") : QString());
    FStatusFields[1]->setText(ResStr(21101, "Fi:%1, Fc:%2, Fps:%3")
                                  .arg(project.CurrentFrame + 1)
                                  .arg(project.FrameCount)
                                  .arg(project.FramesPerSec));
    // A long path loses its middle, so the folder's start and the file's name stay readable.
    QLabel* file = FStatusFields[2];
    const QString& fileName = FDocument->FileName();
    const QString name = fileName.isEmpty() ? ResStr(21102, "Unbenannt") : fileName;
    file->setText(
        file->fontMetrics().elidedText(name, Qt::ElideMiddle, file->contentsRect().width()));
    file->setToolTip(fileName);
}
