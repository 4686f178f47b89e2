#include "ui/InputExForm.h"
#include "ui/DialogButton.h"

#include "core/text/CommonTexts.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kClientWidth = 233;
constexpr int kClientHeight = 154;
constexpr int kMargin = 8;
constexpr int kFieldWidth = kClientWidth - 2 * kMargin;

} // namespace

TInputExForm::TInputExForm(QWidget* parent)
    : QDialog(parent), FPrompt(new QLabel(this)), FEdit(new QLineEdit(this)),
      FListPrompt(new QLabel(this)), FList(new QComboBox(this)),
      FOk(NewDialogButton(this, kOkText, 68, 120, "InputOk")),
      FCancel(NewDialogButton(this, kCancelText, 150, 120, "InputCancel")) {
    setFixedSize(kClientWidth, kClientHeight);
    FPrompt->setGeometry(kMargin, 6, kFieldWidth, 16);
    FEdit->setObjectName(QStringLiteral("InputEdit"));
    FEdit->setGeometry(kMargin, 22, kFieldWidth, 23);
    FListPrompt->setGeometry(kMargin, 52, kFieldWidth, 16);
    FList->setObjectName(QStringLiteral("InputList"));
    FList->setEditable(false);
    FList->setGeometry(kMargin, 68, kFieldWidth, 23);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(kMargin, 104, kFieldWidth, 2);
    FOk->setDefault(true);
    FPrompt->setBuddy(FEdit);
    FListPrompt->setBuddy(FList);
    connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TInputExForm::Execute(const QString& caption, const QString& prompt, const QString& listPrompt,
                           int& index, QString& text, const QStringList& items) {
    setWindowTitle(caption);
    FPrompt->setText(prompt);
    FListPrompt->setText(listPrompt);
    FEdit->setText(text);
    FList->clear();
    FList->addItems(items);
    FList->setCurrentIndex(index);
    FEdit->setFocus();
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    text = FEdit->text();
    index = FList->currentIndex();
    return true;
}

bool ShowInputEx(QWidget* parent, const QString& caption, const QString& prompt,
                 const QString& listPrompt, int& index, QString& text, const QStringList& items) {
    TInputExForm form(parent);
    return form.Execute(caption, prompt, listPrompt, index, text, items);
}
