#pragma once

#include "support/ScriptedObjectDialogs.h"
#include "ui/DialogService.h"

#include <QStringList>
#include <deque>
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

    std::deque<QMessageBox::StandardButton> Answers;
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
    QStringList Asked;
    QStringList Errors;

private:
    QString NextFile() { return Files.isEmpty() ? QString() : Files.takeFirst(); }
};
