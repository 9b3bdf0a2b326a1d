#include "tables/clsPageInputCtl.h"

#include "base/NumberText.h"
#include "base/clsUserInteraction.h"
#include "runs/clsRun.h"
#include "tables/TableVariables.h"
#include "tables/TableViewHost.h"

#include <cmath>
#include <limits>

namespace {

const char* const NoneEntry = "-- None --";

int Scaled(double value, int16_t scale)
{
    return static_cast<int>(NumberText::RoundHalfEven(value * scale));
}

}  // namespace

clsPageInputCtl::clsPageInputCtl(TableViewHost& owner) : views(owner)
{
    cmboPageVar.AddItem(NoneEntry, 0);
    for (const TableVariables::Variable& variable : TableVariables::Variables())
        cmboPageVar.AddItem(variable.pageText, variable.id);
}

const TableView* clsPageInputCtl::Bound() const
{
    const TableView* view = views.Visible();
    return view && view->page ? view : nullptr;
}

void clsPageInputCtl::Reset()
{
    varId = 0;
    displayValue = 0;
    nativeValue = 0;
    minimum = 0;
    maximum = 10;
    sliderScale = 1;
    pageStep = 1;
    valid = false;
}

void clsPageInputCtl::setPageVar()
{
    const TableView* view = Bound();
    if (!view)
        return;
    clsPageInputCtl& control = *view->page;
    const double remembered = *view->pageValue;  // a selection below remembers its own value
    const int position = control.cmboPageVar.Holds(*view->pageVar) ? *view->pageVar : 0;
    if (control.valid && control.varId > 0 && control.cmboPageVar.index == position) {
        // The same variable with a value the analyst chose or the scenarios gave: the value is
        // kept and shown in the catalogue's current unit.
        const TableVariables::Variable& variable = *TableVariables::FindVariable(control.varId);
        const int unit = TableVariables::IsConverted(variable) ? (view->pageUnits->*variable.member).GetCurrUnit() : 1;
        control.ApplyUnit(*view, unit - 1);
        control.RefreshDisplay();
        views.RequestRecompute();
    } else {
        control.SelectVariable(*view, position);
    }
    if (!std::isnan(remembered))
        control.RestoreValue(*view, remembered);
    view->pageUnits->SetUnitsHaveChanged(false);
}

// The value the run remembers (a saved run's, or the one this control last held) comes back when
// it lies within the variable's limits in the unit shown; it is kept exactly as remembered.
void clsPageInputCtl::RestoreValue(const TableView& view, double remembered)
{
    const TableVariables::Variable* variable = TableVariables::FindVariable(varId);
    if (!variable || cmboPageUnits.Empty())
        return;
    clsTorviUnit& member = view.pageUnits->*variable->member;
    const double shown = TableVariables::IsConverted(*variable)
                             ? TableVariables::FromRecord(*variable, member, cmboPageUnits.ItemData(), remembered)
                             : remembered;
    const double rounded = NumberText::RoundToDecimals(shown, member.GetPrecision());
    if (rounded < minimum || rounded > maximum)
        return;
    nativeValue = remembered;
    valid = true;
    ApplyUnit(view, cmboPageUnits.index);
    RefreshDisplay();
    Remember(view);
    views.RequestRecompute();
}

void clsPageInputCtl::Remember(const TableView& view) const
{
    *view.pageValue = varId > 0 && valid ? nativeValue : std::numeric_limits<double>::quiet_NaN();
}

void clsPageInputCtl::PageVarSelected(int position)
{
    if (const TableView* view = Bound())
        view->page->SelectVariable(*view, position);
}

void clsPageInputCtl::SelectVariable(const TableView& view, int position)
{
    Reset();
    cmboPageVar.index = cmboPageVar.Holds(position) ? position : 0;
    *view.pageVar = static_cast<int16_t>(cmboPageVar.index);
    varId = cmboPageVar.ItemData();
    cmboPageUnits.Clear();
    const TableVariables::Variable* variable = TableVariables::FindVariable(varId);
    if (!variable) {
        RefreshDisplay();
        Remember(view);
        views.RequestRecompute();
        return;
    }
    // The value of the first validated scenario, as its inputs stand now.
    views.RefreshWorkingCopies();
    const auto validated = views.Validated();
    int k = 1;
    while (k <= 4 && !validated[static_cast<std::size_t>(k - 1)])
        ++k;
    const bool found = k <= 4;
    valid = true;
    nativeValue = TableVariables::ReadInput(*variable, views.Run().iclone(found ? k : 1));

    clsTorviUnit& member = view.pageUnits->*variable->member;
    if (variable->fixedLabel)
        cmboPageUnits.AddItem(variable->fixedLabel, 1);
    else
        (view.pageUnits->*variable->fillList)(cmboPageUnits);
    ApplyUnit(view, variable->fixedLabel ? 0 : member.GetCurrUnit() - 1);
    RefreshDisplay();
    if (!found)
        nativeValue = minimum;
    Remember(view);
    views.RequestRecompute();
}

void clsPageInputCtl::PageUnitSelected(int position)
{
    const TableView* view = Bound();
    if (!view || view->page->cmboPageUnits.Empty())
        return;
    view->page->ApplyUnit(*view, position);
    view->page->RefreshDisplay();
}

