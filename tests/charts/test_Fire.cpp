// The fire characteristics chart's computation and drawing data, on an engine with chosen indices
// and on the real engine.

#include "charts/Fire.h"

#include "base/NumberText.h"

#include "ChartsTestSupport.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> Texts(const clsListState& list)
{
    std::vector<std::string> texts;
    for (const auto& entry : list.entries)
        texts.push_back(entry.text);
    return texts;
}

// Winds 0, 1, … 40 with the given ones among them in ascending order.
std::vector<double> RegularWindsWith(std::vector<double> added)
{
    for (int w = 0; w <= 40; ++w)
        added.push_back(w);
    std::stable_sort(added.begin(), added.end());
    return added;
}

constexpr int SlopeEntry = 9;

}  // namespace

// The fire characteristics view on an engine whose indices are chosen.
class FireTest : public TablesTest {
protected:
    void SetUp() override
    {
        TablesTest::SetUp();
        run.visTab = clsTableViews::FireChart;
    }

    void Show()
    {
        fake.calls.clear();
        fire.PrepareFireView();
    }

    std::string WindTextAt(int position)
    {
        fire.WindPointSelected(position);
        return fire.txtWindPt;
    }

    FakeEngine fake;
    Fire fire{views, [this](clsTorviInputs& in, bool& success) { return fake(in, success); }};
};

TEST(FireSamples, HeatPerUnitAreaIsSampledAt331Values)
{
    // The sampling as the chart defines it: from 0, steps of 0.01, then from 0 again by 5, by 10
    // from 500 and by 100 from 2000, up to 10000.
    std::vector<double> expected;
    double h = 0;
    double step = 0.01;
    while (h < 10000) {
        h += step;
        expected.push_back(h);
        if (h == 0.01) {
            h = 0;
            step = 5;
        } else if (h >= 2000) {
            step = 100;
        } else if (h >= 500) {
            step = 10;
        }
    }
    const std::vector<double> samples = Fire::HeatPerUnitAreaSamples();
    ASSERT_EQ(samples.size(), 331u);
    ExpectSame(samples, expected);
    EXPECT_EQ(samples.front(), 0.01);
    EXPECT_EQ(samples[100], 500);
    EXPECT_EQ(samples[250], 2000);
    EXPECT_EQ(samples.back(), 10000);
}

// An axis ends at the first multiple of its interval at or past what it must show, the interval
// being the smallest of 1, 2, 2.5 or 5 times a power of ten that needs no more than six of them.
TEST(FireSamples, AxesReachTheValueWithRoundIntervals)
{
    const struct {
        double value, maximum;
        int ticks;
        int decimals;
    } cases[] = {{0, 1, 6, 1},      {-3, 1, 6, 1},       {1, 1, 6, 1},        {2, 2, 5, 1},
                 {7, 8, 5, 0},      {0.3, 0.3, 7, 2},    {45.06, 50, 6, 0},   {250, 250, 6, 0},
                 {260, 300, 7, 0},  {1650, 2000, 5, 0},  {1e-7, 1e-7, 6, 8},  {14, 15, 7, 1}};
    for (const auto& c : cases) {
        const ChartAxis axis = ChartAxis::Reaching(c.value);
        EXPECT_EQ(axis.minimum, 0) << c.value;
        EXPECT_DOUBLE_EQ(axis.maximum, c.maximum) << c.value;
        EXPECT_EQ(axis.tickCount, c.ticks) << c.value;
        EXPECT_EQ(axis.decimals, c.decimals) << c.value;
    }
    // A range of row values, in any unit: 0 to 100 km/hr by 20, not by 7.
    const struct {
        double low, high, minimum, maximum, step;
    } spans[] = {{0, 100, 0, 100, 20}, {0, 96.56, 0, 100, 20}, {10, 30, 10, 30, 5}, {30, 10, 10, 30, 5},
                 {2.5, 17.5, 2.5, 17.5, 2.5}, {-12, 7, -15, 10, 5}, {4, 4, 2, 6, 1}};
    for (const auto& c : spans) {
        const ChartAxis axis = ChartAxis::Spanning(c.low, c.high);
        EXPECT_DOUBLE_EQ(axis.minimum, c.minimum) << c.low << " to " << c.high;
        EXPECT_DOUBLE_EQ(axis.maximum, c.maximum) << c.low << " to " << c.high;
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.low << " to " << c.high;
    }
}

