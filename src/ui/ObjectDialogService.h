#pragma once

#include "core/model/ObjectDialogs.h"

class QWidget;
class TDialogService;

// The objects' creation dialogs, asked through the editor's dialog service so that tests can
// answer them like every other question.
class TObjectDialogService : public TObjectDialogs {
public:
    // dialogs must outlive this object; parent is the window the dialogs belong to.
    TObjectDialogService(TDialogService& dialogs, QWidget* parent);

    bool ShowInputEx(const QString& caption, const QString& prompt, const QString& listPrompt,
                     int& index, QString& text, const QStringList& items) override;

private:
    TDialogService& FDialogs;
    QWidget* FParent;
};
