#include "charts/HazChart.h"

#include "base/NumberText.h"
#include "runs/ScenarioGrid.h"
#include "runs/clsRun.h"
#include "engine/ScenarioCalculation.h"
#include "tables/Charts.h"
#include "tables/TableVariables.h"
#include "tables/Tables.h"
#include "tables/clsTableViews.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace {

constexpr int16_t SpreadRateOutputId = 2;
constexpr int32_t ShrubCanopyFire = clsTorviInputs::Shrub;
constexpr int32_t ConiferCrownFire = clsTorviInputs::Conifer;
constexpr int32_t SimpleSurfaceFire = clsTorviInputs::Surface;
// The added winds stand this far beside an index, in mi/h.
constexpr double IndexOffsetMph = 0.01;
// The index lines span a scale of their own from 0 to 100: the whole height of the plot.
constexpr double IndexLineTop = 100;

// A spread rate series: which results column it reads, the quantity and the catalogue member
// whose conversion shows it in the output control's unit.
struct SpreadRateSeries {
    bool surfaceAlone;
    double (*quantity)(const clsTorviOutputs&);
    clsTorviUnit clsUnits::*member;
};

const std::array<SpreadRateSeries, 5>& SeriesQuantities()
{
    using O = clsTorviOutputs;
    static const std::array<SpreadRateSeries, 5> series{{
        {false, [](const O& o) { return o.CrownCriticalSurfaceROS; }, &clsUnits::CROSOutUnits},
        {true, [](const O& o) { return o.RateOfSpread; }, &clsUnits::ROSOutUnits},
        {false, [](const O& o) { return o.CrownRActive; }, &clsUnits::ASROSOutUnits},
        {false, [](const O& o) { return o.High.RateOfSpread; }, &clsUnits::ROSOutUnits},
        {false, [](const O& o) { return o.RateOfSpread; }, &clsUnits::ROSOutUnits},
    }};
    return series;
}

std::array<std::string, 5> SeriesLabels(int32_t vegType)
{
    switch (vegType) {
    case ShrubCanopyFire: return {"SPRTtransition", "SPRTlow", "SPRTactive", "SPRTshrub", "SPRTfinal"};
    case ConiferCrownFire: return {"SPRTinitiation", "SPRTsurface", "SPRTactive", "SPRTcrown", "SPRTfinal"};
    default: return {"", "SPRTsurface", "", "", "SPRTfinal"};
    }
}

// The series a scenario has: a simple surface fire has no crown thresholds, no canopy fuel model
// and no final spread rate other than its surface fire's, so only the surface fire is drawn.
std::vector<std::size_t> SeriesDrawn(int32_t vegType)
{
    if (vegType == SimpleSurfaceFire)
        return {1};
    return {0, 1, 2, 3, 4};
}

// The spread rate axis names the direction the rates are taken in when it is not the head's.
std::string SpreadRateTitle(const TableSelection& selection, int16_t spreadDirection)
{
    std::string quantity = TableVariables::FindOutput(selection.colVarId)->text;
    if (spreadDirection != 0)
        quantity = "Spread Rate at " + std::to_string(spreadDirection) + "\u00B0 from the head (SPRT)";
    return quantity + " (" + selection.colUnitLabel + ")";
}

std::string Header(int32_t vegType)
{
    switch (vegType) {
    case ShrubCanopyFire: return "Shrub Canopy Fire Hazard Assessment Chart";
    case SimpleSurfaceFire: return "Surface Fire Hazard Assessment Chart";
    default: return "Crown Fire Hazard Assessment Chart";
    }
}

// A wind to be added beside an index (mi/h), until its row is computed.
struct IndexWind {
    double mph = 0;
    bool pending = false;

    // Taken in place of a regular wind that it lies below.
    bool Before(double regularMph) const { return pending && mph < regularMph; }
};

// The two winds added beside the indices of the first row: just above the torching and just above
// the crowning index; when crowning comes at a lower wind than torching, just below and just above
// the crowning index.
std::pair<IndexWind, IndexWind> IndexWinds(const clsTorviOutputs& first, int32_t vegType)
{
    const double ti = first.TorchingIndex;
    const double ci = first.CrowningIndex;
    // An index that is not reachable, or that the scenario does not have, has no wind to stand
    // beside.
    if (!ChartText::HasIndices(vegType) || clsTorviOutputs::IsNotReachable(ti))
        return {};
    if (clsTorviOutputs::IsNotReachable(ci))
        return {{ti + IndexOffsetMph, true}, {}};
    if (ti <= ci)
        return {{ti + IndexOffsetMph, true}, {ci + IndexOffsetMph, true}};
    return {{ci - IndexOffsetMph, true}, {ci + IndexOffsetMph, true}};
}

}  // namespace

