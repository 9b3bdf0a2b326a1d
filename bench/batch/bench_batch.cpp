// Batch processing of generated scenario input files of 100,000 records, from reading the input to
// committing the output, in the two layouts analysts feed it: the compact one (one blank between the
// values: conifer, shrub and surface scenarios over 19 standard fuel models, one in fifty out of
// range) and the padded one the scenario file writer lays out (16-character columns, about 400 bytes a
// record: the three simulation types in turn, every standard fuel model as the low model of each, the
// same one in fifty out of range). In process with 1 and 2 workers (ProcessBatch/padded/jobs), and
// orvane-batch run as a user runs it (Tool/padded/records/jobs), which also reports the tool's peak
// memory (PeakKB, its resident kilobytes) for 100,000, one million and ten million records; the
// ten-million-record input takes about a gigabyte (compact) or four (padded) in the temporary folder
// while it runs. The tool's output goes to a file for the 100,000 records, to /dev/null for the
// others. Run from anywhere:
//   bench_batch --benchmark_repetitions=5 --benchmark_filter='records:100000/'
// `bench_batch --write-input FILE [RECORDS] [--padded]` writes the same file (100,000 records unless
// told) to time or count orvane-batch on; measure.sh beside this file does both.
#include "base/clsUserInteraction.h"
#include "runs/Batch.h"
#include "runs/ScenarioInput_IO.h"
#include "runs/clsRun.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
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

void WriteCompactInput(std::ostream& out, int64_t records)
{
    const int surfaceModels[] = {1, 2, 4, 5, 8, 9, 10, 101, 102, 121, 122, 141, 142, 145, 161, 165, 181, 186, 201};
    const int shrubModels[] = {4, 5, 141, 142, 145, 147};
    Numbers n;
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

// Record r is of simulation type 1 + r % 3 with standard model r / 3 (modulo their count) as its low
// model: every pair of type and model within 159 records.
void WritePaddedInput(std::ostream& out, int64_t records)
{
    const int standardModels[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  101,
                                  102, 103, 104, 105, 106, 107, 108, 109, 121, 122, 123, 124, 141, 142,
                                  143, 144, 145, 146, 147, 148, 149, 161, 162, 163, 164, 165, 181, 182,
                                  183, 184, 185, 186, 187, 188, 189, 201, 202, 203, 204};
    const int shrubModels[] = {4, 5, 141, 142, 145, 147};
    const ScenarioInput_IO writer;
    out << '#' << writer.Header() << "\r\n#" << std::string(writer.Header().size(), '-') << "\r\n";
    Numbers n;
    std::string line;
    for (int64_t r = 0; r < records; ++r) {
        const double type = static_cast<double>(1 + r % 3);
        const double low = standardModels[(r / 3) % static_cast<int64_t>(std::size(standardModels))];
        const double high = shrubModels[n.Next(std::size(shrubModels))];
        const double wind = r % 50 == 7 ? 75 : n.Next(400) / 10.0;  // one in fifty out of range
        const std::array<double, ScenarioInput_IO::FieldCount> values{
            type, low, (1 + n.Next(9)) / 10.0, 1, 1, 1, high, 0.4, 1, 1, 1,
            3.0 + n.Next(10), 4.0 + n.Next(10), 5.0 + n.Next(10), 30.0 + n.Next(150), 60.0 + n.Next(150),
            (10 + n.Next(9)) / 100.0, 1.0 + n.Next(20), (10 + n.Next(9)) / 10.0, 80.0 + n.Next(40),
            1.0 + n.Next(9), wind, static_cast<double>(n.Next(80)), static_cast<double>(n.Next(360))};
        line.clear();
        ScenarioInput_IO::AppendDataLine(line, values, "Scenario " + std::to_string(r));
        out << line << "\r\n";
    }
}

void WriteInput(const std::string& path, int64_t records = Records, bool padded = false)
{
    std::ofstream out(path, std::ios::binary);
    if (padded)
        WritePaddedInput(out, records);
    else
        WriteCompactInput(out, records);
}

void ProcessBatch(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "orvane_bench_batch";
    std::filesystem::create_directories(folder);
    const bool padded = state.range(0) != 0;
    const std::string input = (folder / "generated.scn").string();
    WriteInput(input, Records, padded);
    SilentInteraction ui;
    clsRun run(ui);
    if (!run.LoadFuelModelFile(ORVANE_BIN_DIR "/ModelParameters.f"))
        std::exit(1);
    Batch batch(run, ui);
    for (auto _ : state) {
        batch.gBatchIO.fileName = input;
        batch.gBatchIO.ofileName = (folder / "generated.out").string();
        const Batch::Result result = batch.ProcessBatch(static_cast<int>(state.range(1)));
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
std::string ToolInput(int64_t records, bool padded)
{
    std::filesystem::create_directories(ToolFolder());
    const std::string input =
        (ToolFolder() / ((padded ? "padded-" : "generated-") + std::to_string(records) + ".scn")).string();
    if (!std::filesystem::exists(input))
        WriteInput(input, records, padded);
    return input;
}

void Tool(benchmark::State& state)
{
    const bool padded = state.range(0) != 0;
    const int64_t records = state.range(1);
    const std::string input = ToolInput(records, padded);
    // The small batch writes its file as analysts do; the output of the large ones would fill the disk.
    const std::string output = records <= Records ? (ToolFolder() / "generated.out").string() : "-";
    long peak = 0;
    for (auto _ : state) {
        const auto [status, rss] = RunTool({"--force", "--jobs", std::to_string(state.range(2)), input, output}, "/dev/null");
        if (status != 0 && status != 3)  // 3: completed, with the error lines of the records out of range
            state.SkipWithError("orvane-batch did not complete");
        peak = std::max(peak, rss);
    }
    state.counters["PeakKB"] = static_cast<double>(peak);
    state.SetItemsProcessed(state.iterations() * records);
}

BENCHMARK(ProcessBatch)->ArgNames({"padded", "jobs"})->ArgsProduct({{0, 1}, {1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(Tool)
    ->ArgNames({"padded", "records", "jobs"})
    ->ArgsProduct({{0, 1}, {Records, 1000000, 10000000}, {1, 2}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--write-input") {
        const bool padded = std::string(argv[argc - 1]) == "--padded";
        const int64_t records = argc - padded > 3 ? std::stoll(argv[3]) : Records;
        WriteInput(argv[2], records, padded);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(ToolFolder());
    return 0;
}
