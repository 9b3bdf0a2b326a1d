// `orvane-batch --table`, run as a user would run it.

#include "base/NumberText.h"
#include "engine/FuelModel_IO.h"
#include "engine/clsTorvi.h"
#include "runs/ScenarioInput_IO.h"

#include "support/TempDir.h"
#include "support/ToolRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

const std::string Tool = std::string(ORVANE_BIN_DIR) + "/orvane-batch";
const std::string Grass = "3 1 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 10 20 0";
const std::string Timber = "2 10 0.4 1 1 1 10 0.4 1 1 1 6 8 10 100 100 0.15 6 1 100 6 20 20 0";

class TableCommand : public ::testing::Test {
protected:
    ToolResult Run(const std::string& arguments) const
    {
        return RunTool(Tool, folder.path.string(), "--table " + arguments, capture.path.string());
    }
    std::string Write(const std::string& name, const std::string& records) const
    {
        return folder.Write(name, "# scenarios\r\n" + records);
    }

    // The fireline intensity of a scenario data line with one change, straight from the engine.
    double Intensity(const std::string& dataLine, const std::function<void(clsTorviInputs&)>& change) const
    {
        const std::string file = capture.Write("one.scn", dataLine + " one\r\n");
        ScenarioInput_IO reader;
        clsTorviInputs record;
        std::string name;
        EXPECT_TRUE(reader.FetchFirstScenInp(file, record, name));
        reader.CloseScenInpFile();
        record.HCrown = 18000 * 0.430265351;
        change(record);
        FuelModel_IO models;
        models.LoadFuelModel(ORVANE_BIN_DIR "/ModelParameters.f");
        clsTorvi engine;
        engine.FuelModels = models.fmColl;
        bool success = false;
        return engine.CalculateTorviOutputs(record, success).FirelineIntensity;
    }

    TempDir folder;
    TempDir capture;
};

}  // namespace

TEST_F(TableCommand, WritesTheTableOfTheFirstFourScenarios)
{
    // B fails the range checks (wind 75 mi/hr), D holds a value that is no number, the fifth line is
    // never read.
    Write("fires.scn", Grass + " North\r\n" + "3 1 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 75 20 0 Windy\r\n" +
                           Timber + " Ridge\r\n" + "3 x 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 10 20 0 D\r\n" +
                           "broken\r\n");
    const ToolResult run = Run("--row SLOP --range 0:10:5 --output FLIN fires.scn");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Wrote a table of 3 rows to " + folder.File("fires.csv") + "\n");
    EXPECT_EQ(run.err, "");

    std::string expected =
        "Fireline Intensity (FLIN)\r\nSlope,A,,C,\r\npercent,BTU/ft-sec,BTU/ft-sec,BTU/ft-sec,BTU/ft-sec\r\n";
    for (int slope : {0, 5, 10}) {
        auto at = [&](clsTorviInputs& in) { in.PercentSlope = slope; };
        expected += std::to_string(slope) + "," + NumberText::ShortestText(Intensity(Grass, at)) + ",," +
                    NumberText::ShortestText(Intensity(Timber, at)) + ",\r\n";
    }
    expected += "\r\nInputs\r\n"
                "SIMT,3,,2,\r\nFMlow,1,,10,\r\nWNDRlow,0.4,,0.4,\r\nROSMlow,1,,1,\r\nLADMlow,1,,1,\r\nFLIMlow,1,,1,\r\n"
                "FMhigh,1,,10,\r\nWNDRhigh,0.4,,0.4,\r\nROSMhigh,1,,1,\r\nLADMhigh,1,,1,\r\nFLIMhigh,1,,1,\r\n"
                "MC01,6,,6,\r\nMC10,8,,8,\r\nMC100,10,,10,\r\nMCLH,100,,100,\r\nMCLW,100,,100,\r\n"
                "ACBD,0.1,,0.15,\r\nCABH,10,,6,\r\nACFL,1,,1,\r\nFOMC,100,,100,\r\nSTFL,2,,6,\r\n"
                "OWND,10,,20,\r\nSLOP,10,,10,\r\nWDIR,0,,0,\r\n";
    EXPECT_EQ(ReadBytes(folder.File("fires.csv")), expected);
}

// "-" is standard input and standard output, as in batch mode: the same bytes as the file, the
// summary on standard error, and no file named "-".
TEST_F(TableCommand, ADashReadsStandardInputAndWritesStandardOutput)
{
    Write("fires.scn", Grass + " North\r\n" + Timber + " Ridge\r\n");
    const std::string options = "--row SLOP --range 0:10:5 --page OWND=15 --output FLML ";
    ASSERT_EQ(Run(options + "fires.scn table.csv").status, 0);
    const std::string table = ReadBytes(folder.File("table.csv"));
    for (const std::string files : {"- - < fires.scn", "- < fires.scn", "fires.scn -"}) {
        SCOPED_TRACE(files);
        const ToolResult run = Run(options + files);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, table);
        EXPECT_EQ(run.err, "Wrote a table of 3 rows to standard output\n");
        EXPECT_FALSE(std::filesystem::exists(folder.path / "-"));
    }
    // A table read from standard input into a named file.
    const ToolResult run = Run(options + "- piped.csv < fires.scn");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(folder.File("piped.csv")), table);
}

