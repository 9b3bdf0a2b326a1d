// The rules of the row, page and output controls, without widgets.

#include "TablesTestSupport.h"

#include <vector>

namespace {

using Box = clsRowInputCtl::Box;

std::vector<std::string> Texts(const clsListState& list)
{
    std::vector<std::string> texts;
    for (const auto& entry : list.entries)
        texts.push_back(entry.text);
    return texts;
}

constexpr int SlopeEntry = 9;  // page list position ("-- None --" first)
constexpr int WindPageEntry = 10;
constexpr int WindRowEntry = 9;  // row list position

}  // namespace

class TableControls : public TablesTest {};

TEST_F(TableControls, ListsShowTheirEntriesWithTheirIds)
{
    const clsListState& rows = views.tblRowInput.cmboRowVar;
    const clsListState& pages = views.tblPageInput.cmboPageVar;
    ASSERT_EQ(rows.Count(), 11);
    ASSERT_EQ(pages.Count(), 12);
    EXPECT_EQ(rows.entries[3].text, "Live herb  moisture");
    EXPECT_EQ(pages.entries[4].text, "Live herb moisture");
    EXPECT_EQ(pages.entries[0], (clsListState::Entry{"-- None --", 0}));
    EXPECT_EQ(rows.entries[10], (clsListState::Entry{"Wind direction", 11}));
    EXPECT_EQ(pages.entries[7], (clsListState::Entry{"Transition flame length", 7}));
    const clsListState& outputs = views.tblColOutput.cmboColVar;
    ASSERT_EQ(outputs.Count(), 16);
    EXPECT_EQ(outputs.entries[0], (clsListState::Entry{"Crown Fraction Burned (CRFB)", 1}));
    EXPECT_EQ(outputs.entries[6], (clsListState::Entry{"Eff. Midflame Wind Spd (EMFW)", 7}));
    EXPECT_EQ(outputs.entries[15], (clsListState::Entry{"OWNDcessation", 16}));
}

TEST_F(TableControls, SetRowVarBringsBackTheRememberedVariableAndRange)
{
    views.tblRowInput.setRowVar();  // the run starts with list position 9, 0 to 40 step 2
    const clsRowInputCtl& row = views.tblRowInput;
    EXPECT_EQ(row.rowVarId(), 10);
    EXPECT_EQ(row.cmboRowVar.Text(), "Open windspeed");
    EXPECT_EQ(Texts(row.cmboRowUnits), (std::vector<std::string>{"mi/hr", "km/hr"}));
    EXPECT_EQ(row.boxText, (std::array<std::string, 3>{"0", "40", "2"}));
    EXPECT_EQ(row.rowPrecision(), 1);
    EXPECT_TRUE(row.rowVarIsValid());
    EXPECT_FALSE(run.tblch_units.UnitsChanged());
    EXPECT_EQ(recomputes, 1);

    // A remembered range that does not suit the variable gives way to its whole data range.
    run.tblch_input_var = 8;  // slope
    run.tblch_input_max = 400;
    views.tblRowInput.setRowVar();
    EXPECT_EQ(row.rowVarId(), 9);
    EXPECT_EQ(row.boxText, (std::array<std::string, 3>{"0", "100", "5"}));
    EXPECT_EQ(run.tblch_input_max, 100);
}

