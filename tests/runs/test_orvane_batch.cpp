// The orvane-batch tool, run as a user would run it.

#include "GeneratedBatch.h"
#include "RunsTestSupport.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

const std::string Tool = std::string(ORVANE_BIN_DIR) + "/orvane-batch";

class OrvaneBatch : public ::testing::Test {
protected:
    // Runs the tool from the test folder with these arguments (already quoted where needed), its
    // standard input fed by a command when one is given.
    ToolRun Start(const std::string& arguments, const std::string& tool = Tool, const std::string& feed = "") const
    {
        const std::string command = "cd '" + folder.path.string() + "' && " + (feed.empty() ? "" : feed + " | ") + "'" +
                                    tool + "' " + arguments + " > '" + capture.File("out") + "' 2> '" +
                                    capture.File("err") + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWhole(capture.File("out")), ReadWhole(capture.File("err"))};
    }
    std::string Copy(const std::string& fixture, const std::string& as) const
    {
        return folder.Write(as, ReadWhole(Fixture(fixture)));
    }

    TempFolder folder;
    TempFolder capture{"capture"};
};

std::string Record(const std::string& name, const std::string& fuelModel = "1", const std::string& moisture = "30")
{
    return "3 " + fuelModel + " 0.4 1 1 1 1 0.4 1 1 1 " + moisture + " 30 30 100 100 0.1 10 1 100 2 10 20 0 " + name +
           "\r\n";
}

}  // namespace

TEST_F(OrvaneBatch, ProcessesTheThreeRecordExampleIntoTheProposedFile)
{
    Copy("batch_three.scn", "fires.scn");
    const ToolRun run = Start("fires.scn");
    EXPECT_EQ(run.status, 3) << run.err;  // completed, with an error line
    EXPECT_EQ(run.out, "Generated 2 output datasets to " + folder.File("fires.out") + "\nEncountered 1 errors.\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadWhole(folder.File("fires.out")), ReadWhole(Fixture("batch_three_expected.out")));
}

TEST_F(OrvaneBatch, AnExistingOutputIsReplacedOnlyWithForce)
{
    Copy("batch_three.scn", "fires.scn");
    folder.Write("results.out", "keep me\r\n");
    ToolRun run = Start("fires.scn results.out");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "The output file " + folder.File("results.out") + " already exists; use --force to replace it.\n");
    EXPECT_EQ(ReadWhole(folder.File("results.out")), "keep me\r\n");

    run = Start("--force fires.scn results.out");
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(ReadWhole(folder.File("results.out")), ReadWhole(Fixture("batch_three_expected.out")));

    // An input without data lines: the output is replaced by what was generated, the headers alone.
    folder.Write("empty.scn", "# nothing yet\r\n");
    run = Start("--force empty.scn results.out");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Generated 0 output datasets to " + folder.File("results.out") + "\nEncountered 0 errors.\n");
    const std::string expected = ReadWhole(Fixture("batch_three_expected.out"));
    EXPECT_EQ(ReadWhole(folder.File("results.out")), expected.substr(0, expected.find("\r\n0 ") + 2));
}

// Even with --force a read-only output is not replaced, whoever runs the tool; an output reached
// through a link is written where the link points, and the link stays.
TEST_F(OrvaneBatch, AReadOnlyOutputIsKeptAndALinkIsWrittenThrough)
{
    Copy("batch_three.scn", "fires.scn");
    const std::string kept = folder.Write("kept.out", "keep me\r\n");
    std::filesystem::permissions(kept, std::filesystem::perms(0444));
    ToolRun run = Start("--force fires.scn kept.out");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Failed to open Scenario Output file: " + kept + "\n");
    EXPECT_EQ(ReadWhole(kept), "keep me\r\n");

    folder.Write("shared.out", "old\r\n");
    std::filesystem::create_symlink("shared.out", folder.path / "link.out");
    run = Start("--force fires.scn link.out");
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "link.out"));
    EXPECT_EQ(ReadWhole(folder.File("shared.out")), ReadWhole(Fixture("batch_three_expected.out")));
}

