#include "ui/editor/CanvasPart.h"

#include "core/model/ObjectNames.h"
#include "ui/BufferedScrollTable.h"
#include "ui/ObjectDialogService.h"
#include "ui/WheelGuard.h"
#include "ui/editor/EditorState.h"
#include "ui/text/TextBinding.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

namespace {
const std::array<Extended, 7> kZoomTable = {0.0L, 0.25L, 0.5L, 1.0L, 1.5L, 2.0L, 4.0L};
constexpr int kFullSizeZoom = 3;
// A canvas narrower than its margins leaves no room to fit into; the project then still shows,
// small, and the coordinate conversions keep a factor to divide by.
constexpr Extended kSmallestFitZoom = 0.05L;

QComboBox* NewBox(const QString& objectName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    IgnoreWheelUnlessFocused(box);
    return box;
}
} // namespace

TCanvasPart::TCanvasPart(TEditorState& state, TDialogService& dialogs, QWidget* window)
    : QObject(window), FState(state), FDialogs(dialogs) {
    CreateCanvas(window);
    ZoomCombo = NewBox(QStringLiteral("ZoomCombo"), window);
    ZoomCombo->addItems({QString(), QStringLiteral("25%"), QStringLiteral("50%"),
                         QStringLiteral("100%"), QStringLiteral("150%"), QStringLiteral("200%"),
                         QStringLiteral("400%")});
    // Only the first entry is a word; renaming it in place keeps the chosen zoom.
    OnLanguageChange(ZoomCombo, [this] { ZoomCombo->setItemText(0, ResStr(22000, "Angepasst")); });
    ObjectCombo = NewBox(QStringLiteral("ObjectCombo"), window);
    connect(ZoomCombo, &QComboBox::activated, this, &TCanvasPart::ZoomComboChange);
    connect(ObjectCombo, &QComboBox::activated, this, &TCanvasPart::ObjectComboChange);
    CreateOnionBox(window);
}

QWidget* TCanvasPart::CreateCanvas(QWidget* window) {
    BufferedScrollTable1 = new TBufferedScrollTable(window);
    BufferedScrollTable1->setObjectName(QStringLiteral("BufferedScrollTable1"));
    BufferedScrollTable1->SetBorderStyle(TBufferedScrollTable::TBorderStyle::Single);
    BufferedScrollTable1->SetCtl3D(false);
    BufferedScrollTable1->SetColor(SurroundColor);
    auto objectDialogs = std::make_unique<TObjectDialogService>(FDialogs, window);
    objectDialogs->SetProject(&FState.Project);
    BufferedScrollTable1->SetDialogs(std::move(objectDialogs));
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(64);
    BufferedScrollTable1->setFont(font);
    BufferedScrollTable1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(BufferedScrollTable1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                if (FCanvasMenu)
                    FCanvasMenu->exec(BufferedScrollTable1->viewport()->mapToGlobal(at));
            });
    connect(BufferedScrollTable1, &TBufferedScrollTable::OnPaint, this, &TCanvasPart::PaintCanvas);
    connect(BufferedScrollTable1, &TBufferedScrollTable::OnResize, BufferedScrollTable1,
            &TBufferedScrollTable::Invalidate);
    connect(BufferedScrollTable1, &TBufferedScrollTable::Click, BufferedScrollTable1,
            [this] { Focus(); });
    connect(BufferedScrollTable1, &TBufferedScrollTable::DblClick, this,
            &TCanvasPart::CanvasDblClick);
    connect(BufferedScrollTable1, &TBufferedScrollTable::MouseDown, this,
            &TCanvasPart::CanvasMouseDown);
    connect(BufferedScrollTable1, &TBufferedScrollTable::MouseMove, this,
            &TCanvasPart::CanvasMouseMove);
    connect(BufferedScrollTable1, &TBufferedScrollTable::MouseUp, this,
            &TCanvasPart::CanvasMouseUp);
    return BufferedScrollTable1;
}

void TCanvasPart::ApplyDefaultsToCanvas() {
    const TPanelDefaults& defaults = FState.Settings.Defaults;
    TCanvasState& canvas = BufferedScrollTable1->CanvasState();
    canvas.BrushColor = defaults.BrushColor;
    canvas.PenColor = defaults.PenColor;
    canvas.PenWidth = defaults.PenWidth;
    QFont font(defaults.FontName);
    font.setPixelSize(std::max(1, defaults.FontSize));
    font.setBold(defaults.FontStyle & fsBold);
    font.setItalic(defaults.FontStyle & fsItalic);
    font.setUnderline(defaults.FontStyle & fsUnderline);
    BufferedScrollTable1->setFont(font);
}

void TCanvasPart::UpdateCanvasExtent() {
    BufferedScrollTable1->SetWidthPixel(FState.Project.ExtentWidth());
    BufferedScrollTable1->SetHeightPixel(FState.Project.ExtentHeight());
}

void TCanvasPart::ResetZoom() {
    ZoomCombo->setCurrentIndex(kFullSizeZoom);
}

void TCanvasPart::ResetCursorAndRepaint() {
    BufferedScrollTable1->SetCursor(TCursor::Default);
    BufferedScrollTable1->Invalidate();
}

void TCanvasPart::Focus() {
    BufferedScrollTable1->setFocus();
}

void TCanvasPart::FillObjectCombo() {
    const QSignalBlocker blocker(ObjectCombo);
    ObjectCombo->clear();
    ObjectCombo->addItems(ObjectListNames(FState.Project.CurrentObjects()));
    ObjectCombo->setCurrentIndex(FState.IndexOfObject(FState.FTypesObject));
}

void TCanvasPart::ZoomComboChange(int index) {
    if (index < 0 || index >= static_cast<int>(kZoomTable.size()))
        return;
    EndMultiSelection();
    TProject& project = FState.Project;
    if (index == 0) {
        const QSize client = BufferedScrollTable1->viewport()->size();
        const Extended fit = std::min(
            static_cast<Extended>(client.width() - 2 * TProject::Margin) / project.ProjectWidth,
            static_cast<Extended>(client.height() - 2 * TProject::Margin) / project.ProjectHeight);
        project.Zoom = std::max(fit, kSmallestFitZoom);
    } else {
        project.Zoom = kZoomTable[index];
    }
    for (const auto& frame : project.Frames)
        for (const auto& object : frame->Objects)
            object->ChangeZoom(project.Zoom, false);
    UpdateCanvasExtent();
    ResetCursorAndRepaint();
    Focus();
    FState.Notify(TChange::Selection);
}

void TCanvasPart::ObjectComboChange(int index) {
    EndMultiSelection();
    TObjectList& objects = FState.Project.CurrentObjects();
    if (index < 0 || index >= static_cast<int>(objects.size()))
        return;
    FState.Deselect(false);
    FState.FTypesObject = objects[index].get();
    FState.FTypesObject->ChangeSelection(true, false);
    ResetCursorAndRepaint();
    Focus();
    FState.Notify(TChange::Selection);
}
