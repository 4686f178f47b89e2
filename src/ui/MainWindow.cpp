#include "ui/MainWindow.h"

#include "core/edit/Undo.h"
#include "ui/CollapsiblePanel.h"
#include "ui/DialogService.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QTimer>

TMainForm::TMainForm(TDialogService* dialogs, QWidget* parent)
    : QMainWindow(parent), FDialogs(dialogs) {
    if (!FDialogs) {
        FOwnDialogs = std::make_unique<TWidgetDialogService>();
        FDialogs = FOwnDialogs.get();
    }
    setWindowTitle(QStringLiteral("Kelvro 1.0"));
    resize(1400, 880);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateCentralArea();
    CreateStatusBar();
    ConnectActions();

    LoadSaveSettings(false, FSettings, FProject, PanelCount);
    ApplyDefaultsToCanvas();
    for (int p = 0; p < PanelCount; ++p)
        FPanels[p]->SetOpen(FSettings.PanelOpen[p]);
    CreateFrames(FProject, FProject.FrameCount);
    FProject.Zoom = 1.0L;
    ZoomCombo->setCurrentIndex(3);
    UpdateCanvasExtent();
    SetupTimeline();
    FillFrameCombo();
    UpdateControls();
    FillObjectCombo();
    ApplyToolMode();
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    for (int p = 0; p < PanelCount; ++p)
        FSettings.PanelOpen[p] = FPanels[p]->IsOpen();
    LoadSaveSettings(true, FSettings, FProject, PanelCount);
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
    SetupTimeline();
    if (!FStartProject.isEmpty() && QFileInfo(FStartProject).isFile()) {
        const QString fileName = FStartProject;
        // Open once the window is on screen, so a failure message has a parent to show on.
        QTimer::singleShot(0, this, [this, fileName] { OpenProjectFile(fileName); });
    }
}

bool TMainForm::IsModified() const {
    return FChanged || !FProject.CurrentUndo().empty();
}

bool TMainForm::IsMaster() const {
    return FrameCombo->currentIndex() <= 0;
}
