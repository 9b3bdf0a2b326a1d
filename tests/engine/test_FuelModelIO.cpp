#include "engine/FuelModel_IO.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const std::string standardFile = std::string(ORVANE_BIN_DIR) + "/ModelParameters.f";

// Two custom models in ENGLISH units, with a comment, a blank line and tabs between values.
const std::string customFile =
    "# custom models\r\n"
    "english\r\n"
    "\r\n"
    "301 CU1 3.0 0 0 0 0 static 2000 0 0 1.0 25 8000 8000 Custom one\r\n"
    "# a comment between models\r\n"
    "300\tCU0\t1 2 N/A 0 0 dynamic 1800 1600 N/A 2.0 30 8000 9000 Custom zero with a long name\r\n";

class FuelModelIO : public ::testing::Test {
protected:
    TempDir dir;
    FuelModel_IO reader;

    std::vector<int32_t> Numbers() const
    {
        std::vector<int32_t> numbers;
        for (const auto& model : *reader.fmColl)
            numbers.push_back(model->fuelModelID);
        return numbers;
    }
};

}  // namespace

TEST_F(FuelModelIO, StandardFileHoldsThePublishedModels)
{
    ASSERT_TRUE(reader.LoadFuelModel(standardFile)) << reader.errStr;
    ASSERT_EQ(reader.fmColl->Count(), 53u);
    EXPECT_EQ(reader.fmColl->Item(1).fuelModelID, 1);
    EXPECT_EQ(reader.fmColl->Item(53).fuelModelID, 204);

    // Model 10 of the published table: 3.01 2.00 5.01 0 2.00 static 2000 0 1500 1.0 25 8000 8000.
    const clsFuelModel& timber = reader.fmColl->Item("10");
    EXPECT_EQ(timber.fuelModelCode, "FM10");
    EXPECT_DOUBLE_EQ(timber.load1Hr, 3.01 * 0.04591);
    EXPECT_DOUBLE_EQ(timber.load10Hr, 2.00 * 0.04591);
    EXPECT_DOUBLE_EQ(timber.load100Hr, 5.01 * 0.04591);
    EXPECT_DOUBLE_EQ(timber.loadLiveHerb, 0);
    EXPECT_DOUBLE_EQ(timber.loadLiveWoody, 2.00 * 0.04591);
    EXPECT_EQ(timber.fuelModelType, "static");
    EXPECT_DOUBLE_EQ(timber.sav1Hr, 2000);
    EXPECT_DOUBLE_EQ(timber.savLiveHerb, 0);
    EXPECT_DOUBLE_EQ(timber.savLiveWoody, 1500);
    EXPECT_DOUBLE_EQ(timber.fuelBedDepth, 1.0);
    EXPECT_DOUBLE_EQ(timber.deadFuelMx, 0.25);
    EXPECT_DOUBLE_EQ(timber.deadHeatContent, 8000);
    EXPECT_DOUBLE_EQ(timber.liveHeatContent, 8000);
    EXPECT_EQ(timber.fuelModelName, "Timber (litter and understory)");

    // GR4: 0.25 0 0 1.90 0 dynamic 2000 1800 0 2.0 15 8000 8000.
    const clsFuelModel& grass = reader.fmColl->Item("104");
    EXPECT_EQ(grass.fuelModelCode, "GR4");
    EXPECT_DOUBLE_EQ(grass.load1Hr, 0.25 * 0.04591);
    EXPECT_DOUBLE_EQ(grass.loadLiveHerb, 1.90 * 0.04591);
    EXPECT_EQ(grass.fuelModelType, "dynamic");
    EXPECT_DOUBLE_EQ(grass.sav1Hr, 2000);
    EXPECT_DOUBLE_EQ(grass.savLiveHerb, 1800);
    EXPECT_DOUBLE_EQ(grass.fuelBedDepth, 2.0);
    EXPECT_DOUBLE_EQ(grass.deadFuelMx, 0.15);
    EXPECT_EQ(grass.fuelModelName, "Moderate load, dry climate grass");
    EXPECT_DOUBLE_EQ(grass.loadDeadHerb, 0);
}

TEST_F(FuelModelIO, EnglishValuesWithTabsNotApplicableAndLongNames)
{
    ASSERT_TRUE(reader.LoadFuelModel(dir.Write("custom.fmd", customFile))) << reader.errStr;
    EXPECT_EQ(Numbers(), (std::vector<int32_t>{300, 301}));
    const clsFuelModel& one = reader.fmColl->Item("301");
    EXPECT_DOUBLE_EQ(one.load1Hr, 0.13773);
    EXPECT_DOUBLE_EQ(one.deadFuelMx, 0.25);
    const clsFuelModel& zero = reader.fmColl->Item("300");
    EXPECT_DOUBLE_EQ(zero.load100Hr, 0.04591);  // N/A reads as 1
    EXPECT_DOUBLE_EQ(zero.savLiveWoody, 1);
    EXPECT_DOUBLE_EQ(zero.liveHeatContent, 9000);
    EXPECT_EQ(zero.fuelModelName, "Custom zero with a long name");
}

