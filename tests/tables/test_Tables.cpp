// The table computation, its grid, its export file and the output chart's data.

#include "TablesTestSupport.h"

#include "base/NumberText.h"
#include "tables/Charts.h"
#include "tables/TableVariables.h"
#include "tables/Tables.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Box = clsRowInputCtl::Box;

enum RowEntry { MC01 = 0, STFL = 6, SLOP = 8, OWND = 9 };
enum PageEntry { PageSLOP = 9 };
enum OutputEntry { FLIN = 3, CRNI = 8 };

}  // namespace

class TablesCompute : public TablesTest {
protected:
    // The table's selections as the analyst makes them in the controls.
    TableSelection Select(int rowEntry, const char* min, const char* max, const char* step, int outputEntry = FLIN)
    {
        views.tblRowInput.RowVarSelected(rowEntry);
        views.tblRowInput.RowValueTyped(Box::Min, min);
        views.tblRowInput.RowValueTyped(Box::Max, max);
        views.tblRowInput.RowValueTyped(Box::Step, step);
        views.tblColOutput.ColVarSelected(outputEntry);
        return Selection();
    }
    TableSelection Selection() const
    {
        return TableSelection::Of(views.tblRowInput, views.tblPageInput, views.tblColOutput);
    }
    Tables::Outcome Compute(const TableSelection& selection) { return tables.ComputeTable(selection, validated); }

    Tables tables{run, ui};
};

TEST(TableRows, TheWalkStopsAtTheRangesEndsRounded)
{
    struct Case {
        double first, last, step;
        int16_t decimals;
        std::vector<double> rows;
    };
    const Case cases[] = {
        {0, 10, 2, 0, {0, 2, 4, 6, 8, 10}},
        {10, 0, 2, 0, {10, 8, 6, 4, 2, 0}},
        {5, 5, 1, 0, {5}},
        {0, 10, 4, 0, {0, 4, 8}},  // not the 4 rows that (10 + 4) / 4 rounds to
        {0.3, 0, 0.1, 2, {0.3, 0.2, 0.1, 0}},
        {0, 0.3, 0.1, 1, {0, 0.1, 0.2, 0.3}},
        {0, 1, 0.004, 2, {}},  // a step that rounds to 0 would never end
    };
    for (const Case& c : cases) {
        const std::vector<double> rows = TableVariables::RowValues(c.first, c.last, c.step, c.decimals);
        EXPECT_EQ(rows, c.rows) << c.first << " to " << c.last << " by " << c.step;
        if (!rows.empty()) {
            EXPECT_FALSE(std::signbit(rows.back())) << c.first << " to " << c.last;
        }
    }
}

TEST_F(TablesCompute, SixRowsInAGridOfThirty)
{
    SetScenario(1, Grass);
    ASSERT_EQ(Compute(Select(SLOP, "0", "10", "2")), Tables::Outcome::Computed);
    const GridData grid = tables.FillGrid(Selection(), NumberFormat());
    EXPECT_EQ(grid.rowCount, 30);
    EXPECT_EQ(grid.header, (std::array<std::string, 5>{"Input", "A", "B", "C", "D"}));
    ASSERT_EQ(grid.rows.size(), 6u);
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(grid.rows[r][0], std::to_string(2 * r));
        const double expected = Engine(1, [&](clsTorviInputs& in) { in.PercentSlope = 2 * r; }).FirelineIntensity;
        EXPECT_EQ(grid.rows[r][1], NumberText::FixedText(expected, 0)) << r;
        EXPECT_EQ(grid.rows[r][2], "");
    }
}

TEST_F(TablesCompute, RangesRunEitherWayAndMayHoldOneRow)
{
    SetScenario(1, Grass);
    ASSERT_EQ(Compute(Select(SLOP, "10", "0", "2")), Tables::Outcome::Computed);
    EXPECT_EQ(tables.RowValues(), (std::vector<double>{10, 8, 6, 4, 2, 0}));
    EXPECT_EQ(run.iclone(1).PercentSlope, 0);  // the working copy keeps the last row
    ASSERT_EQ(Compute(Select(SLOP, "7", "7", "5")), Tables::Outcome::Computed);
    EXPECT_EQ(tables.RowValues(), std::vector<double>{7});
    ASSERT_EQ(Compute(Select(SLOP, "0", "10", "4")), Tables::Outcome::Computed);
    EXPECT_EQ(tables.FillGrid(Selection(), NumberFormat()).rows.size(), 3u);
}

