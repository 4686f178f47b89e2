#include "core/model/ObjectNames.h"
#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"
#include "ui/TimelineGrid.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
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

void TMainForm::UpdateControls() {
    const bool master = IsMaster();
    const bool pending = !FProject.CurrentUndo().empty();
    const bool redoable = !FProject.CurrentRedo().empty();
    const bool playing = PlaySpeed->isChecked();
    const bool selected = FTypesObject != nullptr;
    const bool multi = MultiSelectionActive();
    const TObjectList& objects = FProject.CurrentObjects();
    const bool saveEnabled = FChanged || pending;

    SaveAction1->setEnabled(saveEnabled);
    UndoAction1->setEnabled(pending);
    RedoAction1->setEnabled(redoable);
    DeleteAction1->setEnabled(master && (selected || multi));
    ToFrontAction1->setEnabled(master && selected && objects.back().get() != FTypesObject);
    ToBackAction1->setEnabled(master && selected && objects.front().get() != FTypesObject);
    AngleAction1->setEnabled(IsPlacedObject(FTypesObject));
    StretchAction1->setEnabled(IsPlacedObject(FTypesObject));
    DataAction1->setEnabled(selected);
    NameSpeed->setEnabled(master && selected);
    GroupSpeed->setEnabled(!selected);
    TakeSpeed->setEnabled(pending || redoable);
    PlaySpeed->setEnabled(!pending && !redoable && !playing);
    StopSpeed->setEnabled(playing);
    LeftSpeed->setEnabled(!playing);
    RightSpeed->setEnabled(!playing);
    StepCombo->setCurrentIndex(FProject.TimelineStep);
    BufferedScrollTable1->setEnabled(!playing);
    DrawGrid1->setEnabled(!playing);
    DrawGrid1->SetSelectedId(FTypesObject ? FTypesObject->ID : QString());
    DrawGrid1->SetPending(pending);
    // Objects are created only in the master frame, whether by button or menu.
    for (int i = 1; i < ToolCount; ++i) {
        FModeSpeeds[i]->setVisible(master);
        FToolActions[i]->setEnabled(master);
    }
    SyncPropertyPanels();
    UpdateStatusFields(saveEnabled);
    DrawGrid1->viewport()->update();
}

void TMainForm::UpdateStatusFields(bool saveEnabled) {
    FStatusFields[0]->setText(saveEnabled ? QStringLiteral("Geändert") : QString());
    FStatusFields[1]->setText(QStringLiteral("Fi:%1, Fc:%2, Fps:%3")
                                  .arg(FProject.CurrentFrame + 1)
                                  .arg(FProject.FrameCount)
                                  .arg(FProject.FramesPerSec));
    // A long path loses its middle, so the folder's start and the file's name stay readable.
    QLabel* file = FStatusFields[2];
    const QString name = FFileName.isEmpty() ? QStringLiteral("Unbenannt") : FFileName;
    file->setText(
        file->fontMetrics().elidedText(name, Qt::ElideMiddle, file->contentsRect().width()));
    file->setToolTip(FFileName);
}

void TMainForm::SetupTimeline() {
    DrawGrid1->SetupTimeline();
}

void TMainForm::FillFrameCombo() {
    const QSignalBlocker blocker(FrameCombo);
    FrameCombo->clear();
    QStringList items;
    items.reserve(FProject.FrameCount);
    items << QStringLiteral("Frame1 (Master)");
    for (int i = 2; i <= FProject.FrameCount; ++i)
        items << QStringLiteral("Frame%1").arg(i);
    FrameCombo->addItems(items);
    FrameCombo->setCurrentIndex(FProject.CurrentFrame);
}

void TMainForm::FillObjectCombo() {
    const QSignalBlocker blocker(ObjectCombo);
    ObjectCombo->clear();
    ObjectCombo->addItems(ObjectListNames(FProject.CurrentObjects()));
    ObjectCombo->setCurrentIndex(IndexOfObject(FTypesObject));
}
