#pragma once

#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"
#include "tables/TableVariables.h"
#include "tables/Table_IO.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class clsColOutputCtl;
class clsPageInputCtl;
class clsRowInputCtl;
class clsRun;
class clsUserInteraction;

// What the three controls of a table say, as plain values.
struct TableSelection {
    int16_t rowVarId = 0;
    int16_t rowUnit = 1;  // the unit the range is given in
    double rangeMin = 0;
    double rangeMax = 0;
    double rangeStep = 0;
    int16_t rowPrecision = 0;
    std::string rowUnitLabel;
    bool rowVarIsValid = false;
    int16_t pageVarId = 0;  // 0: no page variable
    bool pageVarIsValid = false;
    double pageValue = 0;  // in the record's unit
    int16_t colVarId = 0;
    int16_t colUnit = 1;
    int16_t colPrecision = 0;
    std::string colUnitLabel;

    static TableSelection Of(const clsRowInputCtl& row, const clsPageInputCtl& page, const clsColOutputCtl& output);
    // A table can be computed: a row variable with a valid range, an output, and a page variable
    // that is either not chosen or holds a valid value.
    bool Computable() const;
    // The page variable that the working copies take: none when it is not chosen or not valid,
    // and none when it names the row variable, whose values win.
    const TableVariables::Variable* PageVariable() const;
};

// How numbers are written for the analyst: the system's decimal point and thousands separator
// ("" for none).
struct NumberFormat {
    std::string decimalPoint = ".";
    std::string groupSeparator;
};

// The output grid's text cells: a header row and rows of an input column and four scenario
// columns. rowCount counts the header row; rows beyond the results are empty.
struct GridData {
    static constexpr int MinimumRowCount = 30;
    int rowCount = MinimumRowCount;
    std::array<std::string, 5> header{"Input", "A", "B", "C", "D"};
    std::vector<std::array<std::string, 5>> rows;
};

// The output table's computation: the engine once per row and validated scenario on the
// scenario's working copy, with the row variable stepped through its range and the page variable
// held at its value. The results live until the next computation; the grid, the chart and the
// export read them.
class Tables {
public:
    enum class Outcome { Computed, NotComputed, Failed };

    Tables(clsRun& run, clsUserInteraction& ui);

    // Copies each validated scenario's inputs into its working copy (WorkingCopyOf). The number
    // of scenarios copied.
    static int RefreshWorkingCopies(clsRun& run, const std::array<bool, 4>& validated);
    // A scenario's inputs with what every engine caller sets: the fuel model sides, no
    // temperature, the run's crown heat content and spread direction.
    static clsTorviInputs WorkingCopyOf(clsRun& run, int scenario);

    // NotComputed (results cleared) when the selection is incomplete or no scenario is validated;
    // Failed (results cleared, FailureNote saying where and why) at the first engine failure.
    // Computing what the results already hold reuses them.
    Outcome ComputeTable(const TableSelection& selection, const std::array<bool, 4>& validated);
    void ClearResults();
    // One line on the last computation's failure: which scenario and row, and the engine's
    // message; "" after a computation that did not fail.
    const std::string& FailureNote() const { return failureNote; }
    bool HasResults() const { return hasResults; }
    // The rows computed, as the input column shows them, in the row control's unit.
    const std::vector<double>& RowValues() const { return results.rowValues; }
    bool ColumnComputed(int scenario) const;
    // The selected output of results row 1..N of a computed scenario, in the selection's unit.
    double CellValue(const TableSelection& selection, int row, int scenario) const;

    GridData FillGrid(const TableSelection& selection, const NumberFormat& format) const;
    TableFile ExportContent(const TableSelection& selection) const;
    // Writes the export file; false with the reason in table_IO.errStr.
    bool ExportTable(const std::string& fileName, const TableSelection& selection);

    // The input column's text of a row value: at most three decimals, without trailing zeros.
    static std::string InputCellText(double rowValue);
    // A value with fixed decimals in the analyst's number format.
    static std::string FormattedText(double value, int decimals, const NumberFormat& format);

    Table_IO table_IO;

private:
    struct Results {
        std::vector<double> rowValues;
        std::array<std::vector<clsTorviOutputs>, 4> columns;
        // What the engine was given: the row variable's record values, the page variable and
        // each computed scenario's working copy before the walk.
        int16_t rowVarId = 0;
        std::vector<double> recordRows;
        bool page = false;
        int16_t pageVarId = 0;
        double pageValue = 0;
        std::array<std::optional<clsTorviInputs>, 4> sources;
        std::array<clsTorviInputs, 4> finalCopies;
    };
    static bool SameRun(const Results& a, const Results& b);
    static std::string FailureNoteOf(const TableSelection& selection, const Results& table, int scenario);
    static std::string CellText(double value, const TableSelection& selection, const NumberFormat& format);
    bool ComputeColumn(int scenario, Results& table);

    clsRun& run;
    clsUserInteraction& ui;
    Results results;
    bool hasResults = false;
    std::string failureNote;
};
