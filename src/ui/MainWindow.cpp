#include "ui/MainWindow.h"

#include "ui/BufferedScrollTable.h"
#include "ui/CollapsiblePanel.h"
#include "ui/DialogService.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/DesktopCommands.h"
#include "ui/editor/DocumentPart.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/EditorState.h"
#include "ui/editor/ObjectCommands.h"
#include "ui/editor/PropertyPanels.h"
#include "ui/editor/RecoveryPart.h"
#include "ui/editor/TimelinePart.h"
#include "ui/text/TextBinding.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

TMainForm::TMainForm(TDialogService* dialogs, const QString& dataFolder)
    : FDialogs(dialogs), FDataFolder(dataFolder),
      FRecentFilesList(dataFolder.isEmpty() ? QString()
                                            : dataFolder + QStringLiteral("files.dat")) {
    if (!FDialogs) {
        FOwnDialogs = std::make_unique<TWidgetDialogService>();
        FDialogs = FOwnDialogs.get();
    }
    setWindowTitle(QStringLiteral("Kelvro 1.0"));
    resize(1400, 880);
    CreateParts();
    CreateMenus();
    CreateToolBar();
    CreateCentralArea();
    CreateStatusBar();
    connect(FState, &TEditorState::Updated, this, &TMainForm::Refresh);
    // Paste follows what any program, another editor included, puts on the clipboard.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TMainForm::UpdateControls);
    StartEditing();
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    for (int p = 0; p < PanelCount; ++p)
        FState->Settings.PanelOpen[p] = FPanels[p]->IsOpen();
    LoadSaveSettings(true, FState->Settings, FState->Project, PanelCount);
    // The window is going away; there is nobody left to tell that the list was not kept.
    if (!FRecentFilesList.isEmpty())
        FDocument->RecentFiles().Save(FRecentFilesList);
}

void TMainForm::CreateParts() {
    FState = new TEditorState(this);
    FCanvas = new TCanvasPart(*FState, *FDialogs, this);
    FDocument = new TDocumentPart(*FState, *FDialogs, *FCanvas, this);
    FTimeline = new TTimelinePart(*FState, *FDialogs, *FCanvas, this);
    FProperties = new TPropertyPanels(*FState, *FDialogs, *FCanvas, this);
    FObjects = new TObjectCommands(*FState, *FDialogs, *FCanvas, this);
    FDesktop = new TDesktopCommands(*FDialogs, this);
    FRecovery = new TRecoveryPart(*FState, *FDocument, *FDialogs, this, FDataFolder);
    FActions = std::make_unique<TEditorActions>(this, ActionTable());
    std::array<QAction*, TCanvasPart::ToolCount> tools{};
    for (int i = 0; i < TCanvasPart::ToolCount; ++i)
        tools[i] =
            (*FActions)[static_cast<TCommand>(static_cast<int>(TCommand::SelectionTool) + i)];
    tools[0]->setChecked(true);
    FCanvas->SetTools(tools);
}

// The last run's settings and an empty project of that shape, shown at 100 %.
void TMainForm::StartEditing() {
    TProject& project = FState->Project;
    if (!FRecentFilesList.isEmpty())
        FDocument->RecentFiles().Load(FRecentFilesList);
    LoadSaveSettings(false, FState->Settings, project, PanelCount);
    FCanvas->ApplyDefaultsToCanvas();
    for (int p = 0; p < PanelCount; ++p)
        FPanels[p]->SetOpen(FState->Settings.PanelOpen[p]);
    CreateFrames(project, project.FrameCount);
    project.Zoom = 1.0L;
    FCanvas->ResetZoom();
    FCanvas->UpdateCanvasExtent();
    FTimeline->Rebuild();
    // Status fields and the object list are built from the state, so they are built again in a
    // new language.
    OnLanguageChange(this, [this] {
        UpdateControls();
        FCanvas->FillObjectCombo();
    });
    FCanvas->ApplyToolMode();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (QuerySave())
        event->accept();
    else
        event->ignore();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FShownOnce)
        return;
    FShownOnce = true;
    FTimeline->SetupTimeline();
    // Questions and failures wait until the window is on screen, so they have a parent to show
    // on; restored work takes the place of the project named at start.
    QTimer::singleShot(0, this, [this] {
        if (!FRecovery->OfferLeftCopies())
            OpenStartProject();
    });
}

void TMainForm::OpenStartProject() {
    if (!FStartProject.isEmpty() && QFileInfo(FStartProject).isFile())
        FDocument->OpenProjectFile(FStartProject);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && IsOnStatusBar(watched)) {
        FDesktop->StatusBar1DblClick();
        statusBar()->setToolTip(TDesktopCommands::StatusBarHint());
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        FCanvas->KeyPressed(watched, event);
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::IsOnStatusBar(QObject* watched) const {
    for (QObject* o = watched; o; o = o->parent())
        if (o == statusBar())
            return true;
    return false;
}

bool TMainForm::QuerySave() {
    return FDocument->QuerySave();
}

void TMainForm::ResetProject() {
    FDocument->ResetProject();
}

TRecoveryPart& TMainForm::Recovery() {
    return *FRecovery;
}

TProject& TMainForm::Project() {
    return FState->Project;
}

TPanelDefaults& TMainForm::Defaults() {
    return FState->Settings.Defaults;
}

const QString& TMainForm::FileName() const {
    return FDocument->FileName();
}

const TRecentFiles& TMainForm::RecentFiles() const {
    return FDocument->RecentFiles();
}

bool TMainForm::IsChanged() const {
    return FState->Changed;
}

bool TMainForm::IsModified() const {
    return FState->IsModified();
}
