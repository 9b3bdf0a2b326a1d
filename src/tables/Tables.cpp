#include "tables/Tables.h"

#include "base/NumberText.h"
#include "base/clsUserInteraction.h"
#include "runs/clsRun.h"
#include "engine/ScenarioCalculation.h"
#include "tables/TableVariables.h"
#include "tables/clsColOutputCtl.h"
#include "tables/clsPageInputCtl.h"
#include "tables/clsRowInputCtl.h"

#include <algorithm>
#include <tuple>

namespace {

auto Fields(const clsTorviInputSet& s)
{
    return std::tie(s.LowOrHigh, s.fuelModelID, s.WindReductionFactor, s.MultiplierROS, s.MultiplierLoadDepth,
                    s.MultiplierIntensity);
}

auto Fields(const clsTorviInputs& r)
{
    return std::tuple_cat(
        std::tie(r.VegType, r.CrownFuelLoad, r.HCrown, r.CanopyBaseHeight, r.ShrubTransFlameLength,
                 r.CanopyBulkDensity, r.ConiferFoliarMC, r.PercentSlope, r.OpenWindSpeed, r.WindDirFromUphill,
                 r.HPAHighConifer, r.Initiation, r.Temperature, r.DeadHerbMC, r.Dead1HrMC, r.Dead10HrMC,
                 r.Dead100HrMC, r.LiveWoodyMC, r.LiveHerbMC, r.SpreadDirection),
        Fields(r.LowInputs), Fields(r.HighInputs));
}

bool SameInputs(const std::optional<clsTorviInputs>& a, const std::optional<clsTorviInputs>& b)
{
    return a.has_value() == b.has_value() && (!a || Fields(*a) == Fields(*b));
}

std::size_t Slot(int scenario)
{
    return static_cast<std::size_t>(scenario - 1);
}

}  // namespace

TableSelection TableSelection::Of(const clsRowInputCtl& row, const clsPageInputCtl& page,
                                  const clsColOutputCtl& output)
{
    TableSelection s;
    s.rowVarId = row.rowVarId();
    s.rowUnit = row.rowUnit();
    s.rangeMin = row.rangeMinVal();
    s.rangeMax = row.rangeMaxVal();
    s.rangeStep = row.rangeStepVal();
    s.rowPrecision = row.rowPrecision();
    s.rowUnitLabel = row.cmboRowUnits.Text();
    s.rowVarIsValid = row.rowVarIsValid();
    s.pageVarId = page.pageVarId();
    s.pageVarIsValid = page.pageVarIsValid();
    s.pageValue = page.pageValue();
    s.colVarId = output.colVarId();
    s.colUnit = output.colUnit();
    s.colPrecision = output.colPrecision();
    s.colUnitLabel = output.cmboColUnits.Text();
    return s;
}

bool TableSelection::Computable() const
{
    return rowVarIsValid && rowUnit >= 1 && TableVariables::FindVariable(rowVarId) &&
           TableVariables::FindOutput(colVarId) && colUnit >= 1 && (pageVarId == 0 || pageVarIsValid);
}

Tables::Tables(clsRun& owner, clsUserInteraction& userInteraction)
    : table_IO(owner.scenIn_IO), run(owner), ui(userInteraction)
{
}

const TableVariables::Variable* TableSelection::PageVariable() const
{
    return pageVarIsValid && pageVarId != rowVarId ? TableVariables::FindVariable(pageVarId) : nullptr;
}

clsTorviInputs Tables::WorkingCopyOf(clsRun& run, int scenario)
{
    clsTorviInputs copy = run.io(scenario).IData;
    ScenarioCalculation::ApplySettings(copy, run.EngineSettings());
    ScenarioCalculation::CompleteRecord(copy);
    return copy;
}

int Tables::RefreshWorkingCopies(clsRun& run, const std::array<bool, 4>& validated)
{
    int copied = 0;
    for (int i = 1; i <= clsRun::NumScenarios(); ++i) {
        if (!validated[Slot(i)])
            continue;
        run.iclone(i) = WorkingCopyOf(run, i);
        ++copied;
    }
    return copied;
}

