#include "runs/ScenarioOutput_IO.h"

#include "RunsTestSupport.h"
#include "support/FileSizeLimit.h"
#include "units/clsUnits.h"

#include <gtest/gtest.h>

namespace {

clsTorviOutputs Every234()
{
    clsTorviOutputs r;
    r.FireType = 3;
    r.TransitionFunction = 0.5;
    r.RateOfSpread = r.HeatPerUnitArea = r.FirelineIntensity = r.FireIntensityScale = r.FlameLength = 2.34;
    r.EffectiveMidflameWind = r.TorchingIndex = r.CrowningIndex = r.SurfacingIndex = 2.34;
    r.CrownFirelineIntensity = r.CrownFlameLength = r.CrownCriticalSurfaceROS = 2.34;
    r.CrownCriticalBulkDensity = 0.05;
    r.CrownRActive = r.CrownOCessation = 2.34;
    return r;
}

std::string Column(const std::string& line, int index)
{
    std::string text = line.substr(static_cast<std::size_t>(index) * 16, 16);
    return text.substr(0, text.find(' '));
}

std::string LastLine(const std::string& text)
{
    const std::string body = text.substr(0, text.size() - 2);
    return body.substr(body.rfind("\r\n") + 2);
}

}  // namespace

TEST(ScenarioOutput_IO, HeadersAndARecordOnTheGrid)
{
    TempFolder folder;
    clsUnits units;
    units.CvtROS(3, 1);  // display units never reach the file
    ScenarioOutput_IO io(units);
    const std::string file = folder.File("one.out");
    ASSERT_TRUE(io.SaveScenOutp(file, Every234(), " Ridge top")) << io.errStr;
    EXPECT_EQ(ReadWhole(file), ReadWhole(Fixture("output_expected.out")));
    EXPECT_EQ(io.UnitsHeader().size() + 16, io.KeyHeader().size());
    EXPECT_EQ(io.GetFieldLabel(0), "FTYP");
    EXPECT_EQ(io.GetFieldLabel(17), "OWNDC");
    EXPECT_THROW(io.GetFieldLabel(18), std::out_of_range);
}

TEST(ScenarioOutput_IO, FireTypesAreWrittenAsCodeAndWord)
{
    const std::pair<int, std::string> cases[] = {
        {1, "surface"}, {2, "passive"}, {3, "conditional"}, {4, "active"}, {0, "0"}, {7, "7"}};
    TempFolder folder;
    clsUnits units;
    ScenarioOutput_IO io(units);
    for (const auto& [code, word] : cases) {
        clsTorviOutputs r;
        r.FireType = code;
        ASSERT_TRUE(io.SaveScenOutp(folder.File("type.out"), r, ""));
        const std::string line = LastLine(ReadWhole(folder.File("type.out")));
        EXPECT_EQ(Column(line, 0), std::to_string(code));
        EXPECT_EQ(Column(line, 1), word);
    }
}

TEST(ScenarioOutput_IO, NumbersAreRoundedToTheColumnDecimals)
{
    clsTorviOutputs r;
    r.HeatPerUnitArea = 2.5;          // 0 decimals, halves to even
    r.FirelineIntensity = 3.5;
    r.RateOfSpread = 1234567.891;     // no thousands separator
    r.TransitionFunction = -0.004;    // rounds to zero: no sign
    r.FlameLength = -1.236;
    r.CrownCriticalBulkDensity = 0.0125;
    r.TorchingIndex = 0.05;
    TempFolder folder;
    clsUnits units;
    ScenarioOutput_IO io(units);
    ASSERT_TRUE(io.SaveScenOutp(folder.File("round.out"), r, "a   b"));
    const std::string line = LastLine(ReadWhole(folder.File("round.out")));
    EXPECT_EQ(Column(line, 4), "2");
    EXPECT_EQ(Column(line, 5), "4");
    EXPECT_EQ(Column(line, 3), "1234567.89");
    EXPECT_EQ(Column(line, 2), "0.00");
    EXPECT_EQ(Column(line, 7), "-1.24");
    EXPECT_EQ(Column(line, 15), "0.013");  // 0.0125 is held a little above the half
    EXPECT_EQ(Column(line, 9), "0.1");     // 0.05 is held a little above the half
    EXPECT_EQ(line.substr(18 * 16), "a   b           ");
}

TEST(ScenarioOutput_IO, ErrorLinesAndRecordsFollowTheHeaders)
{
    TempFolder folder;
    clsUnits units;
    ScenarioOutput_IO io(units);
    const std::string file = folder.File("batch.out");
    ASSERT_TRUE(io.OpenScenOutpFile(file));
    ASSERT_TRUE(io.WriteOutLine("#-- Input Error: record #1 contains invalid OWND data: x"));
    ASSERT_TRUE(io.SaveNextScenOutp(Every234(), " Ridge top"));
    ASSERT_TRUE(io.CloseScenOutpFile());
    const std::string expected = ReadWhole(Fixture("output_expected.out"));
    const std::size_t headerEnd = expected.find("\r\n3 ") + 2;
    EXPECT_EQ(ReadWhole(file), expected.substr(0, headerEnd) +
                                   "#-- Input Error: record #1 contains invalid OWND data: x\r\n" +
                                   expected.substr(headerEnd));
}

TEST(ScenarioOutput_IO, WritingWithoutAFileOrPlace)
{
    TempFolder folder;
    clsUnits units;
    ScenarioOutput_IO io(units);
    EXPECT_FALSE(io.SaveNextScenOutp(Every234(), ""));
    EXPECT_EQ(io.errStr, "Scenario output file is not open");
    io.errStr.clear();
    EXPECT_FALSE(io.WriteOutLine("# x"));
    EXPECT_EQ(io.errStr, "Scenario output file is not open");
    const std::string nowhere = folder.File("missing/dir/x.out");
    EXPECT_FALSE(io.SaveFirstScenOutp(nowhere, Every234(), ""));
    EXPECT_EQ(io.errStr, "Failed to open Scenario Output file: " + nowhere);
    EXPECT_FALSE(io.OpenScenOutpFile(nowhere));
    EXPECT_EQ(io.errStr, "Failed to open Scenario Output file: " + nowhere);
}

TEST(ScenarioOutput_IO, AnAbandonedFileLeavesThePreviousOneInPlace)
{
    TempFolder folder;
    const std::string file = folder.Write("kept.out", "previous results\r\n");
    clsUnits units;
    ScenarioOutput_IO io(units);
    ASSERT_TRUE(io.SaveFirstScenOutp(file, Every234(), "new"));
    EXPECT_EQ(ReadWhole(file), "previous results\r\n");
    io.AbandonScenOutpFile();
    EXPECT_FALSE(io.IsOpen());
    EXPECT_EQ(ReadWhole(file), "previous results\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}

TEST(ScenarioOutput_IO, ASaveThatFailsHalfWayKeepsThePreviousFile)
{
    TempFolder folder;
    const std::string file = folder.Write("kept.out", "previous results\r\n");
    clsUnits units;
    ScenarioOutput_IO io(units);
    {
        FileSizeLimit full(400);  // within the header lines
        EXPECT_FALSE(io.SaveScenOutp(file, Every234(), "new"));
    }
    EXPECT_EQ(io.errStr, "Failed to write Scenario Output file: " + file + " (File too large)");
    EXPECT_EQ(ReadWhole(file), "previous results\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}
