#pragma once

#include "support/ScriptedObjectDialogs.h"
#include "ui/DialogService.h"
#include "ui/InputDataForm.h"

#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

// Answers the editor's modal questions from a script and remembers what was asked.
class TScriptedDialogs : public TDialogService {
public:
    QMessageBox::StandardButton Question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons) override {
        Asked << title + QStringLiteral(": ") + text;
        if (Answers.empty())
            return QMessageBox::Cancel;
        const QMessageBox::StandardButton answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void Error(QWidget*, const QString& title, const QString& text) override {
        Errors << title + QStringLiteral(": ") + text;
    }
    void Warning(QWidget*, const QString& title, const QString& text) override {
        Warnings << title + QStringLiteral(": ") + text;
    }
    QString ChooseFolder(QWidget*, const QString& title) override {
        Asked << title;
        return Folders.isEmpty() ? QString() : Folders.takeFirst();
    }
    bool OpenDocument(const QUrl& url) override {
        Opened << url;
        return true;
    }
    int ShowChoiceDialog(QWidget*, const QString& title, const QString& text, const QString&,
                         const QString&, const QString&) override {
        Asked << title + QStringLiteral(": ") + text;
        if (Choices.empty())
            return 2;
        const int choice = Choices.front();
        Choices.pop_front();
        return choice;
    }
    QString OpenFileName(QWidget*, const QString&) override { return NextFile(); }
    QString SaveFileName(QWidget*, const QString&, const QString&) override { return NextFile(); }
    bool ShowInputEx(QWidget*, const QString& caption, const QString& prompt,
                     const QString& listPrompt, int& index, QString& text,
                     const QStringList& items) override {
        return Inputs.Answer(caption, prompt, listPrompt, index, text, items);
    }
    bool ShowShapePicker(QWidget*, int& index,
                         const std::vector<TPolyPointsEx>& polygons) override {
        ShapeOffers.push_back(polygons);
        if (ShapeChoices.empty())
            return false;
        index = ShapeChoices.front();
        ShapeChoices.pop_front();
        return true;
    }
    bool ChooseColor(QWidget*, TColor& color) override {
        ColorPresets.push_back(color);
        if (Colors.empty())
            return false;
        color = Colors.front();
        Colors.pop_front();
        return true;
    }
    bool InputValue(QWidget*, const QString& caption, const QString& label,
                    QString& text) override {
        QString unused;
        return InputValues(nullptr, caption, label, QString(), text, unused);
    }
    bool InputValues(QWidget*, const QString& caption, const QString& label1, const QString& label2,
                     QString& text1, QString& text2) override {
        ValueAsked.push_back({caption, label1, label2, text1, text2});
        if (ValueAnswers.empty())
            return false;
        const QStringList answer = ValueAnswers.front();
        ValueAnswers.pop_front();
        text1 = answer.value(0);
        text2 = answer.value(1);
        return true;
    }
    bool EditPoints(QWidget*, TPolyPointsEx& points, bool closed) override {
        PointAsked.push_back(PointRows(points, closed));
        if (PointAnswers.empty())
            return false;
        ApplyPointRows(points, closed, PointAnswers.front());
        PointAnswers.pop_front();
        return true;
    }
    bool InputText(QWidget*, const QString& caption, const QString& prompt,
                   QString& text) override {
        TextAsked << caption + QStringLiteral(": ") + prompt + QStringLiteral(" ") + text;
        if (TextAnswers.isEmpty())
            return false;
        text = TextAnswers.takeFirst();
        return true;
    }
    bool ChooseGroup(QWidget*, const QStringList& lines, std::vector<bool>& checked) override {
        GroupAsked.push_back(lines);
        GroupPresets.push_back(checked);
        if (GroupAnswers.empty())
            return false;
        checked = GroupAnswers.front();
        checked.resize(lines.size(), false);
        GroupAnswers.pop_front();
        return true;
    }
    bool ChooseVideoCodec(QWidget*, TVideoContainer container, TVideoOptions& options) override {
        CodecContainers.push_back(container);
        CodecPresets.push_back(options);
        if (CodecAnswers.empty())
            return false;
        options = CodecAnswers.front();
        CodecAnswers.pop_front();
        return true;
    }
    bool EditProjectSettings(QWidget*, const QString& caption, TProjectSettings& settings,
                             TOnionSettings& onion) override {
        SettingsCaptions << caption;
        if (!OnionAnswers.empty()) {
            onion = OnionAnswers.front();
            OnionAnswers.pop_front();
        }
        if (SettingsAnswers.empty())
            return true;
        const std::optional<TProjectSettings> answer = SettingsAnswers.front();
        SettingsAnswers.pop_front();
        if (answer)
            settings = *answer;
        return answer.has_value();
    }
    bool EditRecoverySettings(QWidget*, TRecoverySettings& settings) override {
        RecoveryPresets.push_back(settings);
        if (RecoveryAnswers.empty())
            return false;
        settings = RecoveryAnswers.front();
        RecoveryAnswers.pop_front();
        return true;
    }
    QString SaveExportFileName(QWidget*, const QStringList& filters, int& filterIndex) override {
        ExportFilters.push_back(filters);
        if (ExportFiles.empty())
            return QString();
        const TExportFileAnswer answer = ExportFiles.front();
        ExportFiles.pop_front();
        if (!answer.Name.isEmpty())
            filterIndex = answer.FilterIndex;
        return answer.Name;
    }

    std::deque<QMessageBox::StandardButton> Answers;
    // Project settings dialogs answer from here: settings for "Ok", none for "Abbruch"; none left
    // is "Ok" with the settings as shown. SettingsCaptions holds each dialog's caption.
    std::deque<std::optional<TProjectSettings>> SettingsAnswers;
    QStringList SettingsCaptions;
    // Onion skin settings the next settings dialogs answer with; none left keeps them.
    std::deque<TOnionSettings> OnionAnswers;
    // Choice dialogs answer from here; none left is the right button (cancel).
    std::deque<int> Choices;
    // File dialogs answer from here; an empty entry or an empty list is a cancel.
    QStringList Files;
    // Text inputs answer from here; none left is a cancel.
    TInputScript Inputs;
    // Shape pickers answer from here; none left is a cancel. ShapeOffers holds the polygons
    // each picker offered.
    std::deque<int> ShapeChoices;
    std::vector<std::vector<TPolyPointsEx>> ShapeOffers;
    // Colour choosers answer from here; none left is a cancel. ColorPresets holds the colour
    // each chooser was preset with.
    std::deque<TColor> Colors;
    std::vector<TColor> ColorPresets;
    // Value inputs answer from here (one text per field); none left is a cancel. ValueAsked holds
    // caption, both labels and both preset texts of each.
    std::deque<QStringList> ValueAnswers;
    std::vector<QStringList> ValueAsked;
    // Point grids answer with these rows; none left is a cancel. PointAsked holds the rows shown.
    std::deque<std::vector<TPointRow>> PointAnswers;
    std::vector<std::vector<TPointRow>> PointAsked;
    // Plain text inputs answer from here; none left is a cancel.
    QStringList TextAnswers;
    QStringList TextAsked;
    // Group choices answer with these ticks; none left is a cancel. GroupAsked holds the lines
    // and GroupPresets the ticks each dialog was shown with.
    std::deque<std::vector<bool>> GroupAnswers;
    std::vector<QStringList> GroupAsked;
    std::vector<std::vector<bool>> GroupPresets;
    // Compression dialogs answer with these options; none left is a cancel. CodecContainers and
    // CodecPresets hold the container and the options each dialog was shown with.
    std::deque<TVideoOptions> CodecAnswers;
    std::vector<TVideoContainer> CodecContainers;
    std::vector<TVideoOptions> CodecPresets;
    // Export save dialogs answer with a name and the filter chosen; an empty name or none left
    // is a cancel. ExportFilters holds the filters each dialog offered.
    struct TExportFileAnswer {
        QString Name;
        int FilterIndex = 0;
    };
    std::deque<TExportFileAnswer> ExportFiles;
    std::vector<QStringList> ExportFilters;
    // Recovery settings dialogs answer from here; none left is a cancel.
    std::deque<TRecoverySettings> RecoveryAnswers;
    std::vector<TRecoverySettings> RecoveryPresets;
    // Folder choosers answer from here; an empty entry or none left is a cancel.
    QStringList Folders;
    // Documents handed to the desktop's viewer.
    QList<QUrl> Opened;
    QStringList Asked;
    QStringList Errors;
    QStringList Warnings;

private:
    QString NextFile() { return Files.isEmpty() ? QString() : Files.takeFirst(); }
};
