#include "ui/editor/RecoveryPart.h"

#include "core/io/ProjectFile.h"
#include "core/text/CommonTexts.h"
#include "ui/DialogService.h"
#include "ui/editor/DocumentPart.h"
#include "ui/editor/EditorState.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The folder below the data folder; other runs look for their copies there.
const QString kFolderName = QStringLiteral("Wiederherstellung");

QString ShownName(const QString& projectFile) {
    return projectFile.isEmpty() ? ResStr(kUntitledName) : QDir::toNativeSeparators(projectFile);
}
} // namespace

TRecoveryPart::TRecoveryPart(TEditorState& state, TDocumentPart& document, TDialogService& dialogs,
                             QWidget* window, const QString& dataFolder)
    : QObject(window), FState(state), FDocument(document), FDialogs(dialogs), FWindow(window) {
    FDelay.setSingleShot(true);
    connect(&FDelay, &QTimer::timeout, this, &TRecoveryPart::WriteCopy);
    FCleanCheck.setSingleShot(true);
    FCleanCheck.setInterval(0);
    connect(&FCleanCheck, &QTimer::timeout, this, &TRecoveryPart::RemoveIfClean);
    if (dataFolder.isEmpty())
        return;
    FFolder = QDir(dataFolder).filePath(kFolderName);
    FStore = std::make_unique<TRecoveryStore>(FFolder);
    ApplySettings(LoadRecoverySettings());
    connect(&FState, &TEditorState::Updated, this, &TRecoveryPart::StateChanged);
}

TRecoveryPart::~TRecoveryPart() {
    if (FStore)
        FStore->Remove();
}

void TRecoveryPart::ApplySettings(const TRecoverySettings& settings) {
    FSettings = settings;
    FDelay.setInterval(settings.Seconds * 1000);
    FDelay.stop();
    if (!settings.Enabled && FStore)
        FStore->Remove();
    StateChanged();
}

void TRecoveryPart::SetDelayForTests(int milliseconds) {
    FDelay.setInterval(milliseconds);
}

void TRecoveryPart::StateChanged() {
    if (!FStore || !FSettings.Enabled)
        return;
    // One copy per burst of changes: the first change starts the wait, later ones ride along.
    if (FState.IsModified()) {
        FCleanCheck.stop();
        if (!FDelay.isActive())
            FDelay.start();
        return;
    }
    // A gesture may pass through an unmodified state on its way; only a project still clean once
    // the event is handled has lost its reason for a copy.
    FCleanCheck.start();
}

void TRecoveryPart::RemoveIfClean() {
    if (!FStore || FState.IsModified())
        return;
    FDelay.stop();
    FStore->Remove();
}

void TRecoveryPart::WriteCopy() {
    if (!FStore || !FState.IsModified())
        return;
    // Serialised here, where nothing edits the project meanwhile; the disk work is the writer's.
    FStore->Write(ProjectFileBytes(FState.Project), FDocument.FileName());
}

QString TRecoveryPart::CopyFile() const {
    if (!FStore)
        return {};
    FStore->WaitForWrites();
    const QString file = FStore->CopyFile();
    return QFileInfo::exists(file) ? file : QString();
}

bool TRecoveryPart::OfferLeftCopies() {
    if (!FStore)
        return false;
    for (const TRecoveryCopy& copy : TRecoveryStore::Orphans(FFolder)) {
        if (Offer(copy))
            return true;
    }
    return false;
}

bool TRecoveryPart::Offer(const TRecoveryCopy& copy) {
    const QString shown = ShownName(copy.ProjectFile);
    if (copy.Damaged || !FDocument.CanRestore(copy.CopyFile)) {
        const QString aside = TRecoveryStore::SetAside(copy);
        FDialogs.Error(FWindow, ResStr(kErrorCaption),
                       ResStr(24041, "Die Wiederherstellungskopie von „%1“ ist beschädigt. Sie "
                                     "wurde nach „%2“ gelegt.")
                           .arg(shown, QDir::toNativeSeparators(aside)));
        return false;
    }
    // The date's order is the language's, so the format is a text of its own.
    const QString written = copy.Written.toLocalTime().toString(ResStr(24046, "dd.MM.yyyy HH:mm"));
    const int answer = FDialogs.ShowChoiceDialog(
        FWindow, ResStr(24040, "Wiederherstellung"),
        ResStr(24042, "Kelvro wurde nicht normal beendet. Von „%1“ gibt es eine "
                      "Wiederherstellungskopie vom %2.")
            .arg(shown, written),
        ResStr(24043, "Wiederherstellen"), ResStr(24044, "Später"), ResStr(24045, "Verwerfen"));
    if (answer == 1)
        TRecoveryStore::Discard(copy);
    if (answer != 0 || !FDocument.RestoreProject(copy.CopyFile, copy.ProjectFile))
        return false;
    // The restored work gets this window's own copy before the old one goes.
    WriteCopy();
    FStore->WaitForWrites();
    TRecoveryStore::Discard(copy);
    return true;
}

void TRecoveryPart::RecoveryAction1Execute() {
    TRecoverySettings settings = FSettings;
    if (!FDialogs.EditRecoverySettings(FWindow, settings))
        return;
    SaveRecoverySettings(settings);
    ApplySettings(settings);
}