TEST_F(OrvaneBatch, AnythingAtTheOutputPathCountsAndOnlyARegularFileIsReplaced)
{
    Copy("batch_three.scn", "fires.scn");
    ASSERT_EQ(mkfifo(folder.File("pipe.out").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", folder.path / "null.out");
    for (const std::string options : {"", "--force "}) {
        for (const char* name : {"pipe.out", "null.out"}) {
            const ToolRun run = Start(options + "fires.scn " + name);
            EXPECT_EQ(run.status, 1) << options << name;
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "The output file " + folder.File(name) +
                                   " is not a regular file. Please choose another output file.\n");
        }
    }
    EXPECT_TRUE(std::filesystem::is_fifo(folder.path / "pipe.out"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "null.out"));
}

TEST_F(OrvaneBatch, TheInputIsNeverTheOutput)
{
    folder.Write("plain", Record("A"));
    ToolRun run = Start("plain plain --force");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The output file " + folder.File("plain") +
                           " is the scenario input file being read. Please choose another output file.\n");
    EXPECT_EQ(ReadWhole(folder.File("plain")), Record("A"));

    run = Start("plain");  // no ".scn" in the name: the output gets ".out" added
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(folder.File("plain.out")));
}

TEST_F(OrvaneBatch, TheExitStatusTellsWhetherEveryRecordGaveAResult)
{
    folder.Write("good.scn", Record("A") + Record("B"));
    ToolRun run = Start("good.scn");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Generated 2 output datasets to " + folder.File("good.out") + "\nEncountered 0 errors.\n");

    // A record the engine cannot calculate is an error line, as an input error is.
    folder.Write("unknown.scn", Record("A") + Record("B", "99"));
    run = Start("unknown.scn");
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, "Generated 1 output datasets to " + folder.File("unknown.out") + "\nEncountered 1 errors.\n");
    EXPECT_NE(ReadWhole(folder.File("unknown.out"))
                  .find("\r\n#-- Calculation Error: record #2: CalculateTorviOutputs Failure[3002] LOW: Fuel model #99 "
                        "is missing from the Fuel Models collection.\r\n"),
              std::string::npos);
}

TEST_F(OrvaneBatch, AFailedRunWritesNothingAndPrintsNoSummary)
{
    folder.Write("cut.out", "previous\r\n");
    folder.Write("cut.scn", Record("A") + "3 1 0.4\r\n" + Record("C"));
    ToolRun run = Start("--force cut.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Wrong number of values in line number 2 of Scenario Input file: " + folder.File("cut.scn") +
                           "\nNothing was written to " + folder.File("cut.out") + ".\n");
    EXPECT_EQ(ReadWhole(folder.File("cut.out")), "previous\r\n");

    run = Start("absent.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Failed to open Scenario Input file: " + folder.File("absent.scn") + "\nNothing was written to " +
                           folder.File("absent.out") + ".\n");

    folder.Write("good.scn", Record("A"));
    run = Start("good.scn missing/folder/x.out");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Failed to open Scenario Output file: " + folder.File("missing/folder/x.out") + "\n");
}

TEST_F(OrvaneBatch, FilesThatCannotBeReadAreReportedNotCrashedOn)
{
    std::filesystem::create_directory(folder.File("d.scn"));
    folder.Write("a.scn", Record("A"));
    const std::string dir = folder.File("d.scn");
    const std::pair<std::string, std::string> cases[] = {
        {"d.scn", "Failed to open Scenario Input file: " + dir + "\nNothing was written to " + folder.File("d.out") + ".\n"},
        {"--split d.scn", "Failed to open Scenario Input file: " + dir + "\n"},
        {"--fuel-models /proc/self/mem a.scn", "Failed to read Fuel Model file: /proc/self/mem (Input/output error)\n"},
        {"--fuel-models d.scn a.scn", "Failed to open Fuel Model file: " + dir + "\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const ToolRun run = Start(arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.err, message) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("a.out")));
}

TEST_F(OrvaneBatch, AHugeLineIsRefusedWithoutBeingHeldInMemory)
{
    // 256 MiB of short tokens on one line, from a pipe.
    const ToolRun run = Start("/dev/stdin huge.out", Tool, "head -c 268435456 /dev/zero | tr '\\0' '1'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Line number 1 of Scenario Input file: /dev/stdin is longer than 1048576 characters\nNothing "
                       "was written to " + folder.File("huge.out") + ".\n");
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(usage.ru_maxrss, 128 * 1024) << "kilobytes at most of any program run";
}

TEST_F(OrvaneBatch, WorksAsAFilterBetweenStandardInputAndOutput)
{
    folder.Write("good.scn", Record("A") + Record("B", "99"));
    ASSERT_EQ(Start("good.scn").status, 3);
    const std::string lines = ReadWhole(folder.File("good.out"));
    const std::string summary = "Generated 1 output datasets to standard output\nEncountered 1 errors.\n";

    ToolRun run = Start("-", Tool, "cat good.scn");
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, lines);
    EXPECT_EQ(run.err, summary);

    run = Start("good.scn -");
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, lines);
    EXPECT_EQ(run.err, summary);

    run = Start("- piped.out", Tool, "cat good.scn");
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, "Generated 1 output datasets to " + folder.File("piped.out") + "\nEncountered 1 errors.\n");
    EXPECT_EQ(ReadWhole(folder.File("piped.out")), lines);

    // Standard output cannot be taken back: it keeps the lines before the failure, and says so.
    folder.Write("cut.scn", Record("A") + Record("B", "99") + "3 1 0.4\r\n" + Record("C"));
    run = Start("-", Tool, "cat cut.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, lines);
    EXPECT_EQ(run.err, "Wrong number of values in line number 3 of Scenario Input file: /dev/stdin\n"
                       "The output to standard output is incomplete.\n");
}

