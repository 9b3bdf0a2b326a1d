#include "runs/ScenarioInput_IO.h"

#include "RunsTestSupport.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

namespace {

// The conifer scenario "Ridge top", with a high fuel model the conifer type overrides.
clsTorviInputs RidgeTop()
{
    clsTorviInputs r;
    r.VegType = 2;
    r.LowInputs = {0, 10, 0.4, 1, 1, 1, nullptr};
    r.HighInputs = {1, 4, 0.2, 1, 1, 1, nullptr};
    r.Dead1HrMC = 6;
    r.Dead10HrMC = 8;
    r.Dead100HrMC = 10;
    r.LiveHerbMC = 100;
    r.LiveWoodyMC = 100;
    r.CanopyBulkDensity = 0.15;
    r.CanopyBaseHeight = 6;
    r.CrownFuelLoad = 1;
    r.ConiferFoliarMC = 100;
    r.ShrubTransFlameLength = 6;
    r.OpenWindSpeed = 20;
    r.PercentSlope = 20;
    r.WindDirFromUphill = 0;
    return r;
}

// A data line of 24 values; the value at `index` replaced.
std::string DataLine(int index = -1, const std::string& value = "", const std::string& name = "Valley")
{
    std::string values[24] = {"1", "2", "0.3", "1", "1", "1", "4", "0.5", "1", "1", "1", "6",
                              "7", "8", "90", "120", "0.12", "3.5", "1.2", "100", "2.5", "12", "30", "45"};
    if (index >= 0)
        values[index] = value;
    std::string line;
    for (const std::string& v : values)
        line += v + " ";
    return line + name;
}

}  // namespace

TEST(ScenarioInput_IO, RidgeTopIsWrittenOnTheGridAndReadBack)
{
    TempFolder folder;
    ScenarioInput_IO io;
    const std::string file = folder.File("ridge.scn");
    ASSERT_TRUE(io.SaveScenInp(file, RidgeTop(), "Ridge top")) << io.errStr;
    EXPECT_EQ(ReadWhole(file), ReadWhole(Fixture("ridge_top_expected.scn")));

    clsTorviInputs read;
    std::string name = "old";
    ASSERT_TRUE(io.FetchFirstScenInp(file, read, name)) << io.errStr;
    io.CloseScenInpFile();
    EXPECT_EQ(name, " Ridge top");
    EXPECT_EQ(read.VegType, 2);
    EXPECT_EQ(read.HighInputs.fuelModelID, 10);
    EXPECT_DOUBLE_EQ(read.HighInputs.WindReductionFactor, 0.4);
    EXPECT_EQ(read.LowInputs.LowOrHigh, 0);
    EXPECT_EQ(read.HighInputs.LowOrHigh, 1);
    for (int i = 0; i < ScenarioInput_IO::FieldCount; ++i) {
        if (i == 6 || i == 7)
            continue;  // the conifer overrides, checked above
        EXPECT_DOUBLE_EQ(ScenarioInput_IO::FieldValue(read, i), ScenarioInput_IO::FieldValue(RidgeTop(), i))
            << io.GetFieldLabel(i);
    }
    EXPECT_DOUBLE_EQ(read.DeadHerbMC, 6);
}

TEST(ScenarioInput_IO, HeaderColumnsLineUpWithTheData)
{
    ScenarioInput_IO io;
    const std::string& header = io.Header();
    EXPECT_EQ(header.size(), 399u);
    EXPECT_EQ(("#" + header).find("FMlow"), 16u);
    EXPECT_EQ(("#" + header).find("SCNname"), 24u * 16u);
    EXPECT_EQ(io.GetFieldLabel(0), "SIMT");
    EXPECT_EQ(io.GetFieldLabel(23), "WDIR");
    EXPECT_THROW(io.GetFieldLabel(24), std::out_of_range);
    EXPECT_THROW(io.GetFieldLabel(-1), std::out_of_range);
}

TEST(ScenarioInput_IO, ReaderAcceptsAnyBlanksAndEveryLineEnd)
{
    TempFolder folder;
    std::string line = DataLine(-1, "", "North\t \tslope  unit");
    for (char& c : line)
        if (c == ' ')
            c = '\t';
    const std::string file = folder.Write("blanks.scn", "  # comment\r\r\n   \n\t" + line + "  \r" + DataLine() + "\n");
    ScenarioInput_IO io;
    clsTorviInputs r;
    std::string name;
    ASSERT_TRUE(io.FetchFirstScenInp(file, r, name)) << io.errStr;
    EXPECT_EQ(name, " North slope unit");
    EXPECT_DOUBLE_EQ(r.CanopyBaseHeight, 3.5);
    EXPECT_EQ(io.scen_rec.front(), '1');
    ASSERT_TRUE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(name, " Valley");
    EXPECT_FALSE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(io.scen_rec, "");
    EXPECT_EQ(io.errStr, "");
    io.CloseScenInpFile();
}

