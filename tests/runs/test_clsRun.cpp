#include "runs/clsRun.h"

#include "RunsTestSupport.h"
#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

namespace {

std::string Line(const std::string& name, const std::string& wind = "12")
{
    return "3 1 0.4 1 1 1 4 0.4 1 1 1 6 7 8 90 120 0.12 4 1 100 2 " + wind + " 30 0 " + name + "\r\n";
}

const std::string ModelParameters = std::string(ORVANE_BIN_DIR) + "/ModelParameters.f";

}  // namespace

TEST(clsRun, HasFourScenariosAndRefusesOthers)
{
    RecordingInteraction ui;
    clsRun run(ui);
    EXPECT_EQ(clsRun::NumScenarios(), 4);
    EXPECT_EQ(&run.io(1), &run.io(1));
    EXPECT_NE(&run.io(1), &run.io(4));
    EXPECT_THROW(run.io(5), std::out_of_range);
    EXPECT_THROW(run.io(0), std::out_of_range);
    EXPECT_THROW(run.iclone(5), std::out_of_range);
    EXPECT_DOUBLE_EQ(run.iclone(2).Initiation, -1);
}

TEST(clsRun, InitRunResetsTheRunTabsUnitsAndScenarios)
{
    RecordingInteraction ui;
    clsRun run(ui);
    run.Name = "Burn plan";
    run.IsDirty = run.IsLoaded = true;
    run.globalHCrown = 20000;
    run.tblch_input_var = 3;
    run.haz_input_max = 80;
    run.fire_page_var = 2;
    run.units.CvtROS(3, 1);
    run.fire_pg_units.CvtFLen(2, 1);
    run.io(2).IsEmpty = false;
    run.io(2).IData.LowInputs.MultiplierROS = 3;
    run.io(2).Name = "x";
    run.run_IO.fileName = "ridge.run";
    run.unitsIO.fileName = "metric.unt";

    run.InitRun();
    EXPECT_EQ(run.run_IO.fileName, "");
    EXPECT_FALSE(run.unitsIO.IsLoaded());
    EXPECT_EQ(run.Name, "");
    EXPECT_FALSE(run.IsDirty);
    EXPECT_FALSE(run.IsLoaded);
    EXPECT_DOUBLE_EQ(run.globalHCrown, 18000);
    EXPECT_EQ(run.tblch_input_var, 9);
    EXPECT_EQ(run.tblch_page_var, 0);
    EXPECT_EQ(run.tblch_output_var, 1);
    for (double value : {run.tblch_input_min, run.haz_input_min})
        EXPECT_DOUBLE_EQ(value, 0);
    for (double value : {run.tblch_input_max, run.haz_input_max})
        EXPECT_DOUBLE_EQ(value, 40);
    for (double value : {run.tblch_input_step, run.haz_input_step})
        EXPECT_DOUBLE_EQ(value, 2);
    EXPECT_EQ(run.fire_page_var, 0);
    EXPECT_EQ(run.units.ROSOutUnits.GetCurrUnit(), 1);
    EXPECT_EQ(run.fire_pg_units.FLenOutUnits.GetCurrUnit(), 1);
    EXPECT_FALSE(run.units.UnitsChanged());
    for (int s = 1; s <= 4; ++s) {
        const clsIO& io = run.io(s);
        EXPECT_TRUE(io.IsEmpty);
        EXPECT_FALSE(io.IsValid);
        EXPECT_EQ(io.Name, "");
        EXPECT_EQ(io.InputId, -1);
        EXPECT_DOUBLE_EQ(io.IData.ConiferFoliarMC, 100);
        for (const clsTorviInputSet* set : {&io.IData.LowInputs, &io.IData.HighInputs}) {
            EXPECT_DOUBLE_EQ(set->WindReductionFactor, 0.1);
            EXPECT_DOUBLE_EQ(set->MultiplierROS, 1);
            EXPECT_DOUBLE_EQ(set->MultiplierLoadDepth, 1);
            EXPECT_DOUBLE_EQ(set->MultiplierIntensity, 1);
            EXPECT_EQ(set->Parent, &io.IData);
        }
        EXPECT_EQ(io.IData.HighInputs.LowOrHigh, 1);
        EXPECT_DOUBLE_EQ(io.IData.HPAHighConifer, -1);
    }
}

TEST(clsIO, LoadInputKeepsTheFileOpenForTheNextRecords)
{
    TempFolder folder;
    RecordingInteraction ui;
    clsRun run(ui);
    clsIO& io = run.io(1);
    io.fileName = folder.Write("three.scn", Line("A") + Line("B") + Line("C"));
    ASSERT_TRUE(io.LoadInput(false));
    EXPECT_EQ(io.Name, " A");
    ASSERT_TRUE(io.LoadNextInput());
    EXPECT_EQ(io.Name, " B");
    ASSERT_TRUE(io.LoadNextInput());
    EXPECT_EQ(io.Name, " C");
    EXPECT_FALSE(io.LoadNextInput());
    EXPECT_FALSE(io.LoadNextInput());
    EXPECT_EQ(run.scenIn_IO.errStr, "Scenario input file is not open");  // closed at the end
    EXPECT_TRUE(ui.messages.empty());
}