void Tables::ClearResults()
{
    results = Results();
    hasResults = false;
}

bool Tables::ColumnComputed(int scenario) const
{
    return hasResults && !results.columns[Slot(scenario)].empty();
}

bool Tables::SameRun(const Results& a, const Results& b)
{
    if (std::tie(a.rowVarId, a.recordRows, a.page, a.pageVarId, a.pageValue) !=
        std::tie(b.rowVarId, b.recordRows, b.page, b.pageVarId, b.pageValue))
        return false;
    for (std::size_t i = 0; i < a.sources.size(); ++i)
        if (!SameInputs(a.sources[i], b.sources[i]))
            return false;
    return true;
}

Tables::Outcome Tables::ComputeTable(const TableSelection& selection, const std::array<bool, 4>& validated)
{
    failureNote.clear();
    if (!selection.Computable()) {
        ClearResults();
        return Outcome::NotComputed;
    }
    run.tblch_units.globalHCrownUnits.SetCurrUnit(run.units.globalHCrownUnits.GetCurrUnit());
    if (RefreshWorkingCopies(run, validated) == 0) {
        ClearResults();
        return Outcome::NotComputed;
    }

    const TableVariables::Variable& variable = *TableVariables::FindVariable(selection.rowVarId);
    clsTorviUnit& member = run.tblch_units.*variable.member;
    Results table;
    table.rowValues = TableVariables::RowValues(selection.rangeMin, selection.rangeMax, selection.rangeStep,
                                                selection.rowPrecision);
    // The engine gets each row as the input column shows it, converted to the record's unit.
    for (double row : table.rowValues)
        table.recordRows.push_back(TableVariables::ToRecord(variable, member, selection.rowUnit, row));
    table.rowVarId = selection.rowVarId;
    table.page = selection.PageVariable() != nullptr;
    table.pageVarId = table.page ? selection.pageVarId : 0;
    table.pageValue = table.page ? selection.pageValue : 0;
    for (int i = 1; i <= clsRun::NumScenarios(); ++i)
        if (validated[Slot(i)])
            table.sources[Slot(i)] = run.iclone(i);

    if (hasResults && SameRun(results, table)) {
        for (int i = 1; i <= clsRun::NumScenarios(); ++i)
            if (validated[Slot(i)])
                run.iclone(i) = results.finalCopies[Slot(i)];
        return Outcome::Computed;
    }

    ui.SetBusy(true);
    for (int i = 1; i <= clsRun::NumScenarios(); ++i) {
        if (!validated[Slot(i)] || ComputeColumn(i, table))
            continue;
        ui.SetBusy(false);
        failureNote = FailureNoteOf(selection, table, i);
        ClearResults();
        return Outcome::Failed;
    }
    ui.SetBusy(false);
    results = std::move(table);
    hasResults = true;
    return Outcome::Computed;
}

bool Tables::ComputeColumn(int scenario, Results& table)
{
    const TableVariables::Variable& variable = *TableVariables::FindVariable(table.rowVarId);
    const TableVariables::Variable* page = TableVariables::FindVariable(table.pageVarId);
    clsTorviInputs& copy = run.iclone(scenario);
    std::vector<clsTorviOutputs>& column = table.columns[Slot(scenario)];
    column.reserve(table.recordRows.size());
    for (double row : table.recordRows) {
        TableVariables::WriteInput(variable, copy, row);
        if (page)
            TableVariables::WriteInput(*page, copy, table.pageValue);
        const bool success = ScenarioCalculation::Calculate(run.torvi, copy, column.emplace_back());
        if (!success)
            return false;
    }
    table.finalCopies[Slot(scenario)] = copy;
    return true;
}

