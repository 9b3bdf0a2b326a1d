#pragma once

#include "wizard/clsWAFPanel.h"
#include "wizard/clsWizardWindow.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class clsFuelModel;
class clsRun;
class clsUserInteraction;

// The wind adjustment factor wizard: asks how exposed the fuelbed is to the wind and writes the
// chosen wind reduction factor into the low or high box of a scenario's input panel.
//
// Pages: 0 the exposure; 1 exposed fuel (the factor of the fuel model); 2 partially sheltered;
// 3 fully sheltered (open stand, dense stand or from canopy cover); 4 canopy cover; 5 finishing.
class clsWAFWizard {
public:
    static constexpr int16_t LowField = 2;   // the input panel's field ids of the two factors
    static constexpr int16_t HighField = 7;
    static constexpr int NumPages = 6;

    // The input panel of a scenario 1..4.
    using PanelOf = std::function<clsWAFPanel&(int16_t scenario)>;

    clsWAFWizard(clsWizardWindow& window, PanelOf panelOf, const clsRun& run, clsUserInteraction& ui,
                 std::string programDir);

    // The whole dialogue for the factor of field LowField or HighField of the scenario; returns
    // when the window closes: true when a factor was written, false when the dialogue was
    // cancelled.
    bool DisplayWizard(int16_t fieldId, int16_t scenario);

    // The window's OK, Cancel and Back buttons.
    void WAF_OK_CallBk();
    void WAF_Cancel_CallBk();
    void WAF_Back_CallBk();

    // The wind adjustment factor of unsheltered fuel for a fuel bed depth in feet, unrounded; none
    // for a depth that is not greater than 0.
    static std::optional<double> ExposedFactor(double fuelBedDepthFeet);

private:
    bool IsLow() const { return fieldId == LowField; }
    clsWAFPanel& Panel() const { return panelOf(scenario); }
    clsWizardWindow::Page PageContent() const;
    std::vector<clsWizardWindow::Page> AllPages();
    void ShowPage();
    bool PrepareExposedPage();
    bool BackToExposurePage();
    const clsFuelModel* PanelFuelModel() const;
    double FinishingFactor() const;
    void Finish();

    clsWizardWindow& window;
    PanelOf panelOf;
    const clsRun& run;
    clsUserInteraction& ui;
    std::string programDir;

    int16_t fieldId = LowField;
    int16_t scenario = 0;
    int16_t page = 0;
    std::array<int16_t, NumPages> selections{};
    double factor = 0;
    std::string modelCode;  // the fuel model behind the factor of exposed fuel
    bool finished = false;
};
