#pragma once

#include "core/model/Project.h"
#include "ui/RecentFiles.h"
#include "ui/SettingsStore.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QMouseEvent;
class QPainter;
class QScrollArea;
class QToolButton;
class TBufferedScrollTable;
class TCollapsiblePanel;
class TColorSwatch;
class TDialogService;
class TTimelineGrid;
class TTrackBar;
class QTimer;

// The editor's only window. It owns the project for the run and keeps every command, button
// and status field in step with it through UpdateControls.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ToolCount = 8;
    static constexpr int PanelCount = 6;

    // dialogs answers every modal question; none means the real dialogs.
    explicit TMainForm(TDialogService* dialogs = nullptr, QWidget* parent = nullptr);
    ~TMainForm() override;

    void SetStartProject(const QString& fileName) { FStartProject = fileName; }

    // True when the caller may go on and discard the project.
    bool QuerySave();
    void UpdateControls();
    void ResetProject();

    TProject& Project() { return FProject; }
    TPanelDefaults& Defaults() { return FSettings.Defaults; }
    const QString& FileName() const { return FFileName; }
    const TRecentFiles& RecentFiles() const { return FRecentFiles; }
    bool IsChanged() const { return FChanged; }
    bool IsModified() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Construction, split by what is built.
    void CreateActions();
    QAction* AddAction(const QString& objectName, const QString& caption,
                       const QKeySequence& shortcut = {});
    void CreateMenus();
    void CreateToolBar();
    void CreateCentralArea();
    QWidget* CreateCanvas();
    QWidget* CreateToolColumn();
    QScrollArea* CreatePanelColumn();
    void CreateViewPanel(QWidget* content);
    void CreateAnimationPanel(QWidget* content);
    void CreatePropertyPanels();
    void CreateColorPanel(QWidget* content);
    void CreateTransPanel(QWidget* content);
    void CreateFontPanel(QWidget* content);
    void CreateMaskPanel(QWidget* content);
    QWidget* CreateTimeline();
    void CreateStatusBar();
    void ConnectActions();

    // Document lifecycle.
    void NewAction1Execute();
    void OpenAction1Execute();
    bool SaveAction1Execute();
    bool SaveAsAction1Execute();
    void OpenProjectFile(const QString& fileName);
    void FillRecentMenu();
    void OpenRecentFile(const QString& fileName);
    bool SaveUnder(const QString& fileName);
    // Asks before target, the file really written, replaces an existing file the save dialog
    // did not ask about (it asked about chosen).
    bool MayReplace(const QString& chosen, const QString& target);
    // Read or write the project file; failures are reported to the user and yield false.
    bool LoadProject(const QString& fileName);
    bool SaveProject(const QString& fileName);
    // The canvas as the objects' table.
    TObjectTable* CanvasTable() const;
    // The canvas draws with the panel defaults' pen and font until objects say otherwise.
    void ApplyDefaultsToCanvas();
    void DropSelection();
    void ClearMultiSelection();
    void UpdateCanvasExtent();
    void RefreshAfterProjectChange();

    // Canvas.
    QRect ProjectArea() const;
    void PaintCanvas();
    void PaintBackground(QPainter& painter, const QRect& area);
    // One marker per frame at the selected object's anchor, when paths are shown.
    void PaintMotionPath(QPainter& painter);
    void PaintSelectionFrames(QPainter& painter, const QRect& area);

    // Canvas input: the tool decides whether a gesture creates or changes objects.
    int CurrentTool() const;
    bool InSelectionMode() const { return CurrentTool() == 0; }
    void ApplyToolMode();
    void CanvasMouseDown(QMouseEvent* event);
    void CanvasMouseMove(QMouseEvent* event);
    void CanvasMouseUp(QMouseEvent* event);
    void CanvasDblClick();
    void CreateMouseDown(TShiftState shift, QPoint at);
    void CreateMouseMove(TShiftState shift, QPoint at);
    void CreateMouseUp(TShiftState shift, QPoint at);
    void ChangeMouseDown(TShiftState shift, QPoint at);
    void ChangeMouseMove(TShiftState shift, QPoint at);
    void ChangeMouseUp(TShiftState shift, QPoint at);
    bool PassPressToSelected(TShiftState shift, QPoint at);
    void HitTestFromTop(TShiftState shift, QPoint at);
    void EndChangeGesture(TShiftState shift, QPoint at);
    void HandleKeyDown(int key);
    int IndexOfObject(const TTypesObject* object) const;
    void Deselect(bool repaint);
    void ResetCursorAndRepaint();
    void FinishCommand();

    // Multi-selection.
    bool MultiSelectionActive() const { return !MultiSelection.empty(); }
    bool ToggleMultiSelection(QPoint at);
    void SelectInRect();
    void MoveMultiSelection(Extended dX, Extended dY);
    TRect MultiSelectionBounds() const;
    void EndMultiSelection();

    // Edit commands, zoom and object box.
    void UndoAction1Execute();
    void RedoAction1Execute();
    void DeleteAction1Execute();
    void DeleteMultiSelection();
    void ZoomComboChange(int index);
    void ObjectComboChange(int index);

    // Commands on the selected object; a typed change is one undoable step.
    void ToFrontAction1Execute();
    void ToBackAction1Execute();
    void MoveInOrder(int step);
    void AngleAction1Execute();
    void StretchAction1Execute();
    void DataAction1Execute();
    void EditCentre();
    void EditPointList();
    // Changes the selected object as one undoable step, then refreshes.
    void ChangeSelected(const std::function<void(TTypesObject&)>& edit);
    void NameSpeedClick();
    void GroupSpeedClick();

    // Frames, timeline and playback.
    void FrameComboChange(bool askUser);
    void SwitchToFrame(int frame);
    void TakeSpeedClick();
    void ScrollToCurrentFrame();
    void DrawGrid1MouseDown(int column, int row, Qt::KeyboardModifiers modifiers);
    void DrawGrid1MouseMove(int column, int row);
    void DrawGrid1MouseUp(int column, int row, Qt::KeyboardModifiers modifiers);
    void DrawGrid1DblClick(int column, int row);
    void PlaySpeedClick();
    void PlayStep();
    // Puts the start or the end of the playback range on the current frame.
    void SetPlayRange(bool start);
    void StepComboChange(int index);

    // Property panels: a change goes to the selected object as one undoable step, or to the
    // panel defaults when nothing is selected.
    void SyncPropertyPanels();
    // The selected object's properties, or what a new object would take.
    TProps PanelProps() const;
    void ApplyPanelChange(const std::function<void(TProps&)>& toObject,
                          const std::function<void(TPanelDefaults&)>& toDefaults, bool toCanvas);
    void ShapeMouseDown(TColorSwatch* swatch);
    void CheckClick(QCheckBox* check);
    void PenWidthTrackChange(int position);
    void PenWidthTrackEndChange();
    void TransTrackChange(int position);
    void TransTrackEndChange();
    void FontNameComboChange(const QString& text);
    void FontSizeComboChange(const QString& text);
    void FontSizeComboExit();
    // Reports text as no valid size and shows the current size again.
    void RejectFontSize(const QString& text);
    void FontStyleSpeedClick();
    void MaskComboChange(int index);

    // Refresh helpers.
    void SetupTimeline();
    void FillFrameCombo();
    void FillObjectCombo();
    void UpdateStatusFields(bool saveEnabled);
    bool IsMaster() const;

    TDialogService* FDialogs;
    std::unique_ptr<TDialogService> FOwnDialogs;
    TProject FProject;
    TEditorSettings FSettings;
    QString FFileName;
    TRecentFiles FRecentFiles;
    bool FChanged = false;
    QString FStartProject;
    bool FShownOnce = false;
    TTypesObject* FTypesObject = nullptr;
    std::unique_ptr<TTypesObject> FTempObject;
    std::vector<int> MultiSelection;
    TRect MultiSelectionRect;
    bool DragActive = false;
    TRect DragRect;
    QPoint DragStart;
    int ExtendMode = 0;
    // A creation press waits for its release.
    bool CreateActive = false;
    bool FGridDrag = false;
    bool KeyDrag = false;
    QPoint FKeySource{-1, -1};
    QTimer* FPlayTimer = nullptr;
    // The event-loop depth playback started at; deeper loops belong to modal dialogs.
    int FPlayLoopLevel = 0;
    bool Flag = false;
    const QEvent* FLastKeyEvent = nullptr;
    quint64 FLastKeyStamp = 0;
    QPointer<QWidget> FLastKeyReceiver;

    QAction* NewAction1 = nullptr;
    QAction* OpenAction1 = nullptr;
    QAction* SaveAction1 = nullptr;
    QAction* SaveAsAction1 = nullptr;
    QAction* ExportAction1 = nullptr;
    QAction* SettingsAction1 = nullptr;
    QAction* ExitAction1 = nullptr;
    QAction* UndoAction1 = nullptr;
    QAction* RedoAction1 = nullptr;
    QAction* CutAction1 = nullptr;
    QAction* CopyAction1 = nullptr;
    QAction* PasteAction1 = nullptr;
    QAction* DeleteAction1 = nullptr;
    QAction* ToFrontAction1 = nullptr;
    QAction* ToBackAction1 = nullptr;
    QAction* AngleAction1 = nullptr;
    QAction* StretchAction1 = nullptr;
    QAction* DataAction1 = nullptr;
    QAction* ContentAction1 = nullptr;
    QAction* AboutAction1 = nullptr;
    std::array<QAction*, ToolCount> FToolActions{};
    QActionGroup* FToolGroup = nullptr;
    std::array<QToolButton*, ToolCount> FModeSpeeds{};

    TBufferedScrollTable* BufferedScrollTable1 = nullptr;
    QMenu* FCanvasMenu = nullptr;
    QMenu* FRecentMenu = nullptr;
    std::array<TCollapsiblePanel*, PanelCount> FPanels{};
    QComboBox* ZoomCombo = nullptr;
    QComboBox* FrameCombo = nullptr;
    QToolButton* TakeSpeed = nullptr;
    QComboBox* ObjectCombo = nullptr;
    QToolButton* NameSpeed = nullptr;
    QToolButton* GroupSpeed = nullptr;
    QToolButton* PlaySpeed = nullptr;
    QToolButton* StopSpeed = nullptr;
    QToolButton* EndlessSpeed = nullptr;
    QToolButton* LeftSpeed = nullptr;
    QToolButton* RightSpeed = nullptr;
    QComboBox* StepCombo = nullptr;
    TColorSwatch* BrushShape = nullptr;
    QCheckBox* BrushCheck = nullptr;
    TColorSwatch* PenShape = nullptr;
    QCheckBox* PenCheck = nullptr;
    TTrackBar* PenWidthTrack = nullptr;
    QLabel* PenWidthLabel = nullptr;
    TColorSwatch* TransShape = nullptr;
    TTrackBar* TransTrack = nullptr;
    QLabel* TransLabel = nullptr;
    QComboBox* FontNameCombo = nullptr;
    QComboBox* FontSizeCombo = nullptr;
    QToolButton* FontBoldSpeed = nullptr;
    QToolButton* FontItalicSpeed = nullptr;
    QToolButton* FontUnderlineSpeed = nullptr;
    QComboBox* MaskCombo = nullptr;
    TTimelineGrid* DrawGrid1 = nullptr;
    std::array<QLabel*, 3> FStatusFields{};
};
