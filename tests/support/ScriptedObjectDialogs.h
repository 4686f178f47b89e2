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

// The objects' creation dialogs answered from scripts.
class TScriptedObjectDialogs : public TObjectDialogs {
public:
    bool ShowInputEx(const QString& caption, const QString& prompt, const QString& listPrompt,
                     int& index, QString& text, const QStringList& items) override {
        return Inputs.Answer(caption, prompt, listPrompt, index, text, items);
    }

    TInputScript Inputs;
};