TEST(ScenarioInput_IO, ValuesAreConvertedAsTheirKindSays)
{
    struct Case {
        int index;
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {11, "5.5", 6}, {11, "6.5", 6}, {11, "7.5", 8}, {12, "9.49", 9}, {15, "120.5", 120},
        {16, "0.123456", 0.123456}, {21, "12.75", 12.75}, {22, "20.5", 20}, {22, "21.5", 22},
        {23, "N/A", -1}, {6, "N/A", -1}, {1, "3.5", 4}, {17, "1e1", 10},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string file = folder.Write("kinds.scn", DataLine(c.index, c.text) + "\r\n");
        ScenarioInput_IO io;
        clsTorviInputs r;
        std::string name;
        ASSERT_TRUE(io.FetchFirstScenInp(file, r, name)) << io.errStr;
        io.CloseScenInpFile();
        EXPECT_DOUBLE_EQ(ScenarioInput_IO::FieldValue(r, c.index), c.expected) << c.index << " " << c.text;
        EXPECT_DOUBLE_EQ(r.DeadHerbMC, r.Dead1HrMC);
    }
}

TEST(ScenarioInput_IO, TheConiferTypeOverridesTheHighFuelModelOnReading)
{
    TempFolder folder;
    const std::string file = folder.Write("conifer.scn", DataLine(0, "2") + "\r\n" + DataLine(0, "3") + "\r\n");
    ScenarioInput_IO io;
    clsTorviInputs r;
    std::string name;
    ASSERT_TRUE(io.FetchFirstScenInp(file, r, name));
    EXPECT_EQ(r.HighInputs.fuelModelID, 10);
    EXPECT_DOUBLE_EQ(r.HighInputs.WindReductionFactor, 0.4);
    ASSERT_TRUE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(r.HighInputs.fuelModelID, 4);
    EXPECT_DOUBLE_EQ(r.HighInputs.WindReductionFactor, 0.5);
    io.CloseScenInpFile();
}

TEST(ScenarioInput_IO, NamesAreReadWithOneLeadingSpaceOrEmpty)
{
    TempFolder folder;
    const std::string file =
        folder.Write("names.scn", DataLine(-1, "", "") + "\r\n" + DataLine(-1, "", "N/A  unit") + "\r\n");
    ScenarioInput_IO io;
    clsTorviInputs r;
    std::string name = "old";
    ASSERT_TRUE(io.FetchFirstScenInp(file, r, name));
    EXPECT_EQ(name, "");
    ASSERT_TRUE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(name, " -1 unit");  // "N/A" stands for -1 in every position
    io.CloseScenInpFile();
}

TEST(ScenarioInput_IO, TooFewValuesNameThePhysicalLine)
{
    TempFolder folder;
    ScenarioInput_IO io;
    const std::string header = "#" + io.Header() + "\r\n#---\r\n";
    const std::string shortLine = "1 2 3";
    clsTorviInputs r = RidgeTop();
    std::string name = "kept";

    const std::string first = folder.Write("first.scn", header + "\r\n   \r\n" + shortLine + "\r\n");
    EXPECT_FALSE(io.FetchFirstScenInp(first, r, name));
    EXPECT_EQ(io.errStr, "Wrong number of values in line number 5");
    EXPECT_EQ(io.ErrorWithFileName(), "Wrong number of values in line number 5 of Scenario Input file: " + first);
    EXPECT_EQ(io.scen_rec, shortLine);
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(r.HighInputs.fuelModelID, 4);
    io.CloseScenInpFile();

    const std::string later = folder.Write("later.scn", DataLine() + "\n# note\n" + shortLine + "\n" + DataLine() + "\n");
    ASSERT_TRUE(io.FetchFirstScenInp(later, r, name));
    EXPECT_FALSE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(io.errStr, "Wrong number of values in line number 3");
    EXPECT_EQ(io.invalidKey, "");
    io.CloseScenInpFile();
}

TEST(ScenarioInput_IO, LinesThatCannotBeReadEndTheReadingAndSayWhy)
{
    TempFolder folder;
    ScenarioInput_IO io;
    clsTorviInputs r = RidgeTop();
    std::string name = "kept";
    const std::string longLine = std::string(clsLineReader::MaxLineLength, '1') + " 2";
    const std::string file = folder.Write("long.scn", DataLine() + "\r\n" + longLine + "\r\n" + DataLine() + "\r\n");
    ASSERT_TRUE(io.FetchFirstScenInp(file, r, name));
    EXPECT_FALSE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(io.errStr, "Line number 2 of Scenario Input file: " + file + " is longer than 1048576 characters");
    EXPECT_EQ(io.invalidKey, "");
    io.CloseScenInpFile();

    r = RidgeTop();
    name = "kept";
    EXPECT_FALSE(io.FetchFirstScenInp("/proc/self/mem", r, name));
    EXPECT_EQ(io.errStr, "Failed to read Scenario Input file: /proc/self/mem (Input/output error)");
    io.CloseScenInpFile();
    EXPECT_FALSE(io.FetchFirstScenInp(folder.path.string(), r, name));  // a folder is not a file to open
    EXPECT_EQ(io.errStr, "Failed to open Scenario Input file: " + folder.path.string());
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(r.HighInputs.fuelModelID, 4);
}

