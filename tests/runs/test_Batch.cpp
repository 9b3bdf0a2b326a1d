#include "runs/Batch.h"

#include "RunsTestSupport.h"
#include "runs/clsRun.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingInteraction.h"

#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A surface fire in fuel model 1 too wet to spread (1-h moisture 30 above its extinction at 12):
// its spread outputs are 0. `changes` replaces values by field index.
std::string Record(const std::string& name, const std::vector<std::pair<int, std::string>>& changes = {})
{
    std::string values[24] = {"3", "1", "0.4", "1", "1", "1", "1", "0.4", "1", "1", "1", "30",
                              "30", "30", "100", "100", "0.1", "10", "1", "100", "2", "10", "20", "0"};
    for (const auto& [index, value] : changes)
        values[index] = value;
    std::string line;
    for (const std::string& value : values)
        line += value + " ";
    return line + name;
}

// A fire that does not spread: spread outputs 0, its indices and crown thresholds not reachable.
const std::string ZeroLine =
    "0               0               0.00            0.00            0               0               0.0             "
    "0.00            0.0             N/A             N/A             N/A             N/A             N/A             "
    "N/A             N/A             N/A             N/A             ";

// The columns of a result line.
std::vector<std::string> Columns(const std::string& line)
{
    std::vector<std::string> columns;
    std::istringstream words(line);
    for (std::string word; words >> word;)
        columns.push_back(word);
    return columns;
}


class BatchTest : public ::testing::Test {
protected:
    BatchTest() : run(ui), batch(run, ui)
    {
        EXPECT_TRUE(run.LoadFuelModelFile(std::string(ORVANE_BIN_DIR) + "/ModelParameters.f"));
    }

    // Processes an input file of these lines into "out.out".
    Batch::Result Process(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        batch.gBatchIO.fileName = folder.Write("in.scn", text);
        batch.gBatchIO.ofileName = folder.File("out.out");
        return batch.ProcessBatch();
    }
    std::string Output() const { return ReadWhole(folder.File("out.out")); }
    // The error lines of the output, each with its line end.
    std::string ErrorLines() const
    {
        std::string errors;
        std::istringstream lines(Output());
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("#-- ", 0) == 0)
                errors += line + "\n";
        return errors;
    }
    std::string Headers() const
    {
        const std::string expected = ReadWhole(Fixture("output_expected.out"));
        return expected.substr(0, expected.find("\r\n3 ") + 2);
    }
    std::string Summary(int datasets, int errors) const
    {
        return "Generated " + std::to_string(datasets) + " output datasets to " + folder.File("out.out") +
               "\r\nEncountered " + std::to_string(errors) + " errors.";
    }

    TempFolder folder;
    RecordingInteraction ui;
    clsRun run;
    Batch batch;
};

}  // namespace

TEST_F(BatchTest, ThreeRecordsWithAnOutOfRangeWindInTheMiddle)
{
    batch.gBatchIO.fileName = Fixture("batch_three.scn");
    batch.gBatchIO.ofileName = folder.File("three.out");
    const Batch::Result result = batch.ProcessBatch();
    EXPECT_EQ(ReadWhole(folder.File("three.out")), ReadWhole(Fixture("batch_three_expected.out")));
    EXPECT_EQ(result.summary, "Generated 2 output datasets to " + folder.File("three.out") + "\r\nEncountered 1 errors.");
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.datasets, 2);
    EXPECT_EQ(result.errors, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(batch.gBatchIO.Name, " South");
    for (int s = 1; s <= 4; ++s)
        EXPECT_TRUE(run.io(s).IsEmpty);
}

TEST_F(BatchTest, AnInvalidFirstRecordStillGivesTheHeaders)
{
    const Batch::Result result = Process({Record("A", {{11, "61"}}), Record("B")});
    EXPECT_EQ(Output(), Headers() + "#-- Input Error: record #1 contains invalid MC01 data: " + Record("A", {{11, "61"}}) +
                            "\r\n" + ZeroLine + "B               \r\n");
    EXPECT_EQ(result.summary, Summary(1, 1));
}

