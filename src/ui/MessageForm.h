#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// A fixed question with three answers: the left button (default, Enter) gives 0, the middle one
// 1, the right one (Escape, or closing the dialog) 2.
class TMessageForm : public QDialog {
    Q_OBJECT
public:
    explicit TMessageForm(QWidget* parent = nullptr);

    int ShowChoice(const QString& title, const QString& text, const QString& caption1,
                   const QString& caption3, const QString& caption2);

private:
    QPushButton* NewChoiceButton(const char* name, int choice);

    QLabel* FText;
    QPushButton* FLeft;
    QPushButton* FMiddle;
    QPushButton* FRight;
    int FChoice = 2;
};