TEST(ScenarioInput_IO, AValueThatIsNoNumberRejectsTheWholeLine)
{
    TempFolder folder;
    const std::string file = folder.Write(
        "letters.scn", "# header\r\n" + DataLine(21, "fast") + "\r\n" + DataLine(1, "n/a") + "\r\n" + DataLine() + "\r\n");
    ScenarioInput_IO io;
    clsTorviInputs r = RidgeTop();
    std::string name = "kept";
    EXPECT_FALSE(io.FetchFirstScenInp(file, r, name));
    EXPECT_EQ(io.invalidKey, "OWND");
    EXPECT_EQ(io.errStr, "Invalid OWND value fast in line number 2 of Scenario Input file: " + file);
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(r.VegType, 2);  // not even the fields before OWND were taken
    EXPECT_EQ(r.LowInputs.fuelModelID, 10);
    EXPECT_DOUBLE_EQ(r.OpenWindSpeed, 20);

    // The file stays open: the reading goes on with the next line.
    EXPECT_FALSE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(io.invalidKey, "FMlow");
    EXPECT_EQ(io.errStr, "Invalid FMlow value n/a in line number 3 of Scenario Input file: " + file);
    ASSERT_TRUE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(io.invalidKey, "");
    EXPECT_EQ(name, " Valley");
    EXPECT_EQ(r.LowInputs.fuelModelID, 2);
    io.CloseScenInpFile();
}

TEST(ScenarioInput_IO, WholeNumbersBeyond32BitsAreNoNumbers)
{
    TempFolder folder;
    const std::string file = folder.Write("big.scn", DataLine(22, "3000000000") + "\r\n");
    ScenarioInput_IO io;
    clsTorviInputs r;
    std::string name;
    EXPECT_FALSE(io.FetchFirstScenInp(file, r, name));
    EXPECT_EQ(io.invalidKey, "SLOP");
    io.CloseScenInpFile();
}

TEST(ScenarioInput_IO, AFileWithoutDataLinesLeavesTheRecordAlone)
{
    TempFolder folder;
    const std::string file = folder.Write("empty.scn", "# only\r\n\r\n  # comments\r\n");
    ScenarioInput_IO io;
    clsTorviInputs r = RidgeTop();
    std::string name = "kept";
    EXPECT_TRUE(io.FetchFirstScenInp(file, r, name));
    EXPECT_EQ(io.scen_rec, "");
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(r.HighInputs.fuelModelID, 4);
    EXPECT_FALSE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(io.errStr, "");
    io.CloseScenInpFile();
}

TEST(ScenarioInput_IO, FailuresToOpenAndOperationsWithoutAFile)
{
    TempFolder folder;
    ScenarioInput_IO io;
    clsTorviInputs r;
    std::string name;
    const std::string missing = folder.File("missing.scn");
    EXPECT_FALSE(io.FetchFirstScenInp(missing, r, name));
    EXPECT_EQ(io.errStr, "Failed to open Scenario Input file: " + missing);
    EXPECT_FALSE(io.FetchNextScenInp(r, name));
    EXPECT_EQ(io.errStr, "Scenario input file is not open");
    EXPECT_FALSE(io.SaveNextScenInp(r, name));
    EXPECT_EQ(io.errStr, "Scenario input file is not open");
    const std::string unwritable = folder.File("no/such/folder/x.scn");
    EXPECT_FALSE(io.SaveScenInp(unwritable, r, name));
    EXPECT_EQ(io.errStr, "Failed to open Scenario Input file: " + unwritable);
}

