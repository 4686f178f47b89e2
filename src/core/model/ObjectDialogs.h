#pragma once

#include <QString>
#include <QStringList>

// The modal dialogs objects open while they are placed on the canvas, one method per dialog.
// Objects reach it through their table; the editor answers with real dialogs, tests with
// scripted answers. Every method returns whether the dialog was accepted and leaves its in/out
// arguments unchanged when it was cancelled.
class TObjectDialogs {
public:
    virtual ~TObjectDialogs() = default;

    // A one-line text and a choice from a fixed list, as the text object asks for its text and
    // mode. text and index are preset on entry; on acceptance they hold the answer.
    virtual bool ShowInputEx(const QString& caption, const QString& prompt,
                             const QString& listPrompt, int& index, QString& text,
                             const QStringList& items) = 0;
};