HazChart::HazChart(clsTableViews& tableViews)
    : HazChart(tableViews, [&run = tableViews.Run()](clsTorviInputs& inputs, bool& success) {
          return run.torvi.CalculateTorviOutputs(inputs, success);
      })
{
}

HazChart::HazChart(clsTableViews& tableViews, Engine hazardEngine) : views(tableViews), engine(std::move(hazardEngine))
{
    views.SetRecompute(clsTableViews::HazardChart, [this] { ComputeHazChart(); });
}

void HazChart::ChartSetUp()
{
    clsRun& run = views.Run();
    run.haz_units.globalHCrownUnits.SetCurrUnit(run.units.globalHCrownUnits.GetCurrUnit());
    std::erase_if(views.colOutHazard.cmboColVar.entries,
                  [](const clsListState::Entry& entry) { return entry.itemData != SpreadRateOutputId; });
}

void HazChart::PrepareHazardView()
{
    clsRun& run = views.Run();
    views.colOutHazard.setUserViewId(2);
    Charts::FillScenarioList(cmboHazScenario, run, views.Validated());
    {
        // The controls come back and the first scenario is chosen before the one computation.
        clsTableViews::Deferral once(views);
        views.RestoreControls();
        views.RequestRecompute();
    }
    run.haz_units.SetUnitsHaveChanged(false);
    run.haz_pg_units.SetUnitsHaveChanged(false);
}

void HazChart::HazScenarioSelected(int position)
{
    if (!cmboHazScenario.Holds(position))
        return;
    cmboHazScenario.index = position;
    ComputeHazChart();
}

void HazChart::ComputeHazChart()
{
    const TableSelection selection = TableSelection::Of(views.rowInHazard, views.pgInHazard, views.colOutHazard);
    const int scenario = cmboHazScenario.ItemData();
    rows.clear();
    drawing = HazChartData();
    if (selection.Computable() && scenario >= 1 && views.Validated()[static_cast<std::size_t>(scenario - 1)]) {
        ComputeRows(selection, scenario);
        Draw(selection);
        drawing.failureNote = FailureNote(selection, scenario);
        drawing.subtitle = ChartText::Joined({std::string(ScenarioGrid::StripBlanks(Charts::ScenarioLabel(views.Run().io(scenario).Name, scenario))),
                                              Charts::PageNote(views.pgInHazard, selection.PageVariable() != nullptr),
                                              drawing.indexNote});
    }
    Notify();
}

// The rows walk the wind range as the row control shows it. An index wind takes the place of the
// regular wind it lies below, which then comes in the next row; an index wind beyond the range is
// never computed, so the results hold the rows computed and nothing else.
void HazChart::ComputeRows(const TableSelection& selection, int scenario)
{
    clsRun& run = views.Run();
    clsTorviInputs& asItIs = run.iclone(1);
    clsTorviInputs& surfaceAlone = run.iclone(2);
    asItIs = Tables::WorkingCopyOf(run, scenario);
    surfaceAlone = asItIs;
    surfaceAlone.VegType = SimpleSurfaceFire;

    const int16_t decimals = selection.rowPrecision;
    double step = NumberText::RoundToDecimals(selection.rangeStep, decimals);
    if (!(step > 0))
        return;
    if (selection.rangeMax < selection.rangeMin)
        step = -step;
    clsTorviUnit& wind = run.haz_units.OpenWindSpdInUnits;
    const TableVariables::Variable* page = selection.PageVariable();
    IndexWind p1;
    IndexWind p2;
    double v = NumberText::RoundToDecimals(selection.rangeMin, decimals);
    while (TableVariables::InRange(v, selection.rangeMin, selection.rangeMax, decimals)) {
        // The engine gets the wind the row shows, not the sum of the steps with its rounding
        // errors: a falling range ends at 0, not at a small negative wind the engine refuses.
        const double shown = NumberText::RoundToDecimals(v, decimals);
        const double regularMph = wind.Cvt(1, shown, selection.rowUnit);
        if (rows.size() == 1 && rows.front().scenarioComputed)
            std::tie(p1, p2) = IndexWinds(rows.front().scenario, asItIs.VegType);
        HazRow row;
        if (p1.Before(regularMph)) {
            row.wind = HazRow::Wind::P1;
            row.windMph = p1.mph;
            p1.pending = false;
        } else if (p2.Before(regularMph)) {
            row.wind = HazRow::Wind::P2;
            row.windMph = p2.mph;
            p2.pending = false;
        } else {
            row.windMph = regularMph;
            row.x = shown;
            v += step;
        }
        if (row.wind != HazRow::Wind::Regular)
            row.x = wind.Cvt(selection.rowUnit, row.windMph, 1);
        for (clsTorviInputs* copy : {&asItIs, &surfaceAlone}) {
            copy->OpenWindSpeed = row.windMph;
            if (page)
                TableVariables::WriteInput(*page, *copy, selection.pageValue);
        }
        row.scenarioComputed = ScenarioCalculation::Calculate(engine, asItIs, row.scenario);
        row.surfaceComputed = ScenarioCalculation::Calculate(engine, surfaceAlone, row.surface);
        rows.push_back(std::move(row));
    }
}

