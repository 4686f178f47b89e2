#pragma once

#include "core/model/Types.h"

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
    // The shape picker: the catalogue shapes, then one item per closed polygon of the master
    // frame. index is preset on entry; on acceptance it holds the chosen position (-1 for none)
    // and, for a polygon item, polygon holds that polygon's points moved to start at (0, 0).
    virtual bool ShowShapePicker(int& index, TPolyPointsEx& polygon) = 0;
    // An existing file to open, offered through filter (Qt's syntax), as the image object asks
    // for its picture. The chosen name, or empty when cancelled.
    virtual QString ShowOpenImage(const QString& filter) = 0;
    // Tells the user why placing an object failed.
    virtual void ShowError(const QString& title, const QString& text) = 0;
};
