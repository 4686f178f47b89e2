#include "ui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace {
constexpr int kSize = 24;

void DrawPage(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{6, 3}, {15, 3}, {19, 7}, {19, 21}, {6, 21}}));
}

void DrawArrow(QPainter& p, bool left) {
    QPainterPath path;
    path.moveTo(left ? 18 : 6, 16);
    path.cubicTo(left ? 18 : 6, 8, left ? 10 : 14, 7, left ? 6 : 18, 9);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(Qt::black);
    const qreal x = left ? 6 : 18;
    p.drawPolygon(QPolygonF({{x, 4}, {x, 13}, {left ? x + 6 : x - 6, 9}}));
}

void DrawStacked(QPainter& p, bool frontOnTop) {
    p.setBrush(frontOnTop ? QColor(200, 200, 200) : QColor(70, 120, 200));
    p.drawRect(3, 3, 12, 12);
    p.setBrush(frontOnTop ? QColor(70, 120, 200) : QColor(200, 200, 200));
    p.drawRect(9, 9, 12, 12);
}

void DrawGlyph(QPainter& p, const QString& text) {
    QFont font = p.font();
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

void DrawHelp(QPainter& p) {
    p.setBrush(QColor(70, 120, 200));
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    p.setPen(Qt::white);
    DrawGlyph(p, QStringLiteral("?"));
}

void DrawSelection(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{6, 3}, {6, 19}, {10, 15}, {13, 21}, {15, 20}, {12, 14}, {17, 14}}));
}

void DrawCurve(QPainter& p, bool closed) {
    QPainterPath path;
    path.moveTo(3, 19);
    path.cubicTo(6, 2, 16, 24, 21, 5);
    if (closed) {
        path.closeSubpath();
        p.setBrush(QColor(120, 190, 120));
    }
    p.drawPath(path);
}

void DrawLines(QPainter& p, bool closed) {
    const QPolygonF points({{3, 19}, {8, 5}, {15, 15}, {21, 4}});
    if (closed) {
        p.setBrush(QColor(120, 190, 120));
        p.drawPolygon(points);
    } else {
        p.drawPolyline(points);
    }
}

void DrawPicture(QPainter& p) {
    p.setBrush(QColor(150, 200, 255));
    p.drawRect(3, 5, 18, 14);
    p.setBrush(QColor(60, 140, 60));
    p.drawPolygon(QPolygonF({{4, 18}, {10, 10}, {14, 15}, {17, 12}, {20, 18}}));
}

void DrawStar(QPainter& p) {
    p.setBrush(QColor(240, 200, 60));
    p.drawPolygon(QPolygonF({{12, 2},
                             {15, 9},
                             {22, 9},
                             {16, 14},
                             {18, 21},
                             {12, 17},
                             {6, 21},
                             {8, 14},
                             {2, 9},
                             {9, 9}}));
}

void DrawTransport(QPainter& p, TIconKind kind) {
    p.setBrush(Qt::black);
    switch (kind) {
    case TIconKind::Play:
        p.drawPolygon(QPolygonF({{7, 4}, {19, 12}, {7, 20}}));
        break;
    case TIconKind::Stop:
        p.drawRect(6, 6, 12, 12);
        break;
    case TIconKind::RangeStart:
        p.drawRect(5, 5, 3, 14);
        p.drawPolygon(QPolygonF({{19, 5}, {9, 12}, {19, 19}}));
        break;
    case TIconKind::RangeEnd:
        p.drawRect(16, 5, 3, 14);
        p.drawPolygon(QPolygonF({{5, 5}, {15, 12}, {5, 19}}));
        break;
    default:
        DrawArrow(p, false);
        DrawArrow(p, true);
        break;
    }
}

void DrawKind(QPainter& p, TIconKind kind) {
    switch (kind) {
    case TIconKind::New:
        DrawPage(p);
        break;
    case TIconKind::Open:
        p.setBrush(QColor(240, 210, 110));
        p.drawRect(3, 7, 18, 13);
        break;
    case TIconKind::Save:
        p.setBrush(QColor(80, 110, 180));
        p.drawRect(4, 4, 16, 16);
        p.setBrush(Qt::white);
        p.drawRect(8, 4, 8, 6);
        break;
    case TIconKind::Cut:
        p.drawEllipse(4, 14, 6, 6);
        p.drawEllipse(14, 14, 6, 6);
        p.drawLine(8, 14, 17, 3);
        p.drawLine(16, 14, 7, 3);
        break;
    case TIconKind::Copy:
        DrawStacked(p, true);
        break;
    case TIconKind::Paste:
        p.setBrush(QColor(200, 160, 100));
        p.drawRect(4, 4, 14, 17);
        p.setBrush(Qt::white);
        p.drawRect(9, 9, 11, 12);
        break;
    case TIconKind::Delete:
        p.setPen(QPen(Qt::red, 3));
        p.drawLine(5, 5, 19, 19);
        p.drawLine(19, 5, 5, 19);
        break;
    case TIconKind::Undo:
        DrawArrow(p, true);
        break;
    case TIconKind::Redo:
        DrawArrow(p, false);
        break;
    case TIconKind::ToFront:
        DrawStacked(p, true);
        break;
    case TIconKind::ToBack:
        DrawStacked(p, false);
        break;
    case TIconKind::Angle:
        DrawGlyph(p, QStringLiteral("\u2220"));
        break;
    case TIconKind::Stretch:
        DrawGlyph(p, QStringLiteral("\u2194"));
        break;
    case TIconKind::Data:
        DrawGlyph(p, QStringLiteral("xy"));
        break;
    case TIconKind::Help:
        DrawHelp(p);
        break;
    case TIconKind::Selection:
        DrawSelection(p);
        break;
    case TIconKind::Polyline:
        DrawLines(p, false);
        break;
    case TIconKind::Polygon:
        DrawLines(p, true);
        break;
    case TIconKind::BezierPolyline:
        DrawCurve(p, false);
        break;
    case TIconKind::BezierPolygon:
        DrawCurve(p, true);
        break;
    case TIconKind::Bitmap:
        DrawPicture(p);
        break;
    case TIconKind::Text:
        DrawGlyph(p, QStringLiteral("T"));
        break;
    case TIconKind::Form:
        DrawStar(p);
        break;
    default:
        DrawTransport(p, kind);
        break;
    }
}
} // namespace

QIcon EditorIcon(TIconKind kind) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    DrawKind(painter, kind);
    return QIcon(pixmap);
}
