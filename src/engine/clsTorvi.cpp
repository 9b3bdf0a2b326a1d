#include "engine/clsTorvi.h"

#include "base/NumberText.h"
#include "engine/ScenarioInputFields.h"
#include "engine/clsFieldUse.h"

#include <array>
#include <new>
#include <string_view>
#include <utility>

using Real = clsCheckedReal;

namespace {

constexpr double DegreesPerRadian = 57.29577951308238;
constexpr double FeetPerMetre = 3.281;
constexpr double ChainsPerHourPerMetrePerMinute = 2.9826;
constexpr double FeetPerMinutePerMilePerHour = 88;
constexpr double KilojoulesPerSquareMetrePerBtuPerSquareFoot = 11.349;
constexpr double KilowattsPerMetrePerBtuPerFootPerSecond = 3.459;
// The same conversion to one more digit, as the crown fire initiation criteria take it.
constexpr double KilowattsPerMetrePerBtuPerFootPerSecondAtInitiation = 3.4591;
constexpr double MetresPerMinutePerFootPerSecond = 18.2881;
constexpr double PoundsPerSquareFootPerTonPerAcre = 0.045914;
// Rothermel (1991): a conifer crown fire spreads 3.34 times as fast as fuel model 10 burning with
// a wind reduction factor of 0.4.
constexpr double ConiferCrownSpreadMultiplier = 3.34;

Real Square(Real x)
{
    return x * x;
}

Real Larger(Real a, Real b)
{
    return a > b ? a : b;
}

// The five size-class bins of the net load weighting, by surface-area-to-volume ratio.
int SizeClassBin(double sigma)
{
    if (sigma < 48)
        return 0;
    if (sigma < 96)
        return 1;
    if (sigma < 192)
        return 2;
    if (sigma < 1200)
        return 3;
    return 4;
}

struct WeightedClass {
    double sigma;
    Real netLoad;
    Real weight;
};

// Sum over the bins of (net loads in the bin) × (weights in the bin).
template <std::size_t N>
Real SizeClassWeightedNetLoad(const WeightedClass (&classes)[N])
{
    Real loads[5];
    Real weights[5];
    for (const WeightedClass& c : classes) {
        const int bin = SizeClassBin(c.sigma);
        loads[bin] = loads[bin] + c.netLoad;
        weights[bin] = weights[bin] + c.weight;
    }
    Real total = 0;
    for (int bin = 0; bin < 5; ++bin)
        total = total + loads[bin] * weights[bin];
    return total;
}

// exp(-constant / sigma), 0 for a class without a ratio.
Real HeatingNumber(double constant, Real sigma)
{
    return sigma == 0 ? Real(0) : Real::Exp(Real(-constant) / sigma);
}

Real MoistureDamping(Real r)
{
    return Real(1) - Real(2.59) * r + Real(5.11) * Square(r) - Real(3.52) * (r * r * r);
}

// The wind and slope factors added as vectors, the wind at an angle clockwise from uphill.
Real VectorSum(Real phiW, Real phiS, Real cosTheta, Real sinTheta)
{
    return Real::Sqrt(Square(phiW * sinTheta) + Square(phiW * cosTheta + phiS));
}

struct Direction {
    Real cos;
    Real sin;
};

Direction DirectionOf(int degrees)
{
    const Real angle = Real(degrees) / DegreesPerRadian;
    return {Real::Cos(angle), Real::Sin(angle)};
}

// Wind and spread directions are whole degrees: their cosines and sines come from a table made by
// the same calculation, a fraction of the cost of the library functions.
Direction WholeDegrees(int degrees)
{
    constexpr int Turn = 360;
    static const std::array<Direction, 2 * Turn + 1> table = [] {
        std::array<Direction, 2 * Turn + 1> directions;
        for (int d = -Turn; d <= Turn; ++d)
            directions[static_cast<std::size_t>(d + Turn)] = DirectionOf(d);
        return directions;
    }();
    return degrees >= -Turn && degrees <= Turn ? table[static_cast<std::size_t>(degrees + Turn)] : DirectionOf(degrees);
}

// Van Wagner (1977): the surface spread rate (m/min) at which the low fire reaches the critical
// intensity I0 (kW/m), R0 = I0 / HPA.
Real CriticalInitiationROS(Real initiation, const clsTorviOutputSet& L)
{
    return ((initiation / KilowattsPerMetrePerBtuPerFootPerSecondAtInitiation) / L.HPA) *
           MetresPerMinutePerFootPerSecond;
}

bool Reject(clsTorviOutputs& result, int32_t number, std::string text)
{
    result.ErrorNumber = number;
    result.ErrorDescription = std::move(text);
    return false;
}

clsTorviOutputs Crashed(const Real::Failure& failure)
{
    clsTorviOutputs result;
    result.ErrorNumber = 4000;
    result.ErrorDescription =
        "Program crashed: #" + std::to_string(failure.Number) + " " + failure.Description;
    return result;
}

}  // namespace

clsTorviOutputs clsTorvi::CalculateTorviOutputs(clsTorviInputs& inputs, bool& success)
{
    success = false;
    clsTorviOutputs result;
    if (!FuelModels) {
        result.ErrorNumber = 1000;
        result.ErrorDescription = "Cannot run Torvi calcs.  You need to provide the fuel models first.";
        return result;
    }
    try {
        if (!Validate(inputs, result))
            return result;
        scenario = &inputs;
        result = Calculate();
        success = result.ErrorNumber == 0;
    } catch (const Real::Failure& failure) {
        result = Crashed(failure);
    } catch (const std::bad_alloc&) {
        result = Crashed({7, "Out of memory"});
    }
    scenario = nullptr;
    return result;
}

double clsTorvi::CalculateNonHeadingROS(int16_t direction, double effectiveWind) const
{
    try {
        const Direction angle = WholeDegrees(direction);
        return NonHeadingROS(angle.cos, angle.sin, effectiveWind).Value();
    } catch (const Real::Failure&) {
        return std::nan("");
    }
}