TEST_F(TableControls, ANewRowUnitDiscardsTheTypedRange)
{
    clsRowInputCtl& row = views.tblRowInput;
    row.RowVarSelected(WindRowEntry);
    EXPECT_EQ(row.boxText, (std::array<std::string, 3>{"0", "60", "1"}));
    row.RowValueTyped(Box::Min, "5");
    row.RowValueTyped(Box::Max, "25");
    row.RowUnitSelected(1);
    EXPECT_EQ(row.cmboRowUnits.Text(), "km/hr");
    EXPECT_EQ(row.boxText, (std::array<std::string, 3>{"0", "100", "1"}));
    EXPECT_EQ(row.rangeMaxVal(), 100);
    EXPECT_EQ(row.rowUnit(), 2);
    EXPECT_EQ(run.tblch_units.OpenWindSpdInUnits.GetCurrUnit(), 2);
    EXPECT_TRUE(run.tblch_units.UnitsChanged());
    EXPECT_EQ(run.tblch_input_max, 100);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TableControls, RangeBoxesRefuseWhatTheyCannotUse)
{
    clsRowInputCtl& row = views.tblRowInput;
    std::vector<Box> focused;
    row.FocusBox = [&](Box box) { focused.push_back(box); };
    row.RowVarSelected(WindRowEntry);  // 0 to 60 mi/hr, one decimal
    struct Case {
        Box box;
        const char* text;
        const char* message;
        bool red;
    };
    const Case refused[] = {
        {Box::Min, "abc", "Please enter a valid Minimum number within the range [0 - 60]", false},
        {Box::Max, "75", "Invalid value: Please enter a Maximum value between 0 and 60", true},
        {Box::Min, "-1", "Invalid value: Please enter a Minimum value between 0 and 60", true},
        {Box::Step, "0", "Invalid value: Please enter a Step value between 0.1 and 60", true},
        {Box::Step, "0.04", "Invalid value: Please enter a Step value between 0.1 and 60", true},
        {Box::Step, "61", "Invalid value: Please enter a Step value between 0.1 and 60", true},
        {Box::Step, "-2", "Invalid value: Please enter a Step value between 0.1 and 60", true},
        {Box::Step, "x1", "Please enter a valid Step number within the range [0.1 - 60]", false},
    };
    for (const Case& c : refused) {
        ui.messages.clear();
        row.RowValueTyped(c.box, c.text);
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message}) << c.text;
        EXPECT_FALSE(row.rowVarIsValid()) << c.text;
        EXPECT_EQ(row.boxText[c.box], c.red ? c.text : "") << c.text;
        EXPECT_EQ(row.boxIsRed[c.box], c.red) << c.text;
        row.RowValueTyped(c.box, "1");  // mends it
        EXPECT_TRUE(row.rowVarIsValid()) << c.text;
    }
    EXPECT_EQ(focused, (std::vector<Box>{Box::Max, Box::Min, Box::Step, Box::Step, Box::Step, Box::Step}));

    // An empty box makes the range invalid without a word; a maximum below the minimum is a range.
    ui.messages.clear();
    row.RowValueTyped(Box::Max, " ");
    EXPECT_FALSE(row.rowVarIsValid());
    row.RowValueTyped(Box::Min, "10");
    row.RowValueTyped(Box::Max, "2.5");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(row.rowVarIsValid());
    EXPECT_TRUE(row.InRange(2.46));  // rounds to 2.5
    EXPECT_TRUE(row.InRange(10));
    EXPECT_FALSE(row.InRange(2.44));
    EXPECT_FALSE(row.InRange(10.05));
}

TEST_F(TableControls, AStepMayBeAsWideAsTheVariablesRange)
{
    clsRowInputCtl& row = views.tblRowInput;
    row.RowVarSelected(4);  // live woody moisture, 30 to 300 percent
    row.RowValueTyped(Box::Step, "10");
    EXPECT_TRUE(row.rowVarIsValid());
    row.RowValueTyped(Box::Step, "270");
    EXPECT_TRUE(row.rowVarIsValid());
    row.RowValueTyped(Box::Step, "0.001");
    EXPECT_EQ(ui.messages.back(), "Invalid value: Please enter a Step value between 0.01 and 270");
}

TEST_F(TableControls, TheWindRowControlServesTheHazardChart)
{
    run.visTab = clsTableViews::HazardChart;
    views.tblRowInput.setRowVar();  // not a view the table row control serves
    EXPECT_EQ(views.tblRowInput.rowVarId(), 0);
    views.rowInHazard.setRowVar();
    EXPECT_EQ(views.rowInHazard.rowVarId(), 10);
    EXPECT_EQ(run.haz_input_var, 10);
    EXPECT_EQ(views.rowInHazard.boxText, (std::array<std::string, 3>{"0", "40", "2"}));
    views.rowInHazard.RowUnitSelected(1);
    EXPECT_EQ(run.haz_units.OpenWindSpdInUnits.GetCurrUnit(), 2);
    EXPECT_EQ(run.tblch_units.OpenWindSpdInUnits.GetCurrUnit(), 1);
    EXPECT_EQ(run.haz_input_max, 100);
}

TEST_F(TableControls, NoneClearsThePageVariable)
{
    clsPageInputCtl& page = views.tblPageInput;
    SetScenario(1, Grass);
    page.PageVarSelected(SlopeEntry);
    EXPECT_TRUE(page.pageVarIsValid());
    page.PageVarSelected(0);
    EXPECT_FALSE(page.pageVarIsValid());
    EXPECT_EQ(page.pageVarId(), 0);
    EXPECT_TRUE(page.cmboPageUnits.Empty());
    EXPECT_EQ(page.txtPageVal, "");
    EXPECT_FALSE(page.valueIsRed);
    EXPECT_EQ(run.tblch_page_var, 0);
}

