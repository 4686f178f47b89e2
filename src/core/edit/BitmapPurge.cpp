#include "core/edit/BitmapPurge.h"

#include <algorithm>
#include <unordered_set>

namespace {

using TImageSet = std::unordered_set<const QImage*>;

void AddImage(TImageSet& used, const TTypesObject* object) {
    if (object && object->SharedImage())
        used.insert(object->SharedImage());
}

void AddRecords(TImageSet& used, const TUndoList& records) {
    for (const auto& record : records) {
        AddImage(used, record->UndoObject.get());
        AddImage(used, record->UndoObjectEx.get());
    }
}

// Every frame counts, not only the current one: keyframe copies elsewhere share the master's
// image, and a record's before-state may be the last holder of an image replaced since.
TImageSet UsedImages(const TProject& project) {
    TImageSet used;
    for (const auto& frame : project.Frames) {
        for (const auto& object : frame->Objects)
            AddImage(used, object.get());
        AddRecords(used, frame->Undo);
        AddRecords(used, frame->Redo);
    }
    return used;
}

} // namespace

void PurgeUnusedBitmaps(TProject& project) {
    const TImageSet used = UsedImages(project);
    auto& store = project.BitmapStore;
    store.erase(std::remove_if(store.begin(), store.end(),
                               [&used](const auto& image) { return !used.count(image.get()); }),
                store.end());
}