// ---------------------------------------------------------------------------------------------
// Validation

bool clsTorvi::Validate(const clsTorviInputs& in, clsTorviOutputs& result)
{
    lowModel = highModel = nullptr;
    if (!clsTorviInputs::IsSimulationType(in.VegType))
        return Reject(result, 2001, "Invalid VegType: " + std::to_string(in.VegType));
    if (!ValidateInputSet(in.LowInputs, result, lowModel))
        return false;
    if (in.VegType != clsTorviInputs::Surface && !ValidateInputSet(in.HighInputs, result, highModel))
        return false;
    // An input the scenario does not use is not checked, by the rule of the input panel and of
    // batch processing: a scenario saved with its unused boxes empty (-1) calculates as shown. The
    // surface type has no high model to count.
    const uint32_t used = clsFieldUse(in.VegType, lowModel, highModel).UsedFields();
    const auto uses = [used](int field) { return (used >> field & 1) != 0; };
    if (uses(ScenarioInputFields::CanopyBulkDensity) && !(in.CanopyBulkDensity >= 0))
        return Reject(result, 2002, "Invalid Canopy Bulk Density: " + NumberText::ShortestText(in.CanopyBulkDensity));
    if (!(in.PercentSlope >= 0 && in.PercentSlope <= 180))
        return Reject(result, 2003, "Invalid Slope: " + std::to_string(in.PercentSlope));
    if (!(in.OpenWindSpeed >= 0))
        return Reject(result, 2004, "Invalid Open Wind Speed: " + NumberText::ShortestText(in.OpenWindSpeed));
    if (!(in.WindDirFromUphill >= 0 && in.WindDirFromUphill <= 360))
        return Reject(result, 2005, "Invalid Wind Direction From Uphill: " + std::to_string(in.WindDirFromUphill));
    if (!(in.Initiation >= 0 || in.Initiation == -1))
        return Reject(result, 2006, "Invalid Initiation: " + NumberText::ShortestText(in.Initiation));
    if (!(in.Temperature >= -40 && in.Temperature <= 150))
        return Reject(result, 2007, "Invalid Temperature: " + std::to_string(in.Temperature));
    if (!(in.DeadHerbMC >= 0))
        return Reject(result, 2008, "Invalid dead herbacious Moisture Content: " + NumberText::ShortestText(in.DeadHerbMC));
    if (!(in.Dead1HrMC >= 0))
        return Reject(result, 2009, "Invalid 1-hour Moisture Content: " + NumberText::ShortestText(in.Dead1HrMC));
    if (uses(ScenarioInputFields::Dead10Hr) && !(in.Dead10HrMC >= 0))
        return Reject(result, 2010, "Invalid 10-hour Moisture Content: " + NumberText::ShortestText(in.Dead10HrMC));
    if (uses(ScenarioInputFields::Dead100Hr) && !(in.Dead100HrMC >= 0))
        return Reject(result, 2011, "Invalid 100-hour Moisture Content: " + NumberText::ShortestText(in.Dead100HrMC));
    if (uses(ScenarioInputFields::LiveWoody) && !(in.LiveWoodyMC >= 0))
        return Reject(result, 2012, "Invalid live woody Moisture Content: " + NumberText::ShortestText(in.LiveWoodyMC));
    if (uses(ScenarioInputFields::LiveHerb) && !(in.LiveHerbMC >= 0))
        return Reject(result, 2013, "Invalid live herbacious Moisture Content: " + NumberText::ShortestText(in.LiveHerbMC));
    return true;
}

bool clsTorvi::ValidateInputSet(const clsTorviInputSet& set, clsTorviOutputs& result,
                                const clsFuelModel*& model) const
{
    if (!(set.LowOrHigh >= 0 && set.LowOrHigh <= 1))
        return Reject(result, 3001, "Invalid Low/High flag: " + std::to_string(set.LowOrHigh));
    const std::string_view prefix = set.LowOrHigh == 0 ? "LOW: " : "HIGH: ";
    const auto reject = [&](int32_t number, const std::string& text) {
        return Reject(result, number, std::string(prefix) + text);
    };
    if (!(model = FuelModels->Find(set.fuelModelID)))
        return reject(3002, "Fuel model #" + std::to_string(set.fuelModelID) +
                                " is missing from the Fuel Models collection.");
    if (!(set.WindReductionFactor > 0 && set.WindReductionFactor <= 1))
        return reject(3003, "Invalid Wind Reduction Factor: " + NumberText::ShortestText(set.WindReductionFactor));
    if (!(set.MultiplierROS > 0))
        return reject(3004, "Invalid Mulitiplier ROS: " + NumberText::ShortestText(set.MultiplierROS));
    if (!(set.MultiplierLoadDepth > 0))
        return reject(3005, "Invalid Mulitiplier LoadDepth: " + NumberText::ShortestText(set.MultiplierLoadDepth));
    if (!(set.MultiplierIntensity > 0))
        return reject(3006, "Invalid Mulitiplier Intensity: " + NumberText::ShortestText(set.MultiplierIntensity));
    return true;
}

// ---------------------------------------------------------------------------------------------
// The scenario: initiation and canopy heat, the two surface fires, the crown fire.

clsTorviOutputs clsTorvi::Calculate()
{
    ResolveInitiation();
    ResolveCanopyHPA();
    const Direction wind = WholeDegrees(scenario->WindDirFromUphill);
    cosWind = wind.cos;
    sinWind = wind.sin;
    const Direction spread = WholeDegrees(scenario->SpreadDirection);
    cosSpread = spread.cos;
    sinSpread = spread.sin;

    std::optional<clsTorviOutputSet> low = CalcFuelModelFire(scenario->LowInputs, *lowModel);
    if (!low)
        return SurfaceDoesNotSpread();
    std::optional<clsTorviOutputSet> high =
        scenario->VegType != clsTorviInputs::Surface ? CalcFuelModelFire(scenario->HighInputs, *highModel) : clsTorviOutputSet();
    return CombineCrownFire(*low, high);
}