TEST_F(TableCommand, ValuesAreInTheUnitsOfScenarioFiles)
{
    Write("shrub.scn", "1 5 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 15 30 90 Shrub\r\n");
    const ToolResult run = Run("--row 7 --range 3:1:2 --page SLOP=12.5 --output 6 shrub.scn out.csv");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string table = ReadBytes(folder.File("out.csv"));
    EXPECT_EQ(table.substr(0, table.find("\r\n3,")),
              "Flame Length (FLML)\r\nTransition flame length,A,,,\r\nfeet,feet,feet,feet,feet");
    EXPECT_NE(table.find("\r\n1,"), std::string::npos);
    EXPECT_NE(table.find("\r\nSTFL,1,,,\r\n"), std::string::npos);  // the last row, in feet
    EXPECT_NE(table.find("\r\nSLOP,12,,,\r\n"), std::string::npos);  // 12.5 to the even neighbour
}

TEST_F(TableCommand, RefusesWhatItCannotUse)
{
    Write("a.scn", Grass + " A\r\n");
    struct Case {
        std::string arguments;
        int status;
        std::string firstError;
    };
    const Case cases[] = {
        {"--row OWND --range 0:70:2 --output 4 a.scn", 2,
         "orvane-batch: --range: Invalid value: Please enter a Maximum value between 0 and 60"},
        {"--row OWND --range 0:10:0.04 --output 4 a.scn", 2,
         "orvane-batch: --range: Invalid value: Please enter a Step value between 0.1 and 60"},
        {"--row OWND --range 0:ten:1 --output 4 a.scn", 2,
         "orvane-batch: --range: Please enter a valid Maximum number within the range [0 - 60]"},
        {"--row OWND --range 0::1 --output 4 a.scn", 2, "orvane-batch: --range: MAX is missing"},
        {"--row OWND --range 0:10:1 --page MCLH=20 --output 4 a.scn", 2,
         "orvane-batch: --page: Invalid value: Please enter a value between 30 and 300"},
        {"--row OWND --range 0:10 --output 4 a.scn", 2, "orvane-batch: --range needs MIN:MAX:STEP"},
        {"--row WIND --range 0:10:1 --output 4 a.scn", 2, "orvane-batch: --row needs a variable code or id 1-11"},
        {"--row 12 --range 0:10:1 --output 4 a.scn", 2, "orvane-batch: --row needs a variable code or id 1-11"},
        {"--row 1 --range 0:10:1 --output 17 a.scn", 2, "orvane-batch: --output needs an output code or id 1-16"},
        {"--row 1 --range 0:10:1 --page 3 --output 1 a.scn", 2,
         "orvane-batch: --page needs VAR=VALUE with a variable code or id 1-11"},
        {"--range 0:10:1 --output 1 a.scn", 2, "orvane-batch: --table needs --row"},
        {"--row 1 --range 0:10:1 --output 1", 2, "orvane-batch: no scenario input file given"},
        {"--row 1 --range 0:10:1 --output 1 --fast a.scn", 2, "orvane-batch: unknown option --fast"},
        {"--row 1 --range 0:10:1 --output 1 absent.scn", 1,
         "Failed to open Scenario Input file: " + folder.File("absent.scn")},
        {"--row 1 --range 0:10:1 --output 1 a.scn a.scn --force", 1,
         "The output file " + folder.File("a.scn") + " is the scenario input file. Please name another output file."},
    };
    for (const Case& c : cases) {
        const ToolResult run = Run(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstError) << c.arguments;
        EXPECT_FALSE(std::filesystem::exists(folder.File("a.csv"))) << c.arguments;
    }
    EXPECT_EQ(ReadBytes(folder.File("a.scn")), "# scenarios\r\n" + Grass + " A\r\n");
    const ToolResult help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: orvane-batch --table --row VAR", 0), 0u);
}

TEST_F(TableCommand, WritesNothingWhenNoTableCanBeComputed)
{
    Write("bad.scn", "3 1 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 99 20 0 Gale\r\n");
    ToolResult run = Run("--row SLOP --range 0:10:5 --output FLIN bad.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "No scenario of " + folder.File("bad.scn") + " passed the checks: no table was written.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("bad.csv")));

    Write("missing.scn", "3 77 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 10 20 0 Custom\r\n");
    run = Run("--row SLOP --range 0:10:5 --output FLIN missing.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Scenario A, row 1 (Slope 0 percent): CalculateTorviOutputs Failure[3002] LOW: Fuel model "
                       "#77 is missing from the Fuel Models collection.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing.csv")));

    Write("short.scn", Grass + " A\r\n3 1 0.4\r\n");
    run = Run("--row SLOP --range 0:10:5 --output FLIN short.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Wrong number of values in line number 3 of Scenario Input file: " + folder.File("short.scn") + "\n");
}

TEST_F(TableCommand, ReplacesAnExistingTableOnlyWithForce)
{
    Write("a.scn", Grass + " A\r\n");
    folder.Write("a.csv", "keep me\r\n");
    ToolResult run = Run("--row SLOP --range 0:10:5 --output FLIN a.scn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The output file " + folder.File("a.csv") + " already exists; use --force to replace it.\n");
    EXPECT_EQ(ReadBytes(folder.File("a.csv")), "keep me\r\n");
    run = Run("--force --row SLOP --range 0:10:5 --output FLIN a.scn");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(folder.File("a.csv")).substr(0, 25), "Fireline Intensity (FLIN)");
}
