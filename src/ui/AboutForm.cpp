#include "ui/AboutForm.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* NameLabel(QWidget* parent) {
    auto* name = new QLabel(QStringLiteral("Kelvro"), parent);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont font = name->font();
    font.setPointSizeF(font.pointSizeF() * 2);
    font.setBold(true);
    name->setFont(font);
    return name;
}

QLabel* IconLabel(QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setPixmap(QIcon(QStringLiteral(":/desktop/kelvro.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    return icon;
}
} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info"));
    auto* text = new QVBoxLayout;
    text->addWidget(NameLabel(this));
    text->addWidget(
        new QLabel(QStringLiteral("Editor für zweidimensionale Vektoranimation"), this));
    auto* build = new QLabel(QStringLiteral("Version %1").arg(BuildText()), this);
    build->setObjectName(QStringLiteral("BuildText"));
    build->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->addWidget(build);
    text->addWidget(new QLabel(QStringLiteral("© Orvane"), this));

    auto* body = new QHBoxLayout;
    body->addWidget(IconLabel(this));
    body->addSpacing(12);
    body->addLayout(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAboutForm::BuildText() {
    return QStringLiteral(KELVRO_VERSION "b");
}
