#pragma once

#include "core/export/VideoWriter.h"
#include "core/text/ResStr.h"
#include "ui/RecentFiles.h"

#include <QObject>
#include <QString>

class QMenu;
class QWidget;
class TCanvasPart;
class TDialogService;
class TEditorState;

// How a project without a file is named where the user reads it; its recovery copy's file name
// keeps the German word.
inline constexpr TText kUntitledName{24002, "Unbenannt"};

// The project as a file: its name, new, open, save, save as, export, the recent files and the
// question before unsaved changes are dropped.
class TDocumentPart : public QObject {
    Q_OBJECT
public:
    TDocumentPart(TEditorState& state, TDialogService& dialogs, TCanvasPart& canvas,
                  QWidget* window);

    const QString& FileName() const { return FFileName; }
    const TRecentFiles& RecentFiles() const { return FRecentFiles; }
    TRecentFiles& RecentFiles() { return FRecentFiles; }
    // The drop-down of the open button.
    QMenu* RecentMenu() const { return FRecentMenu; }

    // True when the caller may go on and discard the project.
    bool QuerySave();
    void ResetProject();
    void OpenProjectFile(const QString& fileName);
    // Whether copy reads as a whole project.
    bool CanRestore(const QString& copy);
    // Opens a recovery copy as the modified project named projectFile (empty: untitled); false,
    // with nothing changed, when the copy cannot be read.
    bool RestoreProject(const QString& copy, const QString& projectFile);

    void NewAction1Execute();
    void OpenAction1Execute();
    bool SaveAction1Execute();
    bool SaveAsAction1Execute();
    void ExportAction1Execute();
    void SettingsAction1Execute();

private:
    // The settings dialog under caption; on "Ok" its settings are the project's. False when
    // cancelled or when the background picture cannot be read (said to the user).
    bool AskProjectSettings(const QString& caption);
    void FillRecentMenu();
    void OpenRecentFile(const QString& fileName);
    bool SaveUnder(const QString& fileName);
    // Asks before target, the file really written, replaces an existing file the save dialog
    // did not ask about (it asked about chosen).
    bool MayReplace(const QString& chosen, const QString& target);
    // Read or write the project file; failures are reported to the user and yield false.
    bool LoadProject(const QString& fileName);
    bool SaveProject(const QString& fileName);

    TEditorState& FState;
    TDialogService& FDialogs;
    TCanvasPart& FCanvas;
    QWidget* FWindow;
    QString FFileName;
    TRecentFiles FRecentFiles;
    QMenu* FRecentMenu = nullptr;
    // The encoder chosen for the last video, offered first the next time.
    TVideoOptions FLastVideoChoice;
};