TEST_F(TableControls, APageVariableTakesTheFirstValidatedScenariosValue)
{
    clsPageInputCtl& page = views.tblPageInput;
    SetScenario(3, Grass);  // open wind 10 mi/hr
    run.io(3).IData.OpenWindSpeed = 20;
    run.tblch_pg_units.OpenWindSpdInUnits.SetCurrUnit(2);
    page.PageVarSelected(WindPageEntry);
    EXPECT_EQ(page.cmboPageUnits.Text(), "km/hr");
    EXPECT_EQ(page.pageValue(), 20);
    EXPECT_EQ(page.txtPageVal, "32.2");  // 20 × 1.609348854 = 32.187 to one decimal
    EXPECT_EQ(page.minimum, 0);
    EXPECT_EQ(page.maximum, 100);
    EXPECT_EQ(page.sliderScale, 10);
    EXPECT_EQ(page.sliderPageVar.maximum, 1000);
    EXPECT_EQ(page.sliderPageVar.position, 322);
    EXPECT_EQ(page.sliderPageVar.singleStep, 20);
    EXPECT_EQ(run.tblch_page_var, WindPageEntry);
    EXPECT_TRUE(run.tblch_pg_units.UnitsChanged());

    page.PageUnitSelected(0);  // mi/hr: the value is the same wind
    EXPECT_EQ(page.txtPageVal, "20");
    EXPECT_EQ(page.pageValue(), 20);
}

TEST_F(TableControls, WithoutAValidatedScenarioThePageValueIsTheMinimum)
{
    clsPageInputCtl& page = views.tblPageInput;
    run.iclone(1).PercentSlope = 25;
    page.PageVarSelected(SlopeEntry);
    EXPECT_TRUE(page.pageVarIsValid());
    EXPECT_EQ(page.pageValue(), 0);
    EXPECT_EQ(page.txtPageVal, "25");
}

TEST_F(TableControls, PageValuesAreCheckedWhenTyped)
{
    clsPageInputCtl& page = views.tblPageInput;
    int focus = 0;
    page.FocusValueBox = [&] { ++focus; };
    SetScenario(1, Grass);
    page.PageVarSelected(SlopeEntry);
    const int before = recomputes;

    page.PageValueTyped("abc");
    EXPECT_EQ(ui.messages.back(), "Please enter a valid number within the range [0 - 100]");
    EXPECT_EQ(page.txtPageVal, "");
    EXPECT_FALSE(page.pageVarIsValid());

    page.PageValueTyped("120");
    EXPECT_EQ(ui.messages.back(), "Invalid value: Please enter a value between 0 and 100");
    EXPECT_TRUE(page.valueIsRed);
    EXPECT_EQ(focus, 1);
    EXPECT_FALSE(page.pageVarIsValid());

    page.PageValueTyped("12.5");
    EXPECT_TRUE(page.pageVarIsValid());
    EXPECT_FALSE(page.valueIsRed);
    EXPECT_EQ(page.pageValue(), 12.5);
    EXPECT_EQ(page.sliderPageVar.position, 12);  // 12.5 to the nearest whole, halves to even
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(recomputes, before + 3);  // every typed value asks, valid or not
}

TEST_F(TableControls, TheSliderMovesInStepsOfTheLastDecimal)
{
    clsPageInputCtl& page = views.tblPageInput;
    SetScenario(1, Grass);  // bulk density 0.1 kg/m3
    page.PageVarSelected(6);
    EXPECT_EQ(page.sliderScale, 100);
    EXPECT_EQ(page.sliderPageVar.maximum, 100);
    EXPECT_EQ(page.sliderPageVar.position, 10);
    EXPECT_EQ(page.sliderPageVar.pageStep, 2);
    page.SliderMoved(37);
    EXPECT_EQ(page.txtPageVal, "0.37");
    EXPECT_EQ(page.pageValue(), 0.37);

    page.PageUnitSelected(1);  // lbs/ft3: three decimals up to 0.06
    EXPECT_EQ(page.sliderScale, 1000);
    EXPECT_EQ(page.sliderPageVar.maximum, 60);
    EXPECT_EQ(page.sliderPageVar.pageStep, 5);
    EXPECT_EQ(page.txtPageVal, "0.023");  // 0.37 × 0.062427885 = 0.0231
    page.SliderMoved(10);
    EXPECT_EQ(page.txtPageVal, "0.01");
    EXPECT_DOUBLE_EQ(page.pageValue(), 0.01 * 16.01848281);

    // Typing "abc" leaves the page variable invalid until the slider moves.
    page.PageValueTyped("abc");
    EXPECT_FALSE(page.pageVarIsValid());
    page.SliderMoved(20);
    EXPECT_TRUE(page.pageVarIsValid());
}

TEST_F(TableControls, TheTransitionFlameLengthIsHeldInFeet)
{
    clsPageInputCtl& page = views.tblPageInput;
    SetScenario(1, Grass);  // 2 ft
    page.PageVarSelected(7);
    EXPECT_EQ(page.cmboPageUnits.Text(), "meters");
    EXPECT_EQ(page.pageValue(), 2);
    EXPECT_EQ(page.txtPageVal, "0.6");  // 2 × 0.3048006
    page.PageValueTyped("3");
    EXPECT_DOUBLE_EQ(page.pageValue(), 3 * 3.280833437);
}