TEST_F(TablesCompute, AWalkDownToZeroGivesTheEngineZero)
{
    SetScenario(1, Grass);
    ASSERT_EQ(Compute(Select(MC01, "0.3", "0", "0.1")), Tables::Outcome::Computed) << ui.messages.back();
    EXPECT_EQ(tables.RowValues(), (std::vector<double>{0.3, 0.2, 0.1, 0}));
    EXPECT_EQ(run.iclone(1).Dead1HrMC, 0.0);
    EXPECT_EQ(run.iclone(1).DeadHerbMC, 0.0);  // follows the 1-hour moisture
    const double first = Engine(1, [](clsTorviInputs& in) { in.Dead1HrMC = 0.3; }).FirelineIntensity;
    EXPECT_EQ(tables.CellValue(Selection(), 1, 1), first);
}

TEST_F(TablesCompute, RowsAndCellsInTheChosenUnits)
{
    SetScenario(2, Grass);
    views.tblColOutput.ColVarSelected(FLIN);
    views.tblColOutput.ColUnitSelected(1);  // kW/m
    views.tblRowInput.RowVarSelected(OWND);
    views.tblRowInput.RowUnitSelected(1);  // km/hr
    views.tblRowInput.RowValueTyped(Box::Min, "16.1");
    views.tblRowInput.RowValueTyped(Box::Max, "16.1");
    ASSERT_EQ(Compute(Selection()), Tables::Outcome::Computed);
    EXPECT_DOUBLE_EQ(run.iclone(2).OpenWindSpeed, 16.1 * 0.621369318);
    const double native =
        Engine(2, [](clsTorviInputs& in) { in.OpenWindSpeed = 16.1 * 0.621369318; }).FirelineIntensity;
    EXPECT_DOUBLE_EQ(tables.CellValue(Selection(), 1, 2), native * 3.459143111);
    EXPECT_EQ(tables.FillGrid(Selection(), NumberFormat()).rows[0][2], NumberText::FixedText(native * 3.459143111, 0));

    ASSERT_EQ(Compute(Select(STFL, "2", "2", "1")), Tables::Outcome::Computed);  // meters
    EXPECT_DOUBLE_EQ(run.iclone(2).ShrubTransFlameLength, 2 * 3.280833437);
}

TEST_F(TablesCompute, APageValueReachesTheEngineAsAWholeSlope)
{
    SetScenario(1, Grass);
    const TableSelection rows = Select(OWND, "10", "10", "1");
    views.tblPageInput.PageVarSelected(PageSLOP);
    for (const auto& [typed, slope] : {std::pair{"12.5", 12}, std::pair{"13.5", 14}, std::pair{"33", 33}}) {
        views.tblPageInput.PageValueTyped(typed);
        ASSERT_EQ(Compute(Selection()), Tables::Outcome::Computed);
        EXPECT_EQ(run.iclone(1).PercentSlope, slope) << typed;
        const double expected = Engine(1, [&](clsTorviInputs& in) { in.PercentSlope = slope; }).FirelineIntensity;
        EXPECT_EQ(tables.CellValue(Selection(), 1, 1), expected) << typed;
    }
    EXPECT_EQ(run.io(1).IData.PercentSlope, 20);  // the scenario itself is never changed
}

TEST_F(TablesCompute, APageVariableThatIsTheRowVariableIsIgnored)
{
    SetScenario(1, Grass);
    Select(SLOP, "0", "10", "10");
    views.tblPageInput.PageVarSelected(PageSLOP);
    views.tblPageInput.PageValueTyped("50");
    ASSERT_EQ(Compute(Selection()), Tables::Outcome::Computed);
    EXPECT_EQ(run.iclone(1).PercentSlope, 10);
    const double flat = Engine(1, [](clsTorviInputs& in) { in.PercentSlope = 0; }).FirelineIntensity;
    EXPECT_EQ(tables.CellValue(Selection(), 1, 1), flat);
}