// ---------------------------------------------------------------------------------------------
// Surface fire of one fuel model: Rothermel (1972), the spread rate from the reaction intensity,
// the propagating flux ratio and the heat sink, with the wind factor limited to the wind that
// Albini (1976) sets at 0.9 times the reaction intensity.

std::optional<clsTorviOutputSet> clsTorvi::CalcFuelModelFire(const clsTorviInputSet& set, const clsFuelModel& model)
{
    const clsTorviInputs& s = *scenario;

    // The validation has found the model. The stored model is never changed: the bed is laid
    // from its numbers.
    const bool dynamic = model.fuelModelType == "dynamic";
    const Real cured = dynamic ? CuredFraction() : Real(0);
    clsFuelBed& bed = FuelBed(model, dynamic, cured, set.MultiplierLoadDepth);
    const Real fdh = bed.fdh, f1 = bed.f1, f10 = bed.f10, f100 = bed.f100, flh = bed.flh, flw = bed.flw;
    const Real edh = bed.edh, e1 = bed.e1, e10 = bed.e10, e100 = bed.e100, elh = bed.elh, elw = bed.elw;
    const Real fDead = bed.fDead, fLive = bed.fLive;

    // Moistures in percent.
    const Real Mdh = s.DeadHerbMC, M1 = s.Dead1HrMC, M10 = s.Dead10HrMC, M100 = s.Dead100HrMC;
    const Real Mlh = s.LiveHerbMC, Mlw = s.LiveWoodyMC;
    const Real mDead = fdh * Mdh + f1 * M1 + f10 * M10 + f100 * M100;
    const Real mLive = flh * Mlh + flw * Mlw;
    const Real deadMx = model.deadFuelMx;
    if (mDead >= Real(100) * deadMx)
        return std::nullopt;

    const Real qdh = HeatOfPreignition(Mdh), q1 = HeatOfPreignition(M1), q10 = HeatOfPreignition(M10),
               q100 = HeatOfPreignition(M100), qlw = HeatOfPreignition(Mlw), qlh = HeatOfPreignition(Mlh);

    const clsFuelBed::Properties& p = CompleteFuelBed(bed);
    const Real bulkDensity = p.bulkDensity, beta = p.beta, relativeBeta = p.relativeBeta;
    const Real C = p.C, B = p.B, E = p.E;
    const Real reactionIntensity = ReactionIntensity(bed, p, model, mDead, mLive);

    // Heat sink and the no-wind, no-slope spread rate (m/min).
    const Real heatSink = fLive * (elh * flh * qlh + elw * flw * qlw) +
                          fDead * (fdh * edh * qdh + f1 * e1 * q1 + f10 * e10 * q10 + f100 * e100 * q100);
    Real ros0 = reactionIntensity * p.xi * set.MultiplierROS / (heatSink * bulkDensity * FeetPerMetre);
    // The conifer crown fire spreads faster than its surrogate surface model.
    if (set.LowOrHigh == 1 && s.VegType == clsTorviInputs::Conifer)
        ros0 = ros0 * ConiferCrownSpreadMultiplier;

    // The bed's power terms are worked out where the calculation first needs them, so that a
    // failure among them comes after any failure of the steps before.
    if (!bed.slopeTerm)
        bed.slopeTerm = Real::Pow(beta, -0.3);
    const Real phiS = Real(5.275) * *bed.slopeTerm * Square(Real(s.PercentSlope) / 100);

    // Wind factor, limited to the wind of 0.9 × IR ft/min.
    const bool coniferHigh = set.LowOrHigh == 1 && s.VegType == clsTorviInputs::Conifer;
    const Real waf = coniferHigh ? Real(clsTorviInputs::ConiferHighWindReductionFactor) : Real(set.WindReductionFactor);
    const Real midflameWind = Real(FeetPerMinutePerMilePerHour) * waf * s.OpenWindSpeed;
    if (!bed.packingTerm)
        bed.packingTerm = Real::Pow(relativeBeta, -E);
    const Real packingTerm = *bed.packingTerm;
    // The crown fire step needs the same power of the same operands again.
    (&set == &s.LowInputs ? lowPackingTerm : highPackingTerm) = packingTerm;
    const Real phiW = LimitedWindFactor(midflameWind, reactionIntensity, C, B, packingTerm);
    const Real phiE = VectorSum(phiW, phiS, cosWind, sinWind);
    const Real effectiveWind = EffectiveWind(phiE, C, B, E, relativeBeta);

    clsTorviOutputSet fire;
    fire.BulkDensity = bulkDensity.Value();
    fire.ROS = (ros0 * (Real(1) + phiE) * NonHeadingROS(cosSpread, sinSpread, effectiveWind)).Value();
    fire.EQig = heatSink.Value();
    fire.HPA = (reactionIntensity * (Real(384) / bed.sigma) * set.MultiplierIntensity).Value();
    fire.pfr = p.xi.Value();
    fire.ReactionIntensity = reactionIntensity.Value();
    fire.SlopeFactor = phiS.Value();
    fire.C = C.Value();
    fire.PackingRatio = beta.Value();
    fire.Bopt = p.betaOpt.Value();
    fire.BBopt = relativeBeta.Value();
    fire.E = E.Value();
    fire.B = B.Value();
    fire.ROSnwns = ros0.Value();
    fire.EffectiveWindSpeed = effectiveWind.Value();
    return fire;
}

// Rothermel (1972): the heat of preignition (BTU/lb) of fuel of moisture M percent.
Real clsTorvi::HeatOfPreignition(Real moisture)
{
    return Real(250) + Real(11.16) * moisture;
}