TEST(clsIO, LoadInputWithCloseShowsWhyItFailedAndKeepsTheScenario)
{
    TempFolder folder;
    RecordingInteraction ui;
    clsRun run(ui);
    clsIO& io = run.io(1);
    io.Name = "mine";
    io.fileName = folder.Write("short.scn", "# header\r\n1 2 3\r\n");
    EXPECT_FALSE(io.LoadInput(true));
    io.fileName = folder.Write("letters.scn", Line("A", "windy"));
    EXPECT_FALSE(io.LoadInput(true));
    io.fileName = folder.File("absent.scn");
    EXPECT_FALSE(io.LoadInput(true));
    const std::vector<std::string> expected{
        "Wrong number of values in line number 2",
        "Invalid OWND value windy in line number 1 of Scenario Input file: " + folder.File("letters.scn"),
        "Failed to open Scenario Input file: " + folder.File("absent.scn")};
    EXPECT_EQ(ui.messages, expected);
    EXPECT_EQ(io.Name, "mine");
    EXPECT_TRUE(io.IsEmpty);
    EXPECT_DOUBLE_EQ(io.IData.LowInputs.WindReductionFactor, 0.1);

    io.fileName = folder.Write("good.scn", Line("Good") + Line("Second"));
    EXPECT_TRUE(io.LoadInput(true));
    EXPECT_FALSE(io.IsEmpty);
    EXPECT_EQ(io.Name, " Good");
    EXPECT_FALSE(io.LoadNextInput());  // closed after the first record
}

TEST(clsIO, ARecordOfLettersLeavesTheFileOpenWithoutAMessage)
{
    TempFolder folder;
    RecordingInteraction ui;
    clsRun run(ui);
    clsIO& io = run.io(1);
    io.fileName = folder.Write("mixed.scn", Line("A", "x") + Line("B") + Line("C", "?") + Line("D"));
    EXPECT_FALSE(io.LoadInput(false));
    EXPECT_EQ(run.scenIn_IO.invalidKey, "OWND");
    ASSERT_TRUE(io.LoadNextInput());
    EXPECT_EQ(io.Name, " B");
    EXPECT_FALSE(io.LoadNextInput());
    EXPECT_EQ(run.scenIn_IO.invalidKey, "OWND");
    ASSERT_TRUE(io.LoadNextInput());
    EXPECT_EQ(io.Name, " D");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(clsIO, SaveInputWritesTheScenarioAndClearsDirty)
{
    TempFolder folder;
    RecordingInteraction ui;
    clsRun run(ui);
    clsIO& io = run.io(3);
    io.IData.VegType = 3;
    io.Name = "Saved";
    io.IsDirty = true;
    io.fileName = folder.File("saved.scn");
    ASSERT_TRUE(io.SaveInput());
    EXPECT_FALSE(io.IsDirty);
    clsIO& other = run.io(4);
    other.fileName = io.fileName;
    ASSERT_TRUE(other.LoadInput(true));
    EXPECT_EQ(other.Name, " Saved");
    EXPECT_EQ(other.IData.VegType, 3);

    io.IsDirty = true;
    io.fileName = folder.File("no/folder/saved.scn");
    EXPECT_FALSE(io.SaveInput());
    EXPECT_TRUE(io.IsDirty);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(clsIO, PanelEventsReachTheirCallbacks)
{
    RecordingInteraction ui;
    clsRun run(ui);
    clsIO& io = run.io(2);
    io.InputFieldChanged(3);  // nothing bound: nothing happens
    std::vector<std::string> calls;
    io.OnInputFieldChanged = [&](int box) { calls.push_back("changed " + std::to_string(box)); };
    io.OnSimulationTypeClicked = [&] { calls.push_back("type"); };
    io.InputFieldChanged(3);
    io.SimulationTypeClicked();
    EXPECT_EQ(calls, (std::vector<std::string>{"changed 3", "type"}));
}

TEST(clsRun, LoadFuelModelFileAsksForAFileWithoutAName)
{
    RecordingInteraction ui;
    clsRun run(ui);
    EXPECT_FALSE(run.LoadFuelModelFile());
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const auto& request = ui.fileRequests[0];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.filter, "Fuel Model Files (*.fmd)|*.fmd");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.title, "Load custom fuel model");
    EXPECT_EQ(request.flags, 0);
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(run.torvi.FuelModels, nullptr);
    EXPECT_EQ(run.defFM.fmColl->Count(), 0u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(clsRun, LoadFuelModelFileHandsTheCollectionToTheEngine)
{
    TempFolder folder;
    RecordingInteraction ui;
    clsRun run(ui);
    ui.chosenFiles.push_back(folder.Write("bad.fmd", "NEITHER\r\n"));
    EXPECT_FALSE(run.LoadFuelModelFile());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], run.defFM.errStr);
    EXPECT_EQ(run.torvi.FuelModels, nullptr);

    ui.messages.clear();
    EXPECT_FALSE(run.LoadFuelModelFile(folder.File("absent.fmd")));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Failed to open Fuel Model file: " + folder.File("absent.fmd")}));

    ASSERT_TRUE(run.LoadFuelModelFile(ModelParameters)) << run.defFM.errStr;
    EXPECT_EQ(run.torvi.FuelModels, run.defFM.fmColl);
    EXPECT_EQ(run.getSelectedFM(0), nullptr);
    EXPECT_EQ(run.getSelectedFM(-4), nullptr);
    EXPECT_EQ(run.getSelectedFM(99999), nullptr);
    ASSERT_NE(run.getSelectedFM(10), nullptr);
    EXPECT_EQ(run.getSelectedFM(10)->fuelModelCode, "FM10");
}