TEST_F(TableControls, SetPageVarKeepsAChosenValueAndFollowsTheUnit)
{
    clsPageInputCtl& page = views.tblPageInput;
    SetScenario(1, Grass);
    page.PageVarSelected(WindPageEntry);
    page.PageValueTyped("30");
    run.tblch_pg_units.OpenWindSpdInUnits.SetCurrUnit(2);  // a units set was loaded
    page.setPageVar();
    EXPECT_EQ(page.pageValue(), 30);
    EXPECT_EQ(page.txtPageVal, "48.3");
    EXPECT_FALSE(run.tblch_pg_units.UnitsChanged());

    // A run file names another variable, without a page value (written before they were kept):
    // the scenario's value; with one, that value.
    run.tblch_page_var = SlopeEntry;
    run.tblch_page_val = std::numeric_limits<double>::quiet_NaN();
    page.setPageVar();
    EXPECT_EQ(page.pageVarId(), 9);
    EXPECT_EQ(page.pageValue(), 20);
    run.tblch_page_var = WindPageEntry;
    run.tblch_page_val = 12.5;
    page.setPageVar();
    EXPECT_EQ(page.pageValue(), 12.5);
    EXPECT_EQ(page.txtPageVal, "20.1");
}

TEST_F(TableControls, OperationsActOnTheVisibleViewsInstance)
{
    SetScenario(1, Grass);
    run.haz_page_var = SlopeEntry;
    run.visTab = clsTableViews::HazardChart;
    views.tblPageInput.setPageVar();
    EXPECT_EQ(views.tblPageInput.pageVarId(), 0);
    EXPECT_EQ(views.pgInHazard.pageVarId(), 9);

    views.tblColOutput.ColVarSelected(3);
    EXPECT_EQ(views.colOutHazard.colVarId(), 4);
    EXPECT_EQ(run.haz_output_var, 3);
    EXPECT_EQ(views.tblColOutput.colVarId(), 0);

    run.visTab = clsTableViews::FireChart;
    views.tblColOutput.ColVarSelected(1);
    views.tblRowInput.RowVarSelected(1);
    EXPECT_EQ(views.colOutHazard.colVarId(), 4);
    EXPECT_EQ(run.fire_page_var, 0);
    run.fire_page_var = 1;
    views.tblPageInput.setPageVar();
    EXPECT_EQ(views.pgInFire.pageVarId(), 1);

    run.visTab = 0;  // the input/output page: nothing happens
    views.tblPageInput.PageVarSelected(SlopeEntry);
    EXPECT_EQ(views.tblPageInput.pageVarId(), 0);
}

TEST_F(TableControls, OutputsAndTheirUnits)
{
    clsColOutputCtl& output = views.tblColOutput;
    output.setColVar();  // position 1 remembered at the start: the spread rate
    EXPECT_EQ(output.colVarId(), 2);
    EXPECT_EQ(Texts(output.cmboColUnits), (std::vector<std::string>{"ch/hr", "m/min", "mi/hr", "km/hr", "ft/min"}));
    EXPECT_EQ(output.colPrecision(), 1);
    EXPECT_FALSE(run.tblch_units.UnitsChanged());
    output.ColUnitSelected(1);
    EXPECT_EQ(output.colPrecision(), 2);
    EXPECT_EQ(run.tblch_units.ROSOutUnits.GetCurrUnit(), 2);

    output.ColVarSelected(0);
    EXPECT_EQ(Texts(output.cmboColUnits), std::vector<std::string>{"fraction"});
    EXPECT_EQ(output.colPrecision(), 0);
    EXPECT_EQ(run.tblch_output_var, 0);

    output.ColVarSelected(13);  // ACBDactive: the bulk density units
    EXPECT_EQ(Texts(output.cmboColUnits), (std::vector<std::string>{"kg/m3", "lbs/ft3"}));
    output.ColUnitSelected(1);
    EXPECT_EQ(run.tblch_units.ASCanopyBDOutUnits.GetCurrUnit(), 2);
    EXPECT_EQ(output.colPrecision(), 3);
    EXPECT_TRUE(output.colVarIsValid());
}

TEST_F(TableControls, RestoringTheControlsRecomputesOnce)
{
    SetScenario(1, Grass);
    views.RestoreControls();
    EXPECT_EQ(recomputes, 1);
    EXPECT_EQ(views.tblRowInput.rowVarId(), 10);
    EXPECT_EQ(views.tblColOutput.colVarId(), 2);
    EXPECT_EQ(views.tblPageInput.pageVarId(), 0);
    views.tblColOutput.Calc();
    EXPECT_EQ(recomputes, 2);
}
