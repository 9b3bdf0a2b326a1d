// Every bit of the engine's results over a large generated set of scenarios, pinned by a checksum.
//
// The engine's speed-ups (work shared between calls, table lookups) must leave every result exactly
// as it was: the same operations on the same operands. The checksum below was taken from the engine
// as it stood before those speed-ups, over the scenarios generated here: every simulation type,
// every standard fuel model and a few unusual custom ones (no live fuel, no dead fuel, no depth,
// size-class bin edges, a type that only looks dynamic), wet and dry fuels, calm and gale, every
// wind direction, spread directions, given initiation intensities and canopy heats, and invalid
// values of every kind. It covers the output record (every double bit for bit, the fire type, the
// error number and text, the success flag) and the input record after the call (the engine rewrites
// some of its fields). One engine object calculates the whole set, one call after another, so work
// it keeps between calls is exercised the way the batch and the tables use it.
//
// It was taken again when a high fuel model too wet to spread became a result instead of a failure,
// after scripts/compare_engine_records.py had shown, record by record over this set, that the only
// changes were those records (4088, all now successful) and fields now not reachable (the indices
// and thresholds of a surface fire that does not spread, those derived from the 999 m/min
// placeholder of a canopy without bulk density); every other field was bit-identical.
#include "TorviTestSupport.h"
#include "support/SplitMix.h"

#include <array>
#include <map>
#include <string>
#include <vector>
#include <bit>
#include <cstdint>
#include <string_view>

using namespace TorviScenarios;

namespace {

// FNV-1a over the bytes of the values fed to it.
class Checksum {
public:
    void Add(uint64_t word)
    {
        for (int i = 0; i < 8; ++i) {
            hash ^= (word >> (8 * i)) & 0xff;
            hash *= 0x100000001b3ull;
        }
    }
    void Add(double value) { Add(std::bit_cast<uint64_t>(value)); }
    void Add(int32_t value) { Add(static_cast<uint64_t>(static_cast<uint32_t>(value))); }
    void Add(std::string_view text)
    {
        Add(static_cast<uint64_t>(text.size()));
        for (const char c : text) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 0x100000001b3ull;
        }
    }
    uint64_t Value() const { return hash; }

private:
    uint64_t hash = 0xcbf29ce484222325ull;
};

class Draw : public SplitMix {
public:
    Draw() : SplitMix(20240611) {}
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    // A value from low to high in steps of step.
    double Stepped(double low, double high, double step)
    {
        return low + step * Int(0, static_cast<int>((high - low) / step + 0.5));
    }
};

void AddTempSet(Checksum& sum, const clsTorviTempSet& set)
{
    sum.Add(set.RateOfSpread);
    sum.Add(set.HeatPerUnitArea);
    sum.Add(set.FirelineIntensity);
    sum.Add(set.FlameLength);
}

void AddOutputs(Checksum& sum, const clsTorviOutputs& out, bool success)
{
    sum.Add(static_cast<int32_t>(success));
    sum.Add(out.FireType);
    for (const double value :
         {out.TransitionFunction, out.RateOfSpread, out.HeatPerUnitArea, out.FirelineIntensity,
          out.FireIntensityScale, out.FlameLength, out.EffectiveMidflameWind, out.TorchingIndex, out.CrowningIndex,
          out.SurfacingIndex, out.CrownFirelineIntensity, out.CrownFlameLength, out.CrownCriticalSurfaceROS,
          out.CrownCriticalBulkDensity, out.CrownRActive, out.CrownOCessation})
        sum.Add(value);
    AddTempSet(sum, out.Low);
    AddTempSet(sum, out.High);
    sum.Add(out.ErrorNumber);
    sum.Add(out.ErrorDescription);
}

void AddInputSet(Checksum& sum, const clsTorviInputSet& set)
{
    sum.Add(set.LowOrHigh);
    sum.Add(set.fuelModelID);
    sum.Add(set.WindReductionFactor);
    sum.Add(set.MultiplierROS);
    sum.Add(set.MultiplierLoadDepth);
    sum.Add(set.MultiplierIntensity);
}

