#pragma once

#include "core/model/Frame.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class QListWidget;
class QPushButton;

// A fixed dialog "Gruppe wählen" with one check line per object of the frame.
class TGroupForm : public QDialog {
    Q_OBJECT
public:
    explicit TGroupForm(const QStringList& lines, QWidget* parent = nullptr);

    // Shows the lines with checked ticked; on "Ok" returns true with checked as ticked.
    bool Execute(std::vector<bool>& checked);

private:
    QListWidget* CheckListBox1;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};

// One use of the dialog, created and freed here.
bool ChooseGroup(QWidget* parent, const QStringList& lines, std::vector<bool>& checked);
