#include "core/edit/Undo.h"
#include "ui/BufferedScrollTable.h"
#include "ui/DialogService.h"
#include "ui/MainWindow.h"
#include "ui/TimelineGrid.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
const QString kProjectFilter = QStringLiteral("Animation file (*.kvp)");

// The path with the extension of its file name (if any) replaced.
QString WithProjectExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? path : path.left(path.size() - (name.size() - dot));
    return base + QStringLiteral(".kvp");
}
} // namespace

bool TMainForm::QuerySave() {
    if (!IsModified())
        return true;
    const QString shown =
        FFileName.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(FFileName).fileName();
    const auto answer =
        FDialogs->Question(this, QStringLiteral("Bestätigung"),
                           QStringLiteral("\"%1\" wurde geändert. Speichern?").arg(shown),
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (answer) {
    case QMessageBox::Yes:
        SaveAction1Execute();
        return !IsModified();
    case QMessageBox::No:
        // Nothing is thrown away yet: the caller replaces the project, and one whose open is
        // cancelled or fails keeps its edits and its mark.
        return true;
    default:
        return false;
    }
}

void TMainForm::DropSelection() {
    if (!FTypesObject && !MultiSelectionActive())
        return;
    ClearMultiSelection();
    Deselect(false);
    ResetCursorAndRepaint();
    FinishCommand();
}

void TMainForm::NewAction1Execute() {
    if (!QuerySave())
        return;
    DropSelection();
    FFileName.clear();
    FChanged = false;
    ClearHistory(FProject);
    ResetProject();
}

void TMainForm::ResetProject() {
    // The selection points into the frames about to be freed.
    DropSelection();
    ResetFrames(FProject);
    ZoomCombo->setCurrentIndex(3);
    UpdateCanvasExtent();
    BufferedScrollTable1->SetCursor(TCursor::Default);
    RefreshAfterProjectChange();
}

void TMainForm::RefreshAfterProjectChange() {
    BufferedScrollTable1->Invalidate();
    DrawGrid1->viewport()->update();
    SetupTimeline();
    FillFrameCombo();
    UpdateControls();
    FillObjectCombo();
}

void TMainForm::OpenAction1Execute() {
    if (!QuerySave())
        return;
    DropSelection();
    const QString chosen = FDialogs->OpenFileName(this, kProjectFilter);
    if (chosen.isEmpty())
        return;
    OpenProjectFile(WithProjectExtension(chosen));
}

void TMainForm::FillRecentMenu() {
    FRecentMenu->clear();
    for (const QString& name : FRecentFiles.Existing())
        FRecentMenu->addAction(name, this, [this, name] { OpenRecentFile(name); });
}

void TMainForm::OpenRecentFile(const QString& fileName) {
    if (!QuerySave())
        return;
    DropSelection();
    if (QFileInfo::exists(fileName))
        OpenProjectFile(fileName);
}

void TMainForm::OpenProjectFile(const QString& fileName) {
    // The name and the clean state come only with a project actually read, so a later save
    // cannot write the unchanged project under a name the user chose for another file, and the
    // edits of a project kept in memory stay marked.
    if (LoadProject(fileName)) {
        FChanged = false;
        FFileName = fileName;
        FRecentFiles.Add(fileName);
        ZoomCombo->setCurrentIndex(3);
    }
    UpdateCanvasExtent();
    BufferedScrollTable1->SetCursor(TCursor::Default);
    RefreshAfterProjectChange();
}

bool TMainForm::SaveAction1Execute() {
    if (FFileName.isEmpty())
        return SaveAsAction1Execute();
    DropSelection();
    return SaveUnder(FFileName);
}

bool TMainForm::SaveAsAction1Execute() {
    DropSelection();
    const QString chosen = FDialogs->SaveFileName(this, FFileName, kProjectFilter);
    if (chosen.isEmpty())
        return false;
    const QString target = WithProjectExtension(chosen);
    if (!MayReplace(chosen, target))
        return false;
    return SaveUnder(target);
}

bool TMainForm::MayReplace(const QString& chosen, const QString& target) {
    // The file dialog asked about the name it returned; the project extension may point at
    // another file that exists.
    if (target == chosen || !QFileInfo::exists(target))
        return true;
    const auto answer = FDialogs->Question(
        this, QStringLiteral("Bestätigung"),
        QStringLiteral("\"%1\" existiert bereits. Soll die Datei ersetzt werden?")
            .arg(QDir::toNativeSeparators(target)),
        QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes;
}

bool TMainForm::SaveUnder(const QString& fileName) {
    // The history goes only with a file that was written; a failed save keeps the project as
    // modified as it was, undo included.
    const bool saved = SaveProject(fileName);
    if (saved) {
        FChanged = false;
        ClearHistory(FProject);
        FFileName = fileName;
        FRecentFiles.Add(fileName);
    }
    const int shownFrame = FrameCombo->currentIndex();
    RefreshAfterProjectChange();
    FrameCombo->setCurrentIndex(shownFrame);
    return saved;
}
