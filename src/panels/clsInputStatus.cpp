#include "panels/clsInputStatus.h"

#include <array>
#include <stdexcept>

namespace {

const std::array<clsInputStatus::Caption, 24> inputCaptions = {{
    {"SIMT", "Simulation Type"},
    {"FMCDlow", "Fuel model code for LOW fuel model"},
    {"WNDRlow", "Wind reduction factor"},
    {"ROSMlow", "Spread rate multiplier"},
    {"LADMlow", "Surface fuel load and depth multiplier"},
    {"FLIMlow", "Fireline intensity multiplier"},
    {"FMCDhigh", "Fuel model code for HIGH fuel model"},
    {"WNDRhigh", "Wind reduction factor"},
    {"ROSMhigh", "Spread rate multiplier"},
    {"LADMhigh", "Surface fuel load and depth multiplier"},
    {"FLIMhigh", "Fireline intensity multiplier"},
    {"MC01", "Dead 1-hr timelag moisture content; also used for dead herb in dynamic fuel models"},
    {"MC10", "Dead 10-hr timelag moisture content"},
    {"MC100", "Dead 100-hr timelag moisture content"},
    {"MCLH", "Live herbaceous moisture content"},
    {"MCLW", "Live woody moisture content"},
    {"ACBD", "Available canopy bulk density"},
    {"CABH", "Canopy base height"},
    {"ACFL", "Available canopy fuel load"},
    {"FOMC", "Foliar moisture content"},
    {"STFL", "Shrub transition flame length: the flame length at which the low fuel model begins transition to the "
             "high fuel model"},
    {"OWND", "Open windspeed"},
    {"SLOP", "Slope steepness"},
    {"WDIR", "Wind direction (clockwise from uphill)"},
}};

}  // namespace

const clsInputStatus::Caption& clsInputStatus::InputCaption(int field)
{
    if (field < 0 || field >= static_cast<int>(inputCaptions.size()))
        throw std::out_of_range("clsInputStatus: no input field " + std::to_string(field));
    return inputCaptions[static_cast<std::size_t>(field)];
}

std::string clsInputStatus::FailureMessage(int scenario, const std::string& failure)
{
    return "Scenario " + std::string(1, static_cast<char>('A' + scenario - 1)) + ": " + failure;
}

std::string clsInputStatus::Message(int scenario, int field, Problem problem)
{
    const char* what = "";
    switch (problem) {
    case Problem::None: return "";
    case Problem::NotChosen: what = "is not chosen"; break;
    case Problem::Empty: what = "is empty"; break;
    case Problem::NotANumber: what = "is not a number"; break;
    case Problem::OutOfRange: what = "is out of range"; break;
    }
    const Caption& caption = InputCaption(field);
    return "Scenario " + std::string(1, static_cast<char>('A' + scenario - 1)) + ": " + caption.code + " (" +
           caption.description + ") " + what;
}
