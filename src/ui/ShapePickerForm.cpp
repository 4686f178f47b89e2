#include "ui/ShapePickerForm.h"
#include "ui/DialogButton.h"

#include "core/objects/Geometry.h"
#include "core/objects/ShapeCatalogue.h"
#include "core/text/CommonTexts.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kClientWidth = 249;
constexpr int kClientHeight = 303;
constexpr int kItemHeight = 36;
constexpr int kPicture = 32;
constexpr int kPictureInset = 2;
constexpr int kTextInset = 40;
constexpr int kThumbnail = 24;
// Catalogue outlines live in a 100-pixel box; icons leave a 2-pixel border.
constexpr qreal kIconScale = (kPicture - 4) / 100.0;
constexpr int kThumbnailRole = Qt::UserRole;

// Draws each item itself: text and background over the whole row in the list's colours, then
// the icon or the polygon's thumbnail.
class TShapeItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect row = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(row, selected ? palette.highlight() : palette.base());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        const int textHeight = option.fontMetrics.height();
        const QRect textRect(row.left() + kTextInset, row.top() + (row.height() - textHeight) / 2,
                             std::max(0, row.width() - kTextInset), textHeight);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
        const QPoint picture = row.topLeft() + QPoint(kPictureInset, kPictureInset);
        const QVariant icon = index.data(Qt::DecorationRole);
        if (icon.canConvert<QPixmap>())
            painter->drawPixmap(picture, icon.value<QPixmap>());
        const QPolygon thumbnail = index.data(kThumbnailRole).value<QPolygon>();
        if (!thumbnail.isEmpty()) {
            painter->setRenderHint(QPainter::Antialiasing, false);
            painter->setPen(Qt::black);
            painter->setBrush(Qt::white);
            painter->drawPolygon(thumbnail.translated(picture));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), kItemHeight};
    }
};

QPolygonF ScaledOutline(const TPolyPointsEx& points) {
    QPolygonF outline;
    for (const TPointEx& point : points)
        outline << QPointF(2 + static_cast<qreal>(point.X) * kIconScale,
                           2 + static_cast<qreal>(point.Y) * kIconScale);
    return outline;
}
} // namespace

TInputFormForm::TInputFormForm(const std::vector<TPolyPointsEx>& polygons, QWidget* parent)
    : QDialog(parent), FList(new QListWidget(this)),
      FOk(NewDialogButton(this, kOkText, 87, 270, "ShapeOk")),
      FCancel(NewDialogButton(this, kCancelText, 166, 270, "ShapeCancel")) {
    BindTitle(this, {20501, "Formauswahl"});
    setFixedSize(kClientWidth, kClientHeight);
    FList->setObjectName(QStringLiteral("ShapeList"));
    FList->setGeometry(8, 8, 233, 257);
    FList->setUniformItemSizes(true);
    FList->setItemDelegate(new TShapeItemDelegate(FList));
    const std::vector<TShapeEntry>& catalogue = ShapeCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        auto* item = new QListWidgetItem(FList);
        item->setData(Qt::DecorationRole, ShapeIcon(static_cast<int>(i)));
    }
    for (const TPolyPointsEx& polygon : polygons) {
        auto* item = new QListWidgetItem(FList);
        item->setData(kThumbnailRole, PolygonThumbnail(polygon));
    }
    OnLanguageChange(FList, [this] {
        const std::vector<TShapeEntry>& shapes = ShapeCatalogue();
        for (int i = 0; i < FList->count(); ++i) {
            const auto shape = static_cast<std::size_t>(i);
            FList->item(i)->setText(shape < shapes.size() ? QString(shapes[shape].Name)
                                                          : PolygonItemName());
        }
    });
    FOk->setDefault(true);
    connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(FList, &QListWidget::itemDoubleClicked, this, &TInputFormForm::AcceptSelected);
}

bool TInputFormForm::Execute(int& index) {
    FList->setCurrentRow(index);
    FList->setFocus();
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    index = FList->selectedItems().isEmpty() ? -1 : FList->currentRow();
    return true;
}

void TInputFormForm::AcceptSelected() {
    if (!FList->selectedItems().isEmpty())
        accept();
}

bool ShowShapePicker(QWidget* parent, int& index, const std::vector<TPolyPointsEx>& polygons) {
    TInputFormForm form(polygons, parent);
    return form.Execute(index);
}

QPixmap ShapeIcon(int position) {
    QPixmap icon(kPicture, kPicture);
    icon.fill(Qt::transparent);
    const std::vector<TShapeEntry>& catalogue = ShapeCatalogue();
    if (position < 0 || static_cast<std::size_t>(position) >= catalogue.size())
        return icon;
    const TShapeEntry& entry = catalogue[static_cast<std::size_t>(position)];
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0x40, 0x80, 0xD0));
    const QRectF box(2, 2, kPicture - 4, kPicture - 4);
    if (entry.FormType == FORM_SQUARE)
        painter.drawRect(box);
    else if (entry.FormType == FORM_CIRCLE)
        painter.drawEllipse(box);
    else
        painter.drawPolygon(ScaledOutline(entry.Points));
    return icon;
}

QPolygon PolygonThumbnail(const TPolyPointsEx& points) {
    const TRect bounds = BoundsOfPolyPointsEx(points);
    const int w = std::abs(bounds.Right - bounds.Left);
    const int h = std::abs(bounds.Bottom - bounds.Top);
    if (w == 0 || h == 0)
        return {};
    const Extended scale =
        std::min(static_cast<Extended>(kThumbnail) / w, static_cast<Extended>(kThumbnail) / h);
    TPolyPoints scaled;
    for (const TPointEx& point : points)
        scaled.push_back({RoundHalfEven((point.X - bounds.Left) * scale),
                          RoundHalfEven((point.Y - bounds.Top) * scale)});
    const TRect fitted = BoundsOfPolyPoints(scaled);
    const QPoint centring((kPicture - (fitted.Right - fitted.Left)) / 2,
                          (kPicture - (fitted.Bottom - fitted.Top)) / 2);
    QPolygon thumbnail;
    for (const TPoint& point : scaled)
        thumbnail << QPoint(point.X, point.Y) + centring;
    return thumbnail;
}