void clsPageInputCtl::ReadLimits(const TableView& view)
{
    const clsTorviUnit& member = view.pageUnits->*TableVariables::FindVariable(varId)->member;
    minimum = member.GetMinDataVal();
    maximum = member.GetMaxDataVal();
    pageStep = member.GetPgStep();
    const int16_t decimals = member.GetPrecision();
    sliderScale = static_cast<int16_t>(decimals > 0 ? std::lround(std::pow(10.0, decimals)) : 1);
}

// The display value follows the native value into the chosen unit, rounded to the unit's
// decimals and kept within its limits; the native value stays as it is.
void clsPageInputCtl::ApplyUnit(const TableView& view, int position)
{
    if (cmboPageUnits.Empty())
        return;
    view.pageUnits->SetUnitsHaveChanged(true);
    cmboPageUnits.index = cmboPageUnits.Holds(position) ? position : 0;
    const TableVariables::Variable& variable = *TableVariables::FindVariable(varId);
    clsTorviUnit& member = view.pageUnits->*variable.member;
    displayValue = nativeValue;
    if (TableVariables::IsConverted(variable)) {
        const int16_t unit = cmboPageUnits.ItemData();
        member.SetCurrUnit(unit);
        displayValue = TableVariables::FromRecord(variable, member, unit, nativeValue);
    }
    ReadLimits(view);
    const int16_t decimals = member.GetPrecision();
    displayValue = NumberText::RoundToDecimals(displayValue, decimals);
    if (displayValue < minimum)
        displayValue = NumberText::RoundToDecimals(minimum, decimals);
    if (displayValue > maximum)
        displayValue = NumberText::RoundToDecimals(maximum, decimals);
}

// From the unit the control shows, which the row control of a view sharing the catalogue may have
// left other than the catalogue's current unit.
double clsPageInputCtl::ToRecord(const TableView& view, double display) const
{
    const TableVariables::Variable& variable = *TableVariables::FindVariable(varId);
    clsTorviUnit& member = view.pageUnits->*variable.member;
    const int16_t unit = TableVariables::IsConverted(variable) ? cmboPageUnits.ItemData() : member.GetCurrUnit();
    return TableVariables::ToRecord(variable, member, unit, display);
}

void clsPageInputCtl::RefreshDisplay()
{
    txtPageVal.clear();
    sliderPageVar = Slider{0, Scaled(maximum, sliderScale), 0, 0, 0, 0};
    sliderPageVar.minimum = Scaled(minimum, sliderScale);
    sliderPageVar.tickInterval = sliderPageVar.singleStep = sliderPageVar.pageStep = Scaled(pageStep, sliderScale);
    sliderPageVar.position = Scaled(displayValue, sliderScale);
    if (varId > 0)
        txtPageVal = NumberText::ShortestText(displayValue);
    valueIsRed = varId >= 1 && !valid;
    Notify();
}

void clsPageInputCtl::Notify()
{
    if (Changed)
        Changed();
}

void clsPageInputCtl::PageValueTyped(const std::string& typed)
{
    const TableView* view = Bound();
    if (!view)
        return;
    clsPageInputCtl& control = *view->page;
    const std::string text = NumberText::NormaliseBlanks(typed);
    control.valid = false;
    double value = 0;
    if (control.varId == 0 || text.empty()) {
        control.txtPageVal = text;
    } else if (!NumberText::ParseDouble(text, value)) {
        control.txtPageVal.clear();
        control.Notify();
        views.UI().ShowMessage("Please enter a valid number within the range [" +
                               NumberText::ShortestText(control.minimum) + " - " +
                               NumberText::ShortestText(control.maximum) + "]");
    } else if (value < control.minimum || value > control.maximum) {
        control.txtPageVal = text;
        control.valueIsRed = true;
        control.Notify();
        if (control.FocusValueBox)
            control.FocusValueBox();
        views.UI().ShowMessage("Invalid value: Please enter a value between " +
                               NumberText::ShortestText(control.minimum) + " and " +
                               NumberText::ShortestText(control.maximum));
    } else {
        control.valid = true;
        control.nativeValue = control.ToRecord(*view, value);
        control.displayValue = value;
        control.RefreshDisplay();
    }
    control.Remember(*view);
    views.RequestRecompute();
}

void clsPageInputCtl::SliderMoved(int position)
{
    const TableView* view = Bound();
    if (!view || view->page->varId == 0)
        return;
    clsPageInputCtl& control = *view->page;
    control.displayValue = static_cast<double>(position) / control.sliderScale;
    control.nativeValue = control.ToRecord(*view, control.displayValue);
    control.valid = true;
    control.RefreshDisplay();
    control.Remember(*view);
    views.RequestRecompute();
}

std::string clsPageInputCtl::ToolTip() const
{
    if (varId <= 0)
        return "";
    const std::string unit = cmboPageUnits.Text();
    return "[" + NumberText::ShortestText(minimum) + " - " + NumberText::ShortestText(maximum) +
           (unit.empty() ? "" : " " + unit) + "]";
}
