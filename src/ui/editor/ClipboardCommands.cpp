#include "core/edit/ClipBoard.h"
#include "ui/BufferedScrollTable.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"
#include "ui/editor/ObjectCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool ClipboardHoldsObjects() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(ObjectClipboardMimeType());
}

void TObjectCommands::CopyAction1Execute() {
    const TObjectList& objects = FState.Project.CurrentObjects();
    std::vector<const TTypesObject*> copied;
    // The multi-selection in painting order, else the selected object.
    for (int index : FState.MultiSelection)
        copied.push_back(objects[static_cast<std::size_t>(index)].get());
    if (copied.empty() && FState.FTypesObject)
        copied.push_back(FState.FTypesObject);
    if (copied.empty())
        return;
    auto* data = new QMimeData;
    data->setData(ObjectClipboardMimeType(), ObjectPayloadBytes(copied));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TObjectCommands::CutAction1Execute() {
    CopyAction1Execute();
    DeleteAction1Execute();
}

void TObjectCommands::PasteAction1Execute() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(ObjectClipboardMimeType()))
        return;
    const QByteArray payload = data->data(ObjectClipboardMimeType());
    FCanvas.DropSelection();
    PasteObjects(FState.Project, payload, FCanvas.Canvas());
    FState.Notify(TChange::Objects);
}
