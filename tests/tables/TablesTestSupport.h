#pragma once

#include "engine/clsTorvi.h"
#include "runs/clsRun.h"
#include "tables/clsTableViews.h"

#include "support/RecordingInteraction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

// A run with the standard fuel models, the table views bound to it on the output table, and
// scenarios given as scenario file data lines; `validated` stands for the input panels.
class TablesTest : public ::testing::Test {
protected:
    // Surface fire in short grass and a conifer crown fire in timber litter.
    static constexpr const char* Grass = "3 1 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 10 20 0";
    static constexpr const char* Timber = "2 10 0.4 1 1 1 10 0.1 1 1 1 6 8 10 100 100 0.15 6 1 100 6 20 20 0";

    void SetUp() override
    {
        run.defFM.LoadFuelModel(ORVANE_BIN_DIR "/ModelParameters.f");
        ASSERT_TRUE(run.defFM.errStr.empty()) << run.defFM.errStr;
        run.torvi.FuelModels = run.defFM.fmColl;
        run.visTab = clsTableViews::OutputTable;
        views.ScenarioValidated = [this](int i) { return validated[static_cast<std::size_t>(i - 1)]; };
        views.SetRecompute(clsTableViews::OutputTable, [this] { ++recomputes; });
    }

    // Reads one data line into scenario i, named, and marks it validated.
    void SetScenario(int i, const std::string& dataLine, const std::string& name = "")
    {
        const std::string file = folder.Write("s.scn", "# scenario\r\n" + dataLine + " " + name + "\r\n");
        clsIO& holder = run.io(i);
        ASSERT_TRUE(run.scenIn_IO.FetchFirstScenInp(file, holder.IData, holder.Name)) << run.scenIn_IO.errStr;
        run.scenIn_IO.CloseScenInpFile();
        validated[static_cast<std::size_t>(i - 1)] = true;
    }

    // The engine on a scenario's inputs with one change, as every engine caller prepares them.
    template <class Change>
    clsTorviOutputs Engine(int i, Change change)
    {
        clsTorviInputs record = run.io(i).IData;
        record.LowInputs.LowOrHigh = 0;
        record.HighInputs.LowOrHigh = 1;
        record.Temperature = 0;
        record.HCrown = 18000 * 0.430265351;
        change(record);
        record.DeadHerbMC = record.Dead1HrMC;
        bool success = false;
        clsTorvi engine;
        engine.FuelModels = run.defFM.fmColl;
        clsTorviOutputs out = engine.CalculateTorviOutputs(record, success);
        EXPECT_TRUE(success) << out.ErrorDescription;
        return out;
    }

    RecordingInteraction ui;
    clsRun run{ui};
    clsTableViews views{run, ui};
    std::array<bool, 4> validated{};
    int recomputes = 0;
    TempDir folder;
};
