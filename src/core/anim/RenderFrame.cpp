#include "core/anim/RenderFrame.h"

#include "core/model/BitmapCanvas.h"
#include "core/render/MaskClip.h"
#include "core/render/Primitives.h"

namespace {

// The render's own objects draw at zoom 1 into the image and let go of the editor's canvas,
// since a render may run on a thread of its own.
void PointAtImage(const TObjectList& objects, TBitmapCanvas& canvas) {
    for (const auto& object : objects) {
        object->ChangeZoom(1.0L, false);
        object->SetTable(nullptr);
        object->SetTableBitmap(&canvas);
    }
}

bool PrepareBitmap(const TProject& project, QImage& bitmap, QImage::Format format) {
    const QSize size(project.ProjectWidth, project.ProjectHeight);
    if (bitmap.size() != size || bitmap.format() != format)
        bitmap = size.isEmpty() ? QImage() : QImage(size, format);
    return !bitmap.isNull();
}

void PaintObjects(TBitmapCanvas& canvas, const TObjectList& objects, const QRect& whole) {
    PaintMasked(canvas.Painter(), objects, whole, 1.0L, QPoint(),
                [](TTypesObject& object) { object.Paint(nullptr); });
}

void PaintBackground(const TProject& project, QPainter& painter, const QRect& whole) {
    painter.fillRect(whole, ColorToQColor(project.BackgroundColor));
    if (project.BackgroundType == 1 && project.BackgroundBitmap)
        painter.drawImage(whole, *project.BackgroundBitmap);
}

} // namespace

void RenderFrame(const TProject& project, int frameIndex, QImage& bitmap, TKeySearch search) {
    const TObjectList objects = BuildFrameObjects(project, frameIndex, search);
    if (!PrepareBitmap(project, bitmap, QImage::Format_RGB32))
        return;
    TBitmapCanvas canvas(bitmap);
    PointAtImage(objects, canvas);
    const QRect whole = bitmap.rect();
    PaintBackground(project, canvas.Painter(), whole);
    PaintObjects(canvas, objects, whole);
}

void RenderFrameObjects(const TProject& project, int frameIndex, QImage& image) {
    const TObjectList objects = BuildFrameObjects(project, frameIndex);
    if (!PrepareBitmap(project, image, QImage::Format_ARGB32_Premultiplied))
        return;
    image.fill(Qt::transparent);
    TBitmapCanvas canvas(image);
    PointAtImage(objects, canvas);
    PaintObjects(canvas, objects, image.rect());
}
