#include "charts/Fire.h"

#include "base/NumberText.h"
#include "base/clsUserInteraction.h"
#include "runs/ScenarioGrid.h"
#include "runs/clsRun.h"
#include "engine/ScenarioCalculation.h"
#include "tables/Charts.h"
#include "tables/TableVariables.h"
#include "tables/Tables.h"
#include "tables/clsTableViews.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

// A spread rate of 1 m/min in the chart's spread rate units 1..5: ch/h, m/min, mi/h, km/h, ft/min.
constexpr std::array<double, 5> RateFromMetresPerMinute{2.98, 1.0, 0.03728, 0.06, 3.28};
// A heat per unit area of 1 BTU/ft² in its units 1..2: BTU/ft², kJ/m².
constexpr std::array<double, 2> HeatFromBtuPerSquareFoot{1.0, 11.34891};
// Fireline intensity (BTU/ft/s) over heat per unit area (BTU/ft²) is a spread rate in ft/s; this
// turns it into m/min.
constexpr double MetresPerMinutePerFootPerSecond = 18.2881;
constexpr double MetresPerMinutePerChainPerHour = 0.33528;
constexpr double IndexOffsetMph = 0.05;  // the added winds stand this far beside an index

// The five reference curves of a curve quantity and unit: their labels and the fireline
// intensities (BTU/ft/s) they are drawn for.
struct ReferenceCurves {
    std::array<const char*, 5> labels;
    std::array<double, 5> intensities;
};

const ReferenceCurves& Curves(int16_t quantity, int16_t unit)
{
    static const ReferenceCurves flameLengthFeet{{"4", "8", "11", "25", "70"},
                                                 {112.2501, 506.5236, 1012.179932, 6030.601058, 56551.389}};
    static const ReferenceCurves flameLengthMetres{{"1", "2", "5", "10", "25"},
                                                   {72.96478, 329.2504, 2413.310847, 10889.96036, 79820.28504}};
    static const ReferenceCurves intensityBtu{{"100", "1000", "5000", "10000", "30000"},
                                              {100, 1000, 5000, 10000, 30000}};
    static const ReferenceCurves intensityKw{{"500", "5000", "25000", "50000", "100000"},
                                             {144.545, 1445.45, 7227.25, 14454.5, 28909.0}};
    static const ReferenceCurves intensityScale{{"1", "2", "3", "4", "5"}, {1, 10, 100, 1000, 10000}};
    switch (quantity) {
    case Fire::FlameLength: return unit == 2 ? flameLengthMetres : flameLengthFeet;
    case Fire::FirelineIntensity: return unit == 2 ? intensityKw : intensityBtu;
    default: return intensityScale;
    }
}

// The member of the chart's catalogue that remembers the unit of a curve quantity.
clsTorviUnit* RefUnitMember(clsUnits& units, int16_t quantity)
{
    switch (quantity) {
    case Fire::FlameLength: return &units.FLenOutUnits;
    case Fire::FirelineIntensity: return &units.FIOutUnits;
    default: return nullptr;
    }
}

// The unit of a list (1 when none is shown), within the count of a conversion table.
template <std::size_t N>
double Conversion(const std::array<double, N>& table, const clsListState& list)
{
    const int16_t unit = list.ItemData();
    return table[unit >= 1 && unit <= static_cast<int16_t>(N) ? static_cast<std::size_t>(unit - 1) : 0];
}

void Select(clsListState& list, int position)
{
    list.index = list.Holds(position) ? position : list.Empty() ? -1 : 0;
}

std::array<std::string, 3> PointLabels(int32_t vegType)
{
    if (vegType == clsTorviInputs::Conifer)
        return {"Surface", "Passive", "Active"};
    return {"Low", "Transitional", "High"};
}

bool HasFire(const clsTorviOutputs& outputs)
{
    return outputs.HeatPerUnitArea > 0 && outputs.RateOfSpread > 0 && outputs.FireType >= 1 &&
           outputs.FireType <= 4;
}

}  // namespace

Fire::Fire(clsTableViews& tableViews)
    : Fire(tableViews, [&run = tableViews.Run()](clsTorviInputs& inputs, bool& success) {
          return run.torvi.CalculateTorviOutputs(inputs, success);
      })
{
}

