#pragma once

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