TEST_F(FuelModelIO, MetricValuesAreConverted)
{
    std::string line = "401 MET 1 0 0 0 0 static 66 0 0 30 20 18608 18608";
    for (int word = 1; word <= 20; ++word)
        line += " w" + std::to_string(word);
    ASSERT_TRUE(reader.LoadFuelModel(dir.Write("metric.fmd", "  Metric  \n" + line + "\n"))) << reader.errStr;
    const clsFuelModel& model = reader.fmColl->Item("401");
    EXPECT_DOUBLE_EQ(model.load1Hr, 0.02048);
    EXPECT_DOUBLE_EQ(model.fuelBedDepth, 0.9843);
    EXPECT_DOUBLE_EQ(model.sav1Hr, 2011.68);
    EXPECT_NEAR(model.deadHeatContent, 8006.46, 0.005);
    EXPECT_DOUBLE_EQ(model.deadFuelMx, 0.20);
    EXPECT_EQ(model.fuelModelName.substr(0, 9), "w1 w2 w3 ");
    EXPECT_EQ(model.fuelModelName.substr(model.fuelModelName.size() - 7), "w19 w20");
}

TEST_F(FuelModelIO, FailuresNameTheLineAndMergeNothing)
{
    ASSERT_TRUE(reader.LoadFuelModel(standardFile));
    struct Case {
        const char* name;
        std::string contents;
        std::string message;
    };
    const std::string good = "302 G 1 0 0 0 0 static 2000 0 0 1 25 8000 8000 Good\r\n";
    const std::vector<Case> cases = {
        {"nounits.fmd", "# only a comment\r\n\r\n", "Fuel Model file {} is missing a unit indicator."},
        {"badunits.fmd", "IMPERIAL\r\n" + good, "Fuel Model file {} is missing a unit indicator."},
        {"short.fmd", "ENGLISH\r\n" + good + "# comment\r\n\r\n303 S 1 0 0 0 0 static 2000 0 0 1 25 8000\r\n",
         "Wrong number of values in line number 5"},
        {"duplicate.fmd", "ENGLISH\r\n" + good + "\r\n10 FM10x 1 0 0 0 0 static 2000 0 0 1 25 8000 8000 Again\r\n",
         "Duplicate fuel model: number(10) code(FM10x)\r\n\r\n{} contains a fuel model at line 4 which was "
         "previously loaded."},
        {"twice.fmd", "ENGLISH\r\n" + good + good, "Duplicate fuel model: number(302) code(G)\r\n\r\n{} contains a "
                                                   "fuel model at line 3 which was previously loaded."},
        {"notanumber.fmd", "ENGLISH\r\n" + good + "304 N 1 0 zero 0 0 static 2000 0 0 1 25 8000 8000 Bad\r\n",
         "Fuel Model file {} has a value that is not a number in line number 3: zero"},
        {"badid.fmd", "ENGLISH\r\nFM5 N 1 0 0 0 0 static 2000 0 0 1 25 8000 8000 Bad\r\n",
         "Fuel Model file {} has a value that is not a number in line number 2: FM5"},
        {"long.fmd", "ENGLISH\r\n" + good + std::string(clsLineReader::MaxLineLength + 1, '1') + "\r\n" + good,
         "Line number 3 of Fuel Model file: {} is longer than 1048576 characters"},
        {"longunits.fmd", "# units follow\r\n" + std::string(clsLineReader::MaxLineLength + 1, ' ') + "ENGLISH\r\n",
         "Line number 2 of Fuel Model file: {} is longer than 1048576 characters"},
        // Models that cannot burn by construction, each named with the first field at fault.
        {"nosav.fmd", "ENGLISH\r\n" + good + "305 X 1 0 0 0 0 static 0 0 0 1 25 8000 8000 Bad\r\n",
         "Fuel Model file {} has a fuel model that cannot burn in line number 3: model 305 (X), sav1Hr must be "
         "above 0"},
        {"herbsav.fmd", "ENGLISH\r\n" + good + "306 X 1 0 0 0.5 0 dynamic 2000 0 0 1 25 8000 8000 Bad\r\n",
         "Fuel Model file {} has a fuel model that cannot burn in line number 3: model 306 (X), savLiveHerb must be "
         "above 0 for a herbaceous load"},
        {"woodysav.fmd", "ENGLISH\r\n" + good + "307 X 1 0 0 0 0.5 static 2000 0 -1 1 25 8000 8000 Bad\r\n",
         "Fuel Model file {} has a fuel model that cannot burn in line number 3: model 307 (X), savLiveWoody must "
         "be above 0 for a live woody load"},
        {"nodepth.fmd", "ENGLISH\r\n" + good + "308 X 1 0 0 0 0 static 2000 0 0 0 25 8000 8000 Bad\r\n",
         "Fuel Model file {} has a fuel model that cannot burn in line number 3: model 308 (X), depth must be "
         "above 0"},
        {"nomx.fmd", "METRIC\r\n" + good + "309 X 1 0 0 0 0 static 60 0 0 30 -2 18000 18000 Bad\r\n",
         "Fuel Model file {} has a fuel model that cannot burn in line number 3: model 309 (X), deadFuelMx must be "
         "above 0"},
        {"nodead.fmd", "ENGLISH\r\n" + good + "310 X 0 0 0 0.5 1 static 2000 1500 1500 1 25 8000 8000 Bad\r\n",
         "Fuel Model file {} has a fuel model that cannot burn in line number 3: model 310 (X), load1Hr must be "
         "above 0 (no dead load, and no herbaceous load to cure)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write(c.name, c.contents);
        std::string expected = c.message;
        if (const auto at = expected.find("{}"); at != std::string::npos)
            expected.replace(at, 2, path);
        EXPECT_FALSE(reader.LoadFuelModel(path));
        EXPECT_EQ(reader.errStr, expected);
        EXPECT_EQ(reader.fmColl->Count(), 53u);
        EXPECT_FALSE(reader.fmColl->MemberIsPresent("302"));
    }
    EXPECT_EQ(reader.FMfileNames(1), "");

    // A dynamic model without dead load burns its cured herbs; empty classes keep a ratio of 0.
    const std::string cures = dir.Write("cures.fmd", "ENGLISH\r\n311 C 0 0 0 0.5 0 dynamic 2000 1800 0 1 25 8000 8000 Herbs\r\n");
    EXPECT_TRUE(reader.LoadFuelModel(cures)) << reader.errStr;
}

TEST_F(FuelModelIO, AByteOrderMarkIsSkippedAndMessagesOfOurOwnNameTheFile)
{
    ASSERT_TRUE(reader.LoadFuelModel(dir.Write("marked.fmd", "\xEF\xBB\xBF" + customFile.substr(customFile.find("english")))));
    EXPECT_EQ(Numbers(), (std::vector<int32_t>{300, 301}));

    const std::string path = dir.Write("short.fmd", "ENGLISH\r\n1 2 3\r\n");
    EXPECT_FALSE(reader.LoadFuelModel(path));
    EXPECT_EQ(reader.errStr, "Wrong number of values in line number 2");
    EXPECT_EQ(reader.ErrorWithFileName(), "Wrong number of values in line number 2 of Fuel Model file " + path);
}

TEST_F(FuelModelIO, AFolderOrAFileThatCannotBeReadLoadsNothing)
{
    EXPECT_FALSE(reader.LoadFuelModel(dir.path.string()));
    EXPECT_EQ(reader.errStr, "");  // not opened: the caller names the failure
    EXPECT_FALSE(reader.LoadFuelModel("/proc/self/mem"));
    EXPECT_EQ(reader.errStr, "Failed to read Fuel Model file: /proc/self/mem (Input/output error)");
    EXPECT_EQ(reader.fmColl->Count(), 0u);
}

TEST_F(FuelModelIO, AFileIsReadOnlyOnce)
{
    ASSERT_TRUE(reader.LoadFuelModel(standardFile));
    const std::string path = dir.Write("custom.fmd", customFile);
    ASSERT_TRUE(reader.LoadFuelModel(path));
    EXPECT_EQ(reader.fmColl->Count(), 55u);
    EXPECT_EQ(reader.fmColl->Item(54).fuelModelID, 300);  // custom numbers sort among the standard ones

    std::string unchanged = "kept from before";
    reader.errStr = unchanged;
    EXPECT_TRUE(reader.LoadFuelModel(path));
    EXPECT_EQ(reader.fmColl->Count(), 55u);
    EXPECT_EQ(reader.errStr, unchanged);
    EXPECT_EQ(reader.FMfileNames(0), standardFile);
    EXPECT_EQ(reader.FMfileNames(1), path);
    EXPECT_EQ(reader.FMfileNames(2), "");
    EXPECT_EQ(reader.FMfileNames(-1), "");
}

TEST_F(FuelModelIO, AFileWithoutModelsIsStillRecorded)
{
    ASSERT_TRUE(reader.LoadFuelModel(standardFile));
    const std::string path = dir.Write("empty.fmd", "ENGLISH\r\n# nothing here\r\n");
    EXPECT_TRUE(reader.LoadFuelModel(path));
    EXPECT_EQ(reader.fmColl->Count(), 53u);
    EXPECT_EQ(reader.FMfileNames(1), path);
}

TEST_F(FuelModelIO, AMissingFileFailsWithoutAMessage)
{
    EXPECT_FALSE(reader.LoadFuelModel(dir.File("absent.fmd")));
    EXPECT_EQ(reader.errStr, "");
    EXPECT_EQ(reader.fmColl->Count(), 0u);
}
