#pragma once

#include "core/text/ResStr.h"

#include <QString>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QObject;
class QWidget;

// Runs show now and again after every change of the interface language, as long as owner lives.
// Texts built from several parts or from the state are shown this way.
void OnLanguageChange(QObject* owner, std::function<void()> show);

// The widget shows the text in the current language, now and after every change of language.
void BindText(QLabel* label, TText text);
void BindText(QAbstractButton* button, TText text);
void BindText(QAction* action, TText text);
void BindTitle(QWidget* window, TText text);
void BindTitle(QMenu* menu, TText text);
void BindTitle(QGroupBox* box, TText text);
void BindToolTip(QWidget* widget, TText text);
void BindToolTip(QAction* action, TText text);
// The list's entries, in order; the chosen entry stays chosen when the language changes.
void BindItems(QComboBox* combo, std::vector<TText> items);
