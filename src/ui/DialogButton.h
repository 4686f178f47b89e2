#pragma once

#include "ui/text/TextBinding.h"

#include <QDialog>
#include <QPushButton>

// A 75 x 25 button of a fixed dialog at (x, y), its caption following the interface language.
// The dialogs choose their default button themselves, so none becomes one by taking the focus.
inline QPushButton* NewDialogButton(QDialog* dialog, TText caption, int x, int y,
                                    const char* name) {
    auto* button = new QPushButton(dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, 75, 25);
    button->setAutoDefault(false);
    BindText(button, caption);
    return button;
}
