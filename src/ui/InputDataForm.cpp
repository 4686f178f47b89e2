#include "ui/InputDataForm.h"
#include "ui/DialogButton.h"

#include "core/model/NumberText.h"
#include "core/text/CommonTexts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

namespace {
// Enter in a cell editor whose text the user has not changed means the user is done with the
// whole list; in a changed one it only takes the cell's text.
class TPointCellDelegate : public QStyledItemDelegate {
public:
    TPointCellDelegate(QDialog* dialog) : QStyledItemDelegate(dialog), FDialog(dialog) {}

protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const auto* line = qobject_cast<QLineEdit*>(editor);
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && line && !line->isModified()) {
                FDialog->accept();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    QDialog* FDialog;
};

constexpr int kClientWidth = 249;
constexpr int kClientHeight = 303;
constexpr int kRowHeight = 17;
constexpr int kNumberColumnWidth = 35;

int ShownCount(const TPolyPointsEx& points, bool closed) {
    const int count = static_cast<int>(points.size());
    return closed ? std::max(0, count - 1) : count;
}
} // namespace

std::vector<TPointRow> PointRows(const TPolyPointsEx& points, bool closed) {
    std::vector<TPointRow> rows;
    const int count = ShownCount(points, closed);
    for (int i = 0; i < count; ++i)
        rows.push_back({FormatNumber(points[i].X), FormatNumber(points[i].Y)});
    return rows;
}

void ApplyPointRows(TPolyPointsEx& points, bool closed, const std::vector<TPointRow>& rows) {
    const std::size_t count =
        std::min(rows.size(), static_cast<std::size_t>(ShownCount(points, closed)));
    for (std::size_t i = 0; i < count; ++i)
        points[i] = {ParseNumber(rows[i].X), ParseNumber(rows[i].Y)};
    if (closed && points.size() > 1)
        points.back() = points.front();
}

TInputDataForm::TInputDataForm(QWidget* parent)
    : QDialog(parent), StringGrid1(new QTableWidget(this)),
      OkButton(NewDialogButton(this, kOkText, 84, kClientHeight - 33, "OkButton")),
      CancelButton(NewDialogButton(this, kCancelText, 166, kClientHeight - 33, "CancelButton")) {
    BindTitle(this, {20400, "Daten bearbeiten"});
    setFixedSize(kClientWidth, kClientHeight);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(8, 8, kClientWidth - 16, kClientHeight - 49);
    StringGrid1->setColumnCount(3);
    StringGrid1->setShowGrid(true);
    // The first grid column numbers the points; the horizontal header is the fixed row.
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    OnLanguageChange(StringGrid1, [this] {
        StringGrid1->setHorizontalHeaderLabels(
            {QString(), ResStr(20401, "Punkt X"), ResStr(20402, "Punkt Y")});
    });
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    StringGrid1->setItemDelegate(new TPointCellDelegate(this));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TInputDataForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const int client = StringGrid1->viewport()->width();
    StringGrid1->setColumnWidth(0, kNumberColumnWidth);
    StringGrid1->setColumnWidth(1, (client - kNumberColumnWidth) / 2);
    StringGrid1->setColumnWidth(2, client - StringGrid1->columnWidth(1) - kNumberColumnWidth - 2);
}

void TInputDataForm::FillGrid(const std::vector<TPointRow>& rows) {
    StringGrid1->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        StringGrid1->setItem(r, 0, number);
        StringGrid1->setItem(r, 1, new QTableWidgetItem(rows[r].X));
        StringGrid1->setItem(r, 2, new QTableWidgetItem(rows[r].Y));
    }
    if (!rows.empty())
        StringGrid1->setCurrentCell(0, 1);
}

std::vector<TPointRow> TInputDataForm::GridRows() const {
    std::vector<TPointRow> rows;
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        rows.push_back({StringGrid1->item(r, 1)->text(), StringGrid1->item(r, 2)->text()});
    return rows;
}

bool TInputDataForm::Execute(std::vector<TPointRow>& rows) {
    FillGrid(rows);
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    rows = GridRows();
    return true;
}

bool EditPoints(QWidget* parent, TPolyPointsEx& points, bool closed) {
    std::vector<TPointRow> rows = PointRows(points, closed);
    TInputDataForm form(parent);
    if (!form.Execute(rows))
        return false;
    ApplyPointRows(points, closed, rows);
    return true;
}