TEST_F(BatchTest, OnlyTheFirstFailingFieldIsNamed)
{
    // Each field is checked where the scenario uses it: the canopy, every moisture and the high
    // multipliers in a conifer stand over fuel model 2 (all five size classes with fuel model 10),
    // the high side in a shrub field of fuel model 4 under fuel model 4.
    using Changes = std::vector<std::pair<int, std::string>>;
    const Changes conifer = {{0, "2"}, {1, "2"}};
    const Changes shrub = {{0, "1"}, {1, "4"}, {6, "4"}};
    struct Case {
        Changes base;
        Changes changes;
        std::string key;
    };
    const Case cases[] = {
        {conifer, {{12, "70"}, {22, "101"}}, "MC10"}, {{}, {{22, "101"}}, "SLOP"},
        {{}, {{11, "-1"}}, "MC01"},                   {conifer, {{14, "29"}}, "MCLH"},
        {conifer, {{13, "61"}}, "MC100"},             {conifer, {{15, "301"}}, "MCLW"},
        {conifer, {{16, "1.01"}}, "ACBD"},            {conifer, {{17, "99.5"}}, "CABH"},
        {conifer, {{19, "121"}}, "FOMC"},             {conifer, {{18, "16"}}, "ACFL"},
        {{}, {{23, "361"}}, "WDIR"},                  {{}, {{2, "0.09"}}, "WNDRlow"},
        {{}, {{5, "5.1"}}, "FLIMlow"},                {shrub, {{7, "1.1"}}, "WNDRhigh"},
        {shrub, {{10, "0.1"}}, "FLIMhigh"},           {shrub, {{20, "99.5"}}, "STFL"},
        {conifer, {{9, "5.1"}}, "LADMhigh"},
        {{}, {{21, "60.5"}}, "OWND"},
    };
    for (const Case& c : cases) {
        Changes changes = c.base;
        changes.insert(changes.end(), c.changes.begin(), c.changes.end());
        const std::string bad = Record("X", changes);
        Process({bad});
        EXPECT_EQ(Output(), Headers() + "#-- Input Error: record #1 contains invalid " + c.key + " data: " + bad + "\r\n")
            << c.key;
    }
}

TEST_F(BatchTest, LimitsAreTheNativeOnesWhateverUnitIsShown)
{
    run.units.CvtOpenWindSpd(2, 1);  // km/hr shown: 0 to 100
    run.units.CvtInitiation(1, 1);   // meters shown: 0 to 30
    // The shrub transition flame length counts in shrub fields.
    const std::string taller = Record("taller", {{0, "1"}, {20, "99.1"}});
    const Batch::Result result = Process({Record("fast", {{21, "75"}}), Record("edge", {{21, "60"}}),
                                          Record("tall", {{0, "1"}, {20, "99"}}), taller});
    EXPECT_EQ(ErrorLines(), "#-- Input Error: record #1 contains invalid OWND data: " + Record("fast", {{21, "75"}}) +
                                "\r\n#-- Input Error: record #4 contains invalid STFL data: " + taller + "\r\n");
    EXPECT_EQ(result.summary, Summary(2, 2));
}

// A scenario saved from the window holds 0 (or whatever its box last held) in every input its
// boxes do not ask for; batch processing takes it as the window does.
TEST_F(BatchTest, InputsTheScenarioDoesNotUseAreNotChecked)
{
    const std::vector<std::string> records = {
        // Conifer over TU5, which carries no live herbaceous fuel (nor does fuel model 10).
        Record("TU5 stand", {{0, "2"}, {1, "165"}, {14, "0"}, {20, "0"}, {7, "0"}}),
        // Surface grass: no canopy, no high side, no heavier fuel.
        Record("grass", {{12, "0"}, {13, "99"}, {14, "0"}, {15, "0"}, {16, "7"}, {17, "500"}, {18, "99"},
                         {19, "0"}, {20, "500"}, {7, "0"}, {8, "0"}, {9, "9"}, {10, "0"}}),
        // Shrub fields have no canopy base height, canopy fuel load or foliar moisture.
        Record("shrub", {{0, "1"}, {17, "-1"}, {18, "-1"}, {19, "-1"}}),
    };
    const Batch::Result result = Process(records);
    EXPECT_EQ(ErrorLines(), "");
    EXPECT_EQ(result.errors, 0);
    EXPECT_EQ(result.summary, Summary(3, 0));

    // The same values where they are used are refused.
    Process({Record("herbs", {{0, "2"}, {1, "102"}, {14, "0"}})});
    EXPECT_EQ(ErrorLines(), "#-- Input Error: record #1 contains invalid MCLH data: " +
                                Record("herbs", {{0, "2"}, {1, "102"}, {14, "0"}}) + "\r\n");
}

