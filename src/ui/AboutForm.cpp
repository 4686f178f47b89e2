#include "ui/AboutForm.h"
#include "ui/text/TextBinding.h"

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
    BindTitle(this, {20800, "Info"});
    auto* text = new QVBoxLayout;
    text->addWidget(NameLabel(this));
    auto* purpose = new QLabel(this);
    purpose->setObjectName(QStringLiteral("Purpose"));
    BindText(purpose, {20801, "Editor für zweidimensionale Vektoranimation"});
    text->addWidget(purpose);
    auto* build = new QLabel(this);
    OnLanguageChange(build,
                     [build] { build->setText(ResStr(20802, "Version %1").arg(BuildText())); });
    build->setObjectName(QStringLiteral("BuildText"));
    build->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->addWidget(build);
    text->addWidget(new QLabel(QStringLiteral("© Orvane"), this));

    auto* body = new QHBoxLayout;
    body->addWidget(IconLabel(this));
    body->addSpacing(12);
    body->addLayout(text);

    // A button of its own rather than the standard one, which Qt would rename after every
    // change of language.
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    BindText(ok, {20803, "OK"});
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAboutForm::BuildText() {
    return QStringLiteral(KELVRO_VERSION "b");
}