// Rothermel (1972): the reaction intensity (BTU/ft²/min) of the dead and live fuel, each damped by
// its moisture relative to its moisture of extinction (the live one found from the fine dead
// fuel's moisture, Albini 1976), and by the mineral content.
Real clsTorvi::ReactionIntensity(const clsFuelBed& bed, const clsFuelBed::Properties& p, const clsFuelModel& model,
                                 Real mDead, Real mLive) const
{
    const clsTorviInputs& s = *scenario;
    const Real Mdh = s.DeadHerbMC, M1 = s.Dead1HrMC, M10 = s.Dead10HrMC, M100 = s.Dead100HrMC;
    const Real edh = bed.edh, e1 = bed.e1, e10 = bed.e10, e100 = bed.e100;
    const Real wndh = p.wndh, wn1 = p.wn1, wn10 = p.wn10, wn100 = p.wn100;
    const Real deadMx = model.deadFuelMx;
    const Real mFine = (M1 * e1 * wn1 + Mdh * edh * wndh + M10 * e10 * wn10 + M100 * e100 * wn100) /
                       (Real(100) * (e1 * wn1 + edh * wndh + e10 * wn10 + e100 * wn100));
    Real liveMx = Real(2.9) * p.wPrime * (Real(1) - mFine / deadMx) - 0.226;
    liveMx = Larger(liveMx, deadMx);
    const Real etaDead = MoistureDamping((mDead / 100) / deadMx);
    Real rLive = (mLive / 100) / liveMx;
    if (rLive > 1)
        rLive = 1;
    const Real etaLive = MoistureDamping(rLive);
    static const Real etaMineral = Real(0.174) * Real::Pow(0.01, -0.19);
    const Real fLive = bed.fLive, fDead = bed.fDead;
    const Real heatContent = Real(model.liveHeatContent) * fLive + Real(model.deadHeatContent) * fDead;
    return (etaDead * p.wnDead + etaLive * p.wnLive) * heatContent * p.gamma * etaMineral;
}

// Rothermel (1972): the wind factor of a midflame wind (ft/min), no larger than that of the wind
// 0.9 × IR ft/min beyond which Albini (1976) holds the spread rate.
Real clsTorvi::LimitedWindFactor(Real midflameWind, Real reactionIntensity, Real C, Real B, Real packingTerm)
{
    Real phiW = C * Real::Pow(midflameWind, B) * packingTerm;
    const Real phiWLimit = C * Real::Pow(Real(0.9) * reactionIntensity, B) * packingTerm;
    if (phiWLimit < phiW)
        phiW = phiWLimit;
    return phiW;
}

// The wind (mi/h) whose wind factor alone would be the combined wind and slope factor phiE.
Real clsTorvi::EffectiveWind(Real phiE, Real C, Real B, Real E, Real relativeBeta)
{
    return phiE == 0
               ? Real(0)
               : Real::Pow(Real::Pow(phiE / C, Real(-1) / E) / relativeBeta, -E / B) / FeetPerMinutePerMilePerHour;
}

// The fraction of a dynamic model's herbaceous load that is cured into the dead herbaceous class.
Real clsTorvi::CuredFraction() const
{
    Real cured = Real(1.333) - Real(0.0111) * scenario->LiveHerbMC;
    if (cured < 0)
        cured = 0;
    if (cured > 1)
        cured = 1;
    return cured;
}

clsFuelBed& clsTorvi::FuelBed(const clsFuelModel& model, bool dynamic, Real cured, Real loadDepth)
{
    const clsFuelBed::Origin origin(model, dynamic, loadDepth.Value(), cured.Value());
    if (clsFuelBed* kept = fuelBeds.Find(origin))
        return *kept;
    return fuelBeds.Keep(LayFuelBed(origin));
}

// Loads, class weights, characteristic ratios and heating numbers of the bed.
clsFuelBed clsTorvi::LayFuelBed(const clsFuelBed::Origin& origin)
{
    clsFuelBed bed(origin);

    // Curing moves part of a dynamic model's herbaceous load into the dead herbaceous class.
    Real loadDeadHerb = 0, loadLiveHerb = origin.loadLiveHerb;
    if (origin.dynamic == 1) {
        const Real cured = origin.curedFraction;
        loadDeadHerb = Real(origin.loadLiveHerb) * cured;
        loadLiveHerb = (Real(1) - cured) * origin.loadLiveHerb;
    }

    const Real loadDepth = origin.loadDepthMultiplier;
    const Real wdh = loadDeadHerb * loadDepth, w1 = Real(origin.load1Hr) * loadDepth,
               w10 = Real(origin.load10Hr) * loadDepth, w100 = Real(origin.load100Hr) * loadDepth,
               wlw = Real(origin.loadLiveWoody) * loadDepth, wlh = loadLiveHerb * loadDepth;
    bed.depth = loadDepth * origin.fuelBedDepth;

    const Real sdh = origin.savLiveHerb, s1 = origin.sav1Hr, s10 = clsFuelModel::sav10Hr(),
               s100 = clsFuelModel::sav100Hr();
    const Real slh = origin.savLiveHerb, slw = origin.savLiveWoody;
    const Real wDead = w1 + wdh + w10 + w100;
    const Real wLive = wlh + wlw;
    bed.wTotal = wDead + wLive;

    // Class weights by surface area (the particle density cancels out).
    const Real adh = sdh * wdh, a1 = s1 * w1, a10 = s10 * w10, a100 = s100 * w100;
    const Real alh = slh * wlh, alw = slw * wlw;
    const Real aDead = adh + a1 + a10 + a100;
    Real aLive = alw + alh;
    if (aLive == 0)
        aLive = 0.0001;
    const Real fdh = adh / aDead, f1 = a1 / aDead, f10 = a10 / aDead, f100 = a100 / aDead;
    const Real flh = alh / aLive, flw = alw / aLive;
    const Real fDead = aDead / (aLive + aDead);
    const Real fLive = aLive / (aLive + aDead);

    const Real sigmaDead = fdh * sdh + f1 * s1 + f10 * s10 + f100 * s100;
    const Real sigmaLive = flh * slh + flw * slw;
    bed.sigma = fLive * sigmaLive + fDead * sigmaDead;

    // The 10-hour and 100-hour ratios are the same for every model, and the two herbaceous
    // classes share theirs: their heating numbers are worked out once.
    static const Real e10 = HeatingNumber(138, clsFuelModel::sav10Hr());
    static const Real e100 = HeatingNumber(138, clsFuelModel::sav100Hr());
    bed.edh = HeatingNumber(138, sdh);
    bed.e1 = HeatingNumber(138, s1);
    bed.elw = HeatingNumber(138, slw);
    bed.elh = bed.edh;
    bed.e10 = e10;
    bed.e100 = e100;
    bed.glh = HeatingNumber(500, slh);
    bed.glw = HeatingNumber(500, slw);

    bed.wdh = wdh, bed.w1 = w1, bed.w10 = w10, bed.w100 = w100, bed.wlh = wlh, bed.wlw = wlw;
    bed.sdh = sdh, bed.s1 = s1, bed.s10 = s10, bed.s100 = s100, bed.slh = slh, bed.slw = slw;
    bed.fdh = fdh, bed.f1 = f1, bed.f10 = f10, bed.f100 = f100, bed.flh = flh, bed.flw = flw;
    bed.fDead = fDead, bed.fLive = fLive;
    return bed;
}

