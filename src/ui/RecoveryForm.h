#pragma once

#include "ui/SettingsStore.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

// Whether the editor keeps recovery copies of unsaved work, and how often.
class TRecoveryForm : public QDialog {
    Q_OBJECT
public:
    explicit TRecoveryForm(QWidget* parent = nullptr);

    void SetSettings(const TRecoverySettings& settings);
    TRecoverySettings Settings() const;

private:
    QCheckBox* FEnabled;
    QSpinBox* FSeconds;
};
