// Batch processing of a generated scenario input file of 100,000 records (conifer, shrub and surface
// scenarios over the standard fuel models, one in fifty out of range), from reading the input to
// committing the output: in process with 1 and 2 workers (ProcessBatch/jobs), and orvane-batch run
// as a user runs it (Tool/records/jobs), which also reports the tool's peak memory (PeakKB, its
// resident kilobytes) for 100,000, one million and ten million records; the ten-million-record input takes
// about a gigabyte in the temporary folder while it runs. The tool's output goes to a file for the
// 100,000 records, to /dev/null for the others. Run from anywhere:
//   bench_batch --benchmark_repetitions=5 --benchmark_filter='records:100000/'
// Writing the same file with `bench_batch --write-input FILE` gives the input to time orvane-batch on.
#include "base/clsUserInteraction.h"
#include "runs/Batch.h"
#include "runs/clsRun.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace {

constexpr int64_t Records = 100000;

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

void WriteInput(const std::string& path, int64_t records = Records)
{
    const int surfaceModels[] = {1, 2, 4, 5, 8, 9, 10, 101, 102, 121, 122, 141, 142, 145, 161, 165, 181, 186, 201};
    const int shrubModels[] = {4, 5, 141, 142, 145, 147};
    Numbers n;
    std::ofstream out(path, std::ios::binary);
    out << "# generated batch\r\n";
    for (int64_t r = 0; r < records; ++r) {
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
        const Batch::Result result = batch.ProcessBatch(static_cast<int>(state.range(0)));
        if (!result.completed)
            state.SkipWithError("the batch did not complete");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * Records);
    std::filesystem::remove_all(folder);
}

}  // namespace

// The process's peak resident memory so far in kilobytes, or 0 once it has ended.
long PeakKilobytes(pid_t process)
{
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// Runs orvane-batch with these arguments, its standard output to that file and its messages to
// /dev/null; its exit status and peak resident memory in kilobytes. The peak is read from the
// running process every few milliseconds (the rusage of a child counts the memory of the process
// that started it, and an ended process has none left to read).
std::pair<int, long> RunTool(std::vector<std::string> arguments, const std::string& standardOutput)
{
    const std::string tool = ORVANE_BIN_DIR "/orvane-batch";
    arguments.insert(arguments.begin(), tool);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, standardOutput.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int error = posix_spawn(&child, tool.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return {-1, 0};
    long peak = 0;
    int exitStatus = 0;
    while (waitpid(child, &exitStatus, WNOHANG) == 0) {
        peak = std::max(peak, PeakKilobytes(child));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return {WIFEXITED(exitStatus) ? WEXITSTATUS(exitStatus) : -1, peak};
}

std::filesystem::path ToolFolder()
{
    return std::filesystem::temp_directory_path() / "orvane_bench_tool";
}

// The generated input of that many records, written at its first use and kept until the end.
std::string ToolInput(int64_t records)
{
    std::filesystem::create_directories(ToolFolder());
    const std::string input = (ToolFolder() / ("generated-" + std::to_string(records) + ".scn")).string();
    if (!std::filesystem::exists(input))
        WriteInput(input, records);
    return input;
}

void Tool(benchmark::State& state)
{
    const int64_t records = state.range(0);
    const std::string input = ToolInput(records);
    // The small batch writes its file as analysts do; the output of the large ones would fill the disk.
    const std::string output = records <= Records ? (ToolFolder() / "generated.out").string() : "-";
    long peak = 0;
    for (auto _ : state) {
        const auto [status, rss] = RunTool({"--force", "--jobs", std::to_string(state.range(1)), input, output}, "/dev/null");
        if (status != 0 && status != 3)  // 3: completed, with the error lines of the records out of range
            state.SkipWithError("orvane-batch did not complete");
        peak = std::max(peak, rss);
    }
    state.counters["PeakKB"] = static_cast<double>(peak);
    state.SetItemsProcessed(state.iterations() * records);
}

BENCHMARK(ProcessBatch)->ArgName("jobs")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(Tool)
    ->ArgNames({"records", "jobs"})
    ->Args({Records, 1})
    ->Args({Records, 2})
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Args({10000000, 1})
    ->Args({10000000, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--write-input") {
        WriteInput(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(ToolFolder());
    return 0;
}
