#pragma once

// What the wind adjustment wizard uses of a scenario input panel: its two fuel models, the panel's
// fuel model chooser, and the two wind reduction factor boxes it writes.
class clsWAFPanel {
public:
    virtual ~clsWAFPanel() = default;

    virtual int GetFuelMdlLow() const = 0;
    virtual int GetFuelMdlHi() const = 0;
    virtual bool FuelMdlLowIsValid() const = 0;
    virtual bool FuelMdlHiIsValid() const = 0;
    virtual void Select_Low_FM() = 0;
    virtual void Select_High_FM() = 0;
    // Writes the factor into the box; it is checked and stored when the user leaves the box.
    virtual void SetWindRFLow(double factor) = 0;
    virtual void SetWindRFHi(double factor) = 0;
};
