// orvane-batch: batch processing and batch splitting of scenario input files without the window.

#include "cli/CommandLine.h"
#include "runs/Module1.h"
#include "base/NumberText.h"
#include "base/clsUserInteraction.h"
#include "base/clsUtils.h"
#include "runs/Batch.h"
#include "runs/SplitScnBatch.h"
#include "runs/clsRun.h"
#include "runs/clsGlobalSettings.h"
#include "cli/ChartCommand.h"
#include "cli/TableCommand.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string_view>

#include <unistd.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace CommandLine;

// As INPUT, standard input; as OUTPUT, standard output.
const std::string StandardStream = "-";

const char* const Usage =
    "Usage: orvane-batch [options] INPUT.scn [OUTPUT.out]\n"
    "       orvane-batch [options] --split INPUT.scn\n"
    "       orvane-batch --table ... (output tables: orvane-batch --table --help)\n"
    "       orvane-batch --chart ... (charts: orvane-batch --chart output --help)\n"
    "\n"
    "Runs the fire behaviour calculation over every scenario of a scenario input file and writes\n"
    "one result line per scenario into a scenario output file (by default the input's name with\n"
    "\".scn\" replaced by \".out\"). With --split, writes one scenario input file per scenario\n"
    "beside the input file instead.\n"
    "\n"
    "INPUT - reads standard input and OUTPUT - writes standard output (the default when INPUT is\n"
    "-), so that the tool works as a filter; the summary then goes to standard error. A file is\n"
    "replaced only by a run that completes, but standard output cannot be taken back: after a\n"
    "failure it holds the lines of the records before the one that failed.\n"
    "\n"
    "Options:\n"
    "  --jobs N                calculate on N threads (default: the number of processors); the\n"
    "                          output is the same for any N\n"
    "  --fuel-models FILE      load a custom fuel model file after the standard ones (repeatable)\n"
    "  --hcrown VALUE          heat content of crown fuel in kJ/kg, 5000 to 40000 (default 18000)\n"
    "  --spread-direction DEG  direction of the reported spread rates, -180 to 180 (default 0)\n"
    "  --force                 replace existing output files\n"
    "  --help                  show this help\n"
    "  --version               show the version\n"
    "\n"
    "Exit status:\n"
    "  0  every scenario gave a result line (or, with --split, a file)\n"
    "  1  the run failed: nothing was written, or (with --split) it stopped before the end\n"
    "  2  a command-line error\n"
    "  3  the run completed, but some scenarios gave error lines (or, with --split, were left out)\n"
    "The summary of a completed run goes to standard output (standard error when the output is\n"
    "standard output), messages to standard error. On a terminal, a batch of more than 200,000\n"
    "records shows its progress on standard error.\n";

// The progress of a long batch on a terminal: one line on standard error, written over as the batch
// goes on and removed at its end. Only batches of more than ProgressFrom records show it: the
// records done, or the records the input will hold by the bytes read so far.
class ProgressLine {
public:
    static constexpr int64_t ProgressFrom = 200000;

    void Show(int64_t records, int64_t bytesRead, int64_t bytesTotal)
    {
        const auto now = Clock::now();
        const double elapsed = std::chrono::duration<double>(now - start).count();
        const bool known = bytesTotal > 0 && bytesRead > 0;
        const double expected = known ? static_cast<double>(records) * static_cast<double>(bytesTotal) /
                                            static_cast<double>(bytesRead)
                                      : static_cast<double>(records);
        if (expected <= ProgressFrom || now < next || elapsed <= 0)
            return;
        next = now + std::chrono::milliseconds(250);
        const double rate = static_cast<double>(records) / elapsed;
        std::string text = "Processed " + std::to_string(records) + " records, " +
                           std::to_string(static_cast<int64_t>(rate)) + " records/s";
        if (known && rate > 0)
            text += ", about " + std::to_string(static_cast<int64_t>((expected - static_cast<double>(records)) / rate + 0.5)) +
                    " s left";
        if (text.size() < width)
            text.append(width - text.size(), ' ');
        width = text.size();
        std::cerr << '\r' << text << std::flush;
    }
    void Clear()
    {
        if (width > 0)
            std::cerr << '\r' << std::string(width, ' ') << '\r' << std::flush;
        width = 0;
    }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point start = Clock::now();
    Clock::time_point next = start;
    std::size_t width = 0;  // of the line on the terminal
};

// Messages go to standard error; there is nobody to ask, so questions are answered No and input
// boxes and file dialogs cancelled.
// The batch's progress line is cleared before a message, which would otherwise run into it.
class BatchConsole : public CommandLine::ConsoleInteraction {
public:
    void ShowMessage(const std::string& text) override
    {
        if (progress)
            progress->Clear();
        CommandLine::ConsoleInteraction::ShowMessage(text);
    }

    ProgressLine* progress = nullptr;  // on the terminal while a batch runs
};

constexpr int MaxJobs = 1024;

struct Options {
    int jobs = Batch::DefaultJobs();
    bool split = false;
    bool force = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> fuelModelFiles;
    double hcrown = 18000.0;
    int16_t spreadDirection = 0;
    std::vector<std::string> files;
};