void AddInputs(Checksum& sum, const clsTorviInputs& in)
{
    sum.Add(in.VegType);
    AddInputSet(sum, in.LowInputs);
    AddInputSet(sum, in.HighInputs);
    for (const double value : {in.CrownFuelLoad, in.HCrown, in.CanopyBaseHeight, in.ShrubTransFlameLength,
                               in.CanopyBulkDensity, in.ConiferFoliarMC, in.OpenWindSpeed, in.HPAHighConifer,
                               in.Initiation, in.DeadHerbMC, in.Dead1HrMC, in.Dead10HrMC, in.Dead100HrMC,
                               in.LiveWoodyMC, in.LiveHerbMC})
        sum.Add(value);
    sum.Add(in.PercentSlope);
    sum.Add(in.WindDirFromUphill);
    sum.Add(in.Temperature);
    sum.Add(static_cast<int32_t>(in.SpreadDirection));
}

// The standard models and custom ones that take the calculation down its rarer paths.
std::shared_ptr<clsFuelModels> GeneratedFuelModels()
{
    std::shared_ptr<clsFuelModels> models = StandardFuelModels();
    const auto add = [&](std::shared_ptr<clsFuelModel> model) {
        models->AddSorted(model, std::to_string(model->fuelModelID));
    };
    add(FuelModel(14, 0.05, 0.02, 0, 0, 0, "static", 1200, 0, 0, 0.5, 0.2));         // no live fuel, a bin edge
    add(FuelModel(15, 0.03, 0.04, 0.01, 0.06, 0.08, "dynamic", 1800, 1500, 1400, 1.2, 0.3));
    add(FuelModel(16, 0, 0, 0, 0.04, 0.05, "static", 2000, 1800, 1500, 1.0, 0.25));   // no dead fuel
    add(FuelModel(17, 0.06, 0.02, 0.01, 0, 0.03, "static", 2000, 0, 1500, 0, 0.25));  // no depth
    add(FuelModel(18, 0.04, 0, 0, 0.07, 0, "Dynamic", 2000, 1800, 0, 1.0, 0.2));      // not dynamic
    add(FuelModel(19, 0.05, 0.03, 0.02, 0.02, 0.02, "dynamic", 192, 96, 48, 0.8, 0.35));  // bin edges
    return models;
}

void SetGeneratedFuelModel(Draw& draw, clsTorviInputSet& set, int32_t fuelModel)
{
    set.fuelModelID = fuelModel;
    set.WindReductionFactor = draw.Chance(2) ? draw.Stepped(-0.5, 1.5, 0.5) : draw.Stepped(0.05, 1, 0.05);
    double* const multipliers[] = {&set.MultiplierROS, &set.MultiplierLoadDepth, &set.MultiplierIntensity};
    for (double* multiplier : multipliers)
        *multiplier = draw.Chance(80) ? 1 : draw.Chance(97) ? draw.Stepped(0.25, 3, 0.25) : draw.Stepped(-1, 0, 1);
}

