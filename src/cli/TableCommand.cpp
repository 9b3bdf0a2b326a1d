#include "cli/TableCommand.h"

#include "cli/CommandLine.h"
#include "runs/Module1.h"
#include "base/clsUserInteraction.h"
#include "base/clsUtils.h"
#include "runs/Batch.h"
#include "runs/clsRun.h"
#include "tables/TableVariables.h"
#include "tables/Tables.h"
#include "tables/clsTableViews.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

namespace TableCommand {

namespace {

using namespace CommandLine;

const char* const Usage =
    "Usage: orvane-batch --table --row VAR --range MIN:MAX:STEP [--page VAR=VALUE] --output OUT\n"
    "                    [--force] INPUT.scn [OUTPUT.csv]\n"
    "\n"
    "Computes the output table of the first four scenarios of a scenario input file (scenarios A\n"
    "to D) and writes it as a table text file, by default the input's name with \".scn\" replaced\n"
    "by \".csv\". The row variable VAR runs from MIN to MAX in steps of STEP; a page variable is held\n"
    "at VALUE for every scenario. Values are in the units of scenario files (STFL in feet). \"-\" as\n"
    "INPUT reads standard input and as OUTPUT writes standard output (the default output when INPUT\n"
    "is \"-\"); the summary then goes to standard error.\n"
    "\n"
    "VAR: 1 MC01, 2 MC10, 3 MC100, 4 MCLH, 5 MCLW, 6 ACBD, 7 STFL, 8 CABH, 9 SLOP, 10 OWND, 11 WDIR\n"
    "OUT: 1 CRFB, 2 SPRT, 3 HPUA, 4 FLIN, 5 FIS, 6 FLML, 7 EMFW, 8 TORI, 9 CRNI, 10 SURI,\n"
    "     11 FLINinitiation, 12 FLMLinitiation, 13 SPRTinitiation, 14 ACBDactive, 15 SPRTactive,\n"
    "     16 OWNDcessation\n"
    "\n"
    "  --force   replace an existing output file\n"
    "\n"
    "Exit status: 0 when the table was written, 1 when it could not be computed or written, 2 for a\n"
    "command-line error or a value outside the variable's limits.\n";

struct Options : Request {
    bool force = false;
    bool help = false;
    std::vector<std::string> files;
};

std::optional<Options> ParseArguments(int argc, char* argv[])
{
    Options options;
    auto fail = [](const std::string& message) { return UsageError<Options>(message, Usage); };
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (IsOperand(arg, optionsEnded)) {
            options.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--table") {
            continue;
        } else if (arg == "--force") {
            options.force = true;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--row") {
            if (!hasValue || !(options.row = TableVariables::VariableByName(argv[++i])))
                return fail("--row needs a variable code or id 1-11");
        } else if (arg == "--output") {
            if (!hasValue || !(options.output = TableVariables::OutputByName(argv[++i])))
                return fail("--output needs an output code or id 1-16");
        } else if (arg == "--range") {
            if (!ParseRange(hasValue ? argv[++i] : "", options.range))
                return fail("--range needs MIN:MAX:STEP");
        } else if (arg == "--page") {
            if (!ParsePage(hasValue ? argv[++i] : "", options.page, options.pageValue))
                return fail("--page needs VAR=VALUE with a variable code or id 1-11");
        } else {
            return fail("unknown option " + arg);
        }
    }
    if (options.help)
        return options;
    if (!options.row)
        return fail("--table needs --row");
    if (options.range[0].empty() && options.range[1].empty() && options.range[2].empty())
        return fail("--table needs --range");
    if (!options.output)
        return fail("--table needs --output");
    if (options.files.empty())
        return fail("no scenario input file given");
    if (options.files.size() > 2)
        return fail("too many file names");
    return options;
}

// Selects the unit of the scenario files in a unit list: feet for the transition flame length,
// the native unit for everything else.
int FileUnitPosition(const TableVariables::Variable& variable, const clsListState& units)
{
    return std::max(0, units.PositionOf(TableVariables::RecordUnit(variable)));
}

// The controls of the output table, set as the request says; false when a control refuses a value.
bool SetControls(clsTableViews& views, OptionInteraction& ui, const Request& options)
{
    views.tblRowInput.RowVarSelected(options.row->id - 1);
    if (!SetRange(views.tblRowInput, ui, *options.row, options.range, options.fileUnits) ||
        !SetPage(views.tblPageInput, ui, options.page, options.pageValue, options.fileUnits))
        return false;
    views.tblColOutput.ColVarSelected(options.output->id - 1);
    if (options.fileUnits)
        views.tblColOutput.ColUnitSelected(0);
    return true;
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

}  // namespace

bool ParseRange(const std::string& text, std::array<std::string, 3>& range)
{
    const auto first = text.find(':');
    const auto second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos || text.find(':', second + 1) != std::string::npos)
        return false;
    range = {text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1)};
    return true;
}

