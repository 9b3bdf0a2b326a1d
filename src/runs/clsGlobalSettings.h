#pragma once

#include <cstdint>
#include <string>

class clsRun;

// What the global settings dialog shows and stores: the run's heat content of crown fuel in the
// unit chosen in the dialog, and the run's spread direction. The heat content is held in the native
// unit (kJ/kg) while the dialog is open and only shown in the chosen unit, so that switching units
// back and forth, or pressing OK without typing, never changes the value by the rounding of what
// is shown.
class clsGlobalSettings {
public:
    static constexpr int16_t MinSpreadDirection = -180;
    static constexpr int16_t MaxSpreadDirection = 180;
    // The heat contents of crown fuels that can be meant (kJ/kg): below, a value lowers the
    // canopy's heat per unit area to nothing or below it; above, it is a slip of the keyboard that
    // overflows the calculation.
    static constexpr double MinHCrown = 5000;
    static constexpr double MaxHCrown = 40000;
    static bool HCrownInRange(double kJPerKg) { return kJPerKg >= MinHCrown && kJPerKg <= MaxHCrown; }

    // Takes the run's values and the unit currently selected for the heat content.
    explicit clsGlobalSettings(clsRun& run);

    int16_t HCrownUnit() const { return unit; }
    // The heat content in the unit shown, with that unit's decimals.
    const std::string& HCrownText() const { return shownText; }
    std::string SpreadDirText() const;
    // The accepted heat contents in the unit shown, as the tooltip of the box gives them.
    std::string HCrownRangeText() const;

    // Shows the heat content in another unit. A number the user has typed over the shown text is
    // taken first, so that what is converted is what the user sees.
    void ChangeUnit(int16_t newUnit, const std::string& typedText);
    // OK: stores the unit, the heat content and the spread direction into the run, but only when
    // both values are valid (a heat content that is a number in the range, a spread direction that rounds to a
    // whole number from -180 to 180); false otherwise, with nothing stored.
    bool Accept(const std::string& hcrownText, const std::string& spreadDirText);
    // After Accept: which of the two values were valid.
    bool HCrownValid() const { return hcrownValid; }
    bool SpreadDirValid() const { return spreadDirValid; }

private:
    // The native value of the text: the held value while the text is the one shown.
    bool NativeOf(const std::string& text, double& native);
    void Show();

    clsRun& run;
    double nativeHCrown;  // kJ/kg
    int16_t unit;
    std::string shownText;
    bool hcrownValid = true;
    bool spreadDirValid = true;
};
