#include "tables/ctlOutputTable.h"

#include "tables/Tables.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Twips of the column widths, 15 to the pixel.
constexpr int InputColumnWidth = 960 / 15;
constexpr int ScenarioColumnWidth = 1200 / 15;

}  // namespace

ctlOutputTable::ctlOutputTable(QWidget* parent) : QWidget(parent), vsgridTable(new QTableWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vsgridTable);
    vsgridTable->setColumnCount(5);
    vsgridTable->verticalHeader()->hide();
    vsgridTable->verticalHeader()->setDefaultSectionSize(vsgridTable->fontMetrics().height() + 6);
    vsgridTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vsgridTable->setColumnWidth(0, InputColumnWidth);
    for (int column = 1; column <= 4; ++column)
        vsgridTable->setColumnWidth(column, ScenarioColumnWidth);
    Show(GridData());
}

void ctlOutputTable::Show(const GridData& grid)
{
    QStringList header;
    for (const std::string& text : grid.header)
        header << QString::fromStdString(text);
    vsgridTable->setHorizontalHeaderLabels(header);
    vsgridTable->setRowCount(grid.rowCount - 1);
    for (int row = 0; row < vsgridTable->rowCount(); ++row) {
        for (int column = 0; column < 5; ++column) {
            const bool filled = row < static_cast<int>(grid.rows.size());
            const QString text =
                filled ? QString::fromStdString(grid.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)])
                       : QString();
            QTableWidgetItem* item = vsgridTable->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                vsgridTable->setItem(row, column, item);
            }
            item->setText(text);
        }
    }
}

QString ctlOutputTable::Cell(int row, int column) const
{
    if (row == 0)
        return vsgridTable->horizontalHeaderItem(column)->text();
    const QTableWidgetItem* item = vsgridTable->item(row - 1, column);
    return item ? item->text() : QString();
}

int ctlOutputTable::RowCount() const
{
    return vsgridTable->rowCount() + 1;
}
