#include "tables/clsColOutputCtl.h"

#include "tables/TableVariables.h"
#include "tables/TableViewHost.h"

clsColOutputCtl::clsColOutputCtl(TableViewHost& owner) : views(owner)
{
    for (const TableVariables::Output& output : TableVariables::Outputs())
        cmboColVar.AddItem(output.text, output.id);
}

const TableView* clsColOutputCtl::Bound() const
{
    const TableView* view = views.Visible();
    return view && view->output ? view : nullptr;
}

void clsColOutputCtl::setColVar()
{
    const TableView* view = Bound();
    if (!view)
        return;
    clsColOutputCtl& control = *view->output;
    control.SelectOutput(*view, control.cmboColVar.Holds(*view->outputVar) ? *view->outputVar : 0);
    view->outputUnits->SetUnitsHaveChanged(false);
    control.Calc();
}

void clsColOutputCtl::Calc() const
{
    views.RequestRecompute();
}

void clsColOutputCtl::ColVarSelected(int position)
{
    const TableView* view = Bound();
    if (!view)
        return;
    view->output->SelectOutput(*view, position);
    Calc();
}

void clsColOutputCtl::SelectOutput(const TableView& view, int position)
{
    outputId = 0;
    decimals = 0;
    cmboColVar.index = cmboColVar.Holds(position) ? position : 0;
    *view.outputVar = static_cast<int16_t>(cmboColVar.index);
    outputId = cmboColVar.ItemData();
    cmboColUnits.Clear();
    const TableVariables::Output& output = *TableVariables::FindOutput(outputId);
    if (!output.member) {
        cmboColUnits.AddItem("fraction", 1);
        ApplyUnit(view, 0);
        return;
    }
    (view.outputUnits->*output.fillList)(cmboColUnits);
    ApplyUnit(view, (view.outputUnits->*output.member).GetCurrUnit() - 1);
}

void clsColOutputCtl::ColUnitSelected(int position)
{
    const TableView* view = Bound();
    if (!view || view->output->cmboColUnits.Empty())
        return;
    view->output->ApplyUnit(*view, position);
    Calc();
}

void clsColOutputCtl::ApplyUnit(const TableView& view, int position)
{
    view.outputUnits->SetUnitsHaveChanged(true);
    cmboColUnits.index = cmboColUnits.Holds(position) ? position : 0;
    const TableVariables::Output& output = *TableVariables::FindOutput(outputId);
    if (output.id == TableVariables::CrownFractionBurnedId) {
        decimals = 0;
    } else {
        clsTorviUnit& member = view.outputUnits->*output.member;
        member.SetCurrUnit(cmboColUnits.ItemData());
        decimals = member.GetPrecision();
    }
    Notify();
}

void clsColOutputCtl::Notify()
{
    if (Changed)
        Changed();
}
