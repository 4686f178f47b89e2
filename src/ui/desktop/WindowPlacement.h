#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QWidget;

// Where the main window was at the end of the last run, kept under the settings root.
struct TWindowPlacement {
    static constexpr int ShowNormal = 1;
    static constexpr int ShowMinimized = 2;
    static constexpr int ShowMaximized = 3;

    bool Stored = false;
    int Flags = 2;
    int ShowCmd = 5;
    QPoint MinPosition{-1, -1};
    QPoint MaxPosition{-1, -1};
    // The window's area in its normal state; right and bottom lie just outside it.
    int Left = 5, Top = 5, Right = 645, Bottom = 485;

    QRect NormalRect() const { return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1)); }
};

TWindowPlacement LoadWindowPlacement();
void SaveWindowPlacement(const TWindowPlacement& placement);

TWindowPlacement PlacementOf(const QWidget& window);

// The rectangle to give the window, or an empty one when the stored placement is missing,
// malformed or would put the window's top off every screen (screens: available areas).
QRect RestorableRect(const TWindowPlacement& placement, const QList<QRect>& screens);

// Moves and sizes window as stored when that keeps it on a present screen, then shows it
// (maximised when it was). Shows it where the system puts it otherwise.
void ShowWithPlacement(QWidget& window, const TWindowPlacement& placement);
