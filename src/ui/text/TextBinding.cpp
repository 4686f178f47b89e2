#include "ui/text/TextBinding.h"
#include "ui/text/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>

void OnLanguageChange(QObject* owner, std::function<void()> show) {
    show();
    // The connection ends with the owner, so a closed dialog leaves nothing behind.
    QObject::connect(&TLanguageSwitch::Instance(), &TLanguageSwitch::Changed, owner,
                     std::move(show));
}

namespace {
// The target's setter receives the text now and after every change of language.
template <typename Target, typename Setter> void Bind(Target* target, Setter setter, TText text) {
    OnLanguageChange(target, [target, setter, text] { (target->*setter)(ResStr(text)); });
}
} // namespace

void BindText(QLabel* label, TText text) {
    Bind(label, &QLabel::setText, text);
}

void BindText(QAbstractButton* button, TText text) {
    Bind(button, &QAbstractButton::setText, text);
}

void BindText(QAction* action, TText text) {
    Bind(action, &QAction::setText, text);
}

void BindTitle(QWidget* window, TText text) {
    Bind(window, &QWidget::setWindowTitle, text);
}

void BindTitle(QMenu* menu, TText text) {
    Bind(menu, &QMenu::setTitle, text);
}

void BindTitle(QGroupBox* box, TText text) {
    Bind(box, &QGroupBox::setTitle, text);
}

void BindToolTip(QWidget* widget, TText text) {
    Bind(widget, &QWidget::setToolTip, text);
}

void BindToolTip(QAction* action, TText text) {
    Bind(action, &QAction::setToolTip, text);
}

void BindItems(QComboBox* combo, std::vector<TText> items) {
    OnLanguageChange(combo, [combo, items = std::move(items)] {
        const int chosen = combo->currentIndex();
        // Renaming the entries is not a choice of the user's.
        const QSignalBlocker quiet(combo);
        combo->clear();
        for (const TText& item : items)
            combo->addItem(ResStr(item));
        if (chosen >= 0)
            combo->setCurrentIndex(chosen);
    });
}
