#include "ui/editor/EditorActions.h"
#include "ui/text/TextBinding.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

TEditorActions::TEditorActions(QWidget* window, const std::vector<TActionEntry>& entries) {
    FTools = new QActionGroup(window);
    FTools->setExclusive(true);
    for (const TActionEntry& entry : entries) {
        auto* action = new QAction(window);
        action->setObjectName(QString::fromLatin1(entry.ObjectName));
        // The caption is the hint; no status tip, which would hide the status fields while shown.
        OnLanguageChange(action, [action, caption = entry.Caption] {
            action->setText(ResStr(caption));
            action->setToolTip(action->text());
        });
        if (entry.Shortcut.key() != Qt::Key_unknown)
            action->setShortcut(QKeySequence(entry.Shortcut));
        if (entry.Icon)
            action->setIcon(EditorIcon(*entry.Icon));
        if (entry.Tool) {
            action->setCheckable(true);
            FTools->addAction(action);
        }
        if (entry.Handler)
            QObject::connect(action, &QAction::triggered, window, entry.Handler);
        window->addAction(action);
        const auto index = static_cast<std::size_t>(entry.Command);
        FActions[index] = action;
        FRules[index] = entry.Enabled;
    }
}

void TEditorActions::Update(const TCommandState& state) {
    for (std::size_t i = 0; i < FActions.size(); ++i)
        if (FActions[i] && FRules[i])
            FActions[i]->setEnabled(FRules[i](state));
}
