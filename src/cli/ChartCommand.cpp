#include "cli/ChartCommand.h"

#include "cli/CommandLine.h"
#include "runs/Module1.h"
#include "base/NumberText.h"
#include "base/clsUserInteraction.h"
#include "base/clsUtils.h"
#include "runs/clsRun.h"
#include "cli/TableCommand.h"
#include "tables/clsTableViews.h"
#include "runs/Units_IO.h"

#include <array>
#include <iostream>
#include <vector>

namespace ChartCommand {

namespace {

using namespace CommandLine;

const char* const Usage =
    "Usage: orvane-batch --chart output --row VAR --range MIN:MAX:STEP [--page VAR=VALUE] --output OUT\n"
    "                    [options] INPUT.scn OUTPUT\n"
    "       orvane-batch --chart hazard [--scenario N] --range MIN:MAX:STEP [--page VAR=VALUE]\n"
    "                    [options] INPUT.scn OUTPUT\n"
    "       orvane-batch --chart fire [--scenario N] [--curves FLML|FLIN|FIS] [--page VAR=VALUE]\n"
    "                    [options] INPUT.scn OUTPUT\n"
    "\n"
    "Draws a chart of a scenario input file without a display: the output chart of its first four\n"
    "scenarios (as --table computes them), or the hazard chart (over a range of open wind speed) or\n"
    "the fire characteristics chart of its record N (default 1). The picture is the one the window's\n"
    "\"Capture Chart\" writes for the same selections and size. OUTPUT's extension gives the format:\n"
    ".png, .jpg, .svg or .pdf.\n"
    "\n"
    "Options:\n"
    "  --units FILE.unt  values, ranges and labels in that units set's units (default: the units of\n"
    "                    scenario files, mi/hr for wind)\n"
    "  --size WxH        the picture's size in pixels (default 1600x1000)\n"
    "  --dpi DPI         its resolution (default 200); SVG and PDF are WxH/DPI inches\n"
    "  --force           replace an existing output file\n"
    "\n"
    "VAR: 1 MC01, 2 MC10, 3 MC100, 4 MCLH, 5 MCLW, 6 ACBD, 7 STFL, 8 CABH, 9 SLOP, 10 OWND, 11 WDIR\n"
    "OUT: 1 CRFB, 2 SPRT, 3 HPUA, 4 FLIN, 5 FIS, 6 FLML, 7 EMFW, 8 TORI, 9 CRNI, 10 SURI,\n"
    "     11 FLINinitiation, 12 FLMLinitiation, 13 SPRTinitiation, 14 ACBDactive, 15 SPRTactive,\n"
    "     16 OWNDcessation\n"
    "\n"
    "Exit status: 0 when the chart was written, 1 when it could not be computed or written, 2 for a\n"
    "command-line error or a value outside the variable's limits.\n";

struct Options : TableCommand::Request {
    Kind kind = Kind::Output;
    int64_t scenario = 1;
    int curves = 0;  // the curve list's position: flame length, fireline intensity, fire intensity scale
    std::string units;
    std::string size = "1600x1000";
    int dpi = 200;
    bool force = false;
    bool help = false;
    std::vector<std::string> files;
};

bool ParseKind(const std::string& text, Kind& kind)
{
    const std::pair<const char*, Kind> kinds[] = {{"output", Kind::Output}, {"hazard", Kind::Hazard}, {"fire", Kind::Fire}};
    for (const auto& [name, value] : kinds)
        if (text == name) {
            kind = value;
            return true;
        }
    return false;
}

bool ParseCurves(const std::string& text, int& curves)
{
    const char* const names[] = {"FLML", "FLIN", "FIS"};
    for (int i = 0; i < 3; ++i)
        if (text == names[i]) {
            curves = i;
            return true;
        }
    return false;
}

// A whole number written with digits only, within the limits.
bool ParseWhole(const std::string& text, int64_t lowest, int64_t highest, int64_t& value)
{
    int32_t parsed = 0;
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || !NumberText::ParseInt32(text, parsed))
        return false;
    value = parsed;
    return value >= lowest && value <= highest;
}

std::optional<Options> ParseArguments(int argc, char* argv[])
{
    Options options;
    auto fail = [](const std::string& message) { return UsageError<Options>(message, Usage); };
    bool optionsEnded = false;
    bool kindGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        const bool hasValue = i + 1 < argc;
        int64_t number = 0;
        if (IsOperand(arg, optionsEnded)) {
            options.files.push_back(arg);
            continue;
        }
        if (arg == "--" || arg == "--force" || arg == "--help") {
            optionsEnded = optionsEnded || arg == "--";
            options.force = options.force || arg == "--force";
            options.help = options.help || arg == "--help";
            continue;
        }
        if (!hasValue) {
            return fail(arg == "--chart" || arg == "--row" || arg == "--output" || arg == "--range" || arg == "--page" ||
                                arg == "--scenario" || arg == "--curves" || arg == "--units" || arg == "--size" ||
                                arg == "--dpi"
                            ? arg + " needs a value"
                            : "unknown option " + arg);
        } else if (arg == "--chart") {
            if (!ParseKind(value, options.kind))
                return fail("--chart needs output, hazard or fire");
            kindGiven = true;
        } else if (arg == "--row") {
            if (!(options.row = TableVariables::VariableByName(value)))
                return fail("--row needs a variable code or id 1-11");
        } else if (arg == "--output") {
            if (!(options.output = TableVariables::OutputByName(value)))
                return fail("--output needs an output code or id 1-16");
        } else if (arg == "--range") {
            if (!TableCommand::ParseRange(value, options.range))
                return fail("--range needs MIN:MAX:STEP");
        } else if (arg == "--page") {
            if (!TableCommand::ParsePage(value, options.page, options.pageValue))
                return fail("--page needs VAR=VALUE with a variable code or id 1-11");
        } else if (arg == "--scenario") {
            if (!ParseWhole(value, 1, 1000000000, options.scenario))
                return fail("--scenario needs the number of a record, from 1");
        } else if (arg == "--curves") {
            if (!ParseCurves(value, options.curves))
                return fail("--curves needs FLML, FLIN or FIS");
        } else if (arg == "--units") {
            options.units = value;
            options.fileUnits = false;
        } else if (arg == "--size") {
            options.size = value;
        } else if (arg == "--dpi") {
            if (!ParseWhole(value, 1, 100000, number))
                return fail("--dpi needs a whole number of dots per inch");
            options.dpi = static_cast<int>(number);
        } else {
            return fail("unknown option " + arg);
        }
        ++i;
    }
    if (options.help)
        return options;
    if (!kindGiven)
        return fail("--chart needs output, hazard or fire");
    if (options.kind == Kind::Output && (!options.row || !options.output))
        return fail("--chart output needs --row and --output");
    if (options.kind != Kind::Fire && options.range[0].empty() && options.range[1].empty() && options.range[2].empty())
        return fail("--chart needs --range");
    if (options.files.size() != 2)
        return fail("--chart needs a scenario input file and an output file");
    return options;
}

