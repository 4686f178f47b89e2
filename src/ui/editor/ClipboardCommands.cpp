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
    return data && (data->hasFormat(ObjectClipboardMimeType()) || data->hasImage());
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
    // A picture too, for programs that know nothing of objects.
    const QImage picture = ObjectsPicture(copied);
    if (!picture.isNull())
        data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
}

void TObjectCommands::CutAction1Execute() {
    CopyAction1Execute();
    DeleteAction1Execute();
}

void TObjectCommands::PasteAction1Execute() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    // Our own objects first; a picture from another program becomes an image object.
    if (data->hasFormat(ObjectClipboardMimeType())) {
        const QByteArray payload = data->data(ObjectClipboardMimeType());
        FCanvas.DropSelection();
        PasteObjects(FState.Project, payload, FCanvas.Canvas());
    } else if (data->hasImage()) {
        const QImage picture = qvariant_cast<QImage>(data->imageData());
        FCanvas.DropSelection();
        PastePicture(FState.Project, picture, FCanvas.Canvas());
    } else {
        return;
    }
    FState.Notify(TChange::Objects);
}
