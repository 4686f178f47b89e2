#include "ui/GroupForm.h"
#include "ui/DialogButton.h"

#include "core/text/CommonTexts.h"

#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {
constexpr int kClientWidth = 249;
constexpr int kClientHeight = 303;
constexpr int kItemHeight = 13;

} // namespace

TGroupForm::TGroupForm(const QStringList& lines, QWidget* parent)
    : QDialog(parent), CheckListBox1(new QListWidget(this)),
      OkButton(NewDialogButton(this, kOkText, 84, kClientHeight - 33, "OkButton")),
      CancelButton(NewDialogButton(this, kCancelText, 166, kClientHeight - 33, "CancelButton")) {
    BindTitle(this, {20500, "Gruppe wählen"});
    setFixedSize(kClientWidth, kClientHeight);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setGeometry(8, 8, kClientWidth - 16, kClientHeight - 49);
    CheckListBox1->setUniformItemSizes(true);
    for (const QString& line : lines) {
        auto* item = new QListWidgetItem(line, CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
        item->setSizeHint({0, std::max(kItemHeight, fontMetrics().height())});
    }
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool TGroupForm::Execute(std::vector<bool>& checked) {
    const int count = CheckListBox1->count();
    for (int i = 0; i < count && i < static_cast<int>(checked.size()); ++i)
        CheckListBox1->item(i)->setCheckState(checked[i] ? Qt::Checked : Qt::Unchecked);
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    checked.assign(count, false);
    for (int i = 0; i < count; ++i)
        checked[i] = CheckListBox1->item(i)->checkState() == Qt::Checked;
    return true;
}

bool ChooseGroup(QWidget* parent, const QStringList& lines, std::vector<bool>& checked) {
    TGroupForm form(lines, parent);
    return form.Execute(checked);
}
