#include "wizard/clsWAFWizard.h"

#include "base/NumberText.h"
#include "base/clsUserInteraction.h"
#include "engine/clsFuelModel.h"
#include "runs/clsRun.h"

#include <cmath>
#include <filesystem>

namespace {

enum Pages { ExposurePage = 0, ExposedPage = 1, PartialPage = 2, ShelteredPage = 3, CanopyCoverPage = 4, FinishPage = 5 };
enum Exposures { Exposed = 0, PartiallySheltered = 1, FullySheltered = 2 };
enum Stands { OpenStand = 0, DenseStand = 1, FromCanopyCover = 2 };

const std::string ExposedText =
    "Exposed (canopy cover less than 5 percent on level ground, or on the windward side of a ridgetop)";
const std::string PartialText = "Partially sheltered (midslope position)";
const std::string ShelteredText = "Fully sheltered (canopy cover greater than 5 percent on flat ground, or ...)";
const std::string CanopyCoverText = "Estimate wind adjustment factor from canopy cover.";

const std::string LowModelRequest =
    "A Fuel Model is required for the selected exposure. Please select a Fuel Model code for the low fuel model.";
const std::string HighModelRequest =
    "A Fuel Model is required for the selected exposure. Please select a Fuel Model code for the high fuel model.";

// Guideline factors of the finishing step.
constexpr double PartiallyShelteredFactor = 0.3;
constexpr double OpenStandFactor = 0.2;
constexpr double DenseStandFactor = 0.1;
// By canopy cover: 5-10, 10-15, 15-30, 30-50 and 50-100 percent.
constexpr std::array<double, clsWizardWindow::NumOptions> CanopyCoverFactors{0.3, 0.25, 0.2, 0.15, 0.1};

int16_t NextPage(int page, int option)
{
    switch (page) {
    case ExposurePage: return static_cast<int16_t>(ExposedPage + option);
    case ShelteredPage: return option == FromCanopyCover ? CanopyCoverPage : FinishPage;
    default: return FinishPage;
    }
}

}  // namespace

clsWAFWizard::clsWAFWizard(clsWizardWindow& wizardWindow, PanelOf panels, const clsRun& owner,
                           clsUserInteraction& userInteraction, std::string folder)
    : window(wizardWindow), panelOf(std::move(panels)), run(owner), ui(userInteraction), programDir(std::move(folder))
{
    selections.fill(-1);
}

// Albini and Baughman (1979): the midflame wind of unsheltered fuel as a fraction of the 20-ft
// open wind, from the fuel bed depth H in feet,
//   1.36 (ln(1.36 / 0.13) - 1) / ln((20 + 0.36 H) / (0.13 H)).
// For H > 0 the ratio under the logarithm exceeds 0.36 / 0.13, so the denominator is positive.
std::optional<double> clsWAFWizard::ExposedFactor(double fuelBedDepthFeet)
{
    const double depth = fuelBedDepthFeet;
    if (!(depth > 0) || !std::isfinite(depth))
        return std::nullopt;
    return 1.36 * (std::log(1.36 / 0.13) - 1) / std::log((20 + 0.36 * depth) / (0.13 * depth));
}

bool clsWAFWizard::DisplayWizard(int16_t field, int16_t scenarioNumber)
{
    finished = false;
    fieldId = field;
    scenario = scenarioNumber;
    window.Init_Client([this] { WAF_OK_CallBk(); }, [this] { WAF_Cancel_CallBk(); }, [this] { WAF_Back_CallBk(); });
    window.SetCaption("Wind Adjustment Wizard");
    window.SetFrameCaption(IsLow() ? "Wind Reduction Factor (Low)" : "Wind Reduction Factor (High)");
    window.SetPicture((std::filesystem::path(programDir) / "images" / "Sheltering.gif").string());
    window.FitPages(AllPages());
    page = ExposurePage;
    selections.fill(-1);
    ShowPage();
    window.ShowModal();
    return finished;
}

// Every page the dialogue may show, for the window to take one size that holds them all. The
// exposed fuel page names its model and factor, which are known only later: a typical code and
// factor stand for them.
std::vector<clsWizardWindow::Page> clsWAFWizard::AllPages()
{
    std::vector<clsWizardWindow::Page> pages;
    modelCode = "SH10";
    factor = 0.55;
    for (page = ExposurePage; page < FinishPage; ++page)
        pages.push_back(PageContent());
    return pages;
}

