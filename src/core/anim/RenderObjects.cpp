#include "core/anim/RenderObjects.h"

#include "core/model/BitmapCanvas.h"
#include "core/render/MaskClip.h"

void RenderFrameObjects(const TProject& project, int frameIndex, QImage& image) {
    const QSize size(project.ProjectWidth, project.ProjectHeight);
    if (image.size() != size || image.format() != QImage::Format_ARGB32_Premultiplied)
        image = size.isEmpty() ? QImage() : QImage(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return;
    image.fill(Qt::transparent);
    const TObjectList objects = BuildFrameObjects(project, frameIndex);
    TBitmapCanvas canvas(image);
    // The copies draw into the image at zoom 1, never onto the editor's canvas.
    for (const auto& object : objects) {
        object->ChangeZoom(1.0L, false);
        object->SetTable(nullptr);
        object->SetTableBitmap(&canvas);
    }
    PaintMasked(canvas.Painter(), objects, image.rect(), 1.0L, QPoint(),
                [](TTypesObject& object) { object.Paint(nullptr); });
}
