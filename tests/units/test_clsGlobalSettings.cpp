#include "runs/clsGlobalSettings.h"

#include "runs/clsRun.h"
#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

namespace {

struct Settings {
    RecordingInteraction ui;
    clsRun run{ui};
};

}  // namespace

// 18000 kJ/kg × 0.430265351 = 7744.776 btu/lb, shown without decimals.
TEST(clsGlobalSettings, ShowsTheHeatContentInTheSelectedUnit)
{
    Settings s;
    EXPECT_EQ(clsGlobalSettings(s.run).HCrownText(), "18000");
    s.run.units.globalHCrownUnits.SetCurrUnit(2);
    s.run.globalSpreadDirection = -45;
    const clsGlobalSettings settings(s.run);
    EXPECT_EQ(settings.HCrownUnit(), 2);
    EXPECT_EQ(settings.HCrownText(), "7745");
    EXPECT_EQ(settings.SpreadDirText(), "-45");
    EXPECT_FALSE(s.run.units.UnitsChanged());
}

TEST(clsGlobalSettings, SwitchingUnitsConvertsTheUnroundedValue)
{
    Settings s;
    clsGlobalSettings settings(s.run);
    settings.ChangeUnit(2, settings.HCrownText());
    EXPECT_EQ(settings.HCrownText(), "7745");
    settings.ChangeUnit(1, settings.HCrownText());
    EXPECT_EQ(settings.HCrownText(), "18000");
    // OK in btu/lb without typing keeps 18000 kJ/kg, not 7745 × 2.324147175 = 18000.52.
    settings.ChangeUnit(2, settings.HCrownText());
    ASSERT_TRUE(settings.Accept("7745", "0"));
    EXPECT_EQ(s.run.globalHCrown, 18000.0);
    EXPECT_EQ(s.run.units.globalHCrownUnits.GetCurrUnit(), 2);
    EXPECT_FALSE(s.run.units.UnitsChanged());
}

TEST(clsGlobalSettings, ATypedValueIsWhatIsConvertedAndStored)
{
    Settings s;
    clsGlobalSettings settings(s.run);
    // 20000 kJ/kg typed, then btu/lb: 20000 × 0.430265351 = 8605.307.
    settings.ChangeUnit(2, "20000");
    EXPECT_EQ(settings.HCrownText(), "8605");
    // 8000 btu/lb typed: 8000 × 2.324147175 = 18593.1774 kJ/kg.
    ASSERT_TRUE(settings.Accept("8000", "90"));
    EXPECT_NEAR(s.run.globalHCrown, 18593.1774, 1e-6);
    EXPECT_EQ(s.run.globalSpreadDirection, 90);
}

TEST(clsGlobalSettings, OnlyValidValuesAreStored)
{
    struct Case {
        const char* hcrown;
        const char* direction;
        bool hcrownValid;
        bool directionValid;
    };
    // Heat contents in btu/lb: 5000 to 40000 kJ/kg is 2151.3 to 17210.6 btu/lb.
    const Case cases[] = {{"7746", "-180", true, true}, {"7746", "180", true, true},
                          {"7746", "181", true, false}, {"7746", "-181", true, false},
                          {"7746", "east", true, false}, {"7746", "", true, false},
                          {"hot", "0", false, true},     {"", "400", false, false},
                          {"2152", "0", true, true},     {"17210", "0", true, true},
                          {"2151", "0", false, true},    {"17211", "0", false, true},
                          {"-5", "0", false, true},      {"1e308", "0", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hcrown) + " / " + c.direction);
        Settings s;
        s.run.globalSpreadDirection = 12;
        clsGlobalSettings settings(s.run);
        settings.ChangeUnit(2, "18000");  // shown in btu/lb from here on
        const bool accepted = settings.Accept(c.hcrown, c.direction);
        EXPECT_EQ(accepted, c.hcrownValid && c.directionValid);
        EXPECT_EQ(settings.HCrownValid(), c.hcrownValid);
        EXPECT_EQ(settings.SpreadDirValid(), c.directionValid);
        if (accepted) {
            EXPECT_EQ(s.run.globalSpreadDirection, std::atoi(c.direction));
            EXPECT_NEAR(s.run.globalHCrown, std::atof(c.hcrown) * 2.324147175, 1e-6);  // read as btu/lb
        } else {
            EXPECT_EQ(s.run.globalSpreadDirection, 12);
            EXPECT_EQ(s.run.globalHCrown, 18000.0);
            EXPECT_EQ(s.run.units.globalHCrownUnits.GetCurrUnit(), 1);
        }
    }
}