// The options, or nothing after telling what is wrong.
std::optional<Options> ParseArguments(int argc, char* argv[])
{
    Options options;
    bool optionsEnded = false;
    auto fail = [](const std::string& message) { return UsageError<Options>(message, Usage); };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (IsOperand(arg, optionsEnded)) {
            options.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--split") {
            options.split = true;
        } else if (arg == "--force") {
            options.force = true;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--jobs") {
            int32_t jobs = 0;
            if (!hasValue || !NumberText::ParseInt32(argv[i + 1], jobs) || jobs < 1 || jobs > MaxJobs ||
                std::string_view(argv[i + 1]).find_first_not_of("0123456789") != std::string_view::npos)
                return fail("--jobs needs a whole number of threads from 1 to " + std::to_string(MaxJobs));
            options.jobs = jobs;
            ++i;
        } else if (arg == "--fuel-models") {
            if (!hasValue)
                return fail("--fuel-models needs a file name");
            options.fuelModelFiles.push_back(argv[++i]);
        } else if (arg == "--hcrown") {
            if (!hasValue || !NumberText::ParseDouble(argv[i + 1], options.hcrown) ||
                !clsGlobalSettings::HCrownInRange(options.hcrown))
                return fail("--hcrown needs a heat content from " + NumberText::FixedText(clsGlobalSettings::MinHCrown, 0) +
                            " to " + NumberText::FixedText(clsGlobalSettings::MaxHCrown, 0) + " kJ/kg");
            ++i;
        } else if (arg == "--spread-direction") {
            int32_t degrees = 0;
            if (!hasValue || !NumberText::ParseInt32(argv[i + 1], degrees) || degrees < -180 || degrees > 180)
                return fail("--spread-direction needs whole degrees from -180 to 180");
            options.spreadDirection = static_cast<int16_t>(degrees);
            ++i;
        } else {
            return fail("unknown option " + arg);
        }
    }
    if (options.help || options.version)
        return options;
    if (options.files.empty())
        return fail("no scenario input file given");
    if (options.files.size() > (options.split ? 1u : 2u))
        return fail(options.split ? "--split takes one scenario input file" : "too many file names");
    if (options.split && options.files[0] == StandardStream)
        return fail("--split writes beside its input file: it cannot read standard input");
    return options;
}

int RunBatch(clsRun& run, BatchConsole& ui, const Options& options)
{
    Batch batch(run, ui);
    const std::string& input = options.files[0];
    const bool fromStandardInput = input == StandardStream;
    batch.gBatchIO.fileName = fromStandardInput ? "/dev/stdin" : input;
    batch.gBatchIO.ofileName = options.files.size() > 1 ? options.files[1]
                               : fromStandardInput   ? Batch::StandardOutput
                                                     : Batch::ProposedOutputName(input);
    const bool toStandardOutput = batch.gBatchIO.ofileName == Batch::StandardOutput;
    if (!toStandardOutput && !options.force && clsUtils::FileExists(batch.gBatchIO.ofileName)) {
        ui.ShowMessage("The output file " + batch.gBatchIO.ofileName +
                       " already exists; use --force to replace it.");
        return ExitFailure;
    }
    ProgressLine progress;
    if (isatty(STDERR_FILENO)) {
        batch.OnProgress = [&progress](int64_t records, int64_t bytesRead, int64_t bytesTotal) {
            progress.Show(records, bytesRead, bytesTotal);
        };
        ui.progress = &progress;
    }
    const Batch::Result result = batch.ProcessBatch(options.jobs);
    progress.Clear();
    ui.progress = nullptr;
    if (!result.completed)
        return ExitFailure;
    (toStandardOutput ? std::cerr : std::cout) << ForTerminal(result.summary) << '\n';
    return result.errors > 0 ? ExitErrorLines : ExitSuccess;
}

int RunSplit(clsRun& run, BatchConsole& ui, const Options& options)
{
    SplitScnBatch split(run, ui);
    split.gSplitIO.fileName = options.files[0];
    const SplitScnBatch::Result result = split.SplitFile(options.force);
    if (!result.summary.empty())
        std::cout << ForTerminal(result.summary) << '\n';
    if (result.refusedExisting)
        ui.ShowMessage("Use --force to replace existing files.");
    if (!result.completed)
        return ExitFailure;
    return result.unreadRecords.empty() ? ExitSuccess : ExitErrorLines;
}

// Charts are drawn by orvane-chart beside this program, which takes over the whole command line
// (and so its exit status and messages): the batch tool itself links no drawing library.
int RunChart(char* argv[])
{
    const std::string chartProgram = (std::filesystem::path(ProgramFolder(argv[0])) / "orvane-chart").string();
    execv(chartProgram.c_str(), argv);
    std::cerr << "orvane-batch: --chart needs " << chartProgram << ": " << std::strerror(errno) << '\n';
    return ExitFailure;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (ChartCommand::Requested(argc, argv))
        return RunChart(argv);
    if (TableCommand::Requested(argc, argv)) {
        BatchConsole ui;
        return TableCommand::Run(argc, argv, ProgramFolder(argv[0]), ui);
    }
    std::optional<Options> parsed = ParseArguments(argc, argv);
    if (!parsed)
        return ExitUsage;
    Options& options = *parsed;
    if (options.help) {
        std::cout << Usage;
        return ExitSuccess;
    }
    if (options.version) {
        std::cout << "orvane-batch " << ORVANE_VERSION << '\n';
        return ExitSuccess;
    }
    for (std::string& file : options.files)
        if (file != StandardStream)
            file = Absolute(file);
    for (std::string& file : options.fuelModelFiles)
        file = Absolute(file);

    BatchConsole ui;
    clsRun run(ui);
    if (!Module1::CheckAndLoadModelParameters(ProgramFolder(argv[0]), run, ui))
        return ExitFailure;
    for (const std::string& file : options.fuelModelFiles)
        if (!run.LoadFuelModelFile(file))
            return ExitFailure;
    run.globalHCrown = options.hcrown;
    run.globalSpreadDirection = options.spreadDirection;
    return options.split ? RunSplit(run, ui, options) : RunBatch(run, ui, options);
}
