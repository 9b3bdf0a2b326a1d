#pragma once

#include "tables/clsListState.h"

#include <cstdint>
#include <functional>

class TableViewHost;
struct TableView;

// The state and rules of an output control: the engine output that fills a table's cells or a
// chart's lines, and the unit it is shown in (always from the table catalogue). Operations act on
// the output control of the visible view (the run's visTab).
class clsColOutputCtl {
public:
    explicit clsColOutputCtl(TableViewHost& views);

    // Brings the visible view's output control back to the output remembered in the run.
    void setColVar();
    int16_t colVarId() const { return outputId; }
    bool colVarIsValid() const { return outputId >= 1; }
    int16_t colPrecision() const { return decimals; }
    // The unit the output is shown in (its item data in the unit list).
    int16_t colUnit() const { return cmboColUnits.ItemData(); }
    int16_t getUserViewId() const { return userViewId; }
    void setUserViewId(int16_t id) { userViewId = id; }
    // Asks the visible view to recompute.
    void Calc() const;

    void ColVarSelected(int position);
    void ColUnitSelected(int position);

    clsListState cmboColVar;
    clsListState cmboColUnits;

    std::function<void()> Changed;

private:
    void SelectOutput(const TableView& view, int position);
    void ApplyUnit(const TableView& view, int position);
    void Notify();
    const TableView* Bound() const;

    TableViewHost& views;
    int16_t outputId = 0;
    int16_t decimals = 0;
    int16_t userViewId = 0;
};
