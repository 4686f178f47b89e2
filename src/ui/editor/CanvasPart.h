#pragma once

#include "core/model/TypesObject.h"
#include "ui/SettingsStore.h"
#include "ui/editor/OnionSkin.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QEvent;
class QMenu;
class QMouseEvent;
class QPainter;
class QWidget;
class TBufferedScrollTable;
class TDialogService;
class TEditorState;
enum class TChange : unsigned;

// The canvas and everything done on it: the tools, creating and changing objects with the
// mouse, the selection and the multi-selection, the arrow keys, the zoom and the object box.
class TCanvasPart : public QObject {
    Q_OBJECT
public:
    static constexpr int ToolCount = 8;
    static constexpr TColor SurroundColor = 5263440;

    TCanvasPart(TEditorState& state, TDialogService& dialogs, QWidget* window);

    TBufferedScrollTable* Canvas() const { return BufferedScrollTable1; }
    QComboBox* ZoomBox() const { return ZoomCombo; }
    QComboBox* ObjectBox() const { return ObjectCombo; }
    // The switch of the onion skin, for the display panel.
    QCheckBox* OnionBox() const { return OnionCheck; }
    const TOnionSettings& OnionSettings() const { return FOnionSettings; }
    // Keeps the settings and shows the neighbours as they say.
    void SetOnionSettings(const TOnionSettings& settings);
    // The tool actions, in tool order; the window declares them, the canvas reads them.
    void SetTools(const std::array<QAction*, ToolCount>& tools) { FToolActions = tools; }
    void SetContextMenu(QMenu* menu) { FCanvasMenu = menu; }

    void ApplyToolMode();
    void SelectSelectionTool();
    // The canvas draws with the panel defaults' pen and font until objects say otherwise.
    void ApplyDefaultsToCanvas();
    void UpdateCanvasExtent();
    // Zoom 100 % in the box and on the project.
    void ResetZoom();
    void ResetCursorAndRepaint();
    void Focus();
    void FillObjectCombo();

    void DropSelection();
    void ClearMultiSelection();
    void EndMultiSelection();

    // Acts on a key pressed anywhere in the window, once however far it propagates.
    void KeyPressed(QObject* watched, QEvent* event);

    void ZoomComboChange(int index);
    void ObjectComboChange(int index);

private:
    QWidget* CreateCanvas(QWidget* window);
    QRect ProjectArea() const;
    void PaintCanvas();
    void PaintBackground(QPainter& painter, const QRect& area);
    // One marker per frame at the selected object's anchor, when paths are shown.
    void PaintMotionPath(QPainter& painter);
    void PaintSelectionFrames(QPainter& painter, const QRect& area);
    void CreateOnionBox(QWidget* window);
    // Neighbours are built from the frames as stored, which is what memory holds whenever the
    // current frame has no pending changes.
    void OnionStateChanged(TChange change);
    void PaintOnionSkin(QPainter& painter, const QRect& area);

    // The tool decides whether a gesture creates or changes objects.
    int CurrentTool() const;
    bool InSelectionMode() const { return CurrentTool() == 0; }
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

    bool ToggleMultiSelection(QPoint at);
    void SelectInRect();
    void MoveMultiSelection(Extended dX, Extended dY);
    TRect MultiSelectionBounds() const;

    TEditorState& FState;
    TDialogService& FDialogs;
    TBufferedScrollTable* BufferedScrollTable1 = nullptr;
    QComboBox* ZoomCombo = nullptr;
    QComboBox* ObjectCombo = nullptr;
    QMenu* FCanvasMenu = nullptr;
    QCheckBox* OnionCheck = nullptr;
    TOnionSettings FOnionSettings;
    TOnionSkin FOnion;
    bool FOnionHadPending = false;
    int FOnionFrame = -1;
    std::array<QAction*, ToolCount> FToolActions{};

    std::unique_ptr<TTypesObject> FTempObject;
    bool DragActive = false;
    TRect DragRect;
    QPoint DragStart;
    int ExtendMode = 0;
    // A creation press waits for its release.
    bool CreateActive = false;
    bool Flag = false;
    const QEvent* FLastKeyEvent = nullptr;
    quint64 FLastKeyStamp = 0;
    QPointer<QWidget> FLastKeyReceiver;
};
