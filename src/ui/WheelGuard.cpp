#include "ui/WheelGuard.h"

#include <QEvent>
#include <QWidget>

namespace {
// Watches only the widget it belongs to.
class TWheelGuard : public QObject {
public:
    explicit TWheelGuard(QWidget* widget) : QObject(widget) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return false;
        // Ignored but handled: the application passes the wheel on to the parent.
        event->ignore();
        return true;
    }
};
} // namespace

void IgnoreWheelUnlessFocused(QWidget* widget) {
    if (widget->focusPolicy() == Qt::WheelFocus)
        widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(new TWheelGuard(widget));
}
