#pragma once

#include "ui/text/TextBinding.h"

#include <QDialog>
#include <QPushButton>

// A 75 x 25 button of a fixed dialog at (x, y). The dialogs choose their default button
// themselves, so none becomes one by taking the focus.
inline QPushButton* NewDialogButton(QDialog* dialog, const QString& caption, int x, int y,
                                    const char* name) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, 75, 25);
    button->setAutoDefault(false);
    return button;
}

// The same with a caption that follows the interface language.
inline QPushButton* NewDialogButton(QDialog* dialog, TText caption, int x, int y,
                                    const char* name) {
    QPushButton* button = NewDialogButton(dialog, QString(), x, y, name);
    BindText(button, caption);
    return button;
}
