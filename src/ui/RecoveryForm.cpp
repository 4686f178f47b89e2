#include "ui/RecoveryForm.h"
#include "ui/text/TextBinding.h"

#include "core/text/CommonTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TRecoveryForm::TRecoveryForm(QWidget* parent)
    : QDialog(parent), FEnabled(new QCheckBox(this)), FSeconds(new QSpinBox(this)) {
    BindTitle(this, {20810, "Wiederherstellung"});
    FEnabled->setObjectName(QStringLiteral("RecoveryEnabled"));
    BindText(FEnabled, {20811, "Wiederherstellungskopien anlegen"});
    BindToolTip(FEnabled, {20812, "Ungespeicherte Änderungen werden regelmäßig gesichert und "
                                  "nach einem Absturz beim nächsten Start angeboten."});
    FSeconds->setObjectName(QStringLiteral("RecoverySeconds"));
    FSeconds->setRange(TRecoverySettings::MinSeconds, TRecoverySettings::MaxSeconds);
    FSeconds->setSuffix(QStringLiteral(" s"));
    connect(FEnabled, &QCheckBox::toggled, FSeconds, &QWidget::setEnabled);

    auto* form = new QFormLayout;
    form->addRow(FEnabled);
    auto* secondsLabel = new QLabel(this);
    secondsLabel->setObjectName(QStringLiteral("RecoverySecondsLabel"));
    BindText(secondsLabel, {20813, "Spätestens nach:"});
    form->addRow(secondsLabel, FSeconds);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    // "Abbruch" is a button of its own: Qt renames its standard buttons after every change of
    // language, to its own word for them.
    QPushButton* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    BindText(cancel, kCancelText);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TRecoveryForm::SetSettings(const TRecoverySettings& settings) {
    FEnabled->setChecked(settings.Enabled);
    FSeconds->setValue(settings.Seconds);
    FSeconds->setEnabled(settings.Enabled);
}

TRecoverySettings TRecoveryForm::Settings() const {
    return {FEnabled->isChecked(), FSeconds->value()};
}