// Net loads, the fuel bed properties and the ratio of dead to live fine fuel, worked out for the
// first fire that spreads in the bed.
const clsFuelBed::Properties& clsTorvi::CompleteFuelBed(clsFuelBed& bed)
{
    if (bed.properties)
        return *bed.properties;
    clsFuelBed::Properties p;
    p.wndh = Real(0.9445) * bed.wdh, p.wn1 = Real(0.9445) * bed.w1, p.wn10 = Real(0.9445) * bed.w10,
    p.wn100 = Real(0.9445) * bed.w100, p.wnlh = Real(0.9445) * bed.wlh, p.wnlw = Real(0.9445) * bed.wlw;
    p.wnDead = WeightedDeadNetLoad(bed, p.wndh, bed.fdh, p.wn1, bed.f1, p.wn10, bed.f10, p.wn100, bed.f100);
    p.wnLive = WeightedLiveNetLoad(bed, p.wnlh, bed.flh, p.wnlw, bed.flw);

    // Fuel bed.
    const Real sigma = bed.sigma;
    p.bulkDensity = bed.wTotal / bed.depth;
    p.beta = p.bulkDensity / 32;
    p.betaOpt = Real(3.348) * Real::Pow(sigma, -0.8189);
    p.relativeBeta = p.beta / p.betaOpt;
    const Real A = Real(133) * Real::Pow(sigma, -0.7913);
    const Real sigma15 = Real::Pow(sigma, 1.5);
    const Real gammaMax = sigma15 / (Real(495) + Real(0.0594) * sigma15);
    p.gamma = gammaMax * Real::Pow(p.relativeBeta, A) * Real::Exp(A * (Real(1) - p.relativeBeta));
    p.xi = Real::Exp((Real(0.792) + Real(0.681) * Real::Pow(sigma, 0.5)) * (p.beta + 0.1)) /
           (Real(192) + Real(0.2595) * sigma);
    p.C = Real(7.47) * Real::Exp(Real(-0.133) * Real::Pow(sigma, 0.55));
    p.B = Real(0.02526) * Real::Pow(sigma, 0.54);
    p.E = Real(0.715) * Real::Exp(Real(-0.000359) * sigma);

    const Real liveShading = bed.wlw * bed.glw + bed.wlh * bed.glh;
    p.wPrime = liveShading == 0 ? Real(0)
                                : (bed.w1 * bed.e1 + bed.wdh * bed.edh + bed.w10 * bed.e10 + bed.w100 * bed.e100) /
                                      liveShading;
    bed.properties = p;
    return *bed.properties;
}

Real clsTorvi::WeightedDeadNetLoad(const clsFuelBed& bed, Real wnDeadHerb, Real fDeadHerb, Real wn1Hr, Real f1Hr,
                                   Real wn10Hr, Real f10Hr, Real wn100Hr, Real f100Hr)
{
    const WeightedClass classes[] = {{bed.sdh.Value(), wnDeadHerb, fDeadHerb},
                                     {bed.s1.Value(), wn1Hr, f1Hr},
                                     {bed.s10.Value(), wn10Hr, f10Hr},
                                     {bed.s100.Value(), wn100Hr, f100Hr}};
    return SizeClassWeightedNetLoad(classes);
}

Real clsTorvi::WeightedLiveNetLoad(const clsFuelBed& bed, Real wnLiveHerb, Real fLiveHerb, Real wnLiveWoody,
                                   Real fLiveWoody)
{
    const WeightedClass classes[] = {{bed.slh.Value(), wnLiveHerb, fLiveHerb},
                                     {bed.slw.Value(), wnLiveWoody, fLiveWoody}};
    return SizeClassWeightedNetLoad(classes);
}

// An elliptical fire, its length-to-breadth ratio growing with the wind, ignited at the rear
// focus: the distance from the focus to the perimeter in the given direction, relative to the
// distance to the head.
Real clsTorvi::NonHeadingROS(Real cosTheta, Real sinTheta, Real effectiveWind)
{
    const Real lengthToBreadth = Real(1) + Real(0.25) * effectiveWind;
    const Real e = Real::Sqrt(Real(1) - Real::Pow(lengthToBreadth, -2));
    const Real a = Real(1) / (e + 1);
    const Real b = a / lengthToBreadth;
    const Real c = e * a;
    return c * cosTheta + Real::Sqrt(Square(a) * Square(cosTheta) + Square(b) * Square(sinTheta));
}

// ---------------------------------------------------------------------------------------------
// Crown fire