TEST_F(TablesCompute, NothingIsComputedWithoutACompleteSelection)
{
    TableSelection selection = Select(SLOP, "0", "10", "2");
    EXPECT_EQ(Compute(selection), Tables::Outcome::NotComputed);  // no validated scenario
    SetScenario(4, Grass);
    ASSERT_EQ(Compute(selection), Tables::Outcome::Computed);
    views.tblPageInput.PageVarSelected(PageSLOP);
    views.tblPageInput.PageValueTyped("");  // a page variable without a value
    EXPECT_EQ(Compute(Selection()), Tables::Outcome::NotComputed);
    EXPECT_FALSE(tables.HasResults());
    EXPECT_TRUE(tables.FillGrid(Selection(), NumberFormat()).rows.empty());
    views.tblPageInput.PageVarSelected(0);
    views.tblRowInput.RowValueTyped(Box::Step, "");
    EXPECT_EQ(Compute(Selection()), Tables::Outcome::NotComputed);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TablesCompute, TheFirstEngineFailureStopsTheTable)
{
    SetScenario(1, Grass);
    SetScenario(2, "3 77 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 10 20 0");
    SetScenario(3, Grass);
    ASSERT_EQ(Compute(Select(SLOP, "0", "10", "2")), Tables::Outcome::Failed);
    // Said once beside the table, not in a message that comes back at every edit of a range box.
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(tables.FailureNote(), "Scenario B, row 1 (Slope 0 percent): CalculateTorviOutputs Failure[3002] LOW: "
                                    "Fuel model #77 is missing from the Fuel Models collection.");
    EXPECT_FALSE(tables.HasResults());
    EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
    SetScenario(2, Grass);
    ASSERT_EQ(Compute(Select(SLOP, "0", "10", "2")), Tables::Outcome::Computed);
    EXPECT_EQ(tables.FailureNote(), "");
}

TEST_F(TablesCompute, UnchangedInputsReuseTheResults)
{
    SetScenario(1, Grass);
    const TableSelection selection = Select(SLOP, "0", "10", "5");
    ASSERT_EQ(Compute(selection), Tables::Outcome::Computed);
    const double first = tables.CellValue(selection, 1, 1);
    run.torvi.FuelModels = std::make_shared<clsFuelModels>();  // the engine would now fail
    ASSERT_EQ(Compute(selection), Tables::Outcome::Computed);
    EXPECT_EQ(tables.CellValue(selection, 1, 1), first);
    EXPECT_EQ(run.iclone(1).PercentSlope, 10);
    EXPECT_TRUE(ui.messages.empty());

    run.io(1).IData.OpenWindSpeed = 11;  // a changed scenario is computed again
    EXPECT_EQ(Compute(selection), Tables::Outcome::Failed);
}