// A cluster engine's streaming interface cuts the input into blocks of whole lines and joins what
// the tool gives for each in order: the data lines are those of one run over the whole file. (Record
// numbers in error lines and the header lines are per block.)
TEST_F(OrvaneBatch, BlocksRunThroughGnuParallelJoinToTheLinesOfOneRun)
{
    folder.Write("generated.scn", GeneratedBatch::Input(20000));
    ASSERT_EQ(Start("generated.scn whole.out").status, 3);
    const auto split = [](const std::string& text) {
        std::vector<std::string> data;
        int headers = 0;
        for (std::size_t at = 0, end; at < text.size(); at = end + 2) {
            end = text.find("\r\n", at);
            const std::string line = text.substr(at, end - at);
            if (line.rfind("#FTYP ", 0) == 0)
                ++headers;
            if (line.rfind("#", 0) != 0)
                data.push_back(line);
        }
        return std::make_pair(data, headers);
    };
    const auto [wholeLines, wholeHeaders] = split(ReadWhole(folder.File("whole.out")));

    const ToolRun run =
        Start("--pipe --keep-order --block 300k '" + Tool + "' --jobs 1 -", "parallel", "cat generated.scn");
    const auto [joinedLines, blocks] = split(run.out);
    EXPECT_GT(blocks, 4);
    EXPECT_EQ(run.status, blocks) << run.err;  // the blocks whose run had error lines: all
    EXPECT_TRUE(joinedLines == wholeLines) << "the joined blocks hold other data lines";
    int64_t datasets = 0;
    for (std::size_t at = run.err.find("Generated "); at != std::string::npos; at = run.err.find("Generated ", at + 1))
        datasets += std::stoll(run.err.substr(at + 10));
    EXPECT_EQ(datasets, static_cast<int64_t>(wholeLines.size()));
}

// Progress goes to a terminal only: on a pseudo-terminal the line shows and is wiped before the
// summary; with standard error in a file nothing but the summary is written.
TEST_F(OrvaneBatch, ALongBatchShowsItsProgressOnATerminalOnly)
{
    std::string records;
    for (int i = 0; i < 200100; ++i)
        records += Record("S");
    folder.Write("long.scn", records);
    ToolRun run = Start("long.scn");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Generated 200100 output datasets to " + folder.File("long.out") + "\nEncountered 0 errors.\n");
    EXPECT_EQ(run.err, "");

    // A machine without pseudo-terminals (a bare container) cannot show what a terminal shows.
    if (Start("-qec true /dev/null", "script").status != 0)
        GTEST_SKIP() << "no pseudo-terminal for script(1)";
    run = Start("-qec \"'" + Tool + "' long.scn --force\" /dev/null", "script");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::size_t progress = run.out.find("\rProcessed ");
    ASSERT_NE(progress, std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" records/s, about ", progress), std::string::npos);
    const std::size_t summary = run.out.find("Generated 200100 output datasets");
    ASSERT_NE(summary, std::string::npos);
    EXPECT_GT(summary, progress);
    EXPECT_EQ(run.out[summary - 1], '\r') << "the progress line is wiped before the summary";

    folder.Write("short.scn", records.substr(0, records.size() / 2));
    run = Start("-qec \"'" + Tool + "' short.scn\" /dev/null", "script");
    EXPECT_EQ(run.out.find("Processed"), std::string::npos) << "no progress for a short batch";
}

