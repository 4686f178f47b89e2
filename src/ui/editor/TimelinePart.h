#pragma once

#include <QObject>
#include <QPoint>

class QComboBox;
class QTimer;
class QToolButton;
class QWidget;
class TCanvasPart;
class TDialogService;
class TEditorState;
class TTimelineGrid;
struct TCommandState;

// The frames: the frame box and its take-over button, the timeline grid with its keyframe
// gestures, and playback with its range and column thinning.
class TTimelinePart : public QObject {
    Q_OBJECT
public:
    TTimelinePart(TEditorState& state, TDialogService& dialogs, TCanvasPart& canvas,
                  QWidget* window);

    TTimelineGrid* Grid() const { return DrawGrid1; }
    QComboBox* FrameBox() const { return FrameCombo; }
    QToolButton* TakeButton() const { return TakeSpeed; }
    // The playback buttons and the step box, in their row's order.
    QList<QWidget*> PlaybackControls() const;

    // The frame the frame box shows; during a switch it runs ahead of the project's.
    int ShownFrame() const;
    bool IsPlaying() const;
    void UpdateControls(const TCommandState& state);
    // Frame box and timeline rebuilt from the project's frames.
    void Rebuild();
    void SetupTimeline();

    void FrameComboChange(bool askUser);
    void TakeSpeedClick();
    void PlaySpeedClick();
    void StepComboChange(int index);

private:
    void CreateFrameControls(QWidget* window);
    void CreatePlaybackControls(QWidget* window);
    void CreateTimeline(QWidget* window);
    void FillFrameCombo();
    void SwitchToFrame(int frame);
    void ScrollToCurrentFrame();
    void DrawGrid1MouseDown(int column, int row, Qt::KeyboardModifiers modifiers);
    void DrawGrid1MouseMove(int column, int row);
    void DrawGrid1MouseUp(int column, int row, Qt::KeyboardModifiers modifiers);
    void DrawGrid1DblClick(int column, int row);
    void PlayStep();
    // Puts the start or the end of the playback range on the current frame.
    void SetPlayRange(bool start);

    TEditorState& FState;
    TDialogService& FDialogs;
    TCanvasPart& FCanvas;
    QWidget* FWindow;
    TTimelineGrid* DrawGrid1 = nullptr;
    QComboBox* FrameCombo = nullptr;
    QToolButton* TakeSpeed = nullptr;
    QToolButton* PlaySpeed = nullptr;
    QToolButton* StopSpeed = nullptr;
    QToolButton* EndlessSpeed = nullptr;
    QToolButton* LeftSpeed = nullptr;
    QToolButton* RightSpeed = nullptr;
    QComboBox* StepCombo = nullptr;
    QTimer* FPlayTimer = nullptr;
    // The event-loop depth playback started at; deeper loops belong to modal dialogs.
    int FPlayLoopLevel = 0;
    bool FGridDrag = false;
    bool KeyDrag = false;
    QPoint FKeySource{-1, -1};
};
