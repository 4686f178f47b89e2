#include "ui/MessageForm.h"

#include <QLabel>
#include <QPushButton>

namespace {
QPushButton* NewButton(QDialog* dialog, int x, int result) {
    auto* button = new QPushButton(dialog);
    button->setGeometry(x, 72, 75, 25);
    QObject::connect(button, &QPushButton::clicked, dialog,
                     [dialog, result] { dialog->done(result); });
    return button;
}
} // namespace

TMessageForm::TMessageForm(QWidget* parent)
    : QDialog(parent), FText(new QLabel(this)), FLeft(NewButton(this, 63, 0)),
      FMiddle(NewButton(this, 144, 1)), FRight(NewButton(this, 224, 2)) {
    setFixedSize(361, 106);
    FText->setGeometry(16, 16, 329, 48);
    FText->setWordWrap(true);
    FLeft->setDefault(true);
    FLeft->setObjectName(QStringLiteral("ChoiceLeft"));
    FMiddle->setObjectName(QStringLiteral("ChoiceMiddle"));
    FRight->setObjectName(QStringLiteral("ChoiceRight"));
}

int TMessageForm::ShowChoice(const QString& title, const QString& text, const QString& caption1,
                             const QString& caption3, const QString& caption2) {
    setWindowTitle(title);
    FText->setText(text);
    FLeft->setText(caption1);
    FMiddle->setText(caption2);
    FRight->setText(caption3);
    // Escape and the close box reject, which counts as the right button.
    const int result = exec();
    return result == QDialog::Rejected ? 2 : result;
}
