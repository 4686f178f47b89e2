#include "core/render/Primitives.h"

#include "core/render/PaintFrame.h"

#include <QImage>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace primitives;

namespace {

bool Usable(const QString& fontName, Extended emSize) {
    return !fontName.isEmpty() && std::isfinite(static_cast<double>(emSize)) && emSize > 0;
}

// A font whose em is exactly emSize pixels. Point sizes are converted with the resolution the
// layout runs at, so fractional pixel sizes (zoomed text) stay exact.
QFont MakeFont(const QString& fontName, Extended emSize, std::uint8_t style) {
    const QImage resolution(1, 1, QImage::Format_RGB32);
    QFont font(fontName);
    font.setPointSizeF(static_cast<qreal>(emSize) * 72 / resolution.logicalDpiY());
    font.setBold((style & fsBold) != 0);
    font.setItalic((style & fsItalic) != 0);
    font.setUnderline((style & fsUnderline) != 0);
    font.setStrikeOut((style & fsStrikeOut) != 0);
    // Unhinted outlines scale linearly, so a zoomed text keeps the proportions of its measure.
    font.setHintingPreference(QFont::PreferNoHinting);
    return QFont(font, &resolution);
}

// Line breaks of every platform convention become the layout's own line separator.
QString LayoutText(QString text) {
    text.replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator));
    text.replace(QLatin1Char('\r'), QChar(QChar::LineSeparator));
    text.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
    return text;
}

// Lays the text out in lines from the origin downwards, wrapping at width when wrap. No line is
// made below maxHeight: a long text in a narrow box would otherwise build thousands of lines
// that the box cuts off anyway.
void LayOut(QTextLayout& layout, qreal width, bool wrap,
            qreal maxHeight = std::numeric_limits<qreal>::infinity()) {
    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(std::max<qreal>(width, 0));
        line.setPosition(QPointF(0, y));
        y += line.height();
        if (y >= maxHeight)
            break;
    }
    layout.endLayout();
}

// Glyph outlines of the text laid out in box, wrapped at its width; when clipped, only the
// lines that start inside the box.
QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box, bool clipped) {
    QTextLayout layout(LayoutText(text), font);
    LayOut(layout, box.width(), true,
           clipped ? box.height() : std::numeric_limits<qreal>::infinity());
    QPainterPath path;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        QString part = layout.text().mid(line.textStart(), line.textLength());
        if (part.endsWith(QChar(QChar::LineSeparator)))
            part.chop(1);
        const QPointF baseline = box.topLeft() + line.position() + QPointF(0, line.ascent());
        path.addText(baseline, font, part);
    }
    return path;
}

void PaintText(QPainter& painter, const QPainterPath& glyphs, int mode, const TProps& props,
               std::uint8_t alpha, Extended zoom) {
    QPainterPath path = glyphs;
    const bool outlines = mode == TEXT_FORM_STRETCH || mode == TEXT_FORM_WORDBREAK;
    path.setFillRule(outlines ? Qt::OddEvenFill : Qt::WindingFill);
    if (!outlines || props.BrushShow)
        painter.fillPath(path, PropColor(props.BrushColor, alpha));
    if (outlines && props.PenShow)
        painter.strokePath(path, PropPen(props, alpha, zoom, Qt::RoundJoin));
}

bool ValidStretch(Extended factor) {
    return std::isfinite(static_cast<double>(factor)) && factor != 0;
}

} // namespace

TPoint GPMeasureText(const QString& text, const QString& fontName, Extended emSize,
                     std::uint8_t style) {
    qreal width = 0;
    qreal height = 0;
    try {
        if (!text.isEmpty() && Usable(fontName, emSize)) {
            QTextLayout layout(LayoutText(text), MakeFont(fontName, emSize, style));
            LayOut(layout, 0, false);
            for (int i = 0; i < layout.lineCount(); ++i) {
                width = std::max(width, layout.lineAt(i).naturalTextWidth());
                height += layout.lineAt(i).height();
            }
        }
    } catch (...) {
        width = height = 0;
    }
    return TPoint{RoundHalfEven(width) + 2, RoundHalfEven(height) + 2};
}

void GPDrawText(QPainter& canvas, const QString& text, int mode, Extended cx, Extended cy,
                Extended width, Extended height, const TProps& props, Extended angle, Extended sx,
                Extended sy, Extended zoom, bool smooth) {
    const Extended emSize = props.FontSize * zoom;
    if (mode < TEXT_STRETCH || mode > TEXT_FORM_WORDBREAK || text.isEmpty() ||
        !Usable(props.FontName, emSize))
        return;
    const bool stretch = mode == TEXT_STRETCH || mode == TEXT_FORM_STRETCH;
    if (stretch && !(ValidStretch(sx) && ValidStretch(sy)))
        return;
    const std::uint8_t alpha = TransToAlpha(props.Trans);
    Guarded(canvas, smooth, [&] {
        CentreFrame(canvas, cx, cy, angle);
        Extended w = width;
        Extended h = height;
        if (stretch) {
            canvas.scale(static_cast<qreal>(sx), static_cast<qreal>(sy));
            w /= sx;
            h /= sy;
        }
        const QRectF box = QRectF(static_cast<qreal>(-w / 2), static_cast<qreal>(-h / 2),
                                  static_cast<qreal>(w), static_cast<qreal>(h))
                               .normalized();
        if (!stretch)
            canvas.setClipRect(box, Qt::IntersectClip);
        const QPainterPath glyphs =
            TextPath(text, MakeFont(props.FontName, emSize, props.FontStyle), box, !stretch);
        PaintText(canvas, glyphs, mode, props, alpha, zoom);
    });
}
