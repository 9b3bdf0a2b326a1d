// The orvane-batch tool, run as a user would run it.

#include "RunsTestSupport.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

const std::string Tool = std::string(ORVANE_BIN_DIR) + "/orvane-batch";

class OrvaneBatch : public ::testing::Test {
protected:
    // Runs the tool from the test folder with these arguments (already quoted where needed).
    ToolRun Start(const std::string& arguments, const std::string& tool = Tool) const
    {
        const std::string command = "cd '" + folder.path.string() + "' && '" + tool + "' " + arguments + " > '" +
                                    capture.File("out") + "' 2> '" + capture.File("err") + "'";
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
    EXPECT_EQ(run.status, 0) << run.err;
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
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadWhole(folder.File("results.out")), ReadWhole(Fixture("batch_three_expected.out")));
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

TEST_F(OrvaneBatch, FailuresEndWithANonZeroStatus)
{
    folder.Write("cut.scn", Record("A") + "3 1 0.4\r\n" + Record("C"));
    ToolRun run = Start("cut.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Generated 1 output datasets to " + folder.File("cut.out") +
                           "\nEncountered 0 errors.\nWrong number of values in line number 2\n");

    run = Start("absent.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Failed to open Scenario Input file: " + folder.File("absent.scn") + "\n");
    EXPECT_EQ(run.out, "Generated 0 output datasets to " + folder.File("absent.out") + "\nEncountered 0 errors.\n");

    folder.Write("good.scn", Record("A"));
    run = Start("good.scn missing/folder/x.out");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Failed to open Scenario Output file: " + folder.File("missing/folder/x.out") + "\n");
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

TEST_F(OrvaneBatch, CustomFuelModelsAndGlobalSettings)
{
    folder.Write("custom.scn", Record("Custom grass", "250", "4"));
    ToolRun run = Start("custom.scn");
    EXPECT_EQ(run.status, 0);
    const std::string withoutModel = ReadWhole(folder.File("custom.out"));
    EXPECT_EQ(withoutModel.substr(withoutModel.rfind("\r\n", withoutModel.size() - 3) + 2, 2), "0 ");

    run = Start("--force --fuel-models '" + Fixture("custom.fmd") + "' --hcrown 20000 --spread-direction 90 custom.scn");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string withModel = ReadWhole(folder.File("custom.out"));
    const std::string line = withModel.substr(withModel.rfind("\r\n", withModel.size() - 3) + 2);
    EXPECT_EQ(line.substr(0, 16), "1               ");  // a surface fire now
    EXPECT_NE(line.substr(48, 16), "0.00            ");  // with a spread rate

    run = Start("--fuel-models nowhere.fmd custom.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Failed to open Fuel Model file: " + folder.File("nowhere.fmd") + "\n");
}

TEST_F(OrvaneBatch, CommandLineErrorsHelpAndVersion)
{
    const std::pair<std::string, std::string> usageErrors[] = {
        {"", "no scenario input file given"},
        {"a.scn b.out c", "too many file names"},
        {"--split a.scn b.scn", "--split takes one scenario input file"},
        {"--hcrown warm a.scn", "--hcrown needs a heat content above 0 in kJ/kg"},
        {"--hcrown 0 a.scn", "--hcrown needs a heat content above 0 in kJ/kg"},
        {"--spread-direction 181 a.scn", "--spread-direction needs whole degrees from -180 to 180"},
        {"--fuel-models", "--fuel-models needs a file name"},
        {"--fast a.scn", "unknown option --fast"},
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
}
