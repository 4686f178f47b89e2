#include "core/edit/ClipBoard.h"

#include "core/edit/FrameEdit.h"
#include "core/model/BitmapCanvas.h"
#include "core/model/ImageLimits.h"
#include "core/model/ObjectId.h"
#include "core/objects/TypesBitmap.h"
#include "core/render/MaskClip.h"

#include <algorithm>

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

QImage ObjectsPicture(const std::vector<const TTypesObject*>& objects) {
    TObjectList clones;
    TRect bounds;
    int margin = 1;
    for (const TTypesObject* object : objects) {
        clones.push_back(CloneObject(object, 1.0L));
        clones.back()->ChangeSelection(false, false);
        const TRect r = clones.back()->GetRect();
        bounds = clones.size() == 1
                     ? r
                     : TRect{std::min(bounds.Left, r.Left), std::min(bounds.Top, r.Top),
                             std::max(bounds.Right, r.Right), std::max(bounds.Bottom, r.Bottom)};
        // Outlines reach half their width beyond the geometry.
        margin = std::max(margin, object->GetProps().PenWidth);
    }
    const QRect area = QRect(QPoint(bounds.Left, bounds.Top), QPoint(bounds.Right, bounds.Bottom))
                           .adjusted(-margin, -margin, margin, margin);
    if (clones.empty() || !ImageSizeAllowed(area.width(), area.height()))
        return {};
    QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return {};
    picture.fill(Qt::transparent);
    TBitmapCanvas canvas(picture);
    for (const auto& clone : clones) {
        clone->SetTable(nullptr);
        clone->SetTableBitmap(&canvas);
    }
    canvas.Painter().translate(-area.topLeft());
    PaintMasked(canvas.Painter(), clones, picture.rect(), 1.0L, -area.topLeft(),
                [](TTypesObject& object) { object.Paint(nullptr); });
    return picture;
}

int PastePicture(TProject& project, const QImage& picture, TObjectTable* table) {
    if (project.CurrentFrame != 0 || picture.isNull() ||
        !ImageSizeAllowed(picture.width(), picture.height()))
        return 0;
    auto image =
        std::make_unique<TTypesBitmap>(table, TProps(), project.Zoom, &project.BitmapStore);
    image->PlaceImage(picture, {project.ProjectWidth / 2.0L, project.ProjectHeight / 2.0L});
    image->ChangeSelection(false, false);
    TObjectList& objects = project.CurrentObjects();
    objects.push_back(std::move(image));
    TFrameEdit(project).Added(*objects.back());
    return 1;
}
