#pragma once

#include <QSlider>

class QTimer;

// A horizontal slider that tells the steps of a change from its end. valueChanged follows every
// step; EndChange comes once the user lets go: the knob or the groove released, the key released
// (auto-repeat does not count), a short pause after wheel steps, or the focus lost. A value set
// by code outside any such gesture ends its change at once.
class TTrackBar : public QSlider {
    Q_OBJECT
public:
    TTrackBar(int minimum, int maximum, QWidget* parent = nullptr);

    // Shows position without any signal. A change in progress over the position shown before
    // stays; a different position (another object, an undo) replaces it.
    void SetPosition(int position);

signals:
    void EndChange();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void NoteChange();
    void FinishChange();
    void DropChange();

    QTimer* FWheelPause;
    int FShown = 0;
    bool FKeyHeld = false;
    bool FMouseHeld = false;
    bool FWheeling = false;
    bool FPending = false;
};
