#include "window/RunCommands.h"

#include "base/FileDlg.h"
#include "window/RunWindow.h"
#include "window/UnitsCommands.h"
#include "runs/clsRun.h"

namespace {

const std::string RunFilter = "Torvi run files (*.run)|*.run";

}  // namespace

RunCommands::RunCommands(RunWindow& window, clsRun& owner, clsUserInteraction& userInteraction,
                         UnitsCommands& unitsCommands)
    : form(window), run(owner), ui(userInteraction), units(unitsCommands)
{
}

void RunCommands::OpenRun()
{
    if (!SavePrompts(true))
        return;
    form.ClearAllScenarios();
    const std::string chosen = ui.ChooseFile(FileDlg::OpenRequest(RunFilter, "Load Torvi run data"));
    if (!chosen.empty())
        LoadRun(chosen);
}

void RunCommands::OpenRunFile(const std::string& path)
{
    if (!SavePrompts(true))
        return;
    form.ClearAllScenarios();
    LoadRun(path);
}

void RunCommands::LoadRun(const std::string& chosen)
{
    const bool loaded = run.run_IO.LoadTorviRun(chosen, run);
    if (!loaded) {
        ui.ShowMessage(run.run_IO.errStr);
        run.run_IO.fileName.clear();  // the run on screen is not that file's
    }
    run.IsLoaded = loaded;
    run.IsDirty = false;
    if (loaded)
        form.NoteRecentRun(chosen);
    form.ShowLoadedRun();
    MarkPanelsClean();
}

bool RunCommands::RunCanBeSaved()
{
    if (run.Name.empty()) {
        ui.ShowMessage("Please name your run before saving it.");
        return false;
    }
    if (!run.run_IO.RunCanBeSaved(run)) {
        ui.ShowMessage(run.run_IO.errStr);
        return false;
    }
    return true;
}

void RunCommands::SaveRun()
{
    if (!RunCanBeSaved())
        return;
    Saves saves;
    for (int i = 1; i <= RunWindow::NumScenarios; ++i) {
        if (!form.ScenarioIsDirty(i))
            continue;
        const Answer answer = AskScenario(i);
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Yes)
            saves.scenarios.push_back(i);
    }
    if (!SaveAnswered(saves))
        return;
    MarkPanelsClean();
    SaveRunFile();
}

bool RunCommands::SaveRunFile()
{
    if (!RunCanBeSaved())
        return false;
    const std::string chosen =
        ui.ChooseFile(FileDlg::SaveRequest(RunFilter, "Save Torvi run data", run.run_IO.fileName));
    if (chosen.empty())
        return false;
    std::vector<std::string> notFound;
    if (!BringReferencesBeside(chosen, notFound))
        return false;
    if (!run.run_IO.SaveTorviRun(chosen, run)) {
        ui.ShowMessage(run.run_IO.errStr);
        return false;
    }
    if (!notFound.empty()) {
        std::string names;
        for (const std::string& path : notFound)
            names += "\r\n" + path;
        ui.ShowMessage("The run was saved, but it will not find these files when it is reopened:" + names);
    }
    run.IsDirty = false;
    run.IsLoaded = true;  // the run now is that file's: a later change is asked about
    form.ShowRunFile();
    form.NoteRecentRun(chosen);
    return true;
}

// A run file finds the files it refers to only beside itself and in the program's folder. For each
// file elsewhere the analyst chooses: a copy beside the run file (Yes), the run saved without it
// being found (No, listed in notFound), or no save at all (Cancel). Every question is asked before
// anything is copied. False when the run is not to be saved.
bool RunCommands::BringReferencesBeside(const std::string& runPath, std::vector<std::string>& notFound)
{
    std::vector<TorviRun_IO::Reference> copies;
    for (TorviRun_IO::Reference& reference : run.run_IO.NotFoundFrom(runPath, run)) {
        const Answer answer = ui.AskYesNoCancel(
            "The run refers to " + reference.field + " " + reference.path +
                ", which is neither in the run file's folder nor in the program's folder: the run would not "
                "find it when reopened.\r\nWould you like to copy it beside the run file?",
            "File outside the run's folder");
        if (answer == Answer::Cancel)
            return false;
        if (answer == Answer::Yes)
            copies.push_back(std::move(reference));
        else
            notFound.push_back(reference.path);
    }
    for (const TorviRun_IO::Reference& reference : copies)
        if (!run.run_IO.CopyBeside(reference, runPath)) {
            ui.ShowMessage(run.run_IO.errStr);
            return false;
        }
    return true;
}

void RunCommands::CloseRun()
{
    if (SavePrompts(true))
        form.ClearAllScenarios();
}

void RunCommands::ClearScenario(int scenario)
{
    if (form.ScenarioIsDirty(scenario)) {
        const Answer answer = AskScenario(scenario);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !SaveScenario(scenario)))
            return;
    }
    form.ClearScenario(scenario);
}

bool RunCommands::SavePrompts(bool clearing)
{
    Saves saves;
    if (!AskSavePrompts(saves) || !SaveAnswered(saves))
        return false;
    MarkPanelsClean();
    if (clearing)
        ClearRun();
    return true;
}

RunCommands::Answer RunCommands::AskScenario(int scenario)
{
    const std::string caption = form.ScenarioTitle(scenario);
    return ui.AskYesNoCancel("Data in " + caption + " has changed. Would you like to Save changes?",
                             "Scenario data changed");
}

bool RunCommands::AskSavePrompts(Saves& saves)
{
    for (int i = 1; i <= RunWindow::NumScenarios; ++i) {
        if (!form.ScenarioIsDirty(i))
            continue;
        const Answer answer = AskScenario(i);
        if (answer == Answer::Cancel)
            return false;
        if (answer == Answer::Yes)
            saves.scenarios.push_back(i);
    }
    const Answer unitsAnswer = units.AskToSave();
    if (unitsAnswer == Answer::Cancel)
        return false;
    saves.units = unitsAnswer == Answer::Yes;
    if (run.IsLoaded && run.IsDirty) {
        const Answer runAnswer =
            ui.AskYesNoCancel("Would you like to save changes made to this run?", "Torvi Run data changed");
        if (runAnswer == Answer::Cancel)
            return false;
        saves.run = runAnswer == Answer::Yes;
    }
    return true;
}

// The scenarios first, so that the run file lists the files they were saved to.
bool RunCommands::SaveAnswered(const Saves& saves)
{
    for (int scenario : saves.scenarios)
        if (!SaveScenario(scenario))
            return false;
    if (saves.units && !units.SaveUnits())
        return false;
    return !saves.run || SaveRunFile();
}

// An unnamed scenario is named first: a save refused for want of a name would lose the data that
// the user asked to keep. False when the scenario was not saved.
bool RunCommands::SaveScenario(int scenario)
{
    if (run.io(scenario).Name.empty())
        form.NameScenario(scenario);
    form.SaveScenario(scenario);
    return !form.ScenarioIsDirty(scenario);
}

void RunCommands::ClearRun()
{
    run.InitUnits();
    form.ClearRunFields();
    run.InitRun();
    form.RefreshVisibleTab();
}

void RunCommands::MarkPanelsClean()
{
    for (int i = 1; i <= RunWindow::NumScenarios; ++i)
        form.MarkScenarioClean(i);
}
