#pragma once

#include "core/model/ObjectDialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

// One scripted answer to a text input: the text and list index typed, or a cancel.
struct TInputAnswer {
    QString Text;
    int Index = 0;
    bool Accepted = true;
};

// What a text input was asked with.
struct TInputQuestion {
    QString Caption;
    QString Prompt;
    QString ListPrompt;
    int Index = 0;
    QString Text;
    QStringList Items;
};

// Answers text inputs from a script and remembers the questions; none left is a cancel.
class TInputScript {
public:
    bool Answer(const QString& caption, const QString& prompt, const QString& listPrompt,
                int& index, QString& text, const QStringList& items) {
        Asked.push_back({caption, prompt, listPrompt, index, text, items});
        if (Answers.empty())
            return false;
        const TInputAnswer answer = Answers.front();
        Answers.pop_front();
        if (!answer.Accepted)
            return false;
        text = answer.Text;
        index = answer.Index;
        return true;
    }

    std::deque<TInputAnswer> Answers;
    std::vector<TInputQuestion> Asked;
};

// One scripted answer to the shape picker: the position chosen and, for a polygon item, its
// moved points; or a cancel.
struct TShapeAnswer {
    int Index = 0;
    TPolyPointsEx Polygon;
    bool Accepted = true;
};

// The objects' creation dialogs answered from scripts.
class TScriptedObjectDialogs : public TObjectDialogs {
public:
    bool ShowInputEx(const QString& caption, const QString& prompt, const QString& listPrompt,
                     int& index, QString& text, const QStringList& items) override {
        return Inputs.Answer(caption, prompt, listPrompt, index, text, items);
    }
    bool ShowShapePicker(int& index, TPolyPointsEx& polygon) override {
        ShapePresets.push_back(index);
        if (Shapes.empty() || !Shapes.front().Accepted) {
            if (!Shapes.empty())
                Shapes.pop_front();
            return false;
        }
        index = Shapes.front().Index;
        polygon = Shapes.front().Polygon;
        Shapes.pop_front();
        return true;
    }
    QString ShowOpenImage(const QString& filter) override {
        ImageFilters << filter;
        return ImageFiles.isEmpty() ? QString() : ImageFiles.takeFirst();
    }
    void ShowError(const QString& title, const QString& text) override {
        Errors << title + QStringLiteral(": ") + text;
    }

    TInputScript Inputs;
    // Shape pickers answer from here; none left is a cancel. ShapePresets holds each preset index.
    std::deque<TShapeAnswer> Shapes;
    std::vector<int> ShapePresets;
    // Image choosers answer from here; an empty entry or an empty list is a cancel.
    QStringList ImageFiles;
    QStringList ImageFilters;
    QStringList Errors;
};
