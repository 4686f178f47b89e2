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

void BindText(QLabel* label, TText text) {
    OnLanguageChange(label, [label, text] { label->setText(ResStr(text)); });
}

void BindText(QAbstractButton* button, TText text) {
    OnLanguageChange(button, [button, text] { button->setText(ResStr(text)); });
}

void BindText(QAction* action, TText text) {
    OnLanguageChange(action, [action, text] { action->setText(ResStr(text)); });
}

void BindTitle(QWidget* window, TText text) {
    OnLanguageChange(window, [window, text] { window->setWindowTitle(ResStr(text)); });
}

void BindTitle(QMenu* menu, TText text) {
    OnLanguageChange(menu, [menu, text] { menu->setTitle(ResStr(text)); });
}

void BindTitle(QGroupBox* box, TText text) {
    OnLanguageChange(box, [box, text] { box->setTitle(ResStr(text)); });
}

void BindToolTip(QWidget* widget, TText text) {
    OnLanguageChange(widget, [widget, text] { widget->setToolTip(ResStr(text)); });
}

void BindToolTip(QAction* action, TText text) {
    OnLanguageChange(action, [action, text] { action->setToolTip(ResStr(text)); });
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
