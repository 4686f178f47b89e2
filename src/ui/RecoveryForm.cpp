#include "ui/RecoveryForm.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TRecoveryForm::TRecoveryForm(QWidget* parent)
    : QDialog(parent),
      FEnabled(new QCheckBox(QStringLiteral("Wiederherstellungskopien anlegen"), this)),
      FSeconds(new QSpinBox(this)) {
    setWindowTitle(QStringLiteral("Wiederherstellung"));
    FEnabled->setObjectName(QStringLiteral("RecoveryEnabled"));
    FEnabled->setToolTip(QStringLiteral("Ungespeicherte Änderungen werden regelmäßig gesichert und "
                                        "nach einem Absturz beim nächsten Start angeboten."));
    FSeconds->setObjectName(QStringLiteral("RecoverySeconds"));
    FSeconds->setRange(TRecoverySettings::MinSeconds, TRecoverySettings::MaxSeconds);
    FSeconds->setSuffix(QStringLiteral(" s"));
    connect(FEnabled, &QCheckBox::toggled, FSeconds, &QWidget::setEnabled);

    auto* form = new QFormLayout;
    form->addRow(FEnabled);
    form->addRow(QStringLiteral("Spätestens nach:"), FSeconds);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbruch"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
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
