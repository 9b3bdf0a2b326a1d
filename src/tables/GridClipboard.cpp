#include "tables/GridClipboard.h"

#include <algorithm>

namespace GridClipboard {

namespace {

template <typename Cells>
void AppendRow(std::string& text, const Cells& cells, const Range& range)
{
    for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
        if (column > range.firstColumn)
            text += '\t';
        text += cells[static_cast<std::size_t>(column)];
    }
    text += '\n';
}

}  // namespace

std::string Text(const GridData& grid, const Range& range)
{
    const int filledRows = static_cast<int>(grid.rows.size());
    const int columns = static_cast<int>(grid.header.size());
    Range cells = range;
    cells.firstColumn = std::max(cells.firstColumn, 0);
    cells.lastColumn = std::min(cells.lastColumn, columns - 1);
    cells.firstRow = std::max(cells.firstRow, 0);
    cells.lastRow = std::min(cells.lastRow, filledRows - 1);
    std::string text;
    if (cells.firstColumn > cells.lastColumn || cells.firstRow > cells.lastRow)
        return text;
    if (cells.firstRow == 0 && cells.lastRow == filledRows - 1)
        AppendRow(text, grid.header, cells);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        AppendRow(text, grid.rows[static_cast<std::size_t>(row)], cells);
    return text;
}

}  // namespace GridClipboard
