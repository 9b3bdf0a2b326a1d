#include "window/ctlOutputTable.h"

#include "tables/GridClipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Twips of the column widths, 15 to the pixel.
constexpr int InputColumnWidth = 960 / 15;
constexpr int ScenarioColumnWidth = 1200 / 15;

}  // namespace

ctlOutputTable::ctlOutputTable(QWidget* parent)
    : QWidget(parent), vsgridTable(new QTableWidget(this)), mnuCopy(new QAction("&Copy", vsgridTable))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vsgridTable);
    vsgridTable->setColumnCount(5);
    vsgridTable->verticalHeader()->hide();
    vsgridTable->verticalHeader()->setDefaultSectionSize(vsgridTable->fontMetrics().height() + 6);
    vsgridTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Arrows move inside the grid; Tab and Shift+Tab go on to the next and previous control.
    vsgridTable->setTabKeyNavigation(false);
    mnuCopy->setShortcut(QKeySequence::Copy);
    mnuCopy->setShortcutContext(Qt::WidgetShortcut);
    vsgridTable->addAction(mnuCopy);
    vsgridTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(mnuCopy, &QAction::triggered, this, &ctlOutputTable::CopySelection);
    vsgridTable->setColumnWidth(0, InputColumnWidth);
    for (int column = 1; column <= 4; ++column)
        vsgridTable->setColumnWidth(column, ScenarioColumnWidth);
    Show(GridData());
}

void ctlOutputTable::Show(const GridData& grid)
{
    shown = grid;
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

void ctlOutputTable::CopySelection()
{
    const QList<QTableWidgetSelectionRange> ranges = vsgridTable->selectedRanges();
    if (ranges.isEmpty())
        return;
    // A spreadsheet takes one rectangle: the one that holds every selected cell.
    GridClipboard::Range cells{ranges.first().topRow(), ranges.first().bottomRow(), ranges.first().leftColumn(),
                               ranges.first().rightColumn()};
    for (const QTableWidgetSelectionRange& range : ranges) {
        cells.firstRow = std::min(cells.firstRow, range.topRow());
        cells.lastRow = std::max(cells.lastRow, range.bottomRow());
        cells.firstColumn = std::min(cells.firstColumn, range.leftColumn());
        cells.lastColumn = std::max(cells.lastColumn, range.rightColumn());
    }
    QApplication::clipboard()->setText(QString::fromStdString(GridClipboard::Text(shown, cells)));
}
