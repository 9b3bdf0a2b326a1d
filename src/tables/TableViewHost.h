#pragma once

#include <array>
#include <cstdint>

class clsColOutputCtl;
class clsPageInputCtl;
class clsRowInputCtl;
class clsRun;
class clsUnits;
class clsUserInteraction;

// What one view (the run's visTab) binds its controls to: its control instances (nullptr where it
// has none), the catalogues they read and the run fields that remember their selections.
struct TableView {
    clsRowInputCtl* row;
    clsPageInputCtl* page;
    clsColOutputCtl* output;
    clsUnits* rowUnits;
    clsUnits* pageUnits;
    clsUnits* outputUnits;
    int16_t* rowVar;  // a list position; the wind row control keeps the variable id
    int16_t* pageVar;
    int16_t* outputVar;
    double* rangeMin;
    double* rangeMax;
    double* rangeStep;
    int16_t* rangeUnit;  // the row unit list's item data that the range is given in
    double* pageValue;   // in the record's unit; NaN while none is remembered
};

// What the row, page and output controls ask of the views they serve: the binding of the view on
// screen, the run and the user, the scenarios' working copies, and a recompute of that view.
class TableViewHost {
public:
    static constexpr int16_t OutputTable = 1;
    static constexpr int16_t OutputChart = 2;
    static constexpr int16_t HazardChart = 3;
    static constexpr int16_t FireChart = 4;

    // The binding of the view the run shows; nullptr for the input/output page.
    virtual const TableView* Visible() const = 0;
    virtual clsRun& Run() const = 0;
    virtual clsUserInteraction& UI() const = 0;
    // Whether each scenario's input panel reports every input valid.
    virtual std::array<bool, 4> Validated() const = 0;
    // Copies each validated scenario's inputs into its working copy; the number copied.
    virtual int RefreshWorkingCopies() const = 0;
    virtual void RequestRecompute() = 0;

protected:
    ~TableViewHost() = default;
};