Fire::Fire(clsTableViews& tableViews, Engine fireEngine) : views(tableViews), engine(std::move(fireEngine))
{
    cmboRefVar.AddItem("Flame Length", FlameLength);
    cmboRefVar.AddItem("Fireline Intensity", FirelineIntensity);
    cmboRefVar.AddItem("Fire Intensity Scale", FireIntensityScale);
    FillLists();
    views.SetRecompute(clsTableViews::FireChart, [this] { ComputeFireChart(); });
}

std::vector<double> Fire::HeatPerUnitAreaSamples()
{
    std::vector<double> samples{0.01};
    for (int h = 5; h <= 500; h += 5)
        samples.push_back(h);
    for (int h = 510; h <= 2000; h += 10)
        samples.push_back(h);
    for (int h = 2100; h <= 10000; h += 100)
        samples.push_back(h);
    return samples;
}

// The curve quantity is remembered in the run as its list position; the units in the chart's
// catalogue, so that units sets keep them.
void Fire::FillLists()
{
    clsRun& run = views.Run();
    Select(cmboRefVar, run.fire_ref_var);
    run.fire_ref_var = static_cast<int16_t>(cmboRefVar.index);
    FillRefUnits();
    run.fire_units.ROSList(cmboROSUnits);
    Select(cmboROSUnits, run.fire_units.ROSOutUnits.GetCurrUnit() - 1);
    run.fire_units.HPUAList(cmboHPUAUnits);
    Select(cmboHPUAUnits, run.fire_units.HPUAOutUnits.GetCurrUnit() - 1);
}

void Fire::FillRefUnits()
{
    clsUnits& units = views.Run().fire_units;
    cmboRefUnits.Clear();
    switch (cmboRefVar.ItemData()) {
    case FlameLength: units.FLenOutList(cmboRefUnits); break;
    case FirelineIntensity: units.FireIntensList(cmboRefUnits); break;
    default: return;  // the fire intensity scale has no unit
    }
    Select(cmboRefUnits, RefUnitMember(units, cmboRefVar.ItemData())->GetCurrUnit() - 1);
}

void Fire::PrepareFireView()
{
    clsRun& run = views.Run();
    Charts::FillScenarioList(cmboFireScenario, run, views.Validated());
    FillLists();
    {
        // The page control comes back and the first scenario is chosen before the one computation.
        clsTableViews::Deferral once(views);
        views.RestoreControls();
        views.RequestRecompute();
    }
    run.fire_units.SetUnitsHaveChanged(false);
    run.fire_pg_units.SetUnitsHaveChanged(false);
}

void Fire::FireScenarioSelected(int position)
{
    if (!cmboFireScenario.Holds(position))
        return;
    cmboFireScenario.index = position;
    ComputeFireChart();
}

void Fire::RefVarSelected(int position)
{
    if (!cmboRefVar.Holds(position))
        return;
    cmboRefVar.index = position;
    views.Run().fire_ref_var = static_cast<int16_t>(position);
    FillRefUnits();
    Draw();
    Notify();
}

void Fire::RefUnitSelected(int position)
{
    UnitSelected(cmboRefUnits, RefUnitMember(views.Run().fire_units, cmboRefVar.ItemData()), position);
}

void Fire::ROSUnitSelected(int position)
{
    UnitSelected(cmboROSUnits, &views.Run().fire_units.ROSOutUnits, position);
}

void Fire::HPUAUnitSelected(int position)
{
    UnitSelected(cmboHPUAUnits, &views.Run().fire_units.HPUAOutUnits, position);
}

// The chart's catalogue remembers the unit chosen, and the chart is drawn in it.
void Fire::UnitSelected(clsListState& list, clsTorviUnit* member, int position)
{
    if (!member || !list.Holds(position))
        return;
    list.index = position;
    member->SetCurrUnit(list.ItemData());
    views.Run().fire_units.SetUnitsHaveChanged(true);
    Draw();
    Notify();
}

void Fire::ComputeFireChart()
{
    points.clear();
    failureNote.clear();
    const int scenario = cmboFireScenario.ItemData();
    const clsPageInputCtl& page = views.pgInFire;
    const bool pageHolds = page.pageVarId() == 0 || page.pageVarIsValid();
    if (scenario >= 1 && views.Validated()[static_cast<std::size_t>(scenario - 1)] && pageHolds)
        ComputePoints(scenario);
    Draw();
    Notify();
    WindPointSelected(sldWindPoint);
}

