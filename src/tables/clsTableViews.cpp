#include "tables/clsTableViews.h"

#include "runs/clsRun.h"
#include "tables/Tables.h"

clsTableViews::clsTableViews(clsRun& owner, clsUserInteraction& userInteraction)
    : tblRowInput(*this, clsRowInputCtl::Kind::Table),
      tblPageInput(*this),
      tblColOutput(*this),
      rowInHazard(*this, clsRowInputCtl::Kind::WindOnly),
      pgInHazard(*this),
      colOutHazard(*this),
      pgInFire(*this),
      run(owner),
      ui(userInteraction)
{
    clsRun& r = run;
    const TableView table{&tblRowInput,       &tblPageInput,       &tblColOutput,       &r.tblch_units,
                          &r.tblch_pg_units,  &r.tblch_units,      &r.tblch_input_var,  &r.tblch_page_var,
                          &r.tblch_output_var, &r.tblch_input_min, &r.tblch_input_max, &r.tblch_input_step,
                          &r.tblch_input_unit, &r.tblch_page_val};
    const TableView hazard{&rowInHazard,     &pgInHazard,       &colOutHazard,     &r.haz_units,
                           &r.haz_units,     &r.tblch_units,    &r.haz_input_var,  &r.haz_page_var,
                           &r.haz_output_var, &r.haz_input_min, &r.haz_input_max, &r.haz_input_step,
                           &r.haz_input_unit, &r.haz_page_val};
    const TableView fire{nullptr, &pgInFire, nullptr, nullptr, &r.fire_units, nullptr,  nullptr,
                         &r.fire_page_var, nullptr, nullptr, nullptr, nullptr, nullptr, &r.fire_page_val};
    views = {table, table, hazard, fire};
}

const TableView* clsTableViews::ViewOf(int16_t visTab) const
{
    return visTab >= OutputTable && visTab <= FireChart ? &views[static_cast<std::size_t>(visTab - 1)] : nullptr;
}

const TableView* clsTableViews::Visible() const
{
    return ViewOf(run.visTab);
}

std::array<bool, 4> clsTableViews::Validated() const
{
    std::array<bool, 4> validated{};
    for (int i = 1; i <= 4; ++i)
        validated[static_cast<std::size_t>(i - 1)] = ScenarioValidated && ScenarioValidated(i);
    return validated;
}

int clsTableViews::RefreshWorkingCopies() const
{
    return Tables::RefreshWorkingCopies(run, Validated());
}

void clsTableViews::SetRecompute(int16_t view, std::function<void()> compute)
{
    if (view == OutputTable || view == OutputChart) {
        recompute[0] = compute;
        recompute[1] = compute;
    } else if (view == HazardChart || view == FireChart) {
        recompute[static_cast<std::size_t>(view - 1)] = std::move(compute);
    }
}

void clsTableViews::RequestRecompute()
{
    if (deferrals > 0) {
        pending = true;
        return;
    }
    if (!Visible())
        return;
    const auto& compute = recompute[static_cast<std::size_t>(run.visTab - 1)];
    if (compute)
        compute();
}

clsTableViews::Deferral::Deferral(clsTableViews& owner) : views(owner)
{
    ++views.deferrals;
}

clsTableViews::Deferral::~Deferral()
{
    if (--views.deferrals > 0 || !views.pending)
        return;
    views.pending = false;
    views.RequestRecompute();
}

void clsTableViews::RestoreControls()
{
    Deferral once(*this);
    // Each operation acts on the visible view's instance; the two row controls serve different views.
    tblPageInput.setPageVar();
    tblRowInput.setRowVar();
    rowInHazard.setRowVar();
    tblColOutput.setColVar();
}