// "Scenario B, row 12 (Dead Moisture 1-Hr 28 %): " + the engine's failure: said once, beside the
// grid or chart, rather than in a message at every edit of a control.
std::string Tables::FailureNoteOf(const TableSelection& selection, const Results& table, int scenario)
{
    const std::vector<clsTorviOutputs>& column = table.columns[Slot(scenario)];
    const std::size_t row = column.size() - 1;
    const TableVariables::Variable& variable = *TableVariables::FindVariable(table.rowVarId);
    std::string rowText = std::string(variable.rowText) + " " + InputCellText(table.rowValues[row]);
    if (!selection.rowUnitLabel.empty())
        rowText += " " + selection.rowUnitLabel;
    return "Scenario " + std::string(1, static_cast<char>('A' + scenario - 1)) + ", row " +
           std::to_string(row + 1) + " (" + rowText + "): " + column.back().FailureText();
}

double Tables::CellValue(const TableSelection& selection, int row, int scenario) const
{
    const TableVariables::Output& output = *TableVariables::FindOutput(selection.colVarId);
    return TableVariables::OutputValue(output, run.tblch_units, selection.colUnit,
                                       results.columns[Slot(scenario)][static_cast<std::size_t>(row - 1)]);
}

std::string Tables::InputCellText(double rowValue)
{
    return NumberText::ShortestText(NumberText::RoundToDecimals(rowValue, 3));
}

std::string Tables::CellText(double value, const TableSelection& selection, const NumberFormat& format)
{
    if (clsTorviOutputs::IsNotReachable(value))
        return clsTorviOutputs::NotReachableText;
    return FormattedText(value, selection.colPrecision, format);
}

std::string Tables::FormattedText(double value, int decimals, const NumberFormat& format)
{
    const std::string fixed = NumberText::FixedText(value, decimals);
    const std::size_t digits = fixed[0] == '-' ? 1 : 0;
    const std::size_t point = std::min(fixed.find('.'), fixed.size());
    std::string text = fixed.substr(0, digits);
    for (std::size_t i = digits; i < point; ++i) {
        if (i > digits && (point - i) % 3 == 0)
            text += format.groupSeparator;
        text += fixed[i];
    }
    if (point < fixed.size())
        text += format.decimalPoint + fixed.substr(point + 1);
    return text;
}

GridData Tables::FillGrid(const TableSelection& selection, const NumberFormat& format) const
{
    GridData grid;
    if (!hasResults || !TableVariables::FindOutput(selection.colVarId))
        return grid;
    const int rows = static_cast<int>(results.rowValues.size());
    grid.rowCount = std::max(rows + 1, GridData::MinimumRowCount);
    for (int r = 1; r <= rows; ++r) {
        std::array<std::string, 5> cells;
        cells[0] = InputCellText(results.rowValues[static_cast<std::size_t>(r - 1)]);
        for (int i = 1; i <= clsRun::NumScenarios(); ++i)
            if (ColumnComputed(i))
                cells[static_cast<std::size_t>(i)] = CellText(CellValue(selection, r, i), selection, format);
        grid.rows.push_back(cells);
    }
    return grid;
}

TableFile Tables::ExportContent(const TableSelection& selection) const
{
    TableFile file;
    const TableVariables::Output* output = TableVariables::FindOutput(selection.colVarId);
    const TableVariables::Variable* variable = TableVariables::FindVariable(selection.rowVarId);
    file.outputText = output ? output->text : "";
    file.rowText = variable ? variable->rowText : "";
    file.rowUnitLabel = selection.rowUnitLabel;
    file.outputUnitLabel = selection.colUnitLabel;
    for (int i = 1; i <= clsRun::NumScenarios(); ++i)
        if (ColumnComputed(i)) {
            file.columnHeaders[Slot(i)] = std::string(1, static_cast<char>('A' + i - 1));
            file.inputs[Slot(i)] = run.iclone(i);
        }
    if (!hasResults || !output)
        return file;
    for (std::size_t r = 0; r < results.rowValues.size(); ++r) {
        TableFile::Row row;
        row.input = InputCellText(results.rowValues[r]);
        for (int i = 1; i <= clsRun::NumScenarios(); ++i)
            if (ColumnComputed(i))
                row.values[Slot(i)] = CellValue(selection, static_cast<int>(r + 1), i);
        file.rows.push_back(row);
    }
    return file;
}

bool Tables::ExportTable(const std::string& fileName, const TableSelection& selection)
{
    return table_IO.SaveTable(fileName, ExportContent(selection));
}
