#pragma once

#include "core/model/Types.h"

#include <QDialog>
#include <QString>
#include <vector>

class QPushButton;
class QTableWidget;

// One grid row of a point list as the user sees and types it.
struct TPointRow {
    QString X;
    QString Y;
};

// The rows a point list shows: every stored point in order, except the last of a closed list,
// which repeats the first.
std::vector<TPointRow> PointRows(const TPolyPointsEx& points, bool closed);
// Writes the typed rows back over the points they show; a closed list is closed again.
void ApplyPointRows(TPolyPointsEx& points, bool closed, const std::vector<TPointRow>& rows);

// A fixed dialog "Daten bearbeiten" with the points of a point list in an editable grid.
class TInputDataForm : public QDialog {
    Q_OBJECT
public:
    explicit TInputDataForm(QWidget* parent = nullptr);

    // Shows the rows modally; on "Ok" returns true with the rows as edited.
    bool Execute(std::vector<TPointRow>& rows);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillGrid(const std::vector<TPointRow>& rows);
    std::vector<TPointRow> GridRows() const;

    QTableWidget* StringGrid1;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};

// One use of the dialog for points; on "Ok" returns true after writing the edited points back.
bool EditPoints(QWidget* parent, TPolyPointsEx& points, bool closed);
