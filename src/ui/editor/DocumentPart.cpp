#include "ui/editor/DocumentPart.h"
#include "core/edit/Undo.h"
#include "core/text/CommonTexts.h"
#include "ui/DialogService.h"
#include "ui/NewForm.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
// The file dialogs' filter for project files.
QString ProjectFilter() {
    return ResStr(24001, "Animation file (*.kvp)");
}

// The path with the extension of its file name (if any) replaced.
QString WithProjectExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? path : path.left(path.size() - (name.size() - dot));
    return base + QStringLiteral(".kvp");
}

// The caption of the questions before work is dropped or a file replaced.
constexpr TText kConfirmCaption{24003, "Bestätigung"};
} // namespace

bool TDocumentPart::QuerySave() {
    if (!FState.IsModified())
        return true;
    const QString shown =
        FFileName.isEmpty() ? ResStr(kUntitledName) : QFileInfo(FFileName).fileName();
    const auto answer =
        FDialogs.Question(FWindow, ResStr(kConfirmCaption),
                          ResStr(24004, "\"%1\" wurde geändert. Speichern?").arg(shown),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (answer) {
    case QMessageBox::Yes:
        SaveAction1Execute();
        return !FState.IsModified();
    case QMessageBox::No:
        // Nothing is thrown away yet: the caller replaces the project, and one whose open is
        // cancelled or fails keeps its edits and its mark.
        return true;
    default:
        return false;
    }
}

TDocumentPart::TDocumentPart(TEditorState& state, TDialogService& dialogs, TCanvasPart& canvas,
                             QWidget* window)
    : QObject(window), FState(state), FDialogs(dialogs), FCanvas(canvas), FWindow(window) {
    FRecentMenu = new QMenu(window);
    FRecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    connect(FRecentMenu, &QMenu::aboutToShow, this, &TDocumentPart::FillRecentMenu);
}

void TDocumentPart::NewAction1Execute() {
    if (!QuerySave() || !AskProjectSettings(ResStr(kNewProjectCaption)))
        return;
    FCanvas.DropSelection();
    FFileName.clear();
    FState.Changed = false;
    ClearHistory(FState.Project);
    ResetProject();
}

void TDocumentPart::ResetProject() {
    // The selection points into the frames about to be freed.
    FCanvas.DropSelection();
    ResetFrames(FState.Project);
    FCanvas.ResetZoom();
    FCanvas.UpdateCanvasExtent();
    FState.Notify(TChange::Project);
}

void TDocumentPart::OpenAction1Execute() {
    if (!QuerySave())
        return;
    FCanvas.DropSelection();
    const QString chosen = FDialogs.OpenFileName(FWindow, ProjectFilter());
    if (chosen.isEmpty())
        return;
    OpenProjectFile(WithProjectExtension(chosen));
}

void TDocumentPart::FillRecentMenu() {
    FRecentMenu->clear();
    for (const QString& name : FRecentFiles.Existing())
        FRecentMenu->addAction(name, this, [this, name] { OpenRecentFile(name); });
}

void TDocumentPart::OpenRecentFile(const QString& fileName) {
    if (!QuerySave())
        return;
    FCanvas.DropSelection();
    if (QFileInfo::exists(fileName))
        OpenProjectFile(fileName);
}

void TDocumentPart::OpenProjectFile(const QString& fileName) {
    // The name and the clean state come only with a project actually read, so a later save
    // cannot write the unchanged project under a name the user chose for another file, and the
    // edits of a project kept in memory stay marked.
    if (LoadProject(fileName)) {
        FState.Changed = false;
        FFileName = fileName;
        FRecentFiles.Add(fileName);
        FCanvas.ResetZoom();
    }
    FCanvas.UpdateCanvasExtent();
    FState.Notify(TChange::Project);
}

bool TDocumentPart::SaveAction1Execute() {
    if (FFileName.isEmpty())
        return SaveAsAction1Execute();
    FCanvas.DropSelection();
    return SaveUnder(FFileName);
}

bool TDocumentPart::SaveAsAction1Execute() {
    FCanvas.DropSelection();
    const QString chosen = FDialogs.SaveFileName(FWindow, FFileName, ProjectFilter());
    if (chosen.isEmpty())
        return false;
    const QString target = WithProjectExtension(chosen);
    if (!MayReplace(chosen, target))
        return false;
    return SaveUnder(target);
}

bool TDocumentPart::MayReplace(const QString& chosen, const QString& target) {
    // The file dialog asked about the name it returned; the project extension may point at
    // another file that exists.
    if (target == chosen || !QFileInfo::exists(target))
        return true;
    const auto answer =
        FDialogs.Question(FWindow, ResStr(kConfirmCaption),
                          ResStr(24006, "\"%1\" existiert bereits. Soll die Datei ersetzt werden?")
                              .arg(QDir::toNativeSeparators(target)),
                          QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes;
}

bool TDocumentPart::SaveUnder(const QString& fileName) {
    // The history goes only with a file that was written; a failed save keeps the project as
    // modified as it was, undo included.
    const bool saved = SaveProject(fileName);
    if (saved) {
        FState.Changed = false;
        ClearHistory(FState.Project);
        FFileName = fileName;
        FRecentFiles.Add(fileName);
    }
    FState.Notify(TChange::Project);
    return saved;
}
