#include "runs/clsGlobalSettings.h"

#include "base/NumberText.h"
#include "runs/clsRun.h"

#include <cmath>
#include <stdexcept>

clsGlobalSettings::clsGlobalSettings(clsRun& owner)
    : run(owner), nativeHCrown(owner.globalHCrown), unit(owner.units.globalHCrownUnits.GetCurrUnit())
{
    Show();
}

void clsGlobalSettings::Show()
{
    // With a source unit the conversion neither selects a unit nor marks the catalogue changed.
    const double shown = run.units.CvtHCrown(unit, nativeHCrown, 1);
    shownText = NumberText::FixedText(shown, run.units.globalHCrownUnits.GetPrecision());
}

std::string clsGlobalSettings::SpreadDirText() const
{
    return std::to_string(run.globalSpreadDirection);
}

std::string clsGlobalSettings::HCrownRangeText() const
{
    // Rounded inwards, so that every whole number of the range shown is accepted.
    const double low = std::ceil(run.units.CvtHCrown(unit, MinHCrown, 1));
    const double high = std::floor(run.units.CvtHCrown(unit, MaxHCrown, 1));
    return "[" + NumberText::FixedText(low, 0) + "-" + NumberText::FixedText(high, 0) + "]";
}

bool clsGlobalSettings::NativeOf(const std::string& text, double& native)
{
    if (text == shownText) {
        native = nativeHCrown;
        return true;
    }
    double typed = 0;
    if (!NumberText::ParseDouble(text, typed))
        return false;
    // A number too large to convert is refused like any value out of range.
    try {
        native = run.units.CvtHCrown(1, typed, unit);
    } catch (const std::overflow_error&) {
        return false;
    }
    return true;
}

void clsGlobalSettings::ChangeUnit(int16_t newUnit, const std::string& typedText)
{
    NativeOf(typedText, nativeHCrown);  // a text that is no number leaves the held value
    unit = newUnit;
    Show();
}

bool clsGlobalSettings::Accept(const std::string& hcrownText, const std::string& spreadDirText)
{
    double native = 0;
    hcrownValid = NativeOf(hcrownText, native) && HCrownInRange(native);
    int32_t direction = 0;
    spreadDirValid = NumberText::ParseInt32(spreadDirText, direction) && direction >= MinSpreadDirection &&
                     direction <= MaxSpreadDirection;
    if (!hcrownValid || !spreadDirValid)
        return false;
    run.units.globalHCrownUnits.SetCurrUnit(unit);
    run.globalHCrown = native;
    run.globalSpreadDirection = static_cast<int16_t>(direction);
    return true;
}
