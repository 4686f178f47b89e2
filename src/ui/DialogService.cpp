#include "ui/DialogService.h"

#include "core/render/Primitives.h"
#include "core/text/CommonTexts.h"

#include "ui/CompressionForm.h"
#include "ui/GroupForm.h"
#include "ui/InputDataForm.h"
#include "ui/InputExForm.h"
#include "ui/InputForm.h"
#include "ui/MessageForm.h"
#include "ui/NewForm.h"
#include "ui/RecoveryForm.h"
#include "ui/ShapePickerForm.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QRegularExpression>

QMessageBox::StandardButton TWidgetDialogService::Question(QWidget* parent, const QString& title,
                                                           const QString& text,
                                                           QMessageBox::StandardButtons buttons) {
    return QMessageBox::question(parent, title, text, buttons);
}

void TWidgetDialogService::Error(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text);
}

bool TWidgetDialogService::EditRecoverySettings(QWidget* parent, TRecoverySettings& settings) {
    TRecoveryForm form(parent);
    form.SetSettings(settings);
    if (form.exec() != QDialog::Accepted)
        return false;
    settings = form.Settings();
    return true;
}

void TWidgetDialogService::Warning(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

QString TWidgetDialogService::ChooseFolder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title);
}

bool TWidgetDialogService::OpenDocument(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString TWidgetDialogService::OpenFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString TWidgetDialogService::SaveFileName(QWidget* parent, const QString& preset,
                                           const QString& filter) {
    QFileDialog dialog(parent, QString(), preset, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without extension gets the filter's, so the dialog's overwrite question is
    // about the file that will be written.
    const QRegularExpressionMatch suffix =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    if (suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString TWidgetDialogService::SaveExportFileName(QWidget* parent, const QStringList& filters,
                                                 int& filterIndex) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    if (filterIndex >= 0 && filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(filterIndex));
    // A name typed without extension gets the chosen filter's, so the overwrite question is
    // about the file that will be written.
    const auto takeSuffix = [&dialog](const QString& filter) {
        const QRegularExpressionMatch suffix =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        dialog.setDefaultSuffix(suffix.hasMatch() ? suffix.captured(1) : QString());
    };
    takeSuffix(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0)
        filterIndex = static_cast<int>(chosen);
    return dialog.selectedFiles().first();
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
    const QColor chosen = QColorDialog::getColor(ColorToQColor(preset), parent);
    if (!chosen.isValid())
        return false;
    color = static_cast<TColor>(chosen.red()) | static_cast<TColor>(chosen.green()) << 8 |
            static_cast<TColor>(chosen.blue()) << 16;
    return true;
}

bool TWidgetDialogService::InputValue(QWidget* parent, const QString& caption, const QString& label,
                                      QString& text) {
    return ::InputValue(parent, caption, label, text);
}

bool TWidgetDialogService::InputValues(QWidget* parent, const QString& caption,
                                       const QString& label1, const QString& label2, QString& text1,
                                       QString& text2) {
    return ::InputValues(parent, caption, label1, label2, text1, text2);
}

bool TWidgetDialogService::EditPoints(QWidget* parent, TPolyPointsEx& points, bool closed) {
    return ::EditPoints(parent, points, closed);
}

bool TWidgetDialogService::InputText(QWidget* parent, const QString& caption, const QString& prompt,
                                     QString& text) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    // The same answers as every other dialog of the editor.
    dialog.setOkButtonText(ResStr(kOkText));
    dialog.setCancelButtonText(ResStr(kCancelText));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.textValue();
    return true;
}

bool TWidgetDialogService::ChooseGroup(QWidget* parent, const QStringList& lines,
                                       std::vector<bool>& checked) {
    return ::ChooseGroup(parent, lines, checked);
}

bool TWidgetDialogService::EditProjectSettings(QWidget* parent, const QString& caption,
                                               TProjectSettings& settings, TOnionSettings& onion) {
    TNewForm form(*this, parent);
    return form.Execute(caption, settings, onion);
}

bool TWidgetDialogService::ChooseVideoCodec(QWidget* parent, TVideoContainer container,
                                            TVideoOptions& options) {
    return ::ChooseVideoCodec(parent, container, options);
}