TEST(ScenarioInput_IO, ASaveThatFailsHalfWayKeepsThePreviousFile)
{
    TempFolder folder;
    const std::string file = folder.Write("kept.scn", "previous scenario\r\n");
    ScenarioInput_IO io;
    {
        FileSizeLimit full(500);  // within the header lines
        EXPECT_FALSE(io.SaveScenInp(file, RidgeTop(), "Ridge top"));
    }
    EXPECT_EQ(io.errStr, "Failed to write Scenario Input file: " + file + " (File too large)");
    EXPECT_EQ(ReadWhole(file), "previous scenario\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}

TEST(ScenarioInput_IO, SavingThenReadingKeepsEveryValueButFractionalMoistures)
{
    TempFolder folder;
    clsTorviInputs first;
    first.VegType = 1;
    first.LowInputs = {0, 102, 0.35, 1.25, 0.8, 2.5, nullptr};
    first.HighInputs = {1, 145, 0.6, 1, 1.1, 1, nullptr};
    first.Dead1HrMC = 4.5;
    first.Dead10HrMC = 5.5;
    first.Dead100HrMC = 7;
    first.LiveHerbMC = 60.25;
    first.LiveWoodyMC = 90;
    first.CanopyBulkDensity = 0.0625;
    first.CanopyBaseHeight = 12.3;
    first.CrownFuelLoad = 0.7;
    first.ConiferFoliarMC = 95;
    first.ShrubTransFlameLength = 4.2;
    first.OpenWindSpeed = 0.1 + 0.2;  // written with 15 digits: 0.3
    first.PercentSlope = -1;
    first.WindDirFromUphill = 360;
    clsTorviInputs second = first;
    second.VegType = 3;

    ScenarioInput_IO io;
    const std::string file = folder.File("two.scn");
    ASSERT_TRUE(io.SaveFirstScenInp(file, first, "  First  one "));
    ASSERT_TRUE(io.SaveNextScenInp(second, ""));
    ASSERT_TRUE(io.CloseScenInpFile());
    const std::string text = ReadWhole(file);
    EXPECT_NE(text.find("0.3             "), std::string::npos);
    EXPECT_NE(text.find("-1              360             First  one      \r\n"), std::string::npos);

    clsTorviInputs read;
    std::string name;
    ASSERT_TRUE(io.FetchFirstScenInp(file, read, name));
    EXPECT_EQ(name, " First one");
    const double expected[24] = {1, 102, 0.35, 1.25, 0.8, 2.5, 145, 0.6, 1, 1.1, 1, 4, 6,
                                 7, 60, 90, 0.0625, 12.3, 0.7, 95, 4.2, 0.3, -1, 360};
    for (int i = 0; i < 24; ++i)
        EXPECT_DOUBLE_EQ(ScenarioInput_IO::FieldValue(read, i), expected[i]) << io.GetFieldLabel(i);
    ASSERT_TRUE(io.FetchNextScenInp(read, name));
    EXPECT_EQ(read.VegType, 3);
    EXPECT_EQ(name, "");
    io.CloseScenInpFile();
}

TEST(ScenarioInput_IO, LargeAndTinyValuesAndAByteOrderMarkReadBack)
{
    TempFolder folder;
    ScenarioInput_IO io;
    clsTorviInputs big = RidgeTop();
    big.CanopyBulkDensity = 1e20;  // written "1E+20"
    big.CanopyBaseHeight = 1e15;
    big.CrownFuelLoad = 2.5e-7;
    big.OpenWindSpeed = 1.7976931348623157e308;
    const std::string file = folder.File("big.scn");
    ASSERT_TRUE(io.SaveScenInp(file, big, "Big"));
    const std::string text = ReadWhole(file);
    EXPECT_NE(text.find("1E+20           1E+15           2.5E-07         "), std::string::npos) << text;

    // As a spreadsheet program saves it, with a byte-order mark.
    const std::string marked = folder.Write("marked.scn", "\xEF\xBB\xBF" + text);
    for (const std::string& name : {file, marked}) {
        clsTorviInputs read;
        std::string scenario;
        ASSERT_TRUE(io.FetchFirstScenInp(name, read, scenario)) << io.errStr;
        io.CloseScenInpFile();
        EXPECT_EQ(scenario, " Big");
        EXPECT_EQ(read.CanopyBulkDensity, 1e20);
        EXPECT_EQ(read.CanopyBaseHeight, 1e15);
        EXPECT_EQ(read.CrownFuelLoad, 2.5e-7);
        EXPECT_EQ(read.OpenWindSpeed, 1.7976931348623157e308);
    }
}

TEST(ScenarioInput_IO, OpeningAnotherFileClosesTheOneBeingWritten)
{
    TempFolder folder;
    ScenarioInput_IO io;
    const std::string written = folder.File("written.scn");
    ASSERT_TRUE(io.SaveFirstScenInp(written, RidgeTop(), "Ridge top"));
    EXPECT_FALSE(std::filesystem::exists(written));  // not yet in place
    clsTorviInputs r;
    std::string name;
    ASSERT_TRUE(io.FetchFirstScenInp(written, r, name));
    EXPECT_EQ(name, " Ridge top");
    io.CloseScenInpFile();
    EXPECT_EQ(ReadWhole(written), ReadWhole(Fixture("ridge_top_expected.scn")));
}