TEST_F(OrvaneBatch, SplitsIntoTheInputFolder)
{
    std::filesystem::create_directory(folder.File("data"));
    folder.Write("data/batch.scn", Record("North") + Record("South") + Record(""));
    ToolRun run = Start("--split data/batch.scn");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Generated 3 scenario input files from " + folder.File("data/batch.scn") + "\n");
    for (const char* name : {"North.scn", "South.scn", "scenario-2.scn"})
        EXPECT_TRUE(std::filesystem::exists(folder.File(std::string("data/") + name))) << name;

    run = Start("--split data/batch.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The scenario file " + folder.File("data/North.scn") +
                           " already exists and is not replaced.\nUse --force to replace existing files.\n");
    run = Start("--split --force data/batch.scn");
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(OrvaneBatch, SplittingGivesEveryRecordAFileAndCountsTheFilesWritten)
{
    const std::string longName(300, 'L');
    folder.Write("batch.scn", Record("a/b") + Record("a\\b") + Record("a_b") + Record(longName) + "3 1\r\n");
    ToolRun run = Start("--split batch.scn");
    EXPECT_EQ(run.status, 1);  // the last line could not be read
    EXPECT_EQ(run.out, "Generated 4 scenario input files from " + folder.File("batch.scn") +
                           "\nWrong number of values in line number 5 of Scenario Input file: " + folder.File("batch.scn") +
                           "\nRecord #2 was written to a_b-2.scn, as a_b.scn was taken."
                           "\nRecord #3 was written to a_b-3.scn, as a_b.scn was taken.\n");
    EXPECT_EQ(run.err, "");
    for (const std::string& name : {std::string("a_b.scn"), std::string("a_b-2.scn"), std::string("a_b-3.scn"),
                                    std::string(251, 'L') + ".scn"})
        EXPECT_TRUE(std::filesystem::exists(folder.File(name))) << name;

    // A folder where a file would go stops the split without hinting at --force.
    std::filesystem::create_directory(folder.File("North.scn"));
    folder.Write("north.scn", Record("North"));
    run = Start("--split north.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "The scenario file " + folder.File("North.scn") + " is not a regular file and is not replaced.\n");

    // Records left out for values that are not numbers: the split completes, with errors.
    folder.Write("letters.scn", Record("One") + Record("Two", "x"));
    run = Start("--split letters.scn");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "Generated 1 scenario input files from " + folder.File("letters.scn") +
                           "\nInvalid FMlow value x in line number 2 of Scenario Input file: " + folder.File("letters.scn") +
                           "\n");
}

TEST_F(OrvaneBatch, CustomFuelModelsAndGlobalSettings)
{
    folder.Write("custom.scn", Record("Custom grass", "250", "4"));
    ToolRun run = Start("custom.scn");
    EXPECT_EQ(run.status, 3);
    const std::string withoutModel = ReadWhole(folder.File("custom.out"));
    EXPECT_EQ(withoutModel.substr(withoutModel.rfind("\r\n", withoutModel.size() - 3) + 2),
              "#-- Calculation Error: record #1: CalculateTorviOutputs Failure[3002] LOW: Fuel model #250 is missing "
              "from the Fuel Models collection.\r\n");

    run = Start("--force --fuel-models '" + Fixture("custom.fmd") + "' --hcrown 20000 --spread-direction 90 custom.scn");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string withModel = ReadWhole(folder.File("custom.out"));
    const std::string line = withModel.substr(withModel.rfind("\r\n", withModel.size() - 3) + 2);
    EXPECT_EQ(line.substr(0, 16), "1               ");  // a surface fire now
    EXPECT_NE(line.substr(48, 16), "0.00            ");  // with a spread rate

    run = Start("--fuel-models nowhere.fmd custom.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Failed to open Fuel Model file: " + folder.File("nowhere.fmd") + "\n");

    folder.Write("short.fmd", "ENGLISH\r\n1 2 3\r\n");
    run = Start("--fuel-models short.fmd custom.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Wrong number of values in line number 2 of Fuel Model file " + folder.File("short.fmd") + "\n");
}

// A shrub whose high model (SH2, extinction 15 %) is too wet to spread and a conifer stand on FM8
// whose crown model FM10 is past its extinction (25 %) at a 1-hour moisture of 28 %: result lines
// with "N/A" for the crowning and surfacing indices, ACBDactive and the cessation wind; no errors.
TEST_F(OrvaneBatch, RecordsWhoseHighModelDoesNotSpreadAreResults)
{
    folder.Write("wet.scn", "1 148 0.3 1 1 1 162 0.9 1 1 1 34 2 37 118 172 0.9 35 13 94 2 56 20 105 Shrub\r\n"
                            "2 8 0.4 1 1 1 10 0.4 1 1 1 28 8 10 100 100 0.15 6 1 100 6 20 20 0 Ridge\r\n");
    const ToolRun run = Start("wet.scn");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Generated 2 output datasets to " + folder.File("wet.out") + "\nEncountered 0 errors.\n");
    std::istringstream lines(ReadWhole(folder.File("wet.out")));
    int results = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        ++results;
        for (const std::size_t column : {10u, 11u, 15u, 17u})  // CRNI, SURI, ACBD, OWNDC
            EXPECT_EQ(line.substr(column * 16, 16), "N/A             ") << line;
        EXPECT_NE(line.substr(9 * 16, 3), "N/A") << "the torching index is a number: " << line;
    }
    EXPECT_EQ(results, 2);
}