// Van Wagner (1977): the critical surface intensity for crown fire initiation,
// I0 = (0.010 CBH (460 + 25.9 FMC))^1.5 kW/m for a conifer canopy; for a shrub canopy the intensity
// whose Byram flame length is the transition flame length.
void clsTorvi::ResolveInitiation()
{
    clsTorviInputs& s = *scenario;
    if (s.Initiation == -1) {
        if (s.VegType == clsTorviInputs::Conifer)
            initiation = Real::Pow(Real(0.01) * (Real(s.CanopyBaseHeight) / FeetPerMetre) *
                                       (Real(460) + Real(25.9) * s.ConiferFoliarMC),
                                   1.5);
        else if (s.VegType == clsTorviInputs::Shrub)
            initiation = Real::Pow((Real(s.ShrubTransFlameLength) / FeetPerMetre) / 0.0775, Real(1) / 0.46);
        else
            initiation = 0;
        return;
    }
    // A given intensity: the canopy or shrub inputs are made to agree with it.
    initiation = s.Initiation;
    s.CanopyBaseHeight = 0;
    s.ConiferFoliarMC = 0;
    s.ShrubTransFlameLength = 0;
    if (s.VegType == clsTorviInputs::Conifer) {
        s.ConiferFoliarMC = 100;
        s.CanopyBaseHeight = ((Real::Pow(initiation, Real(2) / 3) / 0.01) / (Real(460) + Real(25.9) * 100) *
                              FeetPerMetre)
                                 .Value();
    } else if (s.VegType == clsTorviInputs::Shrub) {
        s.ShrubTransFlameLength = ByramFlameLength(initiation).Value();
    }
}

void clsTorvi::ResolveCanopyHPA()
{
    clsTorviInputs& s = *scenario;
    canopyHPA = s.HPAHighConifer;
    if (s.VegType != clsTorviInputs::Conifer)
        return;
    if (s.HPAHighConifer == -1) {
        canopyHPA = Real(s.CrownFuelLoad) * PoundsPerSquareFootPerTonPerAcre * s.HCrown;
        return;
    }
    s.HCrown = 7745;
    s.CrownFuelLoad = (canopyHPA / (Real(s.HCrown) * PoundsPerSquareFootPerTonPerAcre)).Value();
}

// A surface fire that does not spread has spread outputs of 0, but no wind brings it to a threshold
// and no canopy can be ignited by it: its indices and crown thresholds do not exist (an index of 0
// would read as a crown fire in calm air).
clsTorviOutputs clsTorvi::SurfaceDoesNotSpread()
{
    clsTorviOutputs R;
    for (double* field : {&R.TorchingIndex, &R.CrowningIndex, &R.SurfacingIndex, &R.CrownOCessation,
                          &R.CrownFirelineIntensity, &R.CrownFlameLength, &R.CrownCriticalSurfaceROS,
                          &R.CrownCriticalBulkDensity, &R.CrownRActive})
        *field = clsTorviOutputs::NotReachable;
    return R;
}

clsTorviOutputs clsTorvi::CombineCrownFire(clsTorviOutputSet& L, std::optional<clsTorviOutputSet>& high)
{
    // A high model too wet to spread is a crown fire of zero spread rate: the limit of the formulas
    // below as its spread rate goes to 0, without dividing by any of its terms. No wind makes it
    // active, so the crown fraction burned is 0 and the active crown thresholds do not exist.
    const bool highSpreads = high.has_value();
    clsTorviOutputSet noSpread;
    clsTorviOutputSet& Hs = highSpreads ? *high : noSpread;
    const CrownCriteria criteria = CrownSpreadCriteria(L, Hs, highSpreads);
    const Real crownFraction = criteria.crownFraction;

    clsTorviOutputs R;
    R.FireType = FireTypeOf(L, Hs, highSpreads, criteria);
    R.TransitionFunction = crownFraction.Value();
    const Real ros = CombinedSpread(R, L, Hs, crownFraction);
    const Real hpa = CombinedHeat(R, L, Hs, crownFraction);
    const Real intensity = CombinedIntensity(R, L, Hs, hpa, ros);
    CombinedFlameLength(R, L, Hs, intensity, crownFraction);
    R.EffectiveMidflameWind =
        ((Real(Hs.EffectiveWindSpeed) - L.EffectiveWindSpeed) * crownFraction + L.EffectiveWindSpeed).Value();
    CrownThresholds(R, Hs, criteria, highSpreads);
    return R;
}

// Van Wagner (1977): a crown fire is active above the spread rate 3.0 / CBD (m/min, CBD in
// kg/m³) and begins where the surface fire reaches the critical intensity; the crown fire spreads
// as Rothermel's (1991) crown model, and the winds at which it reaches the criteria are the indices.
clsTorvi::CrownCriteria clsTorvi::CrownSpreadCriteria(const clsTorviOutputSet& L, const clsTorviOutputSet& Hs,
                                                      bool highSpreads) const
{
    const clsTorviInputs& s = *scenario;
    const bool crownFire = s.VegType != clsTorviInputs::Surface;
    // The packing ratio term of the wind factor, C × BBopt^-E being its coefficient.
    const Real lowPacking = lowPackingTerm;
    CrownCriteria c;
    c.torchingIndex = TorchingIndex(L, lowPacking);
    if (crownFire)
        c.activeROS = s.CanopyBulkDensity == 0 ? Real(999) : Real(3.0) / s.CanopyBulkDensity;
    if (crownFire && !highSpreads) {
        c.initiationROS = CriticalInitiationROS(initiation, L);
    } else if (crownFire) {
        const Real highPacking = highPackingTerm;
        c.crowningIndex = CrownModelWind(CrownModelPhiE(c.activeROS, Hs), Hs, highPacking);
        c.initiationROS = CriticalInitiationROS(initiation, L);
        const Real cessationPhiE = CrownModelPhiE(c.initiationROS, Hs);
        c.cessationWind = CrownModelWind(cessationPhiE, Hs, highPacking);
        c.surfacingIndex = Larger(cessationPhiE < 0 ? Real(0) : c.cessationWind, c.crowningIndex);
        c.crownFraction = CrownFractionBurned(L, lowPacking, Hs, c.crowningIndex, c.initiationROS, c.activeROS);
    }
    return c;
}

