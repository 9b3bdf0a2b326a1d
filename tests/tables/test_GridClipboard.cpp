#include "tables/GridClipboard.h"

#include <gtest/gtest.h>

namespace {

// Three computed rows as the grid shows them in a locale with a decimal comma; B not validated.
GridData ThreeRows()
{
    GridData grid;
    grid.rows = {{"0", "1,5", "", "2", "3"}, {"2", "1,75", "", "2,5", "3"}, {"4", "2", "", "3", "N/A"}};
    return grid;
}

}  // namespace

TEST(GridClipboard, TheWholeTableComesWithItsHeaderRowAndInputColumnButNotThePadding)
{
    // Select all covers the 29 rows of the grid; the padding rows hold nothing to copy.
    EXPECT_EQ(GridClipboard::Text(ThreeRows(), {0, 28, 0, 4}),
              "Input\tA\tB\tC\tD\n"
              "0\t1,5\t\t2\t3\n"
              "2\t1,75\t\t2,5\t3\n"
              "4\t2\t\t3\tN/A\n");
}

TEST(GridClipboard, PartsOfTheTableAreCopiedAsShown)
{
    const struct {
        GridClipboard::Range range;
        const char* text;
    } cases[] = {
        {{1, 1, 1, 1}, "1,75\n"},                        // one cell: its value alone
        {{1, 2, 3, 4}, "2,5\t3\n3\tN/A\n"},              // a block inside: no header
        {{0, 2, 1, 1}, "A\n1,5\n1,75\n2\n"},             // a whole column: with its header
        {{2, 10, 0, 1}, "4\t2\n"},                       // reaching into the padding
        {{5, 10, 0, 4}, ""},                             // the padding alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(GridClipboard::Text(ThreeRows(), c.range), c.text)
            << c.range.firstRow << ".." << c.range.lastRow << ", " << c.range.firstColumn << ".." << c.range.lastColumn;
}
