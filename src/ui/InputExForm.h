#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// A fixed dialog asking for a one-line text and a choice from a list that cannot be typed
// into. "Ok" (default, Enter) accepts; "Abbruch", Escape or the close box cancel.
class TInputExForm : public QDialog {
    Q_OBJECT
public:
    explicit TInputExForm(QWidget* parent = nullptr);

    // Shows the dialog modally, centred on the screen, with text in the edit and index chosen in
    // the list. On "Ok" returns true with text and index taken from the dialog; otherwise
    // returns false and leaves both unchanged.
    bool Execute(const QString& caption, const QString& prompt, const QString& listPrompt,
                 int& index, QString& text, const QStringList& items);

private:
    QLabel* FPrompt;
    QLineEdit* FEdit;
    QLabel* FListPrompt;
    QComboBox* FList;
    QPushButton* FOk;
    QPushButton* FCancel;
};

// One use of the dialog, created and freed here.
bool ShowInputEx(QWidget* parent, const QString& caption, const QString& prompt,
                 const QString& listPrompt, int& index, QString& text, const QStringList& items);