// The units the charts are drawn in: those of scenario files, or a units set's.
bool LoadUnits(clsRun& run, clsUserInteraction& ui, const Options& options)
{
    if (options.fileUnits)
        return true;
    if (!run.unitsIO.LoadUnits(Absolute(options.units), run)) {
        ui.ShowMessage(run.unitsIO.errStr);
        return false;
    }
    return true;
}

// The scenario record a hazard or fire chart is drawn for, read into scenario A.
bool ReadRecord(clsRun& run, clsUserInteraction& ui, const std::string& input, int64_t record,
                std::array<bool, 4>& validated)
{
    if (!TableCommand::ReadScenarios(run, ui, input, record, validated))
        return false;
    validated = {validated[0], false, false, false};
    if (!validated[0])
        ui.ShowMessage("Record " + std::to_string(record) + " of " + input +
                       " is not there or did not pass the checks: no chart was written.");
    return validated[0];
}

int HazardChart(clsRun& run, clsUserInteraction& ui, const Options& options, Figure& figure)
{
    TableCommand::OptionInteraction optionUi(ui);
    clsTableViews views(run, optionUi);
    std::array<bool, 4> validated{};
    views.ScenarioValidated = [&validated](int i) { return validated[static_cast<std::size_t>(i - 1)]; };
    run.visTab = clsTableViews::HazardChart;
    HazChart chart(views);
    chart.ChartSetUp();
    chart.PrepareHazardView();
    const TableVariables::Variable& wind = *TableVariables::FindVariable(TableVariables::OpenWindSpeedId);
    if (!TableCommand::SetRange(views.rowInHazard, optionUi, wind, options.range, options.fileUnits) ||
        !TableCommand::SetPage(views.pgInHazard, optionUi, options.page, options.pageValue, options.fileUnits))
        return ExitUsage;
    if (options.fileUnits)
        views.colOutHazard.ColUnitSelected(0);
    if (!ReadRecord(run, ui, options.files[0], options.scenario, validated))
        return ExitFailure;
    chart.PrepareHazardView();
    if (!chart.Drawing().failureNote.empty()) {
        ui.ShowMessage(chart.Drawing().failureNote);
        return ExitFailure;
    }
    figure.hazard = chart.Drawing();
    return ExitSuccess;
}