// The regular winds 0 to 40 mi/h, with the winds 0.05 mi/h below and above the first run's
// torching and crowning indices placed among them in ascending order. An added wind outside 0 to
// 40 is left out: below 0 the engine has no wind to compute, and beyond 40 it would not lie among
// the regular winds. A scenario without indices (a simple surface fire) has no added winds.
bool Fire::ComputePoints(int scenario)
{
    clsRun& run = views.Run();
    clsTorviInputs& copy = run.iclone(scenario);
    copy = Tables::WorkingCopyOf(run, scenario);
    vegType = copy.VegType;
    scenarioName = std::string(ScenarioGrid::StripBlanks(Charts::ScenarioLabel(run.io(scenario).Name, scenario)));
    TableSelection held;
    held.rowVarId = TableVariables::OpenWindSpeedId;
    held.pageVarId = views.pgInFire.pageVarId();
    held.pageVarIsValid = views.pgInFire.pageVarIsValid();
    held.pageValue = views.pgInFire.pageValue();
    const TableVariables::Variable* page = held.PageVariable();
    pageNote = Charts::PageNote(views.pgInFire, page != nullptr);
    clsTorviUnit& wind = run.units.OpenWindSpdInUnits;
    windUnitLabel = wind.UnitLbl(wind.GetCurrUnit());

    const auto compute = [&](FirePoint::Wind kind, double mph) {
        copy.OpenWindSpeed = mph;
        if (page)
            TableVariables::WriteInput(*page, copy, held.pageValue);
        FirePoint point{kind, mph, {}};
        if (!ScenarioCalculation::Calculate(engine, copy, point.outputs)) {
            const double shown = wind.Cvt(wind.GetCurrUnit(), mph, 1);
            failureNote = "Scenario " + std::string(1, static_cast<char>('A' + scenario - 1)) + ", open wind " +
                          NumberText::ShortestText(NumberText::RoundToDecimals(shown, 3)) + " " + windUnitLabel +
                          ": " + point.outputs.FailureText();
            points.clear();
            return false;
        }
        points.push_back(std::move(point));
        return true;
    };
    if (!compute(FirePoint::Wind::Regular, 0))
        return false;

    const clsTorviOutputs& first = points.front().outputs;
    std::vector<std::pair<double, FirePoint::Wind>> added;
    // An index that is not reachable has no winds beside it, and so no marker.
    if (ChartText::HasIndices(vegType))
        for (const auto& [mph, kind] : {std::pair{first.TorchingIndex - IndexOffsetMph, FirePoint::Wind::BelowTorching},
                                        std::pair{first.TorchingIndex + IndexOffsetMph, FirePoint::Wind::AboveTorching},
                                        std::pair{first.CrowningIndex - IndexOffsetMph, FirePoint::Wind::BelowCrowning},
                                        std::pair{first.CrowningIndex + IndexOffsetMph, FirePoint::Wind::AboveCrowning}})
            if (!clsTorviOutputs::IsNotReachable(mph) && mph >= 0 && mph <= RegularWindCount - 1)
                added.emplace_back(mph, kind);
    std::stable_sort(added.begin(), added.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    auto next = added.begin();
    for (int regular = 1; regular <= RegularWindCount; ++regular) {
        for (; next != added.end() && next->first < regular; ++next)
            if (!compute(next->second, next->first))
                return false;
        if (regular < RegularWindCount && !compute(FirePoint::Wind::Regular, regular))
            return false;
    }
    return true;
}

ChartPoint Fire::Place(const clsTorviOutputs& outputs) const
{
    return {outputs.HeatPerUnitArea * Conversion(HeatFromBtuPerSquareFoot, cmboHPUAUnits),
            outputs.RateOfSpread * MetresPerMinutePerChainPerHour * Conversion(RateFromMetresPerMinute, cmboROSUnits)};
}

void Fire::Draw()
{
    drawing = FireChartData();
    if (points.empty())
        return;
    const double heat = Conversion(HeatFromBtuPerSquareFoot, cmboHPUAUnits);
    const double rate = Conversion(RateFromMetresPerMinute, cmboROSUnits);
    const int16_t quantity = cmboRefVar.ItemData();
    const ReferenceCurves& reference = Curves(quantity, cmboRefUnits.ItemData());
    const clsTorviOutputs& first = points.front().outputs;

    // Series 1 to 6: the spread rate (m/min, then converted) at which a fire of intensity I has
    // heat per unit area h: I / h ft/s (Byram 1959: I = H w R, so R = I / (H w)).
    std::vector<std::pair<std::string, double>> intensities;
    for (std::size_t i = 0; i < reference.labels.size(); ++i)
        intensities.emplace_back(reference.labels[i], reference.intensities[i]);
    // A simple surface fire has no crown: its crown thresholds do not exist, whatever the engine
    // leaves in them.
    const bool crowns = ChartText::HasIndices(vegType);
    intensities.emplace_back("FLINinitiation", crowns ? first.CrownFirelineIntensity : clsTorviOutputs::NotReachable);
    const std::vector<double> samples = HeatPerUnitAreaSamples();
    // A threshold that is not reachable keeps its place among the curves, without a point.
    for (const auto& [label, intensity] : intensities) {
        ChartSeries curve{label, {}};
        for (double h : samples)
            if (!clsTorviOutputs::IsNotReachable(intensity))
                curve.points.push_back({h * heat, intensity / h * MetresPerMinutePerFootPerSecond * rate});
        drawing.curves.push_back(std::move(curve));
    }
    const double active =
        crowns ? first.CrownRActive * MetresPerMinutePerChainPerHour * rate : clsTorviOutputs::NotReachable;
    ChartSeries activeLine{"SPRTactive", {}};
    for (double h : samples)
        if (!clsTorviOutputs::IsNotReachable(active))
            activeLine.points.push_back({h * heat, active});
    drawing.curves.push_back(std::move(activeLine));
    switch (quantity) {
    case FlameLength: drawing.curveLegend = "Flame Length (" + cmboRefUnits.Text() + ")"; break;
    case FirelineIntensity: drawing.curveLegend = "Fireline Intensity (" + cmboRefUnits.Text() + ")"; break;
    default: drawing.curveLegend = "Fire Intensity Scale";
    }

    // The scenario's points by fire type; a point without fire has no place on the chart.
    const std::array<std::string, 3> labels = PointLabels(vegType);
    for (const std::string& label : labels)
        drawing.points.push_back({label, {}});
    double right = 0;
    double top = 0;
    for (const FirePoint& point : points) {
        if (!HasFire(point.outputs))
            continue;
        const ChartPoint at = Place(point.outputs);
        drawing.points[static_cast<std::size_t>(std::min(point.outputs.FireType, 3) - 1)].points.push_back(at);
        right = std::max(right, at.x);
        top = std::max(top, at.y);
        if (point.wind == FirePoint::Wind::AboveTorching)
            drawing.markers.push_back({"TI2", at});
        else if (point.wind == FirePoint::Wind::AboveCrowning)
            drawing.markers.push_back({"CI2", at});
    }
    const double initiation = intensities.back().second * MetresPerMinutePerFootPerSecond * rate * heat;
    PlaceAxes(right, top, initiation, active);
    for (const auto& [label, intensity] : intensities)
        drawing.curveInPlot.push_back(!clsTorviOutputs::IsNotReachable(intensity) &&
                                      intensity * MetresPerMinutePerFootPerSecond * rate * heat <
                                          drawing.xAxis.maximum * drawing.yAxis.maximum);
    drawing.curveInPlot.push_back(!clsTorviOutputs::IsNotReachable(active) && active < drawing.yAxis.maximum);
    LabelCurves(intensities, reference.labels.size(), active);

    drawing.xTitle = "Heat Per Unit Area (" + cmboHPUAUnits.Text() + ")";
    drawing.yTitle = "Rate of Spread (" + cmboROSUnits.Text() + ")";
    clsTorviUnit& wind = views.Run().units.OpenWindSpdInUnits;
    const int16_t windUnit = wind.GetCurrUnit();
    const std::string indices =
        ChartText::HasIndices(vegType)
            ? ChartText::Indices(views.Run().units.TIOutUnits.Cvt(windUnit, first.TorchingIndex, 1),
                                 views.Run().units.CIOutUnits.Cvt(windUnit, first.CrowningIndex, 1), windUnitLabel)
            : "";
    drawing.subtitle = ChartText::Joined({scenarioName, pageNote, indices});
}

// The axes show the scenario's points and both crown fire thresholds: the active crown fire
// spread rate, and the critical intensity's curve (x y = initiation) crossing well inside the
// plot, not in its far corner. Without any point they reach 2000 BTU/ft² and 50 m/min.
void Fire::PlaceAxes(double right, double top, double initiation, double active)
{
    if (!(top > 0)) {
        right = 2000 * Conversion(HeatFromBtuPerSquareFoot, cmboHPUAUnits);
        top = 50 * Conversion(RateFromMetresPerMinute, cmboROSUnits);
    }
    if (active > 0)
        top = std::max(top, active * 1.05);
    constexpr double CurveInside = 2;  // the plot's area over the area under the curve's corner
    if (initiation > 0 && right * top < CurveInside * initiation) {
        const double widen = std::sqrt(CurveInside * initiation / (right * top));
        right *= widen;
        top *= widen;
    }
    drawing.xAxis = ChartAxis::Reaching(right);
    drawing.yAxis = ChartAxis::Reaching(top);
}

// Each curve (x y = constant) that crosses the plot is labelled at a point of it, on a line from
// the plot's origin: the reference curves on the diagonal, the critical intensity on a steeper
// line. A label that would cover one placed before moves along its curve to the next line.
void Fire::LabelCurves(const std::vector<std::pair<std::string, double>>& intensities, std::size_t referenceCount,
                       double active)
{
    const double width = drawing.xAxis.maximum;
    const double height = drawing.yAxis.maximum;
    const double rate = Conversion(RateFromMetresPerMinute, cmboROSUnits);
    const double heat = Conversion(HeatFromBtuPerSquareFoot, cmboHPUAUnits);
    // The room a label takes, as fractions of the plot: about a 70th of its width per letter and
    // a 16th of its height, with a margin.
    const auto box = [](const std::string& text, double x, double y) {
        return std::array<double, 4>{x, y, x + 0.016 * static_cast<double>(text.size() + 1), y + 0.07};
    };
    std::vector<std::array<double, 4>> taken;
    const auto free = [&taken](const std::array<double, 4>& b) {
        return std::none_of(taken.begin(), taken.end(), [&b](const std::array<double, 4>& t) {
            return b[0] < t[2] && t[0] < b[2] && b[1] < t[3] && t[1] < b[3];
        });
    };
    for (std::size_t i = 0; i < intensities.size(); ++i) {
        const auto& [label, intensity] = intensities[i];
        const double product = intensity * MetresPerMinutePerFootPerSecond * rate * heat;
        if (!(product > 0) || product >= width * height)
            continue;
        // On the line y / height = steepness × x / width the curve is at x / width = sqrt(p / s),
        // p being the curve's constant over the plot's area.
        const double p = product / (width * height);
        const double first = i < referenceCount ? 1 : 3;
        for (double steepness : {first, first * 2, first / 2, first * 4, first / 4, first * 8, first / 8}) {
            const double fx = std::sqrt(p / steepness);
            const double fy = steepness * fx;
            const std::array<double, 4> b = box(label, fx, fy);
            if (fx <= 0 || fx >= 1 || fy >= 1 || !free(b))
                continue;
            taken.push_back(b);
            drawing.curveLabels.push_back({label, {fx * width, fy * height}});
            break;
        }
    }
    if (active > 0 && active < height)
        drawing.curveLabels.push_back({"SPRTactive", {width, active}});
}

void Fire::WindPointSelected(int position)
{
    const int last = static_cast<int>(points.size()) - 1;
    sldWindPoint = std::clamp(position, 0, std::max(last, 0));
    txtWindPt = points.empty() ? "" : WindText(points[static_cast<std::size_t>(sldWindPoint)]);
    if (WindPointChanged)
        WindPointChanged();
}

std::string Fire::WindText(const FirePoint& point) const
{
    switch (point.wind) {
    case FirePoint::Wind::AboveTorching: return "TI2";
    case FirePoint::Wind::AboveCrowning: return "CI2";
    default: {
        clsTorviUnit& wind = views.Run().units.OpenWindSpdInUnits;
        return NumberText::FixedText(wind.Cvt(wind.GetCurrUnit(), point.windMph, 1), 1);
    }
    }
}

std::optional<ChartPoint> Fire::SelectedPoint() const
{
    if (points.empty())
        return std::nullopt;
    const clsTorviOutputs& outputs = points[static_cast<std::size_t>(sldWindPoint)].outputs;
    if (!HasFire(outputs))
        return std::nullopt;
    return Place(outputs);
}

void Fire::Notify()
{
    if (Changed)
        Changed();
}
