#include "window/UnitsCommands.h"

#include "base/FileDlg.h"
#include "window/RunWindow.h"
#include "runs/clsRun.h"

namespace {

const std::string UnitsFilter = "Torvi units set files (*.unt)|*.unt";

}  // namespace

UnitsCommands::UnitsCommands(RunWindow& window, clsRun& owner, clsUserInteraction& userInteraction)
    : form(window), run(owner), ui(userInteraction)
{
}

void UnitsCommands::OpenUnits()
{
    const std::string chosen = ui.ChooseFile(FileDlg::OpenRequest(UnitsFilter, "Load Torvi units set"));
    if (chosen.empty())
        return;
    if (!run.unitsIO.LoadUnits(chosen, run)) {
        ui.ShowMessage(run.unitsIO.errStr);
        return;
    }
    form.RefreshVisibleTab();
}

bool UnitsCommands::SaveUnits()
{
    const std::string chosen =
        ui.ChooseFile(FileDlg::SaveRequest(UnitsFilter, "Save Torvi units set", run.unitsIO.fileName));
    if (chosen.empty())
        return false;
    if (!run.unitsIO.SaveUnits(chosen, run)) {
        ui.ShowMessage(run.unitsIO.errStr);
        return false;
    }
    return true;
}

void UnitsCommands::CloseUnits()
{
    const clsUserInteraction::Answer answer = AskToSave();
    if (answer == clsUserInteraction::Answer::Cancel || (answer == clsUserInteraction::Answer::Yes && !SaveUnits()))
        return;
    run.InitUnits();
    run.unitsIO.fileName.clear();  // the set is no longer the one in use
    form.RefreshVisibleTab();
}

clsUserInteraction::Answer UnitsCommands::AskToSave()
{
    if (!Units_IO::UnitsHaveChanged(run))
        return clsUserInteraction::Answer::No;
    std::string text = "Unit selections have changed";
    text += run.unitsIO.IsLoaded() ? " in the loaded unit set file " + run.unitsIO.fileName + "." : ".";
    text += "\r\nWould you like to save these changes?";
    return ui.AskYesNoCancel(text, "Unit selections changed");
}