TEST_F(FireTest, The100BtuCurveInKilojoulesAndMetresPerMinute)
{
    SetScenario(1, Timber, "Ridge");
    run.fire_ref_var = 1;  // fireline intensity
    Show();
    fire.ROSUnitSelected(1);   // m/min
    fire.HPUAUnitSelected(1);  // kJ/m2
    const FireChartData& drawing = fire.Drawing();
    EXPECT_EQ(drawing.curveLegend, "Fireline Intensity (BTU/ft-sec)");
    EXPECT_EQ(drawing.xTitle, "Heat Per Unit Area (kJ/m2)");
    EXPECT_EQ(drawing.yTitle, "Rate of Spread (m/min)");
    ASSERT_EQ(drawing.curves.size(), 7u);
    const ChartSeries& curve = drawing.curves[0];
    EXPECT_EQ(curve.label, "100");
    const std::vector<double> samples = Fire::HeatPerUnitAreaSamples();
    ASSERT_EQ(curve.points.size(), samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_NEAR(curve.points[i].x, 11.34891 * samples[i], 1e-9 * samples[i]);
        EXPECT_NEAR(curve.points[i].y, 1828.81 / samples[i], 1e-9 * 1828.81 / samples[i]);
    }
    EXPECT_TRUE(run.fire_units.UnitsChanged());
    EXPECT_EQ(run.fire_units.ROSOutUnits.GetCurrUnit(), 2);
    EXPECT_EQ(run.fire_units.HPUAOutUnits.GetCurrUnit(), 2);
}

TEST_F(FireTest, TheCurveQuantityRefillsTheUnitListAndRedrawsTheCurves)
{
    SetScenario(1, Timber, "Ridge");
    Show();
    EXPECT_EQ(Texts(fire.cmboRefVar),
              (std::vector<std::string>{"Flame Length", "Fireline Intensity", "Fire Intensity Scale"}));
    const struct {
        int position;
        std::vector<std::string> units;
        std::string legend;
        std::vector<std::string> labels;
    } cases[] = {
        {1, {"BTU/ft-sec", "kW/m"}, "Fireline Intensity (BTU/ft-sec)", {"100", "1000", "5000", "10000", "30000"}},
        {0, {"feet", "meters"}, "Flame Length (feet)", {"4", "8", "11", "25", "70"}},
        {2, {}, "Fire Intensity Scale", {"1", "2", "3", "4", "5"}},
    };
    for (const auto& c : cases) {
        fire.RefVarSelected(c.position);
        EXPECT_EQ(run.fire_ref_var, c.position);
        EXPECT_EQ(Texts(fire.cmboRefUnits), c.units);
        EXPECT_EQ(fire.Drawing().curveLegend, c.legend);
        std::vector<std::string> labels = c.labels;
        labels.insert(labels.end(), {"FLINinitiation", "SPRTactive"});
        EXPECT_EQ(Labels(fire.Drawing().curves), labels);
    }

    fire.RefVarSelected(0);
    fire.RefUnitSelected(1);  // meters
    EXPECT_EQ(run.fire_units.FLenOutUnits.GetCurrUnit(), 2);
    EXPECT_EQ(Labels(fire.Drawing().curves)[4], "25");
    // The 1 m curve at 5 BTU/ft2: 72.96478 BTU/ft/s over 5 BTU/ft2, in ch/hr.
    EXPECT_NEAR(fire.Drawing().curves[0].points[1].y, 795.2947670983, 1e-7);
    EXPECT_EQ(fire.Drawing().curveLegend, "Flame Length (meters)");
    // The run and its units remember the choices for the next time the view is shown.
    fire.RefVarSelected(1);
    fire.RefUnitSelected(1);  // kW/m
    Show();
    EXPECT_EQ(fire.cmboRefVar.Text(), "Fireline Intensity");
    EXPECT_EQ(fire.cmboRefUnits.Text(), "kW/m");
    EXPECT_EQ(Labels(fire.Drawing().curves)[0], "500");
    EXPECT_FALSE(run.fire_units.UnitsChanged());
}

