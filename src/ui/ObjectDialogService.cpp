#include "ui/ObjectDialogService.h"

#include "ui/DialogService.h"

TObjectDialogService::TObjectDialogService(TDialogService& dialogs, QWidget* parent)
    : FDialogs(dialogs), FParent(parent) {}

bool TObjectDialogService::ShowInputEx(const QString& caption, const QString& prompt,
                                       const QString& listPrompt, int& index, QString& text,
                                       const QStringList& items) {
    return FDialogs.ShowInputEx(FParent, caption, prompt, listPrompt, index, text, items);
}
