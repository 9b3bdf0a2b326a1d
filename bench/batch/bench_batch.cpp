// Batch processing of a generated scenario input file of 100,000 records (conifer, shrub and surface
// scenarios over the standard fuel models, one in fifty out of range), in process, from reading the
// input to committing the output. Run from anywhere: bench_batch --benchmark_repetitions=5
// Writing the same file with `bench_batch --write-input FILE` gives the input to time orvane-batch on.
#include "app/clsUserInteraction.h"
#include "runs/Batch.h"
#include "runs/clsRun.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int Records = 100000;

class SilentInteraction : public clsUserInteraction {
public:
    void ShowMessage(const std::string& text) override { std::cerr << text << "\n"; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    bool AskText(const std::string&, const std::string&, std::string&) override { return false; }
    std::string ChooseFile(const FileRequest&) override { return ""; }
};

// A small deterministic generator, so that every run sees the same file.
class Numbers {
public:
    uint32_t Next(uint32_t bound)
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    }

private:
    uint32_t state = 12345;
};

void WriteInput(const std::string& path)
{
    const int surfaceModels[] = {1, 2, 4, 5, 8, 9, 10, 101, 102, 121, 122, 141, 142, 145, 161, 165, 181, 186, 201};
    const int shrubModels[] = {4, 5, 141, 142, 145, 147};
    Numbers n;
    std::ofstream out(path, std::ios::binary);
    out << "# generated batch\r\n";
    for (int r = 0; r < Records; ++r) {
        const int type = 1 + static_cast<int>(n.Next(3));
        const int low = surfaceModels[n.Next(std::size(surfaceModels))];
        const int high = shrubModels[n.Next(std::size(shrubModels))];
        const int wind = r % 50 == 7 ? 75 : static_cast<int>(n.Next(40));  // one in fifty out of range
        out << type << ' ' << low << " 0." << 1 + n.Next(9) << " 1 1 1 " << high << " 0.4 1 1 1 " << 3 + n.Next(10)
            << ' ' << 4 + n.Next(10) << ' ' << 5 + n.Next(10) << ' ' << 30 + n.Next(150) << ' ' << 60 + n.Next(150)
            << " 0.1" << n.Next(9) << ' ' << 1 + n.Next(20) << " 1." << n.Next(9) << ' ' << 80 + n.Next(40) << ' '
            << 1 + n.Next(9) << ' ' << wind << '.' << n.Next(10) << ' ' << n.Next(80) << ' ' << n.Next(360)
            << " Scenario " << r << "\r\n";
    }
}

void ProcessBatch(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "orvane_bench_batch";
    std::filesystem::create_directories(folder);
    const std::string input = (folder / "generated.scn").string();
    WriteInput(input);
    SilentInteraction ui;
    clsRun run(ui);
    if (!run.LoadFuelModelFile(ORVANE_BIN_DIR "/ModelParameters.f"))
        std::exit(1);
    Batch batch(run, ui);
    for (auto _ : state) {
        batch.gBatchIO.fileName = input;
        batch.gBatchIO.ofileName = (folder / "generated.out").string();
        const Batch::Result result = batch.ProcessBatch();
        if (!result.completed)
            state.SkipWithError("the batch did not complete");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * Records);
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(ProcessBatch)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--write-input") {
        WriteInput(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