int FireChart(clsRun& run, clsUserInteraction& ui, const Options& options, Figure& figure)
{
    TableCommand::OptionInteraction optionUi(ui);
    clsTableViews views(run, optionUi);
    std::array<bool, 4> validated{};
    views.ScenarioValidated = [&validated](int i) { return validated[static_cast<std::size_t>(i - 1)]; };
    run.visTab = clsTableViews::FireChart;
    Fire fire(views);
    fire.PrepareFireView();
    fire.RefVarSelected(options.curves);
    if (options.fileUnits) {
        fire.RefUnitSelected(0);
        fire.ROSUnitSelected(0);
        fire.HPUAUnitSelected(0);
    }
    if (!TableCommand::SetPage(views.pgInFire, optionUi, options.page, options.pageValue, options.fileUnits))
        return ExitUsage;
    if (!ReadRecord(run, ui, options.files[0], options.scenario, validated))
        return ExitFailure;
    fire.PrepareFireView();
    if (!fire.FailureNote().empty()) {
        ui.ShowMessage(fire.FailureNote());
        return ExitFailure;
    }
    figure.fire = fire.Drawing();
    figure.windPoint = fire.SelectedPoint();
    return ExitSuccess;
}

int OutputChart(clsRun& run, clsUserInteraction& ui, const Options& options, Figure& figure)
{
    return TableCommand::Compute(run, ui, options.files[0], options,
                                 [&](const Tables& tables, const TableSelection& selection, clsTableViews& views) {
                                     figure.output = Charts::OutputChart(tables, selection, run, views.tblPageInput);
                                 });
}

}  // namespace

bool Requested(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--chart")
            return true;
    return false;
}

int Compute(int argc, char* argv[], const std::string& programDir, clsUserInteraction& ui, Figure& figure)
{
    std::optional<Options> parsed = ParseArguments(argc, argv);
    if (!parsed)
        return ExitUsage;
    Options& options = *parsed;
    if (options.help) {
        std::cout << Usage;
        return ExitSuccess;
    }
    figure.kind = options.kind;
    figure.dpi = options.dpi;
    const auto x = options.size.find('x');
    int64_t width = 0;
    int64_t height = 0;
    if (x == std::string::npos || !ParseWhole(options.size.substr(0, x), 1, 100000, width) ||
        !ParseWhole(options.size.substr(x + 1), 1, 100000, height)) {
        std::cerr << "orvane-batch: --size needs WIDTHxHEIGHT in pixels\n" << Usage;
        return ExitUsage;
    }
    figure.width = static_cast<int>(width);
    figure.height = static_cast<int>(height);
    const std::string input = Absolute(options.files[0]);
    options.files[0] = input;
    figure.outputFile = Absolute(options.files[1]);
    if (!options.force && clsUtils::FileExists(figure.outputFile)) {
        ui.ShowMessage("The output file " + figure.outputFile + " already exists; use --force to replace it.");
        return ExitFailure;
    }

    clsRun run(ui);
    if (!Module1::CheckAndLoadModelParameters(programDir, run, ui) || !LoadUnits(run, ui, options))
        return ExitFailure;
    switch (options.kind) {
    case Kind::Hazard: return HazardChart(run, ui, options, figure);
    case Kind::Fire: return FireChart(run, ui, options, figure);
    default: return OutputChart(run, ui, options, figure);
    }
}

}  // namespace ChartCommand