// 1 surface, 2 passive (torching), 3 conditional (an active crown fire that cannot begin), 4 active.
int32_t clsTorvi::FireTypeOf(const clsTorviOutputSet& L, const clsTorviOutputSet& Hs, bool highSpreads,
                             const CrownCriteria& criteria)
{
    // Torching without a crown fire that can follow: passive, even with no crown fraction burned.
    if (!highSpreads)
        return Real(L.ROS) > criteria.initiationROS ? 2 : 1;
    if (Real(L.ROS) <= criteria.initiationROS && Real(Hs.ROS) > criteria.activeROS)
        return 3;
    if (criteria.crownFraction == 0)
        return 1;
    if (criteria.crownFraction == 1)
        return 4;
    return 2;
}

Real clsTorvi::CombinedSpread(clsTorviOutputs& R, const clsTorviOutputSet& L, const clsTorviOutputSet& Hs,
                                        Real crownFraction)
{
    const Real ros = (Real(Hs.ROS) - L.ROS) * crownFraction + L.ROS;
    R.RateOfSpread = (ros * ChainsPerHourPerMetrePerMinute).Value();
    R.Low.RateOfSpread = (Real(L.ROS) * ChainsPerHourPerMetrePerMinute).Value();
    R.High.RateOfSpread = (Real(Hs.ROS) * ChainsPerHourPerMetrePerMinute).Value();
    return ros;
}

// A conifer crown fire burns the canopy's own heat per unit area.
Real clsTorvi::CombinedHeat(clsTorviOutputs& R, const clsTorviOutputSet& L, clsTorviOutputSet& Hs,
                                      Real crownFraction) const
{
    if (scenario->VegType == clsTorviInputs::Conifer)
        Hs.HPA = canopyHPA.Value();
    const Real hpa = Real(Hs.HPA) * crownFraction + L.HPA;
    R.HeatPerUnitArea = hpa.Value();
    R.Low.HeatPerUnitArea = L.HPA;
    R.High.HeatPerUnitArea = Hs.HPA;
    return hpa;
}

// Byram's (1959) fireline intensity, kW/m, of the combined fire and of each of its two fires; the
// fire intensity scale is its decimal logarithm.
Real clsTorvi::CombinedIntensity(clsTorviOutputs& R, clsTorviOutputSet& L, clsTorviOutputSet& Hs, Real hpa,
                                           Real ros)
{
    const Real intensity = hpa * KilojoulesPerSquareMetrePerBtuPerSquareFoot * ros / 60;
    R.FirelineIntensity = (intensity / KilowattsPerMetrePerBtuPerFootPerSecond).Value();
    L.FirelineIntensity = (Real(L.HPA) * KilojoulesPerSquareMetrePerBtuPerSquareFoot * L.ROS / 60).Value();
    Hs.FirelineIntensity = (Real(Hs.HPA) * KilojoulesPerSquareMetrePerBtuPerSquareFoot * Hs.ROS / 60).Value();
    R.Low.FirelineIntensity = (Real(L.FirelineIntensity) / KilowattsPerMetrePerBtuPerFootPerSecond).Value();
    R.High.FirelineIntensity = (Real(Hs.FirelineIntensity) / KilowattsPerMetrePerBtuPerFootPerSecond).Value();

    Real scale = Real::Log(intensity) / 2.30258509299;
    if (scale < 0)
        scale = 0;
    R.FireIntensityScale = scale.Value();
    return intensity;
}

// A conifer crown fire's flame is Thomas's (1963), weighed with the surface fire's Byram flame by
// the crown fraction burned; a shrub canopy's flames are Byram's.
void clsTorvi::CombinedFlameLength(clsTorviOutputs& R, const clsTorviOutputSet& L, const clsTorviOutputSet& Hs,
                                   Real intensity, Real crownFraction) const
{
    const Real lowFlameLength = ByramFlameLength(L.FirelineIntensity);
    R.Low.FlameLength = lowFlameLength.Value();
    // Without a crown fire the fire's intensity is the surface fire's: the same power again.
    const Real byram = intensity == Real(L.FirelineIntensity) ? lowFlameLength : ByramFlameLength(intensity);
    if (scenario->VegType == clsTorviInputs::Conifer) {
        const Real thomas = ThomasFlameLength(intensity);
        R.High.FlameLength = thomas.Value();
        R.FlameLength = ((thomas - byram) * crownFraction + byram).Value();
    } else {
        R.High.FlameLength = ByramFlameLength(Hs.FirelineIntensity).Value();
        R.FlameLength = byram.Value();
    }
}

void clsTorvi::CrownThresholds(clsTorviOutputs& R, const clsTorviOutputSet& Hs, const CrownCriteria& criteria,
                               bool highSpreads) const
{
    R.TorchingIndex = criteria.torchingIndex.Value();
    R.CrowningIndex = criteria.crowningIndex.Value();
    R.SurfacingIndex = criteria.surfacingIndex.Value();
    if (scenario->VegType == clsTorviInputs::Surface)
        return;
    R.CrownFirelineIntensity = (initiation / KilowattsPerMetrePerBtuPerFootPerSecond).Value();
    R.CrownFlameLength = ByramFlameLength(initiation).Value();
    R.CrownCriticalSurfaceROS = (criteria.initiationROS * ChainsPerHourPerMetrePerMinute).Value();
    R.CrownRActive = (criteria.activeROS * ChainsPerHourPerMetrePerMinute).Value();
    if (highSpreads) {
        R.CrownCriticalBulkDensity = (Real(3.0) / Hs.ROS).Value();
        R.CrownOCessation = criteria.cessationWind.Value();
    } else {
        R.CrowningIndex = R.SurfacingIndex = clsTorviOutputs::NotReachable;
        R.CrownCriticalBulkDensity = R.CrownOCessation = clsTorviOutputs::NotReachable;
    }
    // Without a canopy bulk density the critical active spread rate is a placeholder that no
    // crown spread rate reaches: it keeps the fire passive, but nothing derived from it exists.
    if (scenario->CanopyBulkDensity == 0)
        R.CrownRActive = R.CrowningIndex = R.SurfacingIndex = R.CrownOCessation = clsTorviOutputs::NotReachable;
}