clsTorviInputs GeneratedScenario(Draw& draw, int index, const std::vector<int32_t>& modelNumbers)
{
    clsTorviInputs in;
    in.VegType = draw.Chance(1) ? draw.Int(-1, 5) : 1 + index % 3;
    const int32_t low = draw.Chance(1) ? 99 : modelNumbers[(index / 3) % modelNumbers.size()];
    const int32_t high = modelNumbers[draw.Next() % modelNumbers.size()];
    in.LowInputs.LowOrHigh = 0;
    in.HighInputs.LowOrHigh = draw.Chance(1) ? 2 : 1;
    SetGeneratedFuelModel(draw, in.LowInputs, low);
    SetGeneratedFuelModel(draw, in.HighInputs, high);
    if (in.VegType == 2 && draw.Chance(90)) {
        in.HighInputs.fuelModelID = clsTorviInputs::ConiferHighFuelModel;
        in.HighInputs.WindReductionFactor = clsTorviInputs::ConiferHighWindReductionFactor;
    }

    const double dead1Hr = draw.Chance(10) ? draw.Stepped(0, 60, 0.5) : draw.Int(2, 30);
    in.Dead1HrMC = dead1Hr;
    in.DeadHerbMC = draw.Chance(97) ? dead1Hr : draw.Stepped(-1, 40, 1);
    in.Dead10HrMC = draw.Chance(1) ? -1 : draw.Int(0, 40);
    in.Dead100HrMC = draw.Chance(1) ? -1 : draw.Int(0, 50);
    in.LiveHerbMC = draw.Chance(1) ? -2 : draw.Chance(10) ? draw.Stepped(20, 160, 0.5) : draw.Int(30, 300);
    in.LiveWoodyMC = draw.Chance(1) ? -1 : draw.Int(30, 300);

    in.CanopyBulkDensity = draw.Chance(5) ? 0 : draw.Chance(1) ? -0.1 : draw.Stepped(0.01, 0.5, 0.01);
    in.CanopyBaseHeight = draw.Stepped(0, 40, 0.5);
    in.CrownFuelLoad = draw.Stepped(0, 3, 0.05);
    in.ConiferFoliarMC = draw.Int(70, 130);
    in.ShrubTransFlameLength = draw.Stepped(0, 20, 0.5);
    in.HCrown = draw.Chance(50) ? 7745 : draw.Int(7000, 8500);
    in.PercentSlope = draw.Chance(1) ? draw.Int(181, 200) : draw.Chance(20) ? 0 : draw.Int(0, 180);
    in.OpenWindSpeed = draw.Chance(1)    ? -1
                       : draw.Chance(10) ? 0
                       : draw.Chance(3)  ? draw.Stepped(100, 400, 25)
                                         : draw.Stepped(0, 60, 0.1);
    in.WindDirFromUphill = draw.Chance(1) ? 361 : draw.Int(0, 360);
    in.SpreadDirection = static_cast<int16_t>(draw.Chance(70) ? 0 : draw.Int(-180, 180));
    in.Initiation = draw.Chance(85) ? -1 : draw.Chance(95) ? draw.Stepped(0, 5000, 50) : -0.5;
    in.HPAHighConifer = draw.Chance(90) ? -1 : draw.Stepped(200, 3000, 100);
    in.Temperature = draw.Chance(1) ? 200 : 0;
    return in;
}

TEST(TorviOutputBits, EveryResultOfAGeneratedSetIsUnchanged)
{
    constexpr int Scenarios = 80000;
    // Retaken when a high fuel model too wet to spread became a result and when the engine stopped
    // checking the inputs a scenario does not use; scripts/compare_engine_records.py showed that
    // nothing else changed (formerly #91 failures now succeed, fields without a value are not
    // reachable, refusals of unused inputs now calculate or fail at a later check).
    constexpr uint64_t ExpectedChecksum = 0x65906d58e3c3b65b;

    clsTorvi engine;
    engine.FuelModels = GeneratedFuelModels();
    std::vector<int32_t> modelNumbers;
    for (const auto& model : *engine.FuelModels)
        modelNumbers.push_back(model->fuelModelID);

    Draw draw;
    Checksum sum;
    std::map<std::string, int> outcomes;
    for (int i = 0; i < Scenarios; ++i) {
        clsTorviInputs in = GeneratedScenario(draw, i, modelNumbers);
        bool success = false;
        const clsTorviOutputs out = engine.CalculateTorviOutputs(in, success);
        AddOutputs(sum, out, success);
        AddInputs(sum, in);
        ++outcomes[success ? "fire type " + std::to_string(out.FireType)
                           : "error " + std::to_string(out.ErrorNumber) +
                                 (out.ErrorNumber == 4000 ? " " + out.ErrorDescription : "")];
    }
    for (int16_t direction = -400; direction <= 400; ++direction)
        for (const double wind : {0.0, 0.5, 4.0, 37.3})
            sum.Add(engine.CalculateNonHeadingROS(direction, wind));

    // The set reaches every outcome: each fire type, no spread, invalid inputs and failures.
    std::string seen;
    for (const auto& [outcome, count] : outcomes)
        seen += outcome + ": " + std::to_string(count) + "\n";
    for (const char* outcome : {"fire type 0", "fire type 1", "fire type 2", "fire type 3", "fire type 4",
                                "error 2001", "error 3002", "error 3003", "error 2003", "error 2005",
                                "error 2006", "error 2013", "error 4000 Program crashed: #11 Division by zero",
                                "error 4000 Program crashed: #6 Overflow"})
        EXPECT_GT(outcomes[outcome], 0) << outcome << " never occurs; outcomes:\n" << seen;

    EXPECT_EQ(sum.Value(), ExpectedChecksum) << std::hex << sum.Value() << "\noutcomes:\n" << seen;
}

}  // namespace
