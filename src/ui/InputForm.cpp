#include "ui/InputForm.h"
#include "ui/DialogButton.h"

#include "core/text/CommonTexts.h"

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
constexpr int kButtonTop = 120;

QLineEdit* NewEdit(QDialog* dialog, int top, const char* name) {
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(kMargin, top, kFieldWidth, 23);
    return edit;
}
} // namespace

TInputForm::TInputForm(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this)), Edit1(NewEdit(this, 22, "Edit1")),
      Label2(new QLabel(this)), Edit2(NewEdit(this, 68, "Edit2")), Bevel1(new QFrame(this)),
      OkButton(NewDialogButton(this, kOkText, 68, kButtonTop, "OkButton")),
      CancelButton(NewDialogButton(this, kCancelText, 150, kButtonTop, "CancelButton")) {
    setFixedSize(kClientWidth, kClientHeight);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kMargin, 6, kFieldWidth, 16);
    Label1->setBuddy(Edit1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(kMargin, 52, kFieldWidth, 16);
    Label2->setBuddy(Edit2);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(kMargin, 104, kFieldWidth, 2);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TInputForm::UseOneValue() {
    Label2->hide();
    Edit2->hide();
    Bevel1->move(Bevel1->x(), Edit1->y() + 35);
    const int buttonTop = Bevel1->y() + 12;
    OkButton->move(OkButton->x(), buttonTop);
    CancelButton->move(CancelButton->x(), buttonTop);
    setFixedSize(kClientWidth, buttonTop + 30);
}

bool TInputForm::Execute(const QString& caption, const QString& label1, const QString& label2,
                         QString& text1, QString& text2) {
    setWindowTitle(caption);
    Label1->setText(label1);
    Label2->setText(label2);
    Edit1->setText(text1);
    Edit2->setText(text2);
    Edit1->setFocus();
    Edit1->selectAll();
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    text1 = Edit1->text();
    text2 = Edit2->text();
    return true;
}

bool InputValue(QWidget* parent, const QString& caption, const QString& label, QString& text) {
    TInputForm form(parent);
    form.UseOneValue();
    QString unused;
    return form.Execute(caption, label, QString(), text, unused);
}

bool InputValues(QWidget* parent, const QString& caption, const QString& label1,
                 const QString& label2, QString& text1, QString& text2) {
    TInputForm form(parent);
    return form.Execute(caption, label1, label2, text1, text2);
}
