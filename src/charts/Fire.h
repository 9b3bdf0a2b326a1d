#pragma once

#include "tables/ChartData.h"
#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"
#include "tables/clsListState.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class clsTableViews;
class clsTorviUnit;

// One of the scenario's points on the fire characteristics chart: the open wind it was computed at
// and the engine's results. The winds are the same in every display unit.
struct FirePoint {
    // A regular wind 0, 1, … 40, or one of the winds added 0.05 below and above an index.
    enum class Wind { Regular, BelowTorching, AboveTorching, BelowCrowning, AboveCrowning };

    Wind wind = Wind::Regular;
    double windMph = 0;  // the open wind the engine was given
    clsTorviOutputs outputs;
};

// What the fire characteristics chart draws, in the units chosen on its tab.
struct FireChartData {
    // The five reference curves, "FLINinitiation" and "SPRTactive".
    std::vector<ChartSeries> curves;
    std::string curveLegend;  // what the reference curves show, e.g. "Flame Length (feet)"
    // The scenario's points by fire type: surface; passive; conditional and active.
    std::vector<ChartSeries> points;
    // "TI2" and "CI2" beside the points just above the torching and the crowning index.
    std::vector<ChartLabel> markers;
    // Whether each curve crosses the plot: only those that do are in the legend.
    std::vector<bool> curveInPlot;
    // The curves' labels written on the chart beside the curves.
    std::vector<ChartLabel> curveLabels;
    ChartAxis xAxis;
    ChartAxis yAxis;
    std::string header = "Fire Characteristics Chart";
    std::string xTitle;
    std::string yTitle;
    // What the picture says of itself: the scenario, the page value held and the indices.
    std::string subtitle;

    bool Empty() const { return curves.empty(); }
};

// The fire characteristics chart: spread rate against heat per unit area, over curves of equal
// fireline intensity, flame length or fire intensity scale class (Andrews and Rothermel 1982), with
// the scenario's crown fire thresholds and its fire behaviour at the open winds 0 to 40 and just
// beside its torching and crowning indices (winds in mi/h, whatever the unit they are shown in, so
// that a chart shows the same fires in every unit). It computes on the chosen scenario's working copy, with
// the page variable of its page control held, and answers the view's recompute requests; the
// curve and unit choices redraw from the results without computing again.
class Fire {
public:
    using Engine = std::function<clsTorviOutputs(clsTorviInputs& inputs, bool& success)>;

    static constexpr int16_t FlameLength = 1;
    static constexpr int16_t FirelineIntensity = 2;
    static constexpr int16_t FireIntensityScale = 3;
    static constexpr int RegularWindCount = 41;

    explicit Fire(clsTableViews& views);
    Fire(clsTableViews& views, Engine engine);
    Fire(const Fire&) = delete;
    Fire& operator=(const Fire&) = delete;

    // The heat per unit area values every curve is drawn over (BTU/ft²): 0.01, then 5 to 500 by 5,
    // 510 to 2000 by 10 and 2100 to 10000 by 100; 331 values.
    static std::vector<double> HeatPerUnitAreaSamples();

    // When the view becomes visible: the validated scenarios listed, the curve and unit lists and
    // the page control brought back from the run, and the first scenario's chart computed.
    void PrepareFireView();
    void FireScenarioSelected(int position);
    // The curve quantity: its unit list is refilled and the chart redrawn.
    void RefVarSelected(int position);
    void RefUnitSelected(int position);
    void ROSUnitSelected(int position);
    void HPUAUnitSelected(int position);
    // The scenario's points computed again; an engine failure leaves no chart and FailureNote
    // says which scenario and wind failed, and why.
    void ComputeFireChart();
    // The wind point slider settled on a position (0 is the first point computed); its box shows
    // the point's wind in the wind's display unit with one decimal, or "TI2" or "CI2".
    void WindPointSelected(int position);

    const std::vector<FirePoint>& Points() const { return points; }
    const FireChartData& Drawing() const { return drawing; }
    const std::string& FailureNote() const { return failureNote; }
    // The selected point in the chosen units; none without points or for a point without fire.
    std::optional<ChartPoint> SelectedPoint() const;

    clsListState cmboFireScenario;
    clsListState cmboRefVar;
    clsListState cmboRefUnits;
    clsListState cmboROSUnits;
    clsListState cmboHPUAUnits;
    int sldWindPoint = 0;
    std::string txtWindPt;
    std::string windUnitLabel;

    // The lists or the drawing changed; the selected wind point changed.
    std::function<void()> Changed;
    std::function<void()> WindPointChanged;

private:
    void FillLists();
    void FillRefUnits();
    void UnitSelected(clsListState& list, clsTorviUnit* member, int position);
    bool ComputePoints(int scenario);
    void Draw();
    void PlaceAxes(double right, double top, double initiation, double active);
    void LabelCurves(const std::vector<std::pair<std::string, double>>& intensities, std::size_t referenceCount,
                     double active);
    std::string WindText(const FirePoint& point) const;
    ChartPoint Place(const clsTorviOutputs& outputs) const;
    void Notify();

    clsTableViews& views;
    Engine engine;
    std::vector<FirePoint> points;
    std::string failureNote;
    int32_t vegType = 0;
    std::string scenarioName;
    std::string pageNote;
    FireChartData drawing;
};
