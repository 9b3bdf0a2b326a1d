// One engine call per table cell or chart point: CalculateTorviOutputs for a conifer, a shrub and
// a simple surface scenario. Run from anywhere: bench_engine --benchmark_repetitions=10
#include "TorviScenarios.h"
#include "engine/FuelModel_IO.h"
#include "engine/clsTorvi.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

namespace {

using TorviScenarios::Scenario;

std::shared_ptr<clsFuelModels> StandardFuelModels()
{
    FuelModel_IO reader;
    if (!reader.LoadFuelModel(ORVANE_BIN_DIR "/ModelParameters.f")) {
        std::cerr << "Cannot load " ORVANE_BIN_DIR "/ModelParameters.f: " << reader.errStr << "\n";
        std::exit(1);
    }
    return reader.fmColl;
}

void Calculate(benchmark::State& state, clsTorviInputs in)
{
    clsTorvi engine;
    engine.FuelModels = StandardFuelModels();
    for (auto _ : state) {
        bool success = false;
        clsTorviOutputs out = engine.CalculateTorviOutputs(in, success);
        benchmark::DoNotOptimize(out);
        if (!success)
            state.SkipWithError(out.ErrorDescription.c_str());
    }
}

void Conifer(benchmark::State& state)
{
    Calculate(state, Scenario(2, 165, 10));
}

void Shrub(benchmark::State& state)
{
    Calculate(state, Scenario(1, 141, 145));
}

void Surface(benchmark::State& state)
{
    Calculate(state, Scenario(3, 102, 10));
}

}  // namespace

BENCHMARK(Conifer);
BENCHMARK(Shrub);
BENCHMARK(Surface);
BENCHMARK_MAIN();
