#pragma once

#include <string>

class QWidget;

// What the run, units and tool commands ask of the window that shows the run: the scenarios on
// screen, the run's descriptive fields and the tab on screen. The commands decide; the window
// shows.
class RunWindow {
public:
    static constexpr int NumScenarios = 4;

    // After a run file was loaded: its fields, its scenarios (each calculated), its units and the
    // visible table or chart view with the controls the run gave it.
    virtual void ShowLoadedRun() = 0;
    // Every scenario calculated again, and the table or chart on screen with them.
    virtual void CalculateAll() = 0;
    virtual void ClearScenario(int scenario) = 0;
    virtual void ClearAllScenarios() = 0;
    // The scenario popup's save and name commands.
    virtual void SaveScenario(int scenario) = 0;
    virtual void NameScenario(int scenario) = 0;
    // Whether a scenario's panel holds changes not saved to its file; and marking them saved.
    virtual bool ScenarioIsDirty(int scenario) const = 0;
    virtual void MarkScenarioClean(int scenario) = 0;
    // The caption of a scenario's button, as questions about it name it.
    virtual std::string ScenarioTitle(int scenario) const = 0;

    // The run's file, after a save gave the run its file.
    virtual void ShowRunFile() = 0;
    // Empties the run's fields on screen before the run itself is reset.
    virtual void ClearRunFields() = 0;

    // Shows the run's current units and refreshes the visible tab.
    virtual void RefreshVisibleTab() = 0;
    // A run file opened or saved heads the "Recent runs" menu.
    virtual void NoteRecentRun(const std::string& path) = 0;
    // The window the commands' dialogs belong to.
    virtual QWidget* DialogParent() = 0;

protected:
    ~RunWindow() = default;
};