// FM8 under a conifer canopy over the 1-hour moisture: FM10, the crown model, stops spreading at
// its extinction and FM8 at its own, higher one. Every row is a result; the crowning index is a
// number while the crown model spreads and "N/A" from there on, in the grid and in the export.
TEST_F(TablesCompute, ATableOverTheOneHourMoistureFillsEveryRow)
{
    SetScenario(1, "2 8 0.4 1 1 1 10 0.4 1 1 1 6 8 10 100 100 0.15 6 1 100 6 20 20 0");
    const TableSelection selection = Select(MC01, "0", "60", "1", CRNI);
    ASSERT_EQ(Compute(selection), Tables::Outcome::Computed) << tables.FailureNote();
    const GridData grid = tables.FillGrid(selection, NumberFormat());
    ASSERT_EQ(grid.rows.size(), 61u);
    std::size_t firstNotReachable = grid.rows.size();
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        const std::string& cell = grid.rows[r][1];
        if (cell == "N/A") {
            firstNotReachable = std::min(firstNotReachable, r);
            continue;
        }
        EXPECT_EQ(firstNotReachable, grid.rows.size()) << "a number after N/A in row " << r;
        double value = 0;
        EXPECT_TRUE(NumberText::ParseDouble(cell, value) && value > 0) << r << ": " << cell;
    }
    // FM10's dead moisture reaches its extinction (25 %) between 1-hour moistures of 20 and 30.
    EXPECT_GT(firstNotReachable, 20u);
    EXPECT_LT(firstNotReachable, 30u);
    const std::string file = folder.File("wet.csv");
    ASSERT_TRUE(tables.ExportTable(file, selection)) << tables.table_IO.errStr;
    EXPECT_NE(ReadBytes(file).find("\r\n" + std::to_string(firstNotReachable) + ",N/A,,,\r\n"), std::string::npos);
    EXPECT_NE(ReadBytes(file).find("\r\n60,N/A,,,\r\n"), std::string::npos);

    // The chart has no point for those rows, and its axis takes in only the points it has.
    const OutputChartData chart = Charts::OutputChart(tables, selection, {});
    ASSERT_EQ(chart.series.size(), 1u);
    EXPECT_EQ(Charts::ReachableRuns(chart.series[0].y),
              (std::vector<std::pair<std::size_t, std::size_t>>{{0, firstNotReachable}}));
    const auto range = Charts::ValueRange(chart.series);
    ASSERT_TRUE(range.has_value());
    EXPECT_TRUE(std::isfinite(range->first) && std::isfinite(range->second));
    EXPECT_EQ(range->second, tables.CellValue(selection, static_cast<int>(firstNotReachable), 1));
}

