#include "ui/DialogService.h"

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
