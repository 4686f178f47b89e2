#pragma once

#include "core/model/ObjectTable.h"

#include <QImage>
#include <QPainter>

// An image opened for painting, with the canvas state objects expect of a canvas.
// Objects paint here instead of on screen while a frame is rendered into an image.
class TBitmapCanvas {
public:
    explicit TBitmapCanvas(QImage& image) : FImage(image), FPainter(&image) {}

    QImage& Image() { return FImage; }
    QPainter& Painter() { return FPainter; }
    TCanvasState& State() { return FState; }

private:
    QImage& FImage;
    QPainter FPainter;
    TCanvasState FState;
};
