#pragma once

#include "tables/Tables.h"

#include <QWidget>

class QAction;
class QTableWidget;

// The output table's grid: the header row ("Input" and the scenario letters), the input column
// and one column per scenario, at least 30 rows with the header.
class ctlOutputTable : public QWidget {
    Q_OBJECT
public:
    explicit ctlOutputTable(QWidget* parent = nullptr);

    void Show(const GridData& grid);
    // The text of cell (row, column), row 0 being the header row.
    QString Cell(int row, int column) const;
    // Rows with the header row.
    int RowCount() const;
    // Puts the selected cells on the clipboard as tab-separated text (Ctrl+C, or Copy in the
    // grid's context menu).
    void CopySelection();

    QTableWidget* vsgridTable;
    QAction* mnuCopy;

private:
    GridData shown;
};
