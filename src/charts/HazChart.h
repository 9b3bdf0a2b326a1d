#pragma once

#include "tables/ChartData.h"
#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"
#include "tables/clsListState.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class clsTableViews;
struct TableSelection;

// One row of the hazard results: the scenario as it is (column 1) and computed as a simple surface
// fire (column 2) at one open wind speed.
struct HazRow {
    // A regular wind of the range, or one of the two winds added beside the indices.
    enum class Wind { Regular, P1, P2 };

    Wind wind = Wind::Regular;
    double x = 0;        // the wind in the row control's unit, as the chart places it
    double windMph = 0;  // the wind the engine was given
    clsTorviOutputs scenario;
    bool scenarioComputed = false;  // the engine's success flag
    clsTorviOutputs surface;
    bool surfaceComputed = false;
};

// What the hazard chart draws. Points run in ascending wind, whatever the order of the rows.
struct HazChartData {
    // Group 1: the critical spread rate for initiation, the surface fire alone, the critical
    // spread rate for active crown fire, the high fuel model's own spread rate and (not for a
    // simple surface fire) the final spread rate, in the output control's unit.
    std::vector<ChartSeries> spreadRates;
    // Group 2: "Torching Index" and "Crowning Index", each from (index, 0) to (index, 100) on a
    // scale of its own; none when the first row could not be computed.
    std::vector<ChartSeries> indexLines;
    // The regular winds with their texts, in row order.
    std::vector<double> rowValues;
    std::vector<std::string> pointLabels;
    bool descending = false;  // the range runs from its larger end
    std::string header;
    std::string xTitle;
    std::string yTitle;
    // What the picture says of itself: the scenario, the page value held and the indices.
    std::string subtitle;
    std::string indexNote;  // "TI 7.7 mi/hr, CI 21.3 mi/hr"; "" when the scenario has none
    // The first row the engine failed on, which scenario and wind, and why; "" when none did.
    std::string failureNote;

    bool Empty() const { return spreadRates.empty(); }
};

// The crown fire hazard assessment chart: the chosen scenario's spread rates against the open wind
// speed over the range of the wind row control, with the page variable held and two winds added
// just beside the torching and crowning indices, so that the jumps at the indices show sharply.
// It computes on the run's working copies of scenario slots 1 and 2 whatever scenario is chosen,
// and answers the hazard view's recompute requests.
class HazChart {
public:
    using Engine = std::function<clsTorviOutputs(clsTorviInputs& inputs, bool& success)>;

    // With the run's engine, or with another one (for trying the chart's rules on chosen indices).
    explicit HazChart(clsTableViews& views);
    HazChart(clsTableViews& views, Engine engine);
    HazChart(const HazChart&) = delete;
    HazChart& operator=(const HazChart&) = delete;

    // Once, when the main window is built: the crown heat content unit of the main page, and an
    // output list that offers the head fire spread rate only.
    void ChartSetUp();
    // When the view becomes visible: the validated scenarios listed, the three controls brought
    // back from the run, and the first scenario's chart computed.
    void PrepareHazardView();
    void HazScenarioSelected(int position);
    // The chart of the selected scenario over the controls' selections; an empty drawing when the
    // range or page value is not valid or no scenario is listed.
    void ComputeHazChart();

    const std::vector<HazRow>& Rows() const { return rows; }
    const HazChartData& Drawing() const { return drawing; }

    clsListState cmboHazScenario;
    // The list or the drawing changed.
    std::function<void()> Changed;

private:
    void ComputeRows(const TableSelection& selection, int scenario);
    void Draw(const TableSelection& selection);
    void DrawIndexLines(const TableSelection& selection);
    std::string FailureNote(const TableSelection& selection, int scenario) const;
    void Notify();

    clsTableViews& views;
    Engine engine;
    std::vector<HazRow> rows;
    HazChartData drawing;
};
