#pragma once

#include <QSpinBox>

// A whole-number field that takes whatever is typed: its digits are the number, negative when a
// minus leads them, clamped to the range, so the field never yields one outside it.
class TSpinEdit : public QSpinBox {
public:
    TSpinEdit(int lowest, int highest, QWidget* parent);

    // The number the text stands for, clamped, whether or not the field has taken it over yet.
    int Number() const;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
};
