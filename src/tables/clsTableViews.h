#pragma once

#include "tables/TableViewHost.h"
#include "tables/clsColOutputCtl.h"
#include "tables/clsPageInputCtl.h"
#include "tables/clsRowInputCtl.h"

#include <array>
#include <cstdint>
#include <functional>

// The controls of the four table and chart views and what binds them to the run: the output
// table (view 1) and output chart (view 2) share one row, page and output control; the crown fire
// hazard chart (view 3) has a wind row control, a page and an output control of its own; the fire
// characteristics chart (view 4) a page control. A control event acts on the instance of the view
// the run shows and ends in a recompute request to that view.
class clsTableViews : public TableViewHost {
public:
    clsTableViews(clsRun& run, clsUserInteraction& ui);
    clsTableViews(const clsTableViews&) = delete;
    clsTableViews& operator=(const clsTableViews&) = delete;

    // The binding of a view; nullptr for the input/output page and unknown views.
    const TableView* ViewOf(int16_t visTab) const;
    const TableView* Visible() const override;

    clsRun& Run() const override { return run; }
    clsUserInteraction& UI() const override { return ui; }

    // Whether a scenario's input panel reports every input valid; set by the owner.
    std::function<bool(int scenario)> ScenarioValidated;
    std::array<bool, 4> Validated() const override;
    int RefreshWorkingCopies() const override;

    // What a recompute request runs while a view is visible; the output table and chart share
    // one. A view without a computation does nothing.
    void SetRecompute(int16_t view, std::function<void()> compute);
    void RequestRecompute() override;

    // Holds the recompute requests of a sequence of control operations back, so that the visible
    // view recomputes once, at the end, when anything asked for it.
    class Deferral {
    public:
        explicit Deferral(clsTableViews& views);
        ~Deferral();
        Deferral(const Deferral&) = delete;
        Deferral& operator=(const Deferral&) = delete;

    private:
        clsTableViews& views;
    };

    // Brings the visible view's controls back to the selections remembered in the run: after a
    // view became visible and after a run file was loaded.
    void RestoreControls();

    clsRowInputCtl tblRowInput;
    clsPageInputCtl tblPageInput;
    clsColOutputCtl tblColOutput;
    clsRowInputCtl rowInHazard;
    clsPageInputCtl pgInHazard;
    clsColOutputCtl colOutHazard;
    clsPageInputCtl pgInFire;

private:
    clsRun& run;
    clsUserInteraction& ui;
    std::array<TableView, 4> views;
    std::array<std::function<void()>, 4> recompute;
    int deferrals = 0;
    bool pending = false;
};