TEST_F(FireTest, TheThresholdsComeFromTheFirstRecord)
{
    SetScenario(1, Timber, "Ridge");
    fake.activeRate = 30;
    Show();
    fire.ROSUnitSelected(3);  // km/hr
    const ChartSeries& initiation = fire.Drawing().curves[5];
    const ChartSeries& active = fire.Drawing().curves[6];
    EXPECT_EQ(initiation.label, "FLINinitiation");
    // The first record's (wind 0) critical intensity, 300 BTU/ft/s, at 5 BTU/ft2.
    EXPECT_EQ(initiation.points[1].x, 5);
    EXPECT_NEAR(initiation.points[1].y, 65.83716, 1e-9);
    EXPECT_EQ(active.label, "SPRTactive");
    ASSERT_EQ(active.points.size(), 331u);
    for (const ChartPoint& point : active.points)
        EXPECT_NEAR(point.y, 0.603504, 1e-12);
    EXPECT_EQ(active.points.back().x, 10000);
}

TEST_F(FireTest, TheFourIndexWindsAreInsertedInAscendingOrder)
{
    const struct {
        double ti, ci;
        std::vector<double> added;  // the winds inserted among 0 … 40
        std::vector<std::pair<int, std::string>> texts;
    } cases[] = {
        {5.5, 9.5, {5.45, 5.55, 9.45, 9.55}, {{0, "0.0"}, {5, "5.0"}, {7, "TI2"}, {13, "CI2"}, {14, "10.0"}, {44, "40.0"}}},
        {15, 9, {8.95, 9.05, 14.95, 15.05}, {{10, "9.0"}, {11, "CI2"}, {12, "10.0"}, {19, "TI2"}, {20, "16.0"}}},
        // Indices of 0: a wind below 0 is left out.
        {0, 0, {0.05, 0.05}, {{0, "0.0"}, {1, "TI2"}, {2, "CI2"}, {3, "1.0"}, {42, "40.0"}}},
        // A wind beyond 40 is left out.
        {39.98, 50, {39.93}, {{40, "39.9"}, {41, "40.0"}}},
        // A crowning index that is not reachable has no winds beside it and no "CI2".
        {5.5, clsTorviOutputs::NotReachable, {5.45, 5.55}, {{7, "TI2"}, {8, "6.0"}, {42, "40.0"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "TI " << c.ti << ", CI " << c.ci);
        SetScenario(1, Timber, "Ridge");
        fake.torchingIndex = c.ti;
        fake.crowningIndex = c.ci;
        Show();
        EXPECT_TRUE(ui.messages.empty());
        const std::vector<double> winds = RegularWindsWith(c.added);
        ExpectSame(fake.ScenarioWinds(), winds);
        ASSERT_EQ(fire.Points().size(), winds.size());
        for (const auto& [position, text] : c.texts)
            EXPECT_EQ(WindTextAt(position), text) << "at " << position;
        EXPECT_EQ(fire.windUnitLabel, "mi/hr");
    }
}

// The same fires in every wind unit: the winds 0 to 40 mi/h and beside the indices, each shown in
// the main page's wind unit with one decimal.
TEST_F(FireTest, WindsAreTheSameInEveryWindUnit)
{
    SetScenario(1, Timber, "Ridge");
    run.units.OpenWindSpdInUnits.SetCurrUnit(2);  // km/hr
    Show();
    ExpectSame(fake.ScenarioWinds(), RegularWindsWith({5.45, 5.55, 9.45, 9.55}));
    EXPECT_EQ(fire.windUnitLabel, "km/hr");
    EXPECT_EQ(WindTextAt(1), "1.6");   // 1 mi/h
    EXPECT_EQ(WindTextAt(7), "TI2");
    EXPECT_EQ(WindTextAt(8), "9.7");   // 6 mi/h
    EXPECT_EQ(WindTextAt(44), "64.4");  // 40 mi/h
    // Active points from 9.55 mi/h on, as in mi/hr.
    EXPECT_EQ(fire.Drawing().points[2].points.size(), 32u);
    EXPECT_EQ(fire.Drawing().subtitle, "Ridge; TI 8.9 km/hr, CI 15.3 km/hr");
}

TEST_F(FireTest, PointsGoByFireTypeWithTheIndexMarkers)
{
    const struct {
        const char* dataLine;
        std::vector<std::string> labels;
    } cases[] = {
        {Shrub, {"Low", "Transitional", "High"}},
        {Grass, {"Low", "Transitional", "High"}},
        {Timber, {"Surface", "Passive", "Active"}},
    };
    for (const auto& c : cases) {
        SetScenario(1, c.dataLine);
        Show();
        EXPECT_EQ(Labels(fire.Drawing().points), c.labels);
    }
    // Surface below 5.5 mi/h: 0 … 5 and 5.45; passive: 5.55, 6 … 9, 9.45; active: 9.55, 10 … 40.
    const FireChartData& drawing = fire.Drawing();
    EXPECT_EQ(drawing.points[0].points.size(), 7u);
    EXPECT_EQ(drawing.points[1].points.size(), 6u);
    EXPECT_EQ(drawing.points[2].points.size(), 32u);
    ASSERT_EQ(drawing.markers.size(), 2u);
    EXPECT_EQ(drawing.markers[0].text, "TI2");
    EXPECT_NEAR(drawing.markers[0].at.x, 1055.5, 1e-9);
    EXPECT_NEAR(drawing.markers[0].at.y, 6.54433032, 1e-9);
    EXPECT_EQ(drawing.markers[1].text, "CI2");
    EXPECT_NEAR(drawing.markers[1].at.x, 1095.5, 1e-9);
    EXPECT_NEAR(drawing.markers[1].at.y, 10.54086792, 1e-9);
    fire.WindPointSelected(7);
    ASSERT_TRUE(fire.SelectedPoint());
    EXPECT_EQ(*fire.SelectedPoint(), drawing.markers[0].at);
}

TEST_F(FireTest, PointsWithoutFireAreLeftOut)
{
    SetScenario(1, Timber, "Ridge");
    fake.noFireBelow = 2;
    Show();
    EXPECT_EQ(fire.Points().size(), 45u);
    EXPECT_EQ(fire.Drawing().points[0].points.size(), 5u);  // 2, 3, 4, 5, 5.45
    EXPECT_EQ(fire.Drawing().points[0].points.front().x, 1020);
    EXPECT_EQ(WindTextAt(1), "1.0");
    EXPECT_FALSE(fire.SelectedPoint());

    // Without any fire the axes reach 2000 BTU/ft2 and 50 m/min (149 ch/hr), and the curves stay.
    fake.noFireBelow = 100;
    Show();
    EXPECT_EQ(fire.Drawing().curves.size(), 7u);
    EXPECT_EQ(fire.Drawing().xAxis.maximum, 2000);
    EXPECT_EQ(fire.Drawing().yAxis.maximum, 150);
    EXPECT_TRUE(fire.Drawing().markers.empty());
}

TEST_F(FireTest, AxesShowThePointsAndBothThresholds)
{
    SetScenario(1, Timber, "Ridge");
    // Points up to 1400 BTU/ft2 and 41 ch/h (40.96 in the chart's ch/hr); the active threshold
    // (a little below the top) always shows.
    const struct {
        double activeRate;
        double yMaximum;
    } cases[] = {{40, 50}, {70, 80}, {500, 600}};
    for (const auto& c : cases) {
        fake.activeRate = c.activeRate;
        Show();
        EXPECT_EQ(fire.Drawing().xAxis.maximum, 1500) << c.activeRate;
        EXPECT_EQ(fire.Drawing().yAxis.maximum, c.yMaximum) << c.activeRate;
    }
    // A curve is labelled on the chart when it crosses the plot, at a point of the curve.
    const FireChartData& drawing = fire.Drawing();
    const std::vector<double> intensities = {112.2501, 506.5236, 1012.179932, 6030.601058, 56551.389, 300};
    std::vector<std::string> labelled;
    for (const ChartLabel& label : drawing.curveLabels) {
        labelled.push_back(label.text);
        EXPECT_LE(label.at.x, drawing.xAxis.maximum);
        EXPECT_LE(label.at.y, drawing.yAxis.maximum);
    }
    EXPECT_EQ(labelled, (std::vector<std::string>{"4", "8", "11", "25", "FLINinitiation", "SPRTactive"}));
    // The legend lists the curves that cross the plot: not the 70 ft curve.
    EXPECT_EQ(drawing.curveInPlot, (std::vector<bool>{true, true, true, true, false, true, true}));
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(drawing.curveLabels[i].at.x * drawing.curveLabels[i].at.y, intensities[i] * 18.2881 * 2.98, 1e-6);
}

TEST_F(FireTest, AnEngineFailureIsToldAndLeavesNoChart)
{
    SetScenario(1, Timber, "Ridge");
    fake.fails = [](const clsTorviInputs& in) { return in.OpenWindSpeed == 7; };
    Show();
    // Told once above the chart, not in a message box.
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(fire.FailureNote(),
              "Scenario A, open wind 7 mi/hr: CalculateTorviOutputs Failure[2004] Invalid Open Wind Speed: 7.000000");
    EXPECT_TRUE(fire.Points().empty());
    EXPECT_TRUE(fire.Drawing().Empty());
    EXPECT_EQ(fire.txtWindPt, "");
    EXPECT_EQ(fake.ScenarioWinds().back(), 7);
}

TEST_F(FireTest, ThePageVariableHoldsExceptTheWind)
{
    SetScenario(1, Timber, "Ridge");
    Show();
    views.pgInFire.PageVarSelected(SlopeEntry);
    fake.calls.clear();
    views.pgInFire.PageValueTyped("40");
    ASSERT_EQ(fake.calls.size(), 45u);
    for (const FakeEngine::Call& call : fake.calls)
        EXPECT_EQ(call.slope, 40);
    views.pgInFire.PageValueTyped("400");  // not valid: nothing to draw
    EXPECT_TRUE(fire.Drawing().Empty());
    EXPECT_TRUE(fire.Points().empty());
}

// The fire characteristics view on the real engine.
class FireEngine : public TablesTest {
protected:
    Fire fire{views};
};

TEST_F(FireEngine, PointsAreTheScenarioAtEachWind)
{
    run.visTab = clsTableViews::FireChart;
    SetScenario(2, Timber, "Ridge");
    fire.PrepareFireView();
    views.pgInFire.PageVarSelected(SlopeEntry);
    views.pgInFire.PageValueTyped("40");
    EXPECT_TRUE(ui.messages.empty());
    const clsTorviOutputs atRest = Engine(2, [](clsTorviInputs& r) {
        r.OpenWindSpeed = 0;
        r.PercentSlope = 40;
    });
    ASSERT_GT(atRest.TorchingIndex, 0.05);
    ASSERT_LT(atRest.CrowningIndex, 39.95);
    ASSERT_EQ(fire.Points().size(), 45u);
    EXPECT_EQ(fire.Points()[0].outputs.RateOfSpread, atRest.RateOfSpread);
    EXPECT_NEAR(fire.Drawing().curves[5].points[1].y, atRest.CrownFirelineIntensity / 5 * 18.2881 * 2.98, 1e-9);

    const clsTorviOutputs atTen = Engine(2, [](clsTorviInputs& r) {
        r.OpenWindSpeed = 10;
        r.PercentSlope = 40;
    });
    const auto ten = std::find_if(fire.Points().begin(), fire.Points().end(), [](const FirePoint& p) {
        return p.wind == FirePoint::Wind::Regular && p.windMph == 10;
    });
    ASSERT_TRUE(ten != fire.Points().end());
    EXPECT_EQ(ten->outputs.HeatPerUnitArea, atTen.HeatPerUnitArea);
    EXPECT_EQ(ten->outputs.RateOfSpread, atTen.RateOfSpread);
    EXPECT_EQ(ten->outputs.FireType, atTen.FireType);
}

// A simple surface fire has no torching or crowning index, whatever the engine reports for its
// canopy: no winds beside them, no markers, no indices in the picture's caption, and no crown
// thresholds drawn or listed.
TEST_F(FireTest, ASurfaceFireHasNoIndexPoints)
{
    SetScenario(1, Grass, "North");
    views.pgInFire.PageVarSelected(SlopeEntry);
    views.pgInFire.PageValueTyped("30");
    Show();
    std::vector<double> winds;
    for (const FakeEngine::Call& call : fake.calls)
        winds.push_back(call.windMph);
    ExpectSame(winds, RegularWindsWith({}));
    EXPECT_TRUE(fire.Drawing().markers.empty());
    for (int position = 0; position <= 40; ++position)
        EXPECT_EQ(WindTextAt(position), NumberText::FixedText(position, 1));
    EXPECT_EQ(fire.Drawing().subtitle, "North; Slope 30 percent");
    const FireChartData& drawing = fire.Drawing();
    for (std::size_t threshold : {5u, 6u}) {
        EXPECT_TRUE(drawing.curves[threshold].points.empty()) << drawing.curves[threshold].label;
        EXPECT_FALSE(drawing.curveInPlot[threshold]) << drawing.curves[threshold].label;
    }
}