TEST_F(TablesCompute, CellsFollowTheNumberFormat)
{
    struct Case {
        double value;
        int decimals;
        NumberFormat format;
        const char* text;
    };
    const Case cases[] = {
        {12345.678, 1, {".", ","}, "12,345.7"},
        {-1234567, 0, {".", ","}, "-1,234,567"},
        {999.96, 1, {".", ","}, "1,000.0"},
        {123.456, 2, {".", ","}, "123.46"},
        {0.5, 2, {",", "."}, "0,50"},
        {1234.5, 1, {".", ""}, "1234.5"},
        {-0.004, 2, {".", ","}, "0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tables::FormattedText(c.value, c.decimals, c.format), c.text) << c.value;
    EXPECT_EQ(Tables::InputCellText(0.15), "0.15");
    EXPECT_EQ(Tables::InputCellText(0.0625), "0.062");  // halves to the even neighbour
    EXPECT_EQ(Tables::InputCellText(0.0626), "0.063");
    EXPECT_EQ(Tables::InputCellText(40), "40");
}

TEST_F(TablesCompute, TheExportFileOfTwoScenarios)
{
    SetScenario(1, Grass);
    SetScenario(2, Timber);
    run.io(2).IData.HighInputs.WindReductionFactor = 0.1;  // a conifer's canopy always has 0.4
    const TableSelection selection = Select(SLOP, "0", "10", "5");
    ASSERT_EQ(Compute(selection), Tables::Outcome::Computed);
    const std::string file = folder.File("table.csv");
    ASSERT_TRUE(tables.ExportTable(file, selection)) << tables.table_IO.errStr;

    std::string expected = "Fireline Intensity (FLIN)\r\nSlope,A,B,,\r\npercent,BTU/ft-sec,BTU/ft-sec,BTU/ft-sec,BTU/ft-sec\r\n";
    for (int slope : {0, 5, 10}) {
        auto at = [&](clsTorviInputs& in) { in.PercentSlope = slope; };
        expected += std::to_string(slope) + "," + NumberText::ShortestText(Engine(1, at).FirelineIntensity) + "," +
                    NumberText::ShortestText(Engine(2, at).FirelineIntensity) + ",,\r\n";
    }
    expected += "\r\nInputs\r\n"
                "SIMT,3,2,,\r\nFMlow,1,10,,\r\nWNDRlow,0.4,0.4,,\r\nROSMlow,1,1,,\r\nLADMlow,1,1,,\r\nFLIMlow,1,1,,\r\n"
                "FMhigh,1,10,,\r\nWNDRhigh,0.4,0.4,,\r\nROSMhigh,1,1,,\r\nLADMhigh,1,1,,\r\nFLIMhigh,1,1,,\r\n"
                "MC01,6,6,,\r\nMC10,8,8,,\r\nMC100,10,10,,\r\nMCLH,100,100,,\r\nMCLW,100,100,,\r\n"
                "ACBD,0.1,0.15,,\r\nCABH,10,6,,\r\nACFL,1,1,,\r\nFOMC,100,100,,\r\nSTFL,2,6,,\r\n"
                "OWND,10,20,,\r\nSLOP,10,10,,\r\nWDIR,0,0,,\r\n";
    EXPECT_EQ(ReadBytes(file), expected);
}

TEST_F(TablesCompute, AScenarioThatIsNotValidatedKeepsItsColumnEmpty)
{
    SetScenario(1, Grass);
    SetScenario(3, Grass);
    run.io(3).IData.OpenWindSpeed = 14.5;
    const TableSelection selection = Select(SLOP, "20", "20", "5");
    ASSERT_EQ(Compute(selection), Tables::Outcome::Computed);
    const GridData grid = tables.FillGrid(selection, NumberFormat());
    EXPECT_NE(grid.rows[0][1], "");
    EXPECT_EQ(grid.rows[0][2], "");
    EXPECT_NE(grid.rows[0][3], "");
    const std::vector<std::string> lines = tables.table_IO.TableLines(tables.ExportContent(selection));
    EXPECT_EQ(lines[1], "Slope,A,,C,");
    EXPECT_EQ(lines[3].substr(0, 3), "20,");
    EXPECT_EQ(lines[3].substr(lines[3].size() - 1), ",");
    EXPECT_EQ(lines[3].find(",,"), lines[3].find(',', 3));
    EXPECT_EQ(lines.back(), "WDIR,0,,0,");
    EXPECT_EQ(lines[lines.size() - 3], "OWND,10,,14.5,");
}

TEST_F(TablesCompute, AnExportThatCannotBeWrittenSaysWhy)
{
    SetScenario(1, Grass);
    const TableSelection selection = Select(SLOP, "0", "10", "5");
    ASSERT_EQ(Compute(selection), Tables::Outcome::Computed);
    const std::string file = folder.File("no such folder/table.csv");
    EXPECT_FALSE(tables.ExportTable(file, selection));
    EXPECT_EQ(tables.table_IO.errStr, "Failed to open Table file: " + file);
}

TEST_F(TablesCompute, TheChartHasASeriesPerComputedScenario)
{
    SetScenario(1, Grass);
    SetScenario(3, Timber);
    run.io(1).Name = "North";
    const TableSelection selection = Select(SLOP, "10", "0", "5");
    ASSERT_EQ(Compute(selection), Tables::Outcome::Computed);
    const OutputChartData chart = Charts::OutputChart(tables, selection, {run.io(1).Name, "B", "", "D"});
    EXPECT_EQ(chart.x, (std::vector<double>{10, 5, 0}));
    EXPECT_EQ(chart.pointLabels, (std::vector<std::string>{"10", "5", "0"}));
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0].label, "North");
    EXPECT_EQ(chart.series[1].label, "Scenario C");
    const double flat = Engine(3, [](clsTorviInputs& in) { in.PercentSlope = 0; }).FirelineIntensity;
    EXPECT_EQ(chart.series[1].y.back(), flat);
    EXPECT_EQ(chart.xTitle, "Slope (percent)");
    EXPECT_EQ(chart.yTitle, "Fireline Intensity (FLIN) (BTU/ft-sec)");
    EXPECT_EQ(chart.header, "Output Chart");

    EXPECT_EQ(Compute(Select(SLOP, "abc", "0", "5")), Tables::Outcome::NotComputed);
    EXPECT_TRUE(Charts::OutputChart(tables, Selection(), {}).series.empty());
}