bool ParsePage(const std::string& text, const TableVariables::Variable*& page, std::string& value)
{
    const auto equals = text.find('=');
    if (equals == std::string::npos || !(page = TableVariables::VariableByName(std::string_view(text).substr(0, equals))))
        return false;
    value = text.substr(equals + 1);
    return true;
}

bool SetRange(clsRowInputCtl& row, OptionInteraction& ui, const TableVariables::Variable& variable,
              const std::array<std::string, 3>& range, bool fileUnits)
{
    ui.option = "--range";
    if (fileUnits)
        row.RowUnitSelected(FileUnitPosition(variable, row.cmboRowUnits));
    const char* const parts[] = {"MIN", "MAX", "STEP"};
    for (auto box : {clsRowInputCtl::Min, clsRowInputCtl::Max, clsRowInputCtl::Step}) {
        row.RowValueTyped(box, range[box]);
        if (range[box].empty())
            ui.ShowMessage(std::string(parts[box]) + " is missing");
    }
    return row.rowVarIsValid();
}

bool SetPage(clsPageInputCtl& page, OptionInteraction& ui, const TableVariables::Variable* variable,
             const std::string& value, bool fileUnits)
{
    if (!variable)
        return true;
    ui.option = "--page";
    page.PageVarSelected(variable->id);
    if (fileUnits)
        page.PageUnitSelected(FileUnitPosition(*variable, page.cmboPageUnits));
    page.PageValueTyped(value);
    if (value.empty())
        ui.ShowMessage("VALUE is missing");
    return page.pageVarIsValid();
}

bool ReadScenarios(clsRun& run, clsUserInteraction& ui, const std::string& input, int64_t first,
                   std::array<bool, 4>& validated)
{
    Batch batch(run, ui);
    ScenarioInput_IO& reader = run.scenIn_IO;
    batch.gBatchIO.fileName = input;
    bool read = batch.gBatchIO.LoadInput(false);
    if (!read && reader.invalidKey.empty()) {
        ui.ShowMessage(reader.ErrorWithFileName());
        return false;
    }
    // The records before the first one wanted are read and passed over.
    for (int64_t record = 2 - first; record <= clsRun::NumScenarios(); ++record) {
        if (read && reader.scen_rec.empty())
            break;  // no more data lines
        std::string failingKey;
        if (record >= 1 && reader.invalidKey.empty()) {
            batch.ApplyBatchSettings();
            if (batch.ValidateBatchRecord(failingKey)) {
                const int i = static_cast<int>(record);
                run.io(i).IData = batch.gBatchIO.IData;
                run.io(i).Name = batch.gBatchIO.Name;
                validated[static_cast<std::size_t>(i - 1)] = true;
            }
        }
        if (record == clsRun::NumScenarios())
            break;
        read = batch.gBatchIO.LoadNextInput();
        if (!read && reader.invalidKey.empty()) {
            if (!reader.errStr.empty()) {
                ui.ShowMessage(reader.ErrorWithFileName());  // a line it cannot read
                return false;
            }
            break;
        }
    }
    reader.CloseScenInpFile();
    return true;
}

