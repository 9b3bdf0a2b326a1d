#pragma once

// The state of one scenario output panel: whether it shows calculated results.
class clsOutCtl {
public:
    bool IsCalculated() const { return calculated; }
    void SetIsCalculated(bool value) { calculated = value; }

private:
    bool calculated = false;
};
