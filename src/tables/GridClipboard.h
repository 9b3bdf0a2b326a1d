#pragma once

#include "tables/Tables.h"

#include <string>

// The output table's cells as the clipboard takes them, for a spreadsheet to paste into cells.
namespace GridClipboard {

// A rectangle of the grid's data rows (0 is the first row under the header) and columns (0 is
// the input column).
struct Range {
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int lastColumn = 0;
};

// The cells of the range as the grid shows them: tab between cells, a line break after each row.
// The empty rows that pad the grid to its least height are left out; a range that reaches from
// the first row to the last computed one comes with the header row of its columns, so that a
// copy of the whole table says what its columns hold.
std::string Text(const GridData& grid, const Range& range);

}  // namespace GridClipboard
