#include "tables/clsRowInputCtl.h"

#include "base/NumberText.h"
#include "base/clsUserInteraction.h"
#include "runs/clsRun.h"
#include "tables/TableVariables.h"
#include "tables/TableViewHost.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const NotANumberLead[] = {"Please enter a valid Minimum number within the range [",
                                      "Please enter a valid Maximum number within the range [",
                                      "Please enter a valid Step number within the range ["};
const char* const OutOfRangeLead[] = {"Invalid value: Please enter a Minimum value between ",
                                      "Invalid value: Please enter a Maximum value between ",
                                      "Invalid value: Please enter a Step value between "};

}  // namespace

clsRowInputCtl::clsRowInputCtl(TableViewHost& owner, Kind kind) : views(owner), controlKind(kind)
{
    if (kind == Kind::Table)
        for (const TableVariables::Variable& variable : TableVariables::Variables())
            cmboRowVar.AddItem(variable.rowText, variable.id);
    Reset();
}

bool clsRowInputCtl::Serves(int16_t view) const
{
    return controlKind == Kind::Table
               ? view == TableViewHost::OutputTable || view == TableViewHost::OutputChart
               : view == TableViewHost::HazardChart;
}

const TableView* clsRowInputCtl::Bound() const
{
    const TableView* view = views.Visible();
    return view && Serves(views.Run().visTab) ? view : nullptr;
}

void clsRowInputCtl::Reset()
{
    varId = controlKind == Kind::WindOnly ? TableVariables::OpenWindSpeedId : 0;
    decimals = 0;
    lowerLimit = 0;
    upperLimit = 0;
    rangeMin = 0;
    rangeMax = 10;
    step = 1;
    boxValid = {true, true, true};
}

bool clsRowInputCtl::InRange(double v) const
{
    return TableVariables::InRange(v, rangeMin, rangeMax, decimals);
}

bool clsRowInputCtl::rowVarIsValid() const
{
    return varId >= 1 && boxValid[Min] && boxValid[Max] && boxValid[Step];
}

void clsRowInputCtl::setRowVar()
{
    const TableView* view = Bound();
    if (!view)
        return;
    clsRowInputCtl& control = *view->row;
    const int position = control.cmboRowVar.Holds(*view->rowVar) ? *view->rowVar : 0;
    control.SelectVariable(*view, position);
    control.RestoreRange(*view);
    control.RefreshDisplay();
    control.Remember(*view);
    views.RequestRecompute();
    view->rowUnits->SetUnitsHaveChanged(false);
}

void clsRowInputCtl::RowVarSelected(int position)
{
    const TableView* view = Bound();
    if (!view)
        return;
    clsRowInputCtl& control = *view->row;
    control.SelectVariable(*view, position);
    control.RefreshDisplay();
    control.Remember(*view);
    views.RequestRecompute();
}

void clsRowInputCtl::SelectVariable(const TableView& view, int position)
{
    Reset();
    if (controlKind == Kind::Table) {
        cmboRowVar.index = cmboRowVar.Holds(position) ? position : 0;
        *view.rowVar = static_cast<int16_t>(cmboRowVar.index);
        varId = cmboRowVar.ItemData();
    } else {
        *view.rowVar = varId;
    }
    cmboRowUnits.Clear();
    const TableVariables::Variable& variable = *TableVariables::FindVariable(varId);
    clsTorviUnit& member = view.rowUnits->*variable.member;
    lowerLimit = member.GetMinDataVal();
    upperLimit = member.GetMaxDataVal();
    rangeMin = lowerLimit;
    rangeMax = upperLimit;
    step = member.GetRowStep();
    if (variable.fixedLabel)
        cmboRowUnits.AddItem(variable.fixedLabel, 1);
    else
        (view.rowUnits->*variable.fillList)(cmboRowUnits);
    ApplyUnit(view, variable.fixedLabel ? 0 : member.GetCurrUnit() - 1);
}

// The range a run remembers comes back in the unit it was given in, when it suits the variable
// there; a range of an unknown unit (a run file that does not say) is taken in the current unit.
void clsRowInputCtl::RestoreRange(const TableView& view)
{
    const double remembered[] = {*view.rangeMin, *view.rangeMax, *view.rangeStep};
    const int unitPosition = cmboRowUnits.PositionOf(*view.rangeUnit);
    if (*view.rangeUnit > 0 && unitPosition >= 0 && unitPosition != cmboRowUnits.index)
        ApplyUnit(view, unitPosition);
    if (!Accepts(Min, remembered[Min]) || !Accepts(Max, remembered[Max]) || !Accepts(Step, remembered[Step]))
        return;
    rangeMin = remembered[Min];
    rangeMax = remembered[Max];
    step = remembered[Step];
}

