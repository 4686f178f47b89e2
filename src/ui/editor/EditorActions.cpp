#include "ui/editor/EditorActions.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

TEditorActions::TEditorActions(QWidget* window, const std::vector<TActionSpec>& specs) {
    FTools = new QActionGroup(window);
    FTools->setExclusive(true);
    for (const TActionSpec& spec : specs) {
        auto* action = new QAction(QString::fromUtf8(spec.Caption), window);
        action->setObjectName(QString::fromLatin1(spec.ObjectName));
        // The caption is the hint; no status tip, which would hide the status fields while shown.
        action->setToolTip(action->text());
        if (spec.Shortcut.key() != Qt::Key_unknown)
            action->setShortcut(QKeySequence(spec.Shortcut));
        if (spec.Icon)
            action->setIcon(EditorIcon(*spec.Icon));
        if (spec.Tool) {
            action->setCheckable(true);
            FTools->addAction(action);
        }
        if (spec.Handler)
            QObject::connect(action, &QAction::triggered, window, spec.Handler);
        window->addAction(action);
        const auto index = static_cast<std::size_t>(spec.Command);
        FActions[index] = action;
        FRules[index] = spec.Enabled;
    }
}

void TEditorActions::Update(const TCommandState& state) {
    for (std::size_t i = 0; i < FActions.size(); ++i)
        if (FActions[i] && FRules[i])
            FActions[i]->setEnabled(FRules[i](state));
}
