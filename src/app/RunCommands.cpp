#include "app/RunCommands.h"

#include "app/FileDlg.h"
#include "app/TorviForm.h"
#include "app/UnitsCommands.h"
#include "panels/ctlIn.h"
#include "runs/clsRun.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const std::string RunFilter = "Torvi run files (*.run)|*.run";

}  // namespace

RunCommands::RunCommands(TorviForm& window, clsRun& owner, clsUserInteraction& userInteraction,
                         UnitsCommands& unitsCommands)
    : form(window), run(owner), ui(userInteraction), units(unitsCommands)
{
}

void RunCommands::OpenRun()
{
    SavePrompts(true);
    form.ClearAllScenarios();
    const std::string chosen = ui.ChooseFile(FileDlg::OpenRequest(RunFilter, "Load Torvi run data"));
    if (!chosen.empty())
        LoadRun(chosen);
}

void RunCommands::OpenRunFile(const std::string& path)
{
    SavePrompts(true);
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
    // What a failed load read stays in the run, so it is shown too: the screen never hides part
    // of the run that a later save would write.
    ShowLoadedRun();
}

void RunCommands::ShowLoadedRun()
{
    ShowRunFields();
    for (int i = 1; i <= TorviForm::NumScenarios; ++i)
        if (!run.io(i).IsEmpty && form.CopyRecordToPanel(i))
            form.CalculateOutput(i);
    form.RefreshVisibleTab();
    form.RestoreTabSettings();
    MarkPanelsClean();
}

void RunCommands::ShowRunFields()
{
    form.txtRunFile->setText(QString::fromStdString(run.run_IO.fileName));
    form.txtRun->setText(QString::fromStdString(run.Name));
    form.txtRDate->setText(QString::fromStdString(run.RDate));
    form.txtAnalyst->setText(QString::fromStdString(run.Analyst));
    form.txtProject->setText(QString::fromStdString(run.Project));
}

void RunCommands::SaveRun()
{
    if (run.Name.empty()) {
        ui.ShowMessage("Please name your run before saving it.");
        return;
    }
    if (!run.run_IO.RunCanBeSaved(run)) {
        ui.ShowMessage(run.run_IO.errStr);
        return;
    }
    ScenarioDataPrompt(false);
    const std::string chosen =
        ui.ChooseFile(FileDlg::SaveRequest(RunFilter, "Save Torvi run data", run.run_IO.fileName));
    if (chosen.empty())
        return;
    if (!run.run_IO.SaveTorviRun(chosen, run)) {
        ui.ShowMessage(run.run_IO.errStr);
        return;
    }
    run.IsDirty = false;
    run.IsLoaded = true;  // the run now is that file's: a later change is asked about
    form.txtRunFile->setText(QString::fromStdString(chosen));
    form.NoteRecentRun(chosen);
}

void RunCommands::CloseRun()
{
    SavePrompts(true);
    form.ClearAllScenarios();
}

void RunCommands::SavePrompts(bool clearing)
{
    ScenarioDataPrompt(clearing);
    units.SavePrompt();
    if (clearing)
        run.InitUnits();
    RunDataPrompt(clearing);
    if (clearing)
        form.RefreshVisibleTab();
}

void RunCommands::ScenarioDataPrompt(bool clearing)
{
    for (int i = 1; i <= TorviForm::NumScenarios; ++i) {
        if (!form.inPanel[i]->Events().IsDirty())
            continue;
        const std::string caption = form.scenarioButton[i]->text().toStdString();
        if (ui.AskYesNo("Data in " + caption + " has changed. Would you like to Save changes?", "Scenario data changed"))
            SaveScenario(i);
        if (clearing)
            form.ClearScenario(i);
    }
    MarkPanelsClean();
}

// An unnamed scenario is named first: a save refused for want of a name would lose the data that
// the user asked to keep.
void RunCommands::SaveScenario(int scenario)
{
    if (run.io(scenario).Name.empty())
        form.NameScenario(scenario);
    form.SaveScenario(scenario);
}

void RunCommands::RunDataPrompt(bool clearing)
{
    if (run.IsLoaded && run.IsDirty &&
        ui.AskYesNo("Would you like to save changes made to this run?", "Torvi Run data changed"))
        SaveRun();
    if (!clearing)
        return;
    for (QLineEdit* box : {form.txtRun, form.txtRDate, form.txtAnalyst, form.txtProject, form.txtRunFile})
        box->clear();
    run.InitRun();
}

void RunCommands::MarkPanelsClean()
{
    for (int i = 1; i <= TorviForm::NumScenarios; ++i)
        form.inPanel[i]->Events().SetIsDirty(false);
}