void clsRowInputCtl::Remember(const TableView& view) const
{
    *view.rangeMin = rangeMin;
    *view.rangeMax = rangeMax;
    *view.rangeStep = step;
    *view.rangeUnit = rowUnit();
}

void clsRowInputCtl::RowUnitSelected(int position)
{
    const TableView* view = Bound();
    if (!view || view->row->cmboRowUnits.Empty())
        return;
    clsRowInputCtl& control = *view->row;
    control.ApplyUnit(*view, position);
    control.RefreshDisplay();
    control.Remember(*view);
    views.RequestRecompute();
}

// A new unit discards the range: it becomes the variable's whole data range in that unit.
void clsRowInputCtl::ApplyUnit(const TableView& view, int position)
{
    if (cmboRowUnits.Empty())
        return;
    view.rowUnits->SetUnitsHaveChanged(true);
    cmboRowUnits.index = cmboRowUnits.Holds(position) ? position : 0;
    const TableVariables::Variable& variable = *TableVariables::FindVariable(varId);
    clsTorviUnit& member = view.rowUnits->*variable.member;
    if (TableVariables::IsConverted(variable))
        member.SetCurrUnit(cmboRowUnits.ItemData());
    lowerLimit = member.GetMinDataVal();
    upperLimit = member.GetMaxDataVal();
    decimals = member.GetPrecision();
    const double lower = NumberText::RoundToDecimals(lowerLimit, decimals);
    const double upper = NumberText::RoundToDecimals(upperLimit, decimals);
    rangeMin = std::clamp(lower, lower, upper);
    rangeMax = std::clamp(upper, lower, upper);
    step = NumberText::RoundToDecimals(member.GetRowStep(), decimals);
    // The whole data range is a valid range, whatever the boxes held before.
    boxValid = {true, true, true};
}

bool clsRowInputCtl::Accepts(Box box, double value) const
{
    if (box != Step)
        return lowerLimit <= value && value <= upperLimit;
    // A step must move the walk and fit the variable's range.
    return NumberText::RoundToDecimals(value, decimals) > 0 &&
           value <= NumberText::RoundToDecimals(upperLimit - lowerLimit, decimals);
}

std::string clsRowInputCtl::Limits(Box box, const char* between) const
{
    if (box != Step)
        return NumberText::ShortestText(lowerLimit) + between + NumberText::ShortestText(upperLimit);
    const double smallest = NumberText::RoundToDecimals(std::pow(10.0, -decimals), decimals);
    return NumberText::ShortestText(smallest) + between +
           NumberText::ShortestText(NumberText::RoundToDecimals(upperLimit - lowerLimit, decimals));
}

std::string clsRowInputCtl::ToolTip(Box box) const
{
    if (varId < 1)
        return "";
    const std::string unit = cmboRowUnits.Text();
    return "[" + Limits(box, " - ") + (unit.empty() ? "" : " " + unit) + "]";
}

void clsRowInputCtl::RowValueTyped(Box box, const std::string& typed)
{
    const TableView* view = Bound();
    if (!view)
        return;
    clsRowInputCtl& control = *view->row;
    const std::string text = NumberText::NormaliseBlanks(typed);
    control.boxValid[box] = false;
    control.boxText[box] = text;
    double value = 0;
    if (text.empty()) {
        control.Notify();
    } else if (!NumberText::ParseDouble(text, value)) {
        control.boxText[box].clear();
        control.Notify();
        views.UI().ShowMessage(NotANumberLead[box] + control.Limits(box, " - ") + "]");
    } else if (!control.Accepts(box, value)) {
        control.boxIsRed[box] = true;
        control.Notify();
        if (control.FocusBox)
            control.FocusBox(box);
        views.UI().ShowMessage(OutOfRangeLead[box] + control.Limits(box, " and "));
    } else {
        control.boxValid[box] = true;
        (box == Min ? control.rangeMin : box == Max ? control.rangeMax : control.step) = value;
        control.RefreshDisplay();
        control.Remember(*view);
    }
    views.RequestRecompute();
}

// Boxes with a valid value show it; a box the analyst left invalid keeps what was typed, in red.
void clsRowInputCtl::RefreshDisplay()
{
    const double values[] = {rangeMin, rangeMax, step};
    for (std::size_t box = Min; box <= Step; ++box) {
        if (boxValid[box])
            boxText[box] = NumberText::ShortestText(values[box]);
        boxIsRed[box] = !boxValid[box];
    }
    Notify();
}

void clsRowInputCtl::Notify()
{
    if (Changed)
        Changed();
}
