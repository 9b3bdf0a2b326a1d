#include "app/UnitsCommands.h"

#include "app/FileDlg.h"
#include "app/TorviForm.h"
#include "runs/clsRun.h"

namespace {

const std::string UnitsFilter = "Torvi units set files (*.unt)|*.unt";

}  // namespace

UnitsCommands::UnitsCommands(TorviForm& window, clsRun& owner, clsUserInteraction& userInteraction)
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

void UnitsCommands::SaveUnits()
{
    const std::string chosen =
        ui.ChooseFile(FileDlg::SaveRequest(UnitsFilter, "Save Torvi units set", run.unitsIO.fileName));
    if (chosen.empty())
        return;
    if (!run.unitsIO.SaveUnits(chosen, run))
        ui.ShowMessage(run.unitsIO.errStr);
}

void UnitsCommands::CloseUnits()
{
    SavePrompt();
    run.InitUnits();
    run.unitsIO.fileName.clear();  // the set is no longer the one in use
    form.RefreshVisibleTab();
}

void UnitsCommands::SavePrompt()
{
    if (!Units_IO::UnitsHaveChanged(run))
        return;
    std::string text = "Unit selections have changed";
    text += run.unitsIO.IsLoaded() ? " in the loaded unit set file " + run.unitsIO.fileName + "." : ".";
    text += "\r\nWould you like to save these changes?";
    if (ui.AskYesNo(text, "Unit selections changed"))
        SaveUnits();
}