bool Requested(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--table")
            return true;
    return false;
}

int Compute(clsRun& run, clsUserInteraction& ui, const std::string& input, const Request& request, TableFile& table,
            const std::function<bool()>& beforeReading)
{
    return Compute(
        run, ui, input, request,
        [&table](const Tables& tables, const TableSelection& selection, clsTableViews&) {
            table = tables.ExportContent(selection);
        },
        beforeReading);
}

int Compute(clsRun& run, clsUserInteraction& ui, const std::string& input, const Request& request,
            const std::function<void(const Tables&, const TableSelection&, clsTableViews&)>& computed,
            const std::function<bool()>& beforeReading)
{
    OptionInteraction optionUi(ui);
    clsTableViews views(run, optionUi);
    run.visTab = clsTableViews::OutputTable;
    std::array<bool, 4> validated{};
    views.ScenarioValidated = [&validated](int i) { return validated[static_cast<std::size_t>(i - 1)]; };
    if (!SetControls(views, optionUi, request))
        return ExitUsage;
    if (beforeReading && !beforeReading())
        return ExitFailure;
    if (!ReadScenarios(run, ui, input, 1, validated))
        return ExitFailure;

    Tables tables(run, ui);
    const TableSelection selection = TableSelection::Of(views.tblRowInput, views.tblPageInput, views.tblColOutput);
    const Tables::Outcome outcome = tables.ComputeTable(selection, validated);
    if (outcome == Tables::Outcome::NotComputed)
        ui.ShowMessage("No scenario of " + input + " passed the checks: no table was written.");
    if (outcome == Tables::Outcome::Failed)
        ui.ShowMessage(tables.FailureNote());
    if (outcome != Tables::Outcome::Computed)
        return ExitFailure;
    computed(tables, selection, views);
    return ExitSuccess;
}

int Run(int argc, char* argv[], const std::string& programDir, clsUserInteraction& ui)
{
    std::optional<Options> parsed = ParseArguments(argc, argv);
    if (!parsed)
        return ExitUsage;
    Options& options = *parsed;
    if (options.help) {
        std::cout << Usage;
        return ExitSuccess;
    }
    // "-" reads standard input and writes standard output, as batch mode does: a table read from a
    // pipe goes to standard output unless a file is named.
    const bool fromStandardInput = options.files[0] == Table_IO::StandardOutput;
    const std::string input = fromStandardInput ? "/dev/stdin" : Absolute(options.files[0]);
    const std::string named = options.files.size() > 1 ? options.files[1] : "";
    const std::string output = named == Table_IO::StandardOutput || (named.empty() && fromStandardInput)
                                   ? Table_IO::StandardOutput
                               : named.empty() ? Batch::ProposedOutputName(input, ".csv")
                                               : Absolute(named);
    const bool toStandardOutput = output == Table_IO::StandardOutput;

    clsRun run(ui);
    if (!Module1::CheckAndLoadModelParameters(programDir, run, ui))
        return ExitFailure;
    const auto outputAllowed = [&] {
        if (!toStandardOutput && SameFile(input, output)) {
            ui.ShowMessage("The output file " + output + " is the scenario input file. Please name another output file.");
            return false;
        }
        if (!toStandardOutput && !options.force && clsUtils::FileExists(output)) {
            ui.ShowMessage("The output file " + output + " already exists; use --force to replace it.");
            return false;
        }
        return true;
    };
    TableFile table;
    const int status = Compute(run, ui, input, options, table, outputAllowed);
    if (status != ExitSuccess)
        return status;
    Table_IO writer(run.scenIn_IO);
    if (!writer.SaveTable(output, table)) {
        ui.ShowMessage(writer.errStr);
        return ExitFailure;
    }
    (toStandardOutput ? std::cerr : std::cout) << "Wrote a table of " << table.rows.size() << " rows to "
                                               << (toStandardOutput ? "standard output" : output) << '\n';
    return ExitSuccess;
}

}  // namespace TableCommand
