#include "ui/ObjectDialogService.h"

#include "ui/DialogService.h"

#include "core/model/Project.h"
#include "core/objects/ShapeCatalogue.h"

TObjectDialogService::TObjectDialogService(TDialogService& dialogs, QWidget* parent)
    : FDialogs(dialogs), FParent(parent) {}

bool TObjectDialogService::ShowInputEx(const QString& caption, const QString& prompt,
                                       const QString& listPrompt, int& index, QString& text,
                                       const QStringList& items) {
    return FDialogs.ShowInputEx(FParent, caption, prompt, listPrompt, index, text, items);
}

QString TObjectDialogService::ShowOpenImage(const QString& filter) {
    return FDialogs.OpenFileName(FParent, filter);
}

void TObjectDialogService::ShowError(const QString& title, const QString& text) {
    FDialogs.Error(FParent, title, text);
}

bool TObjectDialogService::ShowShapePicker(int& index, TPolyPointsEx& polygon) {
    std::vector<TPolyPointsEx> polygons;
    if (FProject && !FProject->Frames.empty())
        polygons = PickerPolygons(*FProject->Frames.front());
    int chosen = index;
    if (!FDialogs.ShowShapePicker(FParent, chosen, polygons))
        return false;
    index = chosen;
    const int offset = chosen - static_cast<int>(ShapeCatalogue().size());
    if (offset >= 0 && offset < static_cast<int>(polygons.size()))
        polygon = CopiedPolygonPoints(polygons[static_cast<std::size_t>(offset)]);
    return true;
}