clsWizardWindow::Page clsWAFWizard::PageContent() const
{
    clsWizardWindow::Page content;
    switch (page) {
    case ExposurePage:
        content.text = "What is the fuelbed exposure to the wind?";
        content.options = {ExposedText, PartialText, ShelteredText};
        break;
    case ExposedPage:
        content.text = ExposedText;
        content.options = {"For exposed fuels, wind adjustment factor is a function of surface fuel model. The fuel "
                           "model currently selected for this scenario is " +
                           modelCode + ", with a corresponding wind adjustment factor of " +
                           NumberText::ShortestText(factor) + ". Click <OK> to accept this value."};
        break;
    case PartialPage:
        content.text = PartialText;
        content.options = {"For partially sheltered fuels, guidelines suggest using a value of 0.30. Click <OK> to "
                           "accept this value."};
        break;
    case ShelteredPage:
        content.text = ShelteredText + "\r\n" +
                       "For fully sheltered fuel, wind adjustment factor is a function of stand characteristics. "
                       "You can use stylized wind adjustment factors " +
                       "representing open stands and closed stands, or you can calculate it from stand "
                       "characteristics.";
        content.options = {"For open, fully sheltered stands, guidelines suggest using a wind adjustment factor "
                           "value of 0.20. Click <OK> to accept this value.",
                           "For dense, fully sheltered stands, guidelines suggest using a wind adjustment factor "
                           "value of 0.10. Click <OK> to accept this value.",
                           CanopyCoverText};
        break;
    case CanopyCoverPage:
        content.text = CanopyCoverText;
        content.options = {"5-10 percent", "10-15 percent", "15-30 percent", "30-50 percent", "50-100 percent"};
        break;
    default:
        break;
    }
    // A page that offers one option has it chosen already: its text asks only for OK.
    content.checked = selections[page] >= 0 || content.options.size() != 1 ? selections[page] : 0;
    content.backVisible = page != ExposurePage;
    return content;
}

void clsWAFWizard::ShowPage()
{
    window.ShowPage(PageContent());
}

void clsWAFWizard::WAF_OK_CallBk()
{
    if (page == FinishPage)
        return;
    const int option = window.CheckedOption();
    if (option < 0 || option >= static_cast<int>(PageContent().options.size())) {
        ui.ShowMessage("Please make a selection before proceeding.");
        return;
    }
    selections[page] = static_cast<int16_t>(option);
    page = NextPage(page, option);
    if (page == ExposedPage && !PrepareExposedPage())
        return;
    if (page == FinishPage)
        Finish();
    else
        ShowPage();
}

void clsWAFWizard::WAF_Back_CallBk()
{
    if (page == ExposurePage || page == FinishPage)
        return;
    page = page == CanopyCoverPage ? ShelteredPage : ExposurePage;
    ShowPage();
}

void clsWAFWizard::WAF_Cancel_CallBk()
{
    window.HideWindow();
}

// The fuel model of the panel's low or high button, when the panel holds a valid one that is loaded.
const clsFuelModel* clsWAFWizard::PanelFuelModel() const
{
    const clsWAFPanel& panel = Panel();
    if (!(IsLow() ? panel.FuelMdlLowIsValid() : panel.FuelMdlHiIsValid()))
        return nullptr;
    return run.getSelectedFM(IsLow() ? panel.GetFuelMdlLow() : panel.GetFuelMdlHi());
}

// The factor of exposed fuel comes from the fuel model, which the user is asked to choose when the
// panel has none. False when the wizard went back to the exposure page instead.
bool clsWAFWizard::PrepareExposedPage()
{
    const clsFuelModel* model = PanelFuelModel();
    if (!model) {
        ui.ShowMessage(IsLow() ? LowModelRequest : HighModelRequest);
        if (IsLow())
            Panel().Select_Low_FM();
        else
            Panel().Select_High_FM();
        model = PanelFuelModel();
    }
    if (!model) {
        ui.ShowMessage("The Wind Adjustment Wizard cannot proceed until you select a Fuel Model.");
        return BackToExposurePage();
    }
    // A custom fuel model may have no depth, and the formula has no value there.
    const std::optional<double> exposed = ExposedFactor(model->fuelBedDepth);
    if (!exposed) {
        ui.ShowMessage("The wind adjustment factor for exposed fuels cannot be calculated for fuel model " +
                       model->fuelModelCode + ": its fuel bed depth is not greater than 0.");
        return BackToExposurePage();
    }
    factor = NumberText::RoundToDecimals(*exposed, 2);
    modelCode = model->fuelModelCode;
    return true;
}

bool clsWAFWizard::BackToExposurePage()
{
    page = ExposurePage;
    ShowPage();
    return false;
}

double clsWAFWizard::FinishingFactor() const
{
    switch (selections[ExposurePage]) {
    case Exposed: return factor;
    case PartiallySheltered: return PartiallyShelteredFactor;
    default: break;
    }
    switch (selections[ShelteredPage]) {
    case OpenStand: return OpenStandFactor;
    case DenseStand: return DenseStandFactor;
    default: return CanopyCoverFactors.at(static_cast<std::size_t>(selections[CanopyCoverPage]));
    }
}

void clsWAFWizard::Finish()
{
    factor = FinishingFactor();
    if (IsLow())
        Panel().SetWindRFLow(factor);
    else
        Panel().SetWindRFHi(factor);
    finished = true;
    window.HideWindow();
}
