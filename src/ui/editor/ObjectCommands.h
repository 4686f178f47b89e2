#pragma once

#include <QObject>
#include <functional>

class QToolButton;
class QWidget;
class TCanvasPart;
class TDialogService;
class TEditorState;
class TTypesObject;
struct TCommandState;

// Whether the system clipboard holds what Paste takes: objects in our own format or a picture.
bool ClipboardHoldsObjects();

// The commands on objects: undo and redo, delete, painting order, the typed angle, stretch and
// data, the object's name and the group choice, and the clipboard. A typed change is one undoable
// step.
class TObjectCommands : public QObject {
    Q_OBJECT
public:
    TObjectCommands(TEditorState& state, TDialogService& dialogs, TCanvasPart& canvas,
                    QWidget* window);

    QToolButton* NameButton() const { return NameSpeed; }
    QToolButton* GroupButton() const { return GroupSpeed; }
    void UpdateControls(const TCommandState& state);

    void UndoAction1Execute();
    void RedoAction1Execute();
    void DeleteAction1Execute();
    void CutAction1Execute();
    void CopyAction1Execute();
    void PasteAction1Execute();
    void ToFrontAction1Execute();
    void ToBackAction1Execute();
    void AngleAction1Execute();
    void StretchAction1Execute();
    void DataAction1Execute();
    void NameSpeedClick();
    void GroupSpeedClick();

private:
    void DeleteMultiSelection();
    void MoveInOrder(int step);
    void EditCentre();
    void EditPointList();
    // Changes the selected object as one undoable step, then refreshes.
    void ChangeSelected(const std::function<void(TTypesObject&)>& edit);

    TEditorState& FState;
    TDialogService& FDialogs;
    TCanvasPart& FCanvas;
    QWidget* FWindow;
    QToolButton* NameSpeed = nullptr;
    QToolButton* GroupSpeed = nullptr;
};
