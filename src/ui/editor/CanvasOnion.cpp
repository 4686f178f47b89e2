#include "core/edit/Undo.h"
#include "ui/BufferedScrollTable.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"
#include "ui/text/TextBinding.h"

#include <QAction>
#include <QCheckBox>
#include <QPainter>

void TCanvasPart::CreateOnionBox(QWidget* window) {
    FOnionSettings = LoadOnionSettings();
    OnionCheck = new QCheckBox(window);
    OnionCheck->setObjectName(QStringLiteral("OnionCheck"));
    BindText(OnionCheck, {22010, "Zwiebelschale"});
    OnionCheck->setChecked(FOnionSettings.Enabled);
    BindToolTip(OnionCheck,
                {22011,
                 "Zeigt die Frames vor dem aktuellen (rot) und danach (grün) blass dahinter, "
                 "wie sie gespeichert sind; nur im Abspielbereich, nicht beim Abspielen und "
                 "nie im Export (Alt+O)"});
    auto* toggle = new QAction(window);
    toggle->setShortcut(Qt::ALT | Qt::Key_O);
    toggle->setShortcutContext(Qt::WindowShortcut);
    window->addAction(toggle);
    connect(toggle, &QAction::triggered, OnionCheck, &QCheckBox::toggle);
    connect(OnionCheck, &QCheckBox::toggled, this, [this](bool on) {
        TOnionSettings settings = FOnionSettings;
        settings.Enabled = on;
        SetOnionSettings(settings);
    });
    connect(&FState, &TEditorState::Updated, this, &TCanvasPart::OnionStateChanged);
}

void TCanvasPart::SetOnionSettings(const TOnionSettings& settings) {
    FOnionSettings = settings;
    SaveOnionSettings(settings);
    OnionCheck->setChecked(settings.Enabled);
    FOnion.Invalidate();
    OnionStateChanged(TChange::Objects);
    BufferedScrollTable1->viewport()->update();
}

void TCanvasPart::OnionStateChanged(TChange change) {
    const TProject& project = FState.Project;
    const bool pending = CanUndo(project);
    // While edits are pending the stored frames stay as they were, and so do their pictures.
    if (!pending &&
        (FOnionHadPending || RepaintsCanvas(change) || FOnionFrame != project.CurrentFrame))
        FOnion.Invalidate();
    FOnionHadPending = pending;
    // Built now, before a gesture can change objects in place.
    if (FOnionSettings.Enabled && !FOnion.IsValid() && !pending) {
        FOnion.Rebuild(project, FOnionSettings);
        FOnionFrame = project.CurrentFrame;
    }
}

void TCanvasPart::PaintOnionSkin(QPainter& painter, const QRect& area) {
    // Playback disables the canvas and shows the frames alone.
    if (!FOnionSettings.Enabled || !BufferedScrollTable1->isEnabled() || !FOnion.IsValid() ||
        FOnionFrame != FState.Project.CurrentFrame)
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const TOnionSkin::TLayer& layer : FOnion.Layers()) {
        painter.setOpacity(layer.Opacity);
        painter.drawImage(area, layer.Image);
    }
    painter.restore();
}
