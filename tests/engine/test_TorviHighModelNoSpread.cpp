// A high fuel model too wet to spread under a surface fire that spreads, a canopy without bulk
// density, and a surface fire that does not spread: results with "not reachable" outputs, never a
// failure or a 0 that reads as a threshold. Expected values: independent python3 calculation of
// the formulas, tests/engine/high_model_no_spread.py (run it to print the rows below).
#include "TorviTestSupport.h"

#include <array>

using namespace TorviScenarios;

namespace {

constexpr double NR = clsTorviOutputs::NotReachable;
constexpr double tolerance = 1e-9;

struct Case {
    const char* name;
    int32_t fireType;
    // CRFB SPRT HPUA FLIN FIS FLML EMFW TORI CRNI SURI FLINinitiation FLMLinitiation SPRTinitiation
    // ACBDactive SPRTactive OWNDcessation, then Low and High: SPRT HPUA FLIN FLML.
    std::array<double, 24> values;
};

// The base scenario of the engine tests with the changes of each case.
clsTorviInputs CaseInputs(const std::string& name)
{
    const auto moistures = [](clsTorviInputs& in, double oneHour, double tenHour, double hundredHour) {
        in.Dead1HrMC = in.DeadHerbMC = oneHour;
        in.Dead10HrMC = tenHour;
        in.Dead100HrMC = hundredHour;
    };
    clsTorviInputs in;
    if (name == "ConiferPassive") {
        in = Scenario(2, 7, 10);
        moistures(in, 28, 7, 8);
        in.OpenWindSpeed = 20;
        in.CanopyBaseHeight = 1;
        in.ConiferFoliarMC = 80;
    } else if (name == "ConiferSurface") {
        in = Scenario(2, 8, 10);
        moistures(in, 28, 7, 8);
        in.OpenWindSpeed = 20;
    } else if (name == "ShrubPassive") {
        in = Scenario(1, 7, 145);
        moistures(in, 20, 7, 8);
        in.OpenWindSpeed = 20;
        in.ShrubTransFlameLength = 1;
    } else if (name == "ShrubSurface") {
        in = Scenario(1, 105, 145);
        moistures(in, 20, 7, 8);
        in.OpenWindSpeed = 5;
        in.ShrubTransFlameLength = 8;
    } else if (name == "ConiferJustBelowExtinction") {
        in = Scenario(2, 8, 10);
        moistures(in, 24.9, 24.9, 24.9);
        in.OpenWindSpeed = 20;
    } else if (name == "ConiferJustAboveExtinction") {
        in = Scenario(2, 8, 10);
        moistures(in, 25.1, 25.1, 25.1);
        in.OpenWindSpeed = 20;
    } else if (name == "ZeroBulkDensity") {
        in = Scenario(2, 10, 10);
        in.CanopyBulkDensity = 0;
    }
    return in;
}

const Case cases[] = {
    {"ConiferPassive", 2, {0.0, 22.291818009460023, 404.6495993984733, 165.38090863028833, 2.7574359357008604, 4.717679825534642, 6.211981748299394, 0.0, NR, NR, 6.1977726963914375, 1.0414863632217088, 0.8354252083600084, NR, 59.652, NR, 22.291818009460023, 404.6495993984733, 165.38090863028833, 4.717679825534642, 0.0, 183.656, 0.0, 6.025876752537106}},
    {"ConiferSurface", 1, {0.0, 0.3315590124353151, 73.12767014087574, 0.44453232239377727, 0.1868539064587467, 0.30992794015485964, 3.9694993677603594, 428.5506931105978, NR, NR, 65.5510780419817, 3.0821368440803716, 48.89327714455082, NR, 59.652, NR, 0.3315590124353151, 73.12767014087574, 0.44453232239377727, 0.30992794015485964, 0.0, 183.656, 0.0, 0.11649274848421219}},
    {"ShrubPassive", 2, {0.0, 26.21463930716102, 430.3222111130543, 206.82280288390166, 2.854548981449331, 5.228781143881362, 6.211981748299394, 0.0, NR, NR, 5.673594325065725, 0.9999999999999999, 0.719143505473275, NR, 59.652, NR, 26.21463930716102, 430.3222111130543, 206.82280288390166, 5.228781143881362, 0.0, 0.0, 0.0, 0.0}},
    {"ShrubSurface", 1, {0.0, 10.833514340582436, 757.9432670856245, 150.5451719486834, 2.716617394067275, 4.518059376787563, 1.8379202962355168, 15.922438547175126, NR, NR, 521.311591493122, 7.999999999999999, 37.51558545404336, NR, 59.652, NR, 10.833514340582436, 757.9432670856245, 150.5451719486834, 4.518059376787563, 0.0, 0.0, 0.0, 0.0}},
    {"ConiferJustBelowExtinction", 1, {0.0, 0.7419619363038616, 102.96974980916507, 1.4007223345367839, 0.685302615551493, 0.5254690436701808, 5.428148803928385, 259.4220775225277, 582.3353411568164, 582.3353411568164, 65.5510780419817, 3.0821368440803716, 34.72331873933416, 158.68903158726152, 59.652, 398.83680559139555, 0.7419619363038616, 102.96974980916507, 1.4007223345367839, 0.5254690436701808, 0.05638574960412241, 183.656, 0.18986077518093847, 0.25037907541153737}},
    {"ConiferJustAboveExtinction", 1, {0.0, 0.6962546454699096, 100.27155308470643, 1.2799901205790587, 0.6461571796352319, 0.5041273221774827, 5.2955099609932, 269.67167209148056, NR, NR, 65.5510780419817, 3.0821368440803716, 35.65768488808283, NR, 59.652, NR, 0.6962546454699096, 100.27155308470643, 1.2799901205790587, 0.5041273221774827, 0.0, 183.656, 0.0, 0.2357768027081596}},
    {"ZeroBulkDensity", 2, {0.004531841321346601, 5.523559814535411, 1293.011975404149, 130.94302770868478, 2.656032940619375, 4.2414095579865325, 3.3159281651795345, 4.6079417631603885, NR, NR, 65.5510780419817, 3.0821368440803716, 2.7669924785026603, 0.35893561812660135, NR, NR, 5.435218428338616, 1292.1796755544358, 128.76584374775376, 4.204685365103409, 24.928704614775768, 183.656, 83.93935020191579, 5.157250754432356}},
};

std::array<double, 24> Fields(const clsTorviOutputs& out)
{
    return {out.TransitionFunction, out.RateOfSpread, out.HeatPerUnitArea, out.FirelineIntensity,
            out.FireIntensityScale, out.FlameLength, out.EffectiveMidflameWind, out.TorchingIndex,
            out.CrowningIndex, out.SurfacingIndex, out.CrownFirelineIntensity, out.CrownFlameLength,
            out.CrownCriticalSurfaceROS, out.CrownCriticalBulkDensity, out.CrownRActive, out.CrownOCessation,
            out.Low.RateOfSpread, out.Low.HeatPerUnitArea, out.Low.FirelineIntensity, out.Low.FlameLength,
            out.High.RateOfSpread, out.High.HeatPerUnitArea, out.High.FirelineIntensity, out.High.FlameLength};
}

const char* const fieldNames[] = {"CRFB", "SPRT", "HPUA", "FLIN", "FIS", "FLML", "EMFW", "TORI",
                                  "CRNI", "SURI", "FLINinitiation", "FLMLinitiation", "SPRTinitiation",
                                  "ACBDactive", "SPRTactive", "OWNDcessation", "Low SPRT", "Low HPUA",
                                  "Low FLIN", "Low FLML", "High SPRT", "High HPUA", "High FLIN", "High FLML"};

class TorviHighModelNoSpread : public ::testing::Test {
protected:
    void SetUp() override { engine.FuelModels = StandardFuelModels(); }
    clsTorvi engine;
};

// Every output of each record, a not reachable one exactly where the formulas have no value.
TEST_F(TorviHighModelNoSpread, EveryOutputAgainstTheFormulas)
{
    for (const Case& c : cases) {
        clsTorviInputs in = CaseInputs(c.name);
        bool success = false;
        const clsTorviOutputs out = engine.CalculateTorviOutputs(in, success);
        EXPECT_TRUE(success) << c.name << ": " << out.ErrorNumber << " " << out.ErrorDescription;
        EXPECT_EQ(out.ErrorNumber, 0) << c.name;
        EXPECT_EQ(out.FireType, c.fireType) << c.name;
        const std::array<double, 24> actual = Fields(out);
        for (std::size_t i = 0; i < actual.size(); ++i) {
            if (clsTorviOutputs::IsNotReachable(c.values[i]))
                EXPECT_TRUE(clsTorviOutputs::IsNotReachable(actual[i])) << c.name << " " << fieldNames[i] << " "
                                                                          << actual[i];
            else
                EXPECT_REL(actual[i], c.values[i], tolerance) << c.name << " " << fieldNames[i];
        }
    }
}

// A surface fire that does not spread: spread outputs 0, the indices and crown thresholds not
// reachable, for every simulation type.
TEST_F(TorviHighModelNoSpread, SurfaceFireThatDoesNotSpread)
{
    for (const int32_t vegType : {1, 2, 3}) {
        clsTorviInputs in = Scenario(vegType, 10, vegType == 1 ? 145 : 10);
        in.Dead1HrMC = in.DeadHerbMC = 40;
        const clsTorviOutputs out = Calculate(engine, in);
        EXPECT_EQ(out.FireType, 0) << vegType;
        const std::array<double, 24> actual = Fields(out);
        for (std::size_t i = 0; i < actual.size(); ++i) {
            const bool threshold = i >= 7 && i <= 15;
            if (threshold)
                EXPECT_TRUE(clsTorviOutputs::IsNotReachable(actual[i])) << vegType << " " << fieldNames[i];
            else
                EXPECT_EQ(actual[i], 0) << vegType << " " << fieldNames[i];
        }
    }
}

}  // namespace