TEST_F(BatchTest, ARecordWithLettersIsAnErrorAndTheBatchGoesOn)
{
    const Batch::Result result =
        Process({Record("A", {{17, "high"}}), Record("B"), Record("C", {{21, "12,5"}}), Record("D")});
    EXPECT_EQ(Output(), Headers() + "#-- Input Error: record #1 contains invalid CABH data: " + Record("A", {{17, "high"}}) +
                            "\r\n" + ZeroLine + "B               \r\n" +
                            "#-- Input Error: record #3 contains invalid OWND data: " + Record("C", {{21, "12,5"}}) +
                            "\r\n" + ZeroLine + "D               \r\n");
    EXPECT_EQ(result.summary, Summary(2, 2));
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BatchTest, AnInputThatCannotBeReadToItsEndWritesNothing)
{
    // The previous output stays: a part of the input must not pass for the whole of it.
    struct Case {
        std::vector<std::string> lines;
        std::string message;
    };
    const std::string input = folder.File("in.scn");
    const Case cases[] = {
        {{"# comment", Record("A"), "3 1 0.4", Record("C")}, "Wrong number of values in line number 3 of Scenario Input file: " + input},
        {{"3 1", Record("B")}, "Wrong number of values in line number 1 of Scenario Input file: " + input},
        {{Record("A"), std::string(clsLineReader::MaxLineLength + 1, '3')},
         "Line number 2 of Scenario Input file: " + input + " is longer than 1048576 characters"},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        folder.Write("out.out", "previous\r\n");
        const Batch::Result result = Process(c.lines);
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message + "\r\nNothing was written to " + folder.File("out.out") + "."});
        EXPECT_EQ(result.summary, "");
        EXPECT_FALSE(result.completed);
        EXPECT_EQ(Output(), "previous\r\n");
        EXPECT_EQ(ui.busyChanges.back(), false);
    }
}

TEST_F(BatchTest, AnInputWithoutDataGivesTheHeadersAlone)
{
    folder.Write("out.out", "previous\r\n");
    batch.gBatchIO.IData.VegType = 3;  // a record left from an earlier batch
    batch.gBatchIO.Name = " stale";
    const Batch::Result result = Process({"# nothing here", ""});
    EXPECT_EQ(result.summary, Summary(0, 0));
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(Output(), Headers());
}

TEST_F(BatchTest, AnInputThatCannotBeOpenedOrReadIsReportedWithoutSummary)
{
    for (const std::string& input : {folder.File("absent.scn"), folder.path.string()}) {
        ui.messages.clear();
        batch.gBatchIO.fileName = input;
        batch.gBatchIO.ofileName = folder.File("out.out");
        const Batch::Result result = batch.ProcessBatch();
        EXPECT_EQ(ui.messages, (std::vector<std::string>{"Failed to open Scenario Input file: " + input +
                                                         "\r\nNothing was written to " + folder.File("out.out") + "."}));
        EXPECT_EQ(result.summary, "");
        EXPECT_FALSE(result.completed);
        EXPECT_FALSE(std::filesystem::exists(folder.File("out.out")));
    }
    batch.gBatchIO.fileName = "/proc/self/mem";
    batch.ProcessBatch();
    EXPECT_EQ(ui.messages.back(), "Failed to read Scenario Input file: /proc/self/mem (Input/output error)"
                                  "\r\nNothing was written to " + folder.File("out.out") + ".");
}

TEST_F(BatchTest, AnOutputThatCannotBeCreatedAbortsWithoutSummary)
{
    batch.gBatchIO.fileName = folder.Write("in.scn", Record("A") + "\r\n" + Record("B") + "\r\n");
    batch.gBatchIO.ofileName = folder.File("missing/out.out");
    const Batch::Result result = batch.ProcessBatch();
    EXPECT_EQ(result.summary, "");
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Failed to open Scenario Output file: " + folder.File("missing/out.out")}));
    EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
    clsTorviInputs record;
    std::string name;
    EXPECT_FALSE(run.scenIn_IO.FetchNextScenInp(record, name));  // the input was closed
    EXPECT_EQ(run.scenIn_IO.errStr, "Scenario input file is not open");
}

