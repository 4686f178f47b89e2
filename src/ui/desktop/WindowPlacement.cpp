#include "ui/desktop/WindowPlacement.h"

#include "ui/SettingsStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace {
const QString kRoot = QStringLiteral("1.0/");

// Enough of the window's top to grab it with the mouse.
constexpr int kGripWidth = 100;
constexpr int kGripHeight = 30;

int Number(const QSettings& settings, const char* key, int fallback) {
    return StoredInteger(settings, kRoot + QLatin1String(key), fallback);
}

void Write(QSettings& settings, const char* key, int value) {
    settings.setValue(kRoot + QLatin1String(key), value);
}

bool GripVisible(const QRect& window, const QRect& screen) {
    const QRect grip(window.topLeft(), QSize(std::min(kGripWidth, window.width()),
                                             std::min(kGripHeight, window.height())));
    const QRect shown = grip.intersected(screen);
    return shown.width() >= grip.width() / 2 && shown.height() == grip.height();
}
} // namespace

TWindowPlacement LoadWindowPlacement() {
    const QSettings settings;
    TWindowPlacement p;
    p.Stored = settings.contains(kRoot + QStringLiteral("WinNormPosLeft"));
    p.Flags = Number(settings, "WinFlags", p.Flags);
    p.ShowCmd = Number(settings, "WinShowCmd", p.ShowCmd);
    p.MinPosition = {Number(settings, "WinMinPosX", -1), Number(settings, "WinMinPosY", -1)};
    p.MaxPosition = {Number(settings, "WinMaxPosX", -1), Number(settings, "WinMaxPosY", -1)};
    p.Left = Number(settings, "WinNormPosLeft", p.Left);
    p.Top = Number(settings, "WinNormPosTop", p.Top);
    p.Right = Number(settings, "WinNormPosRight", p.Right);
    p.Bottom = Number(settings, "WinNormPosBottom", p.Bottom);
    return p;
}

void SaveWindowPlacement(const TWindowPlacement& p) {
    QSettings settings;
    Write(settings, "WinFlags", p.Flags);
    Write(settings, "WinShowCmd", p.ShowCmd);
    Write(settings, "WinMinPosX", p.MinPosition.x());
    Write(settings, "WinMinPosY", p.MinPosition.y());
    Write(settings, "WinMaxPosX", p.MaxPosition.x());
    Write(settings, "WinMaxPosY", p.MaxPosition.y());
    Write(settings, "WinNormPosLeft", p.Left);
    Write(settings, "WinNormPosTop", p.Top);
    Write(settings, "WinNormPosRight", p.Right);
    Write(settings, "WinNormPosBottom", p.Bottom);
}

TWindowPlacement PlacementOf(const QWidget& window) {
    TWindowPlacement p;
    p.Stored = true;
    const bool maximized = window.isMaximized();
    // A minimised window comes back in the state it had before.
    p.Flags = maximized ? 2 : 0;
    p.ShowCmd = maximized ? TWindowPlacement::ShowMaximized
                          : (window.isMinimized() ? TWindowPlacement::ShowMinimized
                                                  : TWindowPlacement::ShowNormal);
    const QRect normal =
        window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    p.Left = normal.left();
    p.Top = normal.top();
    p.Right = normal.right() + 1;
    p.Bottom = normal.bottom() + 1;
    return p;
}

QRect RestorableRect(const TWindowPlacement& placement, const QList<QRect>& screens) {
    if (!placement.Stored || placement.Left >= placement.Right || placement.Top >= placement.Bottom)
        return {};
    QRect rect = placement.NormalRect();
    for (const QRect& screen : screens) {
        if (!GripVisible(rect, screen))
            continue;
        // A screen smaller than it was must still show the whole window.
        rect.setWidth(std::min(rect.width(), screen.width()));
        rect.setHeight(std::min(rect.height(), screen.height()));
        return rect;
    }
    return {};
}

void ShowWithPlacement(QWidget& window, const TWindowPlacement& placement) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QRect rect = RestorableRect(placement, screens);
    if (!rect.isEmpty())
        window.setGeometry(rect);
    if (!rect.isEmpty() && placement.ShowCmd == TWindowPlacement::ShowMaximized)
        window.showMaximized();
    else
        window.show();
}