// A row the engine failed on holds no spread rates to draw: its point is left out of the series
// of that column. The lines join their points in ascending wind, also where an index wind was
// computed before a larger regular wind (an index below the range's start, or a descending range).
void HazChart::Draw(const TableSelection& selection)
{
    clsRun& run = views.Run();
    clsUnits& units = run.haz_units;
    const int32_t vegType = run.iclone(1).VegType;
    const std::array<std::string, 5> labels = SeriesLabels(vegType);
    for (std::size_t s : SeriesDrawn(vegType)) {
        const SpreadRateSeries& quantity = SeriesQuantities()[s];
        ChartSeries series{labels[s], {}};
        for (const HazRow& row : rows) {
            if (!(quantity.surfaceAlone ? row.surfaceComputed : row.scenarioComputed))
                continue;
            const double native = quantity.quantity(quantity.surfaceAlone ? row.surface : row.scenario);
            if (clsTorviOutputs::IsNotReachable(native))
                continue;
            series.points.push_back({row.x, (units.*quantity.member).Cvt(selection.colUnit, native, 1)});
        }
        std::stable_sort(series.points.begin(), series.points.end(),
                         [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
        drawing.spreadRates.push_back(std::move(series));
    }

    DrawIndexLines(selection);

    for (const HazRow& row : rows) {
        if (row.wind != HazRow::Wind::Regular)
            continue;
        drawing.rowValues.push_back(row.x);
        drawing.pointLabels.push_back(NumberText::ShortestText(row.x));
    }
    drawing.descending = selection.rangeMax < selection.rangeMin;
    drawing.header = Header(vegType);
    drawing.xTitle = "Open Wind Speed (" + selection.rowUnitLabel + ")";
    drawing.yTitle = SpreadRateTitle(selection, run.globalSpreadDirection);
}

// The index lines of the first row, where they fall within the wind range; an index that is not
// reachable, or that the scenario does not have, has none. The indices are the head fire's: when
// the spread rates are taken in another direction the lines say so.
void HazChart::DrawIndexLines(const TableSelection& selection)
{
    clsRun& run = views.Run();
    if (rows.empty() || !rows.front().scenarioComputed || !ChartText::HasIndices(run.iclone(1).VegType))
        return;
    clsUnits& units = run.haz_units;
    const clsTorviOutputs& first = rows.front().scenario;
    const double ti = units.TIOutUnits.Cvt(selection.rowUnit, first.TorchingIndex, 1);
    const double ci = units.CIOutUnits.Cvt(selection.rowUnit, first.CrowningIndex, 1);
    drawing.indexNote = ChartText::Indices(ti, ci, selection.rowUnitLabel);
    const std::string head = run.globalSpreadDirection != 0 ? " (head fire)" : "";
    const double low = std::min(selection.rangeMin, selection.rangeMax);
    const double high = std::max(selection.rangeMin, selection.rangeMax);
    const std::pair<const char*, double> indices[] = {{"Torching Index", ti}, {"Crowning Index", ci}};
    for (const auto& [label, wind] : indices)
        if (!clsTorviOutputs::IsNotReachable(wind) && wind >= low && wind <= high)
            drawing.indexLines.push_back({label + head, {{wind, 0}, {wind, IndexLineTop}}});
}

std::string HazChart::FailureNote(const TableSelection& selection, int scenario) const
{
    for (const HazRow& row : rows) {
        if (row.scenarioComputed && row.surfaceComputed)
            continue;
        const clsTorviOutputs& failed = row.scenarioComputed ? row.surface : row.scenario;
        return "Scenario " + std::string(1, static_cast<char>('A' + scenario - 1)) + ", open wind " +
               NumberText::ShortestText(NumberText::RoundToDecimals(row.x, 3)) + " " + selection.rowUnitLabel +
               (row.scenarioComputed ? " (as a surface fire)" : "") + ": " + failed.FailureText();
    }
    return "";
}

void HazChart::Notify()
{
    if (Changed)
        Changed();
}
