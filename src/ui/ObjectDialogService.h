#pragma once

#include "core/model/ObjectDialogs.h"

class QWidget;
class TDialogService;
struct TProject;

// The objects' creation dialogs, asked through the editor's dialog service so that tests can
// answer them like every other question.
class TObjectDialogService : public TObjectDialogs {
public:
    // dialogs must outlive this object; parent is the window the dialogs belong to.
    TObjectDialogService(TDialogService& dialogs, QWidget* parent);

    bool ShowInputEx(const QString& caption, const QString& prompt, const QString& listPrompt,
                     int& index, QString& text, const QStringList& items) override;
    // Offers the closed polygons of the project's master frame after the catalogue.
    bool ShowShapePicker(int& index, TPolyPointsEx& polygon) override;
    // The project whose master frame the shape picker offers; none offers no polygons.
    void SetProject(const TProject* project) { FProject = project; }
    QString ShowOpenImage(const QString& filter) override;
    void ShowError(const QString& title, const QString& text) override;

private:
    TDialogService& FDialogs;
    QWidget* FParent;
    const TProject* FProject = nullptr;
};
