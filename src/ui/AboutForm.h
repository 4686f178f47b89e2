#pragma once

#include <QDialog>

class QLabel;

// The program's name, its build and what it is for.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // The version of this build, four numbers, followed by "b".
    static QString BuildText();
};
