#pragma once

#include "ui/Icons.h"
#include "ui/editor/CommandState.h"

#include "core/text/ResStr.h"

#include <QKeyCombination>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QWidget;

// Every command of the menus, the tool bar and the tool column.
enum class TCommand {
    New,
    Open,
    Save,
    SaveAs,
    Export,
    Settings,
    Recovery,
    Exit,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    ToFront,
    ToBack,
    Angle,
    Stretch,
    Data,
    Content,
    About,
    SelectionTool,
    PolylineTool,
    BezierPolylineTool,
    PolygonTool,
    BezierPolygonTool,
    BitmapTool,
    TextTool,
    FormTool,
    Count
};

// One command as declared once: what the user sees, what it does and when it is offered.
struct TActionEntry {
    TCommand Command;
    const char* ObjectName;
    TText Caption;
    QKeyCombination Shortcut;
    std::optional<TIconKind> Icon;
    std::function<void()> Handler;
    // Empty: always offered.
    std::function<bool(const TCommandState&)> Enabled;
    // A tool: checkable, and exactly one tool is checked.
    bool Tool = false;
};

// The window's actions, made from their declarations; shortcuts work anywhere in the window.
class TEditorActions {
public:
    TEditorActions(QWidget* window, const std::vector<TActionEntry>& entries);

    QAction* operator[](TCommand command) const {
        return FActions[static_cast<std::size_t>(command)];
    }
    // Offers each command as its rule says for state.
    void Update(const TCommandState& state);

private:
    std::array<QAction*, static_cast<std::size_t>(TCommand::Count)> FActions{};
    std::array<std::function<bool(const TCommandState&)>, static_cast<std::size_t>(TCommand::Count)>
        FRules{};
    QActionGroup* FTools = nullptr;
};
