#include "core/edit/ClipBoard.h"

#include "core/edit/FrameEdit.h"
#include "core/model/ObjectId.h"

int PasteObjects(TProject& project, const QByteArray& payload, TObjectTable* table) {
    // Objects are created only in the master frame; elsewhere they would be keyframe copies.
    if (project.CurrentFrame != 0)
        return 0;
    std::optional<TObjectList> pasted =
        ObjectsFromPayload(payload, {table, project.Zoom, &project.BitmapStore});
    if (!pasted || pasted->empty())
        return 0;
    TObjectList& objects = project.CurrentObjects();
    const std::size_t first = objects.size();
    for (auto& object : *pasted) {
        object->ID = NewObjectID();
        object->SetAllKeyFrames();
        object->ChangeZoom(project.Zoom, false);
        object->ChangeSelection(false, false);
        objects.push_back(std::move(object));
    }
    // Recorded only once all are in the list: each record prunes the store of images no listed
    // object shows, which would drop the images of objects still waiting to be appended.
    TFrameEdit step(project, true);
    for (std::size_t i = first; i < objects.size(); ++i)
        step.Added(*objects[i]);
    return static_cast<int>(pasted->size());
}