TEST_F(OrvaneBatch, CommandLineErrorsHelpAndVersion)
{
    const std::pair<std::string, std::string> usageErrors[] = {
        {"", "no scenario input file given"},
        {"a.scn b.out c", "too many file names"},
        {"--split a.scn b.scn", "--split takes one scenario input file"},
        {"--hcrown warm a.scn", "--hcrown needs a heat content from 5000 to 40000 kJ/kg"},
        {"--hcrown 0 a.scn", "--hcrown needs a heat content from 5000 to 40000 kJ/kg"},
        {"--hcrown -5 a.scn", "--hcrown needs a heat content from 5000 to 40000 kJ/kg"},
        {"--hcrown 4999 a.scn", "--hcrown needs a heat content from 5000 to 40000 kJ/kg"},
        {"--hcrown 1e308 a.scn", "--hcrown needs a heat content from 5000 to 40000 kJ/kg"},
        {"--spread-direction 181 a.scn", "--spread-direction needs whole degrees from -180 to 180"},
        {"--fuel-models", "--fuel-models needs a file name"},
        {"--fast a.scn", "unknown option --fast"},
        {"--jobs 0 a.scn", "--jobs needs a whole number of threads from 1 to 1024"},
        {"--jobs 2.5 a.scn", "--jobs needs a whole number of threads from 1 to 1024"},
        {"--jobs", "--jobs needs a whole number of threads from 1 to 1024"},
        {"--split -", "--split writes beside its input file: it cannot read standard input"},
    };
    for (const auto& [arguments, message] : usageErrors) {
        const ToolRun run = Start(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "orvane-batch: " + message) << arguments;
        EXPECT_NE(run.err.find("Usage: orvane-batch"), std::string::npos);
    }
    ToolRun run = Start("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Usage: orvane-batch [options] INPUT.scn [OUTPUT.out]\n", 0), 0u);
    EXPECT_NE(run.out.find("  3  the run completed, but some scenarios gave error lines"), std::string::npos);
    run = Start("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("orvane-batch ", 0), 0u);
}

TEST_F(OrvaneBatch, RefusesToRunWithoutItsModelParameters)
{
    const std::string lonely = folder.File("lonely-tool");
    std::filesystem::copy_file(Tool, lonely);
    folder.Write("a.scn", Record("A"));
    const ToolRun run = Start("a.scn", lonely);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Failed to compute CRC for ModelParameters.f\n"
                       "The model parameters file has been changed. Torvi must be reinstalled.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("a.out")));

    // One that cannot be read: the same messages, not a crash.
    std::filesystem::create_symlink("/proc/self/mem", folder.path / "ModelParameters.f");
    const ToolRun unreadable = Start("a.scn", lonely);
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.err, run.err);
}