// The crown fraction burned grows linearly from the critical initiation spread rate to the
// surface spread rate at the crowning index wind.
Real clsTorvi::CrownFractionBurned(const clsTorviOutputSet& L, Real lowPacking, const clsTorviOutputSet& Hs,
                                   Real crowningIndex, Real initiationROS, Real activeROS) const
{
    if (Real(Hs.ROS) >= activeROS)
        return 1;
    if (Real(L.ROS) < initiationROS)
        return 0;
    // The low model at the crowning index wind, without the wind limit or the direction factor:
    // worked out only for a fraction between the two, so that no failure of a value left unused
    // fails a fire whose fraction is known.
    const Real phiW = Real(L.C) *
                      Real::Pow(crowningIndex * FeetPerMinutePerMilePerHour * scenario->LowInputs.WindReductionFactor,
                                L.B) *
                      lowPacking;
    const Real phiE = VectorSum(phiW, L.SlopeFactor, cosWind, sinWind);
    const Real activeSurfaceROS = (Real(1) + phiE) * L.ROSnwns;
    Real fraction = (Real(L.ROS) - initiationROS) / (activeSurfaceROS - initiationROS);
    if (fraction > 1)
        fraction = 1;
    if (fraction < 0)
        fraction = 0;
    return fraction;
}

// Byram (1959): the flame length of a surface fire of fireline intensity I (kW/m), 0.0775 I^0.46 m.
Real clsTorvi::ByramFlameLength(Real intensity)
{
    return Real(0.0775) * Real::Pow(intensity, 0.46) * FeetPerMetre;
}

// Thomas (1963): the flame length of a crown fire, 0.2 I^(2/3) ft for I in BTU/ft/s.
Real clsTorvi::ThomasFlameLength(Real intensity)
{
    return Real(0.2) * Real::Pow(intensity / KilowattsPerMetrePerBtuPerFootPerSecond, Real(2) / 3);
}

// ---------------------------------------------------------------------------------------------
// Hazard indices

// The open wind at which the low model's fire reaches the critical intensity for initiation
// (Van Wagner 1977), through the inverse of the surface fire's wind factor.
Real clsTorvi::TorchingIndex(const clsTorviOutputSet& L, Real lowPacking) const
{
    Real phiE = (initiation / KilowattsPerMetrePerBtuPerFootPerSecondAtInitiation) * 60 * L.BulkDensity * L.EQig /
                    (Real(L.pfr) * L.HPA * L.ReactionIntensity * scenario->LowInputs.MultiplierROS) -
                1;
    phiE = Larger(phiE, 0);
    if (WindFactorDiscriminant(cosWind, sinWind, L.SlopeFactor, phiE) < 0)
        return 0;
    return WindForPhiE(phiE, L, lowPacking, scenario->LowInputs.WindReductionFactor);
}

// The wind and slope factor at which the crown model spreads at the given rate (m/min).
Real clsTorvi::CrownModelPhiE(Real spreadRate, const clsTorviOutputSet& Hs) const
{
    const Real crownMultiplier = scenario->VegType == clsTorviInputs::Conifer ? ConiferCrownSpreadMultiplier : 1;
    return spreadRate * FeetPerMetre * Hs.BulkDensity * Hs.EQig /
               (Real(Hs.pfr) * Hs.ReactionIntensity * scenario->HighInputs.MultiplierROS * crownMultiplier) -
           1;
}

Real clsTorvi::CrownModelWind(Real phiE, const clsTorviOutputSet& Hs, Real highPacking) const
{
    const Real windAdjustment = scenario->VegType == clsTorviInputs::Conifer
                                    ? clsTorviInputs::ConiferHighWindReductionFactor
                                    : scenario->HighInputs.WindReductionFactor;
    return WindForPhiE(phiE, Hs, highPacking, windAdjustment);
}

// The open wind (mi/h) whose wind factor, added to the slope factor, gives phiE: the larger root
// of the vector equation, none below 0, through the inverse of the wind factor formula.
Real clsTorvi::WindForPhiE(Real phiE, const clsTorviOutputSet& fire, Real packingTerm, Real windAdjustment) const
{
    const Real r1 = SolveWindFactor(1, cosWind, sinWind, fire.SlopeFactor, phiE);
    const Real r2 = SolveWindFactor(2, cosWind, sinWind, fire.SlopeFactor, phiE);
    const Real phiW = Larger(Larger(r1, r2), 0);
    return Real::Pow(phiW / (Real(fire.C) * packingTerm), Real(1) / fire.B) /
           (Real(FeetPerMinutePerMilePerHour) * windAdjustment);
}

// A root phiW of |phiW (cos θ, sin θ) + (phiS, 0)| = phiE.
Real clsTorvi::SolveWindFactor(int which, Real cosTheta, Real sinTheta, Real phiS, Real phiE)
{
    const Real squares = Square(cosTheta) + Square(sinTheta);
    const Real a2 = squares + squares;
    const Real nb = Real(-2) * cosTheta * phiS;
    const Real D = WindFactorDiscriminant(cosTheta, sinTheta, phiS, phiE);
    const Real s = D < 0 ? Real(0) : Real::Sqrt(D);
    return which == 1 ? (nb + s) / a2 : (nb - s) / a2;
}

Real clsTorvi::WindFactorDiscriminant(Real cosTheta, Real sinTheta, Real phiS, Real phiE)
{
    return Real(4) * Square(cosTheta) * Square(phiS) -
           Real(4) * (Square(cosTheta) + Square(sinTheta)) * (Square(phiS) - Square(phiE));
}
