#include "ui/MessageForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kMinimumWidth = 361;
constexpr int kButtonWidth = 75;
} // namespace

TMessageForm::TMessageForm(QWidget* parent)
    : QDialog(parent), FText(new QLabel(this)), FLeft(NewChoiceButton("ChoiceLeft", 0)),
      FMiddle(NewChoiceButton("ChoiceMiddle", 1)), FRight(NewChoiceButton("ChoiceRight", 2)) {
    FText->setWordWrap(true);
    FText->setMinimumHeight(48);
    FLeft->setDefault(true);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    for (QPushButton* button : {FLeft, FMiddle, FRight})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 9);
    column->addWidget(FText);
    column->addLayout(buttons);
    setMinimumWidth(kMinimumWidth);
}

QPushButton* TMessageForm::NewChoiceButton(const char* name, int choice) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    // Every button accepts; the answer is which one. Rejecting (Escape, the close box) keeps 2.
    connect(button, &QPushButton::clicked, this, [this, choice] {
        FChoice = choice;
        accept();
    });
    return button;
}

int TMessageForm::ShowChoice(const QString& title, const QString& text, const QString& caption1,
                             const QString& caption3, const QString& caption2) {
    setWindowTitle(title);
    FText->setText(text);
    FLeft->setText(caption1);
    FMiddle->setText(caption2);
    FRight->setText(caption3);
    // Long captions widen their button rather than being cut.
    for (QPushButton* button : {FLeft, FMiddle, FRight})
        button->setMinimumWidth(std::max(kButtonWidth, button->sizeHint().width()));
    setFixedSize(sizeHint().expandedTo(QSize(kMinimumWidth, 0)));
    FChoice = 2;
    return exec() == QDialog::Accepted ? FChoice : 2;
}
