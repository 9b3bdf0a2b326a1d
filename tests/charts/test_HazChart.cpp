// The crown fire hazard chart's computation and drawing data, on an engine with chosen indices and
// on the real engine.

#include "charts/HazChart.h"

#include "ChartsTestSupport.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Box = clsRowInputCtl::Box;
using Wind = HazRow::Wind;

std::vector<double> Xs(const std::vector<ChartPoint>& points)
{
    std::vector<double> xs;
    for (const ChartPoint& point : points)
        xs.push_back(point.x);
    return xs;
}

}  // namespace

// The hazard view on an engine whose torching and crowning indices are chosen.
class HazChartTest : public TablesTest {
protected:
    void SetUp() override
    {
        TablesTest::SetUp();
        run.visTab = clsTableViews::HazardChart;
        chart.ChartSetUp();
    }

    // The view shown with a wind range remembered in the run (mi/hr).
    void Show(double min, double max, double step)
    {
        run.haz_input_min = min;
        run.haz_input_max = max;
        run.haz_input_step = step;
        fake.calls.clear();
        chart.PrepareHazardView();
    }

    FakeEngine fake;
    HazChart chart{views, [this](clsTorviInputs& in, bool& success) { return fake(in, success); }};
};

TEST_F(HazChartTest, RowsAddAWindBesideEachIndex)
{
    struct Case {
        double min, max, step, ti, ci;
        std::vector<double> winds;  // mi/h, in row order
    };
    const Case cases[] = {
        // TI 5.5 and CI 9.5: a wind just above each; 23 rows.
        {0, 20, 1, 5.5, 9.5, {0, 1, 2, 3, 4, 5, 5.51, 6, 7, 8, 9, 9.51, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        // Crowning at a lower wind than torching: just below and just above the crowning index.
        {0, 20, 1, 15, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8, 8.99, 9, 9.01, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        // An index wind below the second regular wind is row 2; one beyond the range is never computed.
        {0, 20, 5, 2, 30, {0, 2.01, 5, 10, 15, 20}},
        // A descending range: both index winds lie below the second regular wind.
        {20, 0, 5, 5.5, 9.5, {20, 5.51, 9.51, 15, 10, 5, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max << " by " << c.step << ", TI " << c.ti);
        SetScenario(1, Timber, "Ridge");
        fake.torchingIndex = c.ti;
        fake.crowningIndex = c.ci;
        Show(c.min, c.max, c.step);
        ExpectSame(fake.ScenarioWinds(), c.winds);
        ASSERT_EQ(chart.Rows().size(), c.winds.size());
        std::vector<double> xs;
        int indexRows = 0;
        for (const HazRow& row : chart.Rows()) {
            xs.push_back(row.x);
            indexRows += row.wind != Wind::Regular;
            EXPECT_EQ(row.surface.RateOfSpread, row.windMph / 2);  // column 2: the simple surface fire
        }
        ExpectSame(xs, c.winds);
        EXPECT_EQ(indexRows, static_cast<int>(c.winds.size()) - static_cast<int>(chart.Drawing().rowValues.size()));
        // Each line joins its points in ascending wind.
        for (const ChartSeries& series : chart.Drawing().spreadRates)
            EXPECT_TRUE(std::is_sorted(series.points.begin(), series.points.end(),
                                       [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; }));
        // An index line stands where the index lies within the range; one beyond it is not drawn.
        std::vector<ChartSeries> expected;
        if (c.ti <= std::max(c.min, c.max))
            expected.push_back({"Torching Index", {{c.ti, 0}, {c.ti, 100}}});
        if (c.ci <= std::max(c.min, c.max))
            expected.push_back({"Crowning Index", {{c.ci, 0}, {c.ci, 100}}});
        ASSERT_EQ(chart.Drawing().indexLines.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(chart.Drawing().indexLines[i].label, expected[i].label);
            EXPECT_EQ(chart.Drawing().indexLines[i].points, expected[i].points);
        }
    }
}

TEST_F(HazChartTest, TheRegularRowsGiveThePointLabels)
{
    SetScenario(1, Timber, "Ridge");
    Show(20, 0, 5);
    const HazChartData& drawing = chart.Drawing();
    EXPECT_EQ(drawing.rowValues, (std::vector<double>{20, 15, 10, 5, 0}));
    EXPECT_EQ(drawing.pointLabels, (std::vector<std::string>{"20", "15", "10", "5", "0"}));
    EXPECT_TRUE(drawing.descending);
    EXPECT_EQ(Xs(drawing.spreadRates[4].points), (std::vector<double>{0, 5, 5.51, 9.51, 10, 15, 20}));
}

TEST_F(HazChartTest, KilometresPerHourForTheAxisTheRowsAndTheIndexLines)
{
    SetScenario(1, Timber, "Ridge");
    Show(0, 40, 2);
    views.rowInHazard.RowUnitSelected(1);  // km/hr: the whole range, 0 to 100 by 1
    const std::vector<HazRow>& rows = chart.Rows();
    ASSERT_EQ(rows.size(), 103u);
    // 9 km/hr is 5.59 mi/h: the torching wind 5.51 mi/h comes before it.
    EXPECT_EQ(rows[9].wind, Wind::P1);
    EXPECT_NEAR(rows[9].x, 5.51 * 1.609348854, 1e-9);
    EXPECT_NEAR(rows[10].windMph, 9 * 0.621369318, 1e-12);
    // 15 km/hr is 9.32 mi/h, 16 km/hr 9.94 mi/h: the crowning wind 9.51 mi/h lies between.
    EXPECT_EQ(rows[17].wind, Wind::P2);
    EXPECT_NEAR(rows[17].x, 9.51 * 1.609348854, 1e-9);
    EXPECT_EQ(rows[18].x, 16);
    const HazChartData& drawing = chart.Drawing();
    EXPECT_NEAR(drawing.indexLines[0].points[0].x, 8.851418697, 1e-9);
    EXPECT_NEAR(drawing.indexLines[1].points[0].x, 15.288814113, 1e-9);
    EXPECT_EQ(drawing.xTitle, "Open Wind Speed (km/hr)");
    EXPECT_EQ(drawing.pointLabels.size(), 101u);
    EXPECT_EQ(drawing.pointLabels[100], "100");
}

TEST_F(HazChartTest, SeriesLabelsAndHeaderFollowTheSimulationType)
{
    struct Case {
        const char* dataLine;
        const char* header;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {Shrub, "Shrub Canopy Fire Hazard Assessment Chart",
         {"SPRTtransition", "SPRTlow", "SPRTactive", "SPRTshrub", "SPRTfinal"}},
        {Timber, "Crown Fire Hazard Assessment Chart",
         {"SPRTinitiation", "SPRTsurface", "SPRTactive", "SPRTcrown", "SPRTfinal"}},
        // A simple surface fire has no crown thresholds: its surface fire alone, named.
        {Grass, "Surface Fire Hazard Assessment Chart", {"SPRTsurface"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        SetScenario(1, c.dataLine);
        Show(0, 10, 2);
        EXPECT_EQ(chart.Drawing().header, c.header);
        EXPECT_EQ(Labels(chart.Drawing().spreadRates), c.labels);
        EXPECT_EQ(chart.Drawing().yTitle, "Headfire Spread Rate (SPRT) (ch/hr)");
    }
}

TEST_F(HazChartTest, SpreadRatesInTheOutputUnit)
{
    SetScenario(1, Timber, "Ridge");
    fake.torchingIndex = 50;
    fake.crowningIndex = 60;
    Show(0, 10, 2);
    views.colOutHazard.ColUnitSelected(1);  // m/min
    const HazChartData& drawing = chart.Drawing();
    EXPECT_EQ(drawing.yTitle, "Headfire Spread Rate (SPRT) (m/min)");
    // At 4 mi/h (point 3): critical rate 3 ch/h, surface alone 2, active 40, high model 8, final 5.
    const double chainsPerHour[] = {3, 2, 40, 8, 5};
    for (std::size_t s = 0; s < 5; ++s) {
        ASSERT_EQ(drawing.spreadRates[s].points.size(), 6u);
        EXPECT_EQ(drawing.spreadRates[s].points[2].x, 4);
        EXPECT_NEAR(drawing.spreadRates[s].points[2].y, chainsPerHour[s] * 0.335281011, 1e-9) << "series " << s + 1;
    }
}

TEST_F(HazChartTest, AFailedRowIsLeftOutOfItsSeriesWithoutAMessage)
{
    SetScenario(1, Timber, "Ridge");
    fake.torchingIndex = 50;
    fake.crowningIndex = 60;
    fake.fails = [](const clsTorviInputs& in) {
        return (in.VegType != 3 && in.OpenWindSpeed == 4) || (in.VegType == 3 && in.OpenWindSpeed == 6);
    };
    Show(0, 10, 2);
    EXPECT_TRUE(ui.messages.empty());
    const HazChartData& drawing = chart.Drawing();
    // One line above the chart says which row failed and why.
    EXPECT_EQ(drawing.failureNote.rfind("Scenario A, open wind 4 ", 0), 0u) << drawing.failureNote;
    EXPECT_NE(drawing.failureNote.find(": CalculateTorviOutputs Failure[2004] Invalid Open Wind Speed: 4"),
              std::string::npos) << drawing.failureNote;
    for (std::size_t s : {0u, 2u, 3u, 4u})
        EXPECT_EQ(Xs(drawing.spreadRates[s].points), (std::vector<double>{0, 2, 6, 8, 10})) << "series " << s + 1;
    EXPECT_EQ(Xs(drawing.spreadRates[1].points), (std::vector<double>{0, 2, 4, 8, 10}));

    // Without a first row there are no indices: no index lines and no added winds.
    fake.torchingIndex = 5.5;
    fake.fails = [](const clsTorviInputs& in) { return in.VegType != 3 && in.OpenWindSpeed == 0; };
    Show(0, 10, 2);
    EXPECT_TRUE(chart.Drawing().indexLines.empty());
    ExpectSame(fake.ScenarioWinds(), {0, 2, 4, 6, 8, 10});
    EXPECT_EQ(Xs(drawing.spreadRates[4].points), (std::vector<double>{2, 4, 6, 8, 10}));
}

// A crowning index and an SPRTactive that are not reachable have no line, no wind beside them and
// nothing in the legend (a series without a point has no entry).
TEST_F(HazChartTest, WhatIsNotReachableIsNotDrawn)
{
    SetScenario(1, Timber, "Ridge");
    fake.torchingIndex = 5.5;
    fake.crowningIndex = clsTorviOutputs::NotReachable;
    fake.activeRate = clsTorviOutputs::NotReachable;
    Show(0, 10, 2);
    ExpectSame(fake.ScenarioWinds(), {0, 2, 4, 5.51, 6, 8, 10});
    const HazChartData& drawing = chart.Drawing();
    EXPECT_EQ(Labels(drawing.indexLines), std::vector<std::string>{"Torching Index"});
    ASSERT_EQ(drawing.spreadRates.size(), 5u);
    EXPECT_EQ(drawing.spreadRates[2].label, "SPRTactive");
    EXPECT_TRUE(drawing.spreadRates[2].points.empty());
    EXPECT_EQ(drawing.spreadRates[3].points.size(), 7u);
    EXPECT_EQ(drawing.failureNote, "");
    // The picture tells that the crowning index does not exist, rather than a number.
    EXPECT_EQ(drawing.subtitle, "Ridge; TI 5.5 mi/hr, CI not reachable");
}

TEST_F(HazChartTest, TheOutputIsAlwaysTheSpreadRate)
{
    const clsListState& outputs = views.colOutHazard.cmboColVar;
    ASSERT_EQ(outputs.Count(), 1);
    EXPECT_EQ(outputs.entries[0], (clsListState::Entry{"Headfire Spread Rate (SPRT)", 2}));
    SetScenario(1, Timber);
    run.haz_output_var = 3;  // a run file of another output
    Show(0, 10, 2);
    EXPECT_EQ(views.colOutHazard.colVarId(), 2);
    EXPECT_EQ(views.colOutHazard.getUserViewId(), 2);
    EXPECT_EQ(run.haz_output_var, 0);
}

TEST_F(HazChartTest, ThePageVariableHoldsOnBothCopiesButTheWindIsTheRows)
{
    constexpr int SlopeEntry = 9;
    constexpr int WindEntry = 10;
    SetScenario(2, Timber, "Ridge");
    Show(0, 10, 2);
    EXPECT_EQ(chart.cmboHazScenario.entries, (std::vector<clsListState::Entry>{{" Ridge", 2}}));
    views.pgInHazard.PageVarSelected(SlopeEntry);
    fake.calls.clear();
    views.pgInHazard.PageValueTyped("35");
    ASSERT_EQ(fake.calls.size(), 2 * chart.Rows().size());
    for (const FakeEngine::Call& call : fake.calls)
        EXPECT_EQ(call.slope, 35);

    views.pgInHazard.PageVarSelected(WindEntry);
    fake.calls.clear();
    views.pgInHazard.PageValueTyped("30");
    ExpectSame(fake.ScenarioWinds(), {0, 2, 4, 5.51, 6, 8, 9.51, 10});

    // A page value that is not valid leaves nothing to draw.
    views.pgInHazard.PageValueTyped("300");
    EXPECT_TRUE(chart.Rows().empty());
    EXPECT_TRUE(chart.Drawing().Empty());
}

// The page control shares the hazard catalogue: choosing the wind in km/hr there makes km/hr the
// catalogue's wind unit. The range keeps the unit its own control shows.
TEST_F(HazChartTest, TheRangeKeepsItsUnitWhenThePageShowsTheWindInAnother)
{
    constexpr int WindEntry = 10;
    SetScenario(1, Timber);
    fake.torchingIndex = 50;
    fake.crowningIndex = 60;
    Show(0, 10, 2);
    views.pgInHazard.PageVarSelected(WindEntry);
    views.pgInHazard.PageUnitSelected(1);  // km/hr
    ASSERT_EQ(run.haz_units.OpenWindSpdInUnits.GetCurrUnit(), 2);
    fake.calls.clear();
    views.pgInHazard.PageValueTyped("30");
    ExpectSame(fake.ScenarioWinds(), {0, 2, 4, 6, 8, 10});
    EXPECT_EQ(chart.Drawing().xTitle, "Open Wind Speed (mi/hr)");
    // The indices lie beyond the range: told in the range's unit, with no line.
    EXPECT_TRUE(chart.Drawing().indexLines.empty());
    EXPECT_EQ(chart.Drawing().indexNote, "TI 50.0 mi/hr, CI 60.0 mi/hr");
}

TEST_F(HazChartTest, NoScenarioOrNoRangeLeavesNoDrawing)
{
    Show(0, 10, 2);
    EXPECT_TRUE(chart.cmboHazScenario.Empty());
    EXPECT_TRUE(chart.Drawing().Empty());
    EXPECT_TRUE(fake.calls.empty());

    SetScenario(1, Timber);
    Show(0, 10, 2);
    EXPECT_FALSE(chart.Drawing().Empty());
    views.rowInHazard.RowValueTyped(Box::Max, "");
    EXPECT_TRUE(chart.Drawing().Empty());
}

// The hazard view on the real engine.
class HazChartEngine : public TablesTest {
protected:
    HazChart chart{views};
};

TEST_F(HazChartEngine, TheWholeWindRangeGivesSixtyThreeRowsOfTheScenarioAndItsSurfaceFire)
{
    run.visTab = clsTableViews::HazardChart;
    chart.ChartSetUp();
    SetScenario(1, Grass, "North");
    SetScenario(3, Timber, "Ridge");
    chart.PrepareHazardView();
    chart.HazScenarioSelected(1);
    views.rowInHazard.RowUnitSelected(0);  // mi/hr: the whole range, 0 to 60 by 1
    const std::vector<HazRow>& rows = chart.Rows();
    ASSERT_EQ(rows.size(), 63u);
    EXPECT_TRUE(ui.messages.empty());

    const clsTorviOutputs atRest = Engine(3, [](clsTorviInputs& r) { r.OpenWindSpeed = 0; });
    ASSERT_LT(atRest.TorchingIndex, atRest.CrowningIndex);
    ASSERT_LT(atRest.CrowningIndex, 59);
    const auto p1 = std::find_if(rows.begin(), rows.end(), [](const HazRow& r) { return r.wind == Wind::P1; });
    const auto p2 = std::find_if(rows.begin(), rows.end(), [](const HazRow& r) { return r.wind == Wind::P2; });
    ASSERT_TRUE(p1 != rows.end() && p2 != rows.end());
    EXPECT_DOUBLE_EQ(p1->windMph, atRest.TorchingIndex + 0.01);
    EXPECT_DOUBLE_EQ(p2->windMph, atRest.CrowningIndex + 0.01);
    EXPECT_EQ(p1 - rows.begin(), static_cast<long>(std::ceil(atRest.TorchingIndex + 0.01)));

    const auto twelve = std::find_if(rows.begin(), rows.end(), [](const HazRow& r) { return r.x == 12; });
    ASSERT_TRUE(twelve != rows.end() && twelve->scenarioComputed && twelve->surfaceComputed);
    const clsTorviOutputs scenario = Engine(3, [](clsTorviInputs& r) { r.OpenWindSpeed = 12; });
    const clsTorviOutputs surface = Engine(3, [](clsTorviInputs& r) {
        r.OpenWindSpeed = 12;
        r.VegType = 3;
    });
    EXPECT_EQ(twelve->scenario.RateOfSpread, scenario.RateOfSpread);
    EXPECT_EQ(twelve->scenario.High.RateOfSpread, scenario.High.RateOfSpread);
    EXPECT_EQ(twelve->surface.RateOfSpread, surface.RateOfSpread);
    // The working copies of slots 1 and 2 hold the chart's scenario afterwards.
    EXPECT_EQ(run.iclone(1).VegType, 2);
    EXPECT_EQ(run.iclone(2).VegType, 3);
    EXPECT_EQ(run.iclone(2).OpenWindSpeed, 60);
}

// The engine is given each wind as its row shows it: a falling range that ends at 0 computes the
// wind 0, not the sum of the steps (a small negative wind the engine would refuse).
TEST_F(HazChartTest, AFallingRangeGivesTheEngineTheRowsWind)
{
    SetScenario(1, Timber, "Ridge");
    fake.torchingIndex = 50;
    fake.crowningIndex = 60;
    fake.fails = [](const clsTorviInputs& in) { return in.OpenWindSpeed < 0; };
    Show(1, 0, 0.1);
    ASSERT_EQ(chart.Rows().size(), 11u);
    EXPECT_EQ(chart.Rows().back().windMph, 0);
    for (const ChartSeries& series : chart.Drawing().spreadRates)
        EXPECT_EQ(series.points.size(), 11u) << series.label;
    EXPECT_EQ(chart.Drawing().failureNote, "");
}

// Spread rates taken away from the head name their direction; the indices are the head fire's.
TEST_F(HazChartTest, ASpreadDirectionNamesTheAxisAndTheIndexLines)
{
    SetScenario(1, Timber, "Ridge");
    run.globalSpreadDirection = -45;
    Show(0, 20, 1);
    EXPECT_EQ(chart.Drawing().yTitle, "Spread Rate at -45\u00B0 from the head (SPRT) (ch/hr)");
    EXPECT_EQ(Labels(chart.Drawing().indexLines),
              (std::vector<std::string>{"Torching Index (head fire)", "Crowning Index (head fire)"}));
    EXPECT_EQ(chart.Drawing().subtitle, "Ridge; TI 5.5 mi/hr, CI 9.5 mi/hr");
}
