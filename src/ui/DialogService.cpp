#include "ui/DialogService.h"

#include "ui/InputExForm.h"
#include "ui/MessageForm.h"
#include "ui/ShapePickerForm.h"

#include <QColorDialog>
#include <QFileDialog>

QMessageBox::StandardButton TWidgetDialogService::Question(QWidget* parent, const QString& title,
                                                           const QString& text,
                                                           QMessageBox::StandardButtons buttons) {
    return QMessageBox::question(parent, title, text, buttons);
}

void TWidgetDialogService::Error(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text);
}

QString TWidgetDialogService::OpenFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString TWidgetDialogService::SaveFileName(QWidget* parent, const QString& preset,
                                           const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), preset, filter);
}

int TWidgetDialogService::ShowChoiceDialog(QWidget* parent, const QString& title,
                                           const QString& text, const QString& caption1,
                                           const QString& caption3, const QString& caption2) {
    TMessageForm form(parent);
    return form.ShowChoice(title, text, caption1, caption3, caption2);
}

bool TWidgetDialogService::ShowInputEx(QWidget* parent, const QString& caption,
                                       const QString& prompt, const QString& listPrompt, int& index,
                                       QString& text, const QStringList& items) {
    return ::ShowInputEx(parent, caption, prompt, listPrompt, index, text, items);
}

bool TWidgetDialogService::ShowShapePicker(QWidget* parent, int& index,
                                           const std::vector<TPolyPointsEx>& polygons) {
    return ::ShowShapePicker(parent, index, polygons);
}

bool TWidgetDialogService::ChooseColor(QWidget* parent, TColor& color) {
    // No colour means nothing to preset; the chooser starts on white then.
    const TColor preset = color == clNone ? 0xFFFFFF : color;
    const QColor chosen = QColorDialog::getColor(
        QColor(preset & 0xFF, (preset >> 8) & 0xFF, (preset >> 16) & 0xFF), parent);
    if (!chosen.isValid())
        return false;
    color = static_cast<TColor>(chosen.red()) | static_cast<TColor>(chosen.green()) << 8 |
            static_cast<TColor>(chosen.blue()) << 16;
    return true;
}
