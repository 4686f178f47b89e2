#include "core/anim/Spline.h"
#include "core/render/MaskClip.h"
#include "core/render/Primitives.h"
#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"
#include "ui/ObjectDialogService.h"
#include "ui/RectOps.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {
constexpr TColor kSurroundColor = 5263440;
constexpr TColor kPathColor = 0xFFFF;

} // namespace

QWidget* TMainForm::CreateCanvas() {
    BufferedScrollTable1 = new TBufferedScrollTable(this);
    BufferedScrollTable1->setObjectName(QStringLiteral("BufferedScrollTable1"));
    BufferedScrollTable1->SetBorderStyle(TBufferedScrollTable::TBorderStyle::Single);
    BufferedScrollTable1->SetCtl3D(false);
    BufferedScrollTable1->SetColor(kSurroundColor);
    auto objectDialogs = std::make_unique<TObjectDialogService>(*FDialogs, this);
    objectDialogs->SetProject(&FProject);
    BufferedScrollTable1->SetDialogs(std::move(objectDialogs));
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(64);
    BufferedScrollTable1->setFont(font);
    BufferedScrollTable1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(BufferedScrollTable1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                FCanvasMenu->exec(BufferedScrollTable1->viewport()->mapToGlobal(at));
            });
    connect(BufferedScrollTable1, &TBufferedScrollTable::OnPaint, this, &TMainForm::PaintCanvas);
    connect(BufferedScrollTable1, &TBufferedScrollTable::OnResize, BufferedScrollTable1,
            &TBufferedScrollTable::Invalidate);
    connect(BufferedScrollTable1, &TBufferedScrollTable::Click, BufferedScrollTable1,
            [this] { BufferedScrollTable1->setFocus(); });
    connect(BufferedScrollTable1, &TBufferedScrollTable::DblClick, this,
            &TMainForm::CanvasDblClick);
    connect(BufferedScrollTable1, &TBufferedScrollTable::MouseDown, this,
            &TMainForm::CanvasMouseDown);
    connect(BufferedScrollTable1, &TBufferedScrollTable::MouseMove, this,
            &TMainForm::CanvasMouseMove);
    connect(BufferedScrollTable1, &TBufferedScrollTable::MouseUp, this, &TMainForm::CanvasMouseUp);
    return BufferedScrollTable1;
}

void TMainForm::ApplyDefaultsToCanvas() {
    const TPanelDefaults& defaults = FSettings.Defaults;
    TCanvasState& state = BufferedScrollTable1->CanvasState();
    state.BrushColor = defaults.BrushColor;
    state.PenColor = defaults.PenColor;
    state.PenWidth = defaults.PenWidth;
    QFont font(defaults.FontName);
    font.setPixelSize(std::max(1, defaults.FontSize));
    font.setBold(defaults.FontStyle & fsBold);
    font.setItalic(defaults.FontStyle & fsItalic);
    font.setUnderline(defaults.FontStyle & fsUnderline);
    BufferedScrollTable1->setFont(font);
}

TObjectTable* TMainForm::CanvasTable() const {
    return BufferedScrollTable1;
}

void TMainForm::UpdateCanvasExtent() {
    BufferedScrollTable1->SetWidthPixel(FProject.ExtentWidth());
    BufferedScrollTable1->SetHeightPixel(FProject.ExtentHeight());
}

QRect TMainForm::ProjectArea() const {
    const QSize client = BufferedScrollTable1->viewport()->size();
    const int width = BufferedScrollTable1->WidthPixel();
    const int height = BufferedScrollTable1->HeightPixel();
    const int dx = width < client.width() ? (client.width() - width) / 2 : 0;
    const int dy = height < client.height() ? (client.height() - height) / 2 : 0;
    return QRect(TProject::Margin + dx - BufferedScrollTable1->LeftPixel(),
                 TProject::Margin + dy - BufferedScrollTable1->TopPixel(),
                 RoundHalfEven(FProject.ProjectWidth * FProject.Zoom),
                 RoundHalfEven(FProject.ProjectHeight * FProject.Zoom));
}

void TMainForm::PaintBackground(QPainter& painter, const QRect& area) {
    painter.fillRect(painter.viewport(), ColorToQColor(kSurroundColor));
    painter.fillRect(area, ColorToQColor(FProject.BackgroundColor));
    if (FProject.BackgroundType == 1 && FProject.BackgroundBitmap)
        painter.drawImage(area, *FProject.BackgroundBitmap);
}

void TMainForm::PaintSelectionFrames(QPainter& painter, const QRect& area) {
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (MultiSelectionActive()) {
        const TRect& r = MultiSelectionRect;
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

void TMainForm::PaintMotionPath(QPainter& painter) {
    if (!FProject.ShowPaths || !FTypesObject)
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor colour = ColorToQColor(kPathColor);
    for (const TPoint& anchor : MotionPath(FProject.Frames, FProject.Splines, *FTypesObject)) {
        const int x = RoundHalfEven(anchor.X * FProject.Zoom);
        const int y = RoundHalfEven(anchor.Y * FProject.Zoom);
        painter.fillRect(QRect(x - 2, y - 2, 4, 4), colour);
    }
}

void TMainForm::PaintCanvas() {
    QPainter* painter = BufferedScrollTable1->Painter();
    if (!painter)
        return;
    painter->save();
    const QRect area = ProjectArea();
    PaintBackground(*painter, area);
    painter->translate(area.topLeft());
    PaintMasked(*painter, FProject.CurrentObjects(), BufferedScrollTable1->viewport()->rect(),
                FProject.Zoom, area.topLeft(),
                [this](TTypesObject& object) { object.Paint(BufferedScrollTable1); });
    PaintMotionPath(*painter);
    PaintSelectionFrames(*painter, area);
    painter->restore();
}
