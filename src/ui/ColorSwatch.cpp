#include "ui/ColorSwatch.h"

#include "core/render/Primitives.h"

#include <QMouseEvent>
#include <QPainter>

TColorSwatch::TColorSwatch(const QString& objectName, QWidget* parent) : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::Box);
    setFixedSize(44, 36);
    SetColor(clNone);
}

void TColorSwatch::SetColor(TColor color) {
    setProperty("color", color);
    update();
}

void TColorSwatch::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (OnPress)
        OnPress();
}

void TColorSwatch::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const TColor color = Color();
    if (color == clNone) {
        // No colour: white with a cross, as nothing would be drawn.
        painter.fillRect(inner, Qt::white);
        painter.drawLine(inner.topLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomLeft());
    } else {
        painter.fillRect(inner, ColorToQColor(color));
    }
    QFrame::paintEvent(event);
}
