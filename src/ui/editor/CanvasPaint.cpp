#include "core/anim/Spline.h"
#include "core/render/MaskClip.h"
#include "core/render/Primitives.h"
#include "ui/BufferedScrollTable.h"
#include "ui/RectOps.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"

#include <QPainter>

namespace {
constexpr TColor kPathColor = 0xFFFF;
} // namespace

QRect TCanvasPart::ProjectArea() const {
    const TProject& project = FState.Project;
    const QSize client = BufferedScrollTable1->viewport()->size();
    const int width = BufferedScrollTable1->WidthPixel();
    const int height = BufferedScrollTable1->HeightPixel();
    const int dx = width < client.width() ? (client.width() - width) / 2 : 0;
    const int dy = height < client.height() ? (client.height() - height) / 2 : 0;
    return QRect(TProject::Margin + dx - BufferedScrollTable1->LeftPixel(),
                 TProject::Margin + dy - BufferedScrollTable1->TopPixel(),
                 RoundHalfEven(project.ProjectWidth * project.Zoom),
                 RoundHalfEven(project.ProjectHeight * project.Zoom));
}

void TCanvasPart::PaintBackground(QPainter& painter, const QRect& area) {
    const TProject& project = FState.Project;
    painter.fillRect(painter.viewport(), ColorToQColor(SurroundColor));
    painter.fillRect(area, ColorToQColor(project.BackgroundColor));
    if (project.BackgroundType == 1 && project.BackgroundBitmap)
        painter.drawImage(area, *project.BackgroundBitmap);
}

void TCanvasPart::PaintSelectionFrames(QPainter& painter, const QRect& area) {
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (FState.MultiSelectionActive()) {
        const TRect& r = FState.MultiSelectionRect;
        painter.setPen(QPen(ColorToQColor(0x8000), 5));
        painter.drawRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)));
    }
    if (DragActive) {
        // The band and the moved frame are drawn in client pixels.
        const TRect r = Normalized(DragRect);
        painter.setPen(QPen(ColorToQColor(0xFF0000), 1, Qt::DotLine));
        painter.drawRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1))
                             .translated(-area.topLeft()));
    }
}

void TCanvasPart::PaintMotionPath(QPainter& painter) {
    const TProject& project = FState.Project;
    if (!project.ShowPaths || !FState.FTypesObject)
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor colour = ColorToQColor(kPathColor);
    for (const TPoint& anchor : MotionPath(project.Frames, project.Splines, *FState.FTypesObject)) {
        const int x = RoundHalfEven(anchor.X * project.Zoom);
        const int y = RoundHalfEven(anchor.Y * project.Zoom);
        painter.fillRect(QRect(x - 2, y - 2, 4, 4), colour);
    }
}

void TCanvasPart::PaintCanvas() {
    QPainter* painter = BufferedScrollTable1->Painter();
    if (!painter)
        return;
    painter->save();
    const QRect area = ProjectArea();
    PaintBackground(*painter, area);
    PaintOnionSkin(*painter, area);
    painter->translate(area.topLeft());
    PaintMasked(*painter, FState.Project.CurrentObjects(), BufferedScrollTable1->viewport()->rect(),
                FState.Project.Zoom, area.topLeft(),
                [this](TTypesObject& object) { object.Paint(BufferedScrollTable1); });
    PaintMotionPath(*painter);
    PaintSelectionFrames(*painter, area);
    painter->restore();
}
