#pragma once

#include "tables/clsListState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class TableViewHost;
struct TableView;

// The state and rules of a row control: the input varied along the rows of a table or chart and
// its range, in the selected unit. The table row control offers every variable and serves the
// output table and chart; the wind row control varies the open wind speed only and serves the
// crown fire hazard chart. Operations act on the row control of the visible view (the run's
// visTab) and do nothing while a view it does not serve is visible.
class clsRowInputCtl {
public:
    enum Box { Min, Max, Step };
    enum class Kind { Table, WindOnly };

    clsRowInputCtl(TableViewHost& views, Kind kind);

    // Brings the visible view's row control back to the variable and range remembered in the run.
    void setRowVar();
    int16_t rowVarId() const { return varId; }
    double rangeMinVal() const { return rangeMin; }
    double rangeMaxVal() const { return rangeMax; }
    double rangeStepVal() const { return step; }
    int16_t rowPrecision() const { return decimals; }
    // The unit the range is given in (its item data in the unit list).
    int16_t rowUnit() const { return cmboRowUnits.ItemData(); }
    bool InRange(double v) const;
    bool rowVarIsValid() const;
    Kind kind() const { return controlKind; }
    // The valid values of a range box with their unit, as the input panel's boxes give them
    // ("[0 - 60 mi/hr]"); empty without a variable.
    std::string ToolTip(Box box) const;

    // Events of the child controls.
    void RowVarSelected(int position);
    void RowUnitSelected(int position);
    void RowValueTyped(Box box, const std::string& text);

    // What the control shows: the variable list (the table row control only), the unit list and
    // the three range boxes with their colours.
    clsListState cmboRowVar;
    clsListState cmboRowUnits;
    std::array<std::string, 3> boxText;
    std::array<bool, 3> boxIsRed{};
    double lowerLimit = 0;
    double upperLimit = 0;

    std::function<void()> Changed;
    std::function<void(Box)> FocusBox;

private:
    void Reset();
    bool Serves(int16_t view) const;
    void SelectVariable(const TableView& view, int position);
    void ApplyUnit(const TableView& view, int position);
    void RestoreRange(const TableView& view);
    void Remember(const TableView& view) const;
    bool Accepts(Box box, double value) const;
    std::string Limits(Box box, const char* between) const;
    void RefreshDisplay();
    void Notify();
    const TableView* Bound() const;

    TableViewHost& views;
    Kind controlKind;
    int16_t varId = 0;
    int16_t decimals = 0;
    double rangeMin = 0;
    double rangeMax = 10;
    double step = 1;
    std::array<bool, 3> boxValid{true, true, true};
};