TEST_F(BatchTest, AnOutputThatFailsHalfWayKeepsThePreviousFile)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += Record("A") + "\r\n";
    batch.gBatchIO.fileName = folder.Write("in.scn", text);
    batch.gBatchIO.ofileName = folder.Write("out.out", "previous\r\n");
    Batch::Result result;
    {
        FileSizeLimit full(20000);  // a third of the output
        result = batch.ProcessBatch();
    }
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Failed to write Scenario Output file: " + folder.File("out.out") +
                                                    " (File too large)"});
    EXPECT_EQ(result.summary, "");
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(Output(), "previous\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 2);
}

TEST_F(BatchTest, AnOutputThatIsNoRegularFileIsRefused)
{
    const std::string input = folder.Write("in.scn", Record("A") + "\r\n");
    ASSERT_EQ(mkfifo(folder.File("pipe.out").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", folder.path / "null.out");
    for (const char* name : {"pipe.out", "null.out"}) {
        ui.messages.clear();
        batch.gBatchIO.fileName = input;
        batch.gBatchIO.ofileName = folder.File(name);
        const Batch::Result result = batch.ProcessBatch();
        EXPECT_EQ(ui.messages, std::vector<std::string>{"The output file " + folder.File(name) +
                                                        " is not a regular file. Please choose another output file."});
        EXPECT_FALSE(result.completed);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(folder.path / "pipe.out"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "null.out"));
}

TEST_F(BatchTest, TheOutputIsNeverTheInput)
{
    const std::string input = folder.Write("same.scn", Record("A") + "\r\n");
    batch.gBatchIO.fileName = input;
    batch.gBatchIO.ofileName = folder.path.string() + "/./same.scn";
    const Batch::Result result = batch.ProcessBatch();
    EXPECT_EQ(result.summary, "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "The output file " + batch.gBatchIO.ofileName +
                                  " is the scenario input file being read. Please choose another output file.");
    EXPECT_EQ(ReadWhole(input), Record("A") + "\r\n");
}

TEST(Batch, ProposedOutputNames)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/data/fires.scn", "/data/fires.out"},   {"C:\\data\\fires.scn", "C:\\data\\fires.out"},
        {"fires.scn", "fires.out"},               {"a.scn.scn", "a.out.out"},
        {"/data/fires", "/data/fires.out"},       {"/data/fires.SCN", "/data/fires.SCN.out"},
        {"/runs.scn/fires", "/runs.scn/fires.out"}, {"/data/my.scnx", "/data/my.outx"},
    };
    for (const auto& [input, output] : cases)
        EXPECT_EQ(Batch::ProposedOutputName(input), output) << input;
}

TEST_F(BatchTest, TheConiferTypeAndTheGlobalSettingsReachTheEngine)
{
    run.globalSpreadDirection = 45;
    // A dry conifer stand whose file names fuel model 4 as the high model.
    const std::string conifer =
        Record("Stand", {{0, "2"}, {6, "4"}, {7, "0.9"}, {1, "10"}, {11, "4"}, {12, "5"}, {13, "6"}, {21, "20"}});
    Process({conifer});
    const clsTorviInputs& used = batch.gBatchIO.IData;
    EXPECT_EQ(used.HighInputs.fuelModelID, 10);
    EXPECT_DOUBLE_EQ(used.HighInputs.WindReductionFactor, 0.4);
    EXPECT_NEAR(used.HCrown, 7744.776318, 1e-6);  // 18000 kJ/kg in btu/lb
    EXPECT_EQ(used.SpreadDirection, 45);
    EXPECT_EQ(used.Temperature, 0);

    // The line is the engine's own result for that record.
    clsTorviInputs direct = used;
    bool success = false;
    const clsTorviOutputs expected = run.torvi.CalculateTorviOutputs(direct, success);
    ASSERT_TRUE(success);
    ASSERT_GT(expected.RateOfSpread, 0);
    ScenarioOutput_IO writer(run.units);
    ASSERT_TRUE(writer.SaveScenOutp(folder.File("direct.out"), expected, " Stand"));
    EXPECT_EQ(Output(), ReadWhole(folder.File("direct.out")));
}

