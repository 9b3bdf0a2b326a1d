#pragma once

#include "tables/clsListState.h"

#include <cstdint>
#include <functional>
#include <string>

class TableViewHost;
struct TableView;

// The state and rules of a page control: the input held at one value for all scenarios of a
// table or chart. The value is kept as shown (in the selected unit) and as the engine's record
// holds it. Operations act on the page control of the visible view (the run's visTab) and do
// nothing while a view without one is visible; each change asks that view to recompute.
class clsPageInputCtl {
public:
    struct Slider {
        int minimum = 0;
        int maximum = 10;
        int position = 0;
        int tickInterval = 1;
        int singleStep = 1;
        int pageStep = 1;
    };

    explicit clsPageInputCtl(TableViewHost& views);

    // Brings the visible view's page control back to the variable remembered in the run.
    void setPageVar();
    int16_t pageVarId() const { return varId; }
    // The value in the record's unit.
    double pageValue() const { return nativeValue; }
    bool pageVarIsValid() const { return varId > 0 && valid; }
    // The valid values of the value box with their unit ("[0 - 100 km/hr]"); empty without a variable.
    std::string ToolTip() const;

    // Events of the child controls: a variable or unit chosen by list position, a value typed
    // and the box left, the slider moved by the user.
    void PageVarSelected(int position);
    void PageUnitSelected(int position);
    void PageValueTyped(const std::string& text);
    void SliderMoved(int position);

    // What the control shows.
    clsListState cmboPageVar;
    clsListState cmboPageUnits;
    std::string txtPageVal;
    bool valueIsRed = false;
    Slider sliderPageVar;
    double displayValue = 0;
    double minimum = 0;
    double maximum = 10;
    double pageStep = 1;
    int16_t sliderScale = 1;

    // The widget redraws itself from the fields above; the value box takes the focus back.
    std::function<void()> Changed;
    std::function<void()> FocusValueBox;

private:
    void Reset();
    void SelectVariable(const TableView& view, int position);
    void ApplyUnit(const TableView& view, int position);
    void ReadLimits(const TableView& view);
    double ToRecord(const TableView& view, double display) const;
    void RestoreValue(const TableView& view, double remembered);
    // Keeps the value in the run, NaN while the control holds none, so that a saved run brings it back.
    void Remember(const TableView& view) const;
    void RefreshDisplay();
    void Notify();
    const TableView* Bound() const;

    TableViewHost& views;
    int16_t varId = 0;
    double nativeValue = 0;
    bool valid = false;
};
