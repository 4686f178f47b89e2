#include "ui/TrackBar.h"

#include <QKeyEvent>
#include <QTimer>

namespace {
// Wheel notches come one by one; a change ends when they pause this long.
constexpr int kWheelPauseMs = 400;
} // namespace

TTrackBar::TTrackBar(int minimum, int maximum, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), FWheelPause(new QTimer(this)) {
    setRange(minimum, maximum);
    FShown = value();
    FWheelPause->setSingleShot(true);
    FWheelPause->setInterval(kWheelPauseMs);
    connect(FWheelPause, &QTimer::timeout, this, &TTrackBar::FinishChange);
    connect(this, &QSlider::valueChanged, this, &TTrackBar::NoteChange);
    connect(this, &QSlider::sliderReleased, this, &TTrackBar::FinishChange);
}

void TTrackBar::SetPosition(int position) {
    if (FPending && position == FShown)
        return;
    DropChange();
    FShown = position;
    const QSignalBlocker blocker(this);
    setValue(position);
}

void TTrackBar::keyPressEvent(QKeyEvent* event) {
    FKeyHeld = true;
    QSlider::keyPressEvent(event);
}

void TTrackBar::keyReleaseEvent(QKeyEvent* event) {
    QSlider::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    FKeyHeld = false;
    FinishChange();
}

void TTrackBar::mousePressEvent(QMouseEvent* event) {
    FMouseHeld = true;
    QSlider::mousePressEvent(event);
}

void TTrackBar::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    FMouseHeld = false;
    FinishChange();
}

void TTrackBar::wheelEvent(QWheelEvent* event) {
    FWheeling = true;
    QSlider::wheelEvent(event);
    FWheeling = false;
    if (FPending)
        FWheelPause->start();
}

void TTrackBar::focusOutEvent(QFocusEvent* event) {
    FKeyHeld = false;
    FMouseHeld = false;
    // Disabling takes the focus away too; a locked property takes no change.
    if (isEnabled())
        FinishChange();
    else
        DropChange();
    QSlider::focusOutEvent(event);
}

void TTrackBar::NoteChange() {
    if (FKeyHeld || FMouseHeld || FWheeling || isSliderDown())
        FPending = true;
    else
        emit EndChange();
}

void TTrackBar::FinishChange() {
    if (!FPending)
        return;
    DropChange();
    emit EndChange();
}

void TTrackBar::DropChange() {
    FWheelPause->stop();
    FPending = false;
}
