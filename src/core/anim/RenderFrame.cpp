#include "core/anim/RenderFrame.h"

#include "core/model/BitmapCanvas.h"
#include "core/render/MaskClip.h"
#include "core/render/Primitives.h"

namespace {

// Points an object at the frame image at zoom 1 and back at its table at the project's zoom.
class TPaintIntoImage {
public:
    TPaintIntoImage(TTypesObject& object, TBitmapCanvas& canvas, Extended zoom)
        : FObject(object), FZoom(zoom) {
        FObject.ChangeZoom(1.0L, false);
        FObject.SetTableBitmap(&canvas);
    }
    ~TPaintIntoImage() {
        FObject.ChangeZoom(FZoom, false);
        FObject.SetTableBitmap(nullptr);
    }
    TPaintIntoImage(const TPaintIntoImage&) = delete;
    TPaintIntoImage& operator=(const TPaintIntoImage&) = delete;

private:
    TTypesObject& FObject;
    Extended FZoom;
};

// Strips the built frame however painting ends.
class TBuiltFrame {
public:
    TBuiltFrame(TProject& project, int frameIndex, TKeySearch search)
        : FFrame(frameIndex > 0 ? project.Frames[static_cast<std::size_t>(frameIndex)].get()
                                : nullptr) {
        if (FFrame)
            BuildFrame(project, frameIndex, search);
    }
    ~TBuiltFrame() {
        if (FFrame)
            StripFrame(*FFrame);
    }
    TBuiltFrame(const TBuiltFrame&) = delete;
    TBuiltFrame& operator=(const TBuiltFrame&) = delete;

private:
    TFrame* FFrame;
};

bool PrepareBitmap(const TProject& project, QImage& bitmap) {
    const QSize size(project.ProjectWidth, project.ProjectHeight);
    if (bitmap.size() != size || bitmap.format() != QImage::Format_RGB32)
        bitmap = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
    return !bitmap.isNull();
}

void PaintBackground(const TProject& project, QPainter& painter, const QRect& whole) {
    painter.fillRect(whole, ColorToQColor(project.BackgroundColor));
    if (project.BackgroundType == 1 && project.BackgroundBitmap)
        painter.drawImage(whole, *project.BackgroundBitmap);
}

} // namespace

void RenderFrame(TProject& project, int frameIndex, QImage& bitmap, TKeySearch search) {
    TFrame& frame = *project.Frames.at(static_cast<std::size_t>(frameIndex));
    if (!PrepareBitmap(project, bitmap))
        return;
    const TBuiltFrame built(project, frameIndex, search);
    TBitmapCanvas canvas(bitmap);
    const QRect whole = bitmap.rect();
    PaintBackground(project, canvas.Painter(), whole);
    PaintMasked(canvas.Painter(), frame.Objects, whole, 1.0L, QPoint(),
                [&canvas, &project](TTypesObject& object) {
                    const TPaintIntoImage into(object, canvas, project.Zoom);
                    object.Paint(nullptr);
                });
}
