#pragma once

#include "core/model/PanelDefaults.h"
#include "core/model/Project.h"
#include "ui/RecentFiles.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class TCanvasPart;
class TCollapsiblePanel;
class TDialogService;
class TDesktopCommands;
class TDocumentPart;
class TEditorActions;
class TEditorState;
class TObjectCommands;
class TPropertyPanels;
class TRecoveryPart;
class TTimelinePart;
struct TActionEntry;
struct TCommandState;
enum class TChange : unsigned;

// The editor's only window. It owns the project for the run, composes the parts that work on
// it (document, canvas, timeline, property panels, object commands) and answers their change
// notifications by keeping every command, button and status field in step.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int PanelCount = 6;

    // dialogs answers every modal question; none means the real dialogs. The recent files are
    // kept in dataFolder (ending in "/"); none keeps them for this window only.
    explicit TMainForm(TDialogService* dialogs = nullptr, const QString& dataFolder = QString());
    ~TMainForm() override;

    void SetStartProject(const QString& fileName) { FStartProject = fileName; }

    // True when the caller may go on and discard the project.
    bool QuerySave();
    void UpdateControls();
    void ResetProject();

    TProject& Project();
    TPanelDefaults& Defaults();
    const QString& FileName() const;
    const TRecentFiles& RecentFiles() const;
    TRecoveryPart& Recovery();
    bool IsChanged() const;
    bool IsModified() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateParts();
    std::vector<TActionEntry> ActionTable();
    void CreateMenus();
    void CreateToolBar();
    QMenu* LanguageMenu(QWidget* parent);
    void CreateCentralArea();
    QWidget* CreateToolColumn();
    QScrollArea* CreatePanelColumn();
    void CreateViewPanel(QWidget* content);
    void CreateAnimationPanel(QWidget* content);
    void CreateStatusBar();
    void StartEditing();
    bool IsOnStatusBar(QObject* watched) const;
    void OpenStartProject();

    void Refresh(TChange change);
    TCommandState CommandState() const;
    void UpdateStatusFields(bool modified);

    TDialogService* FDialogs;
    std::unique_ptr<TDialogService> FOwnDialogs;
    TEditorState* FState = nullptr;
    TCanvasPart* FCanvas = nullptr;
    TDocumentPart* FDocument = nullptr;
    TTimelinePart* FTimeline = nullptr;
    TPropertyPanels* FProperties = nullptr;
    TObjectCommands* FObjects = nullptr;
    TDesktopCommands* FDesktop = nullptr;
    TRecoveryPart* FRecovery = nullptr;
    std::unique_ptr<TEditorActions> FActions;
    QString FStartProject;
    QString FDataFolder;
    QString FRecentFilesList;
    bool FShownOnce = false;

    QMenu* FCanvasMenu = nullptr;
    std::array<QToolButton*, 8> FModeSpeeds{};
    std::array<TCollapsiblePanel*, PanelCount> FPanels{};
    std::array<QLabel*, 3> FStatusFields{};
};
