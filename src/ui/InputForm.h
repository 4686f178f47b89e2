#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// A fixed dialog asking for one or two typed values. "Ok" (default, Enter) accepts; "Abbruch",
// Escape or the close box cancel.
class TInputForm : public QDialog {
    Q_OBJECT
public:
    explicit TInputForm(QWidget* parent = nullptr);

    // Hides the second field and pulls the bevel, the buttons and the bottom edge up to the
    // first one.
    void UseOneValue();
    // Shows the dialog modally, centred on the screen, with the texts in the fields. On "Ok"
    // returns true with the texts taken from the dialog; otherwise leaves them unchanged.
    bool Execute(const QString& caption, const QString& label1, const QString& label2,
                 QString& text1, QString& text2);

private:
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QFrame* Bevel1;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};

// One use of the dialog with one field, created and freed here.
bool InputValue(QWidget* parent, const QString& caption, const QString& label, QString& text);
// The same with both fields.
bool InputValues(QWidget* parent, const QString& caption, const QString& label1,
                 const QString& label2, QString& text1, QString& text2);
