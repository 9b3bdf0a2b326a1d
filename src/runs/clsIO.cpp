#include "runs/clsIO.h"

#include "base/clsUserInteraction.h"
#include "runs/ScenarioInput_IO.h"

clsIO::clsIO(ScenarioInput_IO& reader, clsUserInteraction& userInteraction) : scenIn_IO(reader), ui(userInteraction)
{
    InitIO();
}

void clsIO::InitIO()
{
    IData = clsTorviInputs();
    OData = clsTorviOutputs();
    for (clsTorviInputSet* set : {&IData.LowInputs, &IData.HighInputs}) {
        set->WindReductionFactor = 0.1;
        set->MultiplierROS = 1.0;
        set->MultiplierLoadDepth = 1.0;
        set->MultiplierIntensity = 1.0;
    }
    IData.LowInputs.LowOrHigh = 0;
    IData.HighInputs.LowOrHigh = 1;
    IData.ConiferFoliarMC = 100;
    InputId = -1;
    Name.clear();
    fileName.clear();
    ofileName.clear();
    IsDirty = false;
    IsValid = false;
    IsEmpty = true;
}

bool clsIO::SaveInput()
{
    if (!scenIn_IO.SaveScenInp(fileName, IData, Name))
        return false;
    IsDirty = false;
    return true;
}

bool clsIO::LoadInput(bool closeAfter)
{
    bool fetched = scenIn_IO.FetchFirstScenInp(fileName, IData, Name);
    if (!closeAfter) {
        if (!fetched && scenIn_IO.invalidKey.empty())
            scenIn_IO.CloseScenInpFile();
        return fetched;
    }
    if (fetched && scenIn_IO.scen_rec.empty()) {
        // A file without a data line leaves the record as it was: there is nothing to load.
        ui.ShowMessage("No scenario found in Scenario Input file: " + fileName);
        fetched = false;
    } else if (fetched) {
        IsEmpty = false;
    } else {
        ui.ShowMessage(scenIn_IO.errStr);
    }
    scenIn_IO.CloseScenInpFile();
    return fetched;
}

bool clsIO::LoadNextInput()
{
    const bool fetched = scenIn_IO.FetchNextScenInp(IData, Name);
    if (!fetched && scenIn_IO.invalidKey.empty())
        scenIn_IO.CloseScenInpFile();
    return fetched;
}

void clsIO::InputFieldChanged(int box)
{
    if (OnInputFieldChanged)
        OnInputFieldChanged(box);
}

void clsIO::SimulationTypeClicked()
{
    if (OnSimulationTypeClicked)
        OnSimulationTypeClicked();
}
