#pragma once

#include "core/model/Types.h"

#include <QFrame>
#include <functional>

// A colour field that opens the colour chooser on any mouse press. The colour is kept as the
// dynamic property "color" so it can be read back without knowing this class.
class TColorSwatch : public QFrame {
public:
    TColorSwatch(const QString& objectName, QWidget* parent);

    TColor Color() const { return property("color").toInt(); }
    void SetColor(TColor color);

    std::function<void()> OnPress;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