TEST_F(BatchTest, ARecordTheEngineCannotCalculateIsAnErrorLine)
{
    // An unknown fuel model and a simulation type outside 1 to 3: neither may pass for a fire too
    // wet to spread. A shrub whose high model (SH2, extinction 15 %) is too wet to spread at a
    // 1-hour moisture of 34 % is a result: its active crown thresholds are not reachable.
    const std::string wetShrub = "1 148 0.3 1 1 1 162 0.9 1 1 1 34 2 37 118 172 0.9 35 13 94 2 56 20 105 Wet";
    const Batch::Result result =
        Process({Record("Missing model", {{1, "99"}}), Record("Type four", {{0, "4"}}), Record("Fine"), wetShrub});
    const std::string output = Output();
    EXPECT_EQ(output.substr(0, output.rfind("\r\n", output.size() - 3) + 2),
              Headers() +
                  "#-- Calculation Error: record #1: CalculateTorviOutputs Failure[3002] LOW: Fuel model #99 "
                  "is missing from the Fuel Models collection.\r\n"
                  "#-- Calculation Error: record #2: CalculateTorviOutputs Failure[2001] Invalid VegType: 4\r\n" +
                  ZeroLine + "Fine            \r\n");
    const std::string last = output.substr(output.rfind("\r\n", output.size() - 3) + 2);
    const std::vector<std::string> columns = Columns(last);
    ASSERT_EQ(columns.size(), 19u) << last;
    EXPECT_TRUE(columns[1] == "surface" || columns[1] == "passive") << last;
    EXPECT_EQ(columns[2], "0.00") << "no crown fraction burned: " << last;
    for (const std::size_t notReachable : {10, 11, 15, 17})  // CRNI, SURI, ACBDactive, OWNDcessation
        EXPECT_EQ(columns[notReachable], "N/A") << notReachable << ": " << last;
    for (const std::size_t number : {3, 9, 12, 16})  // SPRT, TORI, FLINinitiation, SPRTactive
        EXPECT_NE(columns[number], "N/A") << number << ": " << last;
    // Padded like any field: the name column starts where it starts on every line.
    EXPECT_EQ(last.find("Wet"), 18u * 16u) << last;
    EXPECT_EQ(result.summary, Summary(2, 2));
    EXPECT_EQ(result.datasets, 2);
    EXPECT_EQ(result.errors, 2);
    EXPECT_TRUE(result.completed);
}

TEST_F(BatchTest, TheBatchCommandAsksForTheFilesAndShowsTheSummary)
{
    const std::string input = folder.Write("fires.scn", Record("A") + "\r\n");
    const std::string output = folder.Write("fires.out", "previous\r\n");
    ui.chosenFiles = {input};
    ui.answers = {true};
    batch.RunBatch();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const auto& request = ui.fileRequests[0];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.filter, "Scenario Input Files (*.scn)|*.scn");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.title, "Select scenario input file");
    EXPECT_EQ(request.flags, 0x1000);
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"The output file " + output +
                                                      " already exists.\r\nWould you like to overwrite this file?"}));
    EXPECT_EQ(ui.questionTitles, (std::vector<std::string>{"Output file already exists"}));
    EXPECT_EQ(ReadWhole(output), Headers() + ZeroLine + "A               \r\n");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Generated 1 output datasets to " + output + "\r\nEncountered 0 errors."}));
}

TEST_F(BatchTest, AnsweringNoOffersTheSaveDialogAndCancellingStops)
{
    const std::string input = folder.Write("fires.scn", Record("A") + "\r\n");
    const std::string output = folder.Write("fires.out", "previous\r\n");
    ui.chosenFiles = {input};
    ui.answers = {false};
    batch.RunBatch();
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    const auto& request = ui.fileRequests[1];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.filter, "Scenario Output Files (*.out)|*.out");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.title, "Specify scenario output file");
    EXPECT_EQ(request.flags, 2);
    EXPECT_EQ(ReadWhole(output), "previous\r\n");
    EXPECT_TRUE(ui.messages.empty());

    ui.chosenFiles = {input, folder.File("other.out")};
    ui.answers = {false};
    batch.RunBatch();
    EXPECT_EQ(ReadWhole(folder.File("other.out")), Headers() + ZeroLine + "A               \r\n");

    ui.messages.clear();
    batch.RunBatch();  // the input dialog cancelled: nothing at all
    EXPECT_TRUE(ui.messages.empty());
}
