#include "runs/TorviRun_IO.h"

#include "runs/LabelledRecords.h"
#include "base/NumberText.h"
#include "base/clsSafeOutputFile.h"
#include "base/clsUserInteraction.h"
#include "base/clsUtils.h"
#include "runs/clsRun.h"
#include "runs/clsGlobalSettings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

struct HeaderRecord {
    const char* label;
    std::string clsRun::*field;
    const char* caption;  // the field's caption in the main window
};

const std::array<HeaderRecord, 4> HeaderRecords = {{
    {"Name:", &clsRun::Name, "Run"},
    {"Date:", &clsRun::RDate, "Date"},
    {"Project:", &clsRun::Project, "Project"},
    {"Analyst:", &clsRun::Analyst, "Analyst"},
}};

// One value of a tab record: a variable (a list position or a unit, a whole number) or a number.
// Values added to the record after its first six (or two) may be absent, as in files written
// before them, or empty, when the run holds none: the field then takes its "none" (0 or NaN).
struct TabValue {
    int16_t clsRun::*variable;
    double clsRun::*number;
    bool added = false;
};

struct TabRecord {
    const char* label;
    const char* missingText;
    std::vector<TabValue> values;
};

const std::array<TabRecord, 3> TabRecords = {{
    {"Tbl Vars:",
     "Run file is missing Table Vars record",
     {{&clsRun::tblch_input_var, nullptr},
      {nullptr, &clsRun::tblch_input_min},
      {nullptr, &clsRun::tblch_input_max},
      {nullptr, &clsRun::tblch_input_step},
      {&clsRun::tblch_page_var, nullptr},
      {&clsRun::tblch_output_var, nullptr},
      {&clsRun::tblch_input_unit, nullptr, true},
      {nullptr, &clsRun::tblch_page_val, true}}},
    {"Haz Vars:",
     "Run file is missing Hazard Vars record",
     {{&clsRun::haz_input_var, nullptr},
      {nullptr, &clsRun::haz_input_min},
      {nullptr, &clsRun::haz_input_max},
      {nullptr, &clsRun::haz_input_step},
      {&clsRun::haz_page_var, nullptr},
      {&clsRun::haz_output_var, nullptr},
      {&clsRun::haz_input_unit, nullptr, true},
      {nullptr, &clsRun::haz_page_val, true}}},
    {"Fire Vars:",
     "Run file is missing Fire Vars record",
     {{&clsRun::fire_ref_var, nullptr}, {&clsRun::fire_page_var, nullptr}, {nullptr, &clsRun::fire_page_val, true}}},
}};

// The run-wide settings, a record after the tab records: the crown heat content (kJ/kg) and the
// spread direction (degrees). A file without it leaves the settings in use as they are.
const std::string GlobalLabel = "Global Vars:";

const std::string UnitsLabel = "Unt:";
const std::string FuelModelsLabel = "Fmd:";
const std::string ScenariosLabel = "Scn:";

bool HoldsLineBreakOrSeparator(const std::string& text)
{
    return text.find(LabelledRecords::Separator) != std::string::npos ||
           text.find_first_of("\r\n") != std::string::npos;
}

// A run file keeps a referenced file by its bare name, split off at either separator and stripped
// of blanks when read: a name that would lose part of itself is not one it can keep.
bool NameReadsBack(const std::string& name)
{
    using NumberText::IsBlank;
    return !HoldsLineBreakOrSeparator(name) && name.find('\\') == std::string::npos &&
           (name.empty() || (!IsBlank(name.front()) && !IsBlank(name.back())));
}

bool ParseVariable(const std::string& text, int16_t& variable)
{
    double value = 0;
    if (!NumberText::ParseDouble(text, value) || value != std::floor(value) ||
        value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return false;
    variable = static_cast<int16_t>(value);
    return true;
}

std::string TabValueText(const TabValue& value, const clsRun& run)
{
    if (value.variable)
        return value.added && run.*value.variable == 0 ? "" : std::to_string(run.*value.variable);
    const double number = run.*value.number;
    return value.added && std::isnan(number) ? "" : NumberText::GeneralText(number, 15);
}

// The bare names of the run's referenced files: its units set, its custom fuel model files (after
// the standard file loaded at start-up) and the scenario files of scenarios 1 to 4 that have one.
std::string UnitsName(const clsRun& run)
{
    return run.unitsIO.IsLoaded() ? TorviRun_IO::BareName(run.unitsIO.fileName) : "";
}

std::vector<std::string> FuelModelNames(const clsRun& run)
{
    std::vector<std::string> names;
    for (int i = 1; !run.defFM.FMfileNames(i).empty(); ++i)
        names.push_back(TorviRun_IO::BareName(run.defFM.FMfileNames(i)));
    return names;
}

std::vector<std::string> ScenarioNames(clsRun& run)
{
    std::vector<std::string> names;
    for (int k = 1; k <= clsRun::NumScenarios(); ++k)
        if (!run.io(k).fileName.empty())
            names.push_back(TorviRun_IO::BareName(run.io(k).fileName));
    return names;
}

}  // namespace

TorviRun_IO::TorviRun_IO(clsUserInteraction& userInteraction) : ui(userInteraction) {}

std::string TorviRun_IO::BareName(const std::string& path)
{
    std::string folder, name;
    clsUtils::SplitPathAndFile(path, folder, name);
    return name;
}

bool TorviRun_IO::Fail(const std::string& message)
{
    // A line that could not be read is the reason, whatever record was expected there.
    errStr = readProblem.empty() ? message : readProblem;
    return false;
}

bool TorviRun_IO::NextRecord(clsLineReader& in, std::string& record)
{
    const clsLineReader::Result result = LabelledRecords::NextRecord(in, record);
    lineNumber = std::to_string(in.LineNumber());
    if (result == clsLineReader::Result::TooLong || result == clsLineReader::Result::Failed)
        readProblem = in.ProblemText(result, "Torvi Run file: " + fileName);
    return result == clsLineReader::Result::Line;
}

// ---- loading ---------------------------------------------------------------------------------

bool TorviRun_IO::LoadTorviRun(const std::string& name, clsRun& run)
{
    fileName = name;
    clsLineReader in;
    if (!in.Open(name)) {
        fileName.clear();
        return Fail("Failed to open Torvi Run file: " + name);
    }
    std::string folder, file;
    clsUtils::SplitPathAndFile(name, folder, file);
    return ReadTorviRun(in, folder.empty() ? "." : folder, run);
}

bool TorviRun_IO::ReadTorviRun(clsLineReader& in, const std::string& runFolder, clsRun& run)
{
    errStr.clear();
    readProblem.clear();
    const bool read = ReadRecords(in, runFolder, run);
    readProblem.clear();
    return read;
}

bool TorviRun_IO::ReadRecords(clsLineReader& in, const std::string& runFolder, clsRun& run)
{
    if (!ReadHeader(in, run))
        return false;

    std::vector<std::string> names;
    if (!ReadFileRecord(in, UnitsLabel, names))
        return false;
    for (const std::string& name : names) {
        const std::string path = Locate(name, runFolder);
        if (path.empty())
            return Fail("Cannot locate file: " + name);
        if (!run.unitsIO.LoadUnits(path, run))
            return Fail(run.unitsIO.errStr);
    }

    if (!ReadFileRecord(in, FuelModelsLabel, names))
        return false;
    for (const std::string& name : names) {
        const std::string path = Locate(name, runFolder);
        if (path.empty())
            return Fail("Cannot locate file: " + name);
        std::string error;
        if (!run.AddFuelModels(path, error))
            return Fail(error);
    }

    if (!ReadFileRecord(in, ScenariosLabel, names))
        return false;
    LoadScenarios(names, runFolder, run);
    return ReadTabRecords(in, run);
}

bool TorviRun_IO::ReadHeader(clsLineReader& in, clsRun& run)
{
    std::string record, valueText;
    for (const HeaderRecord& header : HeaderRecords) {
        NextRecord(in, record);
        if (!LabelledRecords::ValueText(record, header.label, valueText))
            return Fail("Malformed run record: expected " + std::string(header.label) + " at line " +
                        lineNumber);
        const std::vector<std::string> values = LabelledRecords::SplitValues(valueText);
        if (LabelledRecords::AnyValue(values))
            run.*header.field = values.front();
        else if (header.field == &clsRun::Name)
            errStr = "Missing run data value at line " + lineNumber;  // told, not fatal
    }
    return true;
}

bool TorviRun_IO::ReadFileRecord(clsLineReader& in, const std::string& label, std::vector<std::string>& names)
{
    names.clear();
    std::string record, valueText;
    if (!NextRecord(in, record))
        return Fail("Malformed run record: expected " + label + " at line " + lineNumber);
    if (!LabelledRecords::ValueText(record, label, valueText))
        return true;
    for (const std::string& name : LabelledRecords::SplitValues(valueText))
        if (!name.empty())
            names.push_back(name);
    return true;
}

std::string TorviRun_IO::Locate(const std::string& name, const std::string& runFolder)
{
    const std::string bare = BareName(name);
    if (bare.empty() || bare == "." || bare == "..")
        return "";
    for (const std::string& folder : {runFolder, programDir}) {
        if (folder.empty())
            continue;
        const std::string path = (std::filesystem::path(folder) / bare).string();
        if (clsUtils::FileExists(path))
            return path;
    }
    return "";
}

// Scenario k receives the k-th file named. A file that cannot be found or read is told to the user
// and passed over; the scenarios after it still load.
void TorviRun_IO::LoadScenarios(const std::vector<std::string>& names, const std::string& runFolder, clsRun& run)
{
    const std::size_t count = names.size();
    const std::size_t scenarios = static_cast<std::size_t>(clsRun::NumScenarios());
    if (count > scenarios)
        ui.ShowMessage("Only the first " + std::to_string(scenarios) + " of the " + std::to_string(count) +
                       "scenarios can be loaded.");
    for (std::size_t k = 1; k <= std::min(count, scenarios); ++k) {
        const std::string& name = names[k - 1];
        clsIO& holder = run.io(static_cast<int>(k));
        const std::string path = Locate(name, runFolder);
        bool loaded = false;
        if (path.empty()) {
            ui.ShowMessage("Cannot locate file: " + name);
        } else {
            const std::string previous = holder.fileName;
            holder.fileName = path;
            loaded = holder.LoadInput(true);
            if (!loaded)
                holder.fileName = previous;  // the scenario does not come from that file
        }
        if (!loaded)
            ui.ShowMessage("Warning: Scenario file " + name + " was not loaded");
    }
}

bool TorviRun_IO::ReadTabRecords(clsLineReader& in, clsRun& run)
{
    std::string record, valueText;
    for (const TabRecord& tab : TabRecords) {
        if (!NextRecord(in, record))
            return Fail(tab.missingText);
        const std::string atLine = " at line " + lineNumber;
        if (!LabelledRecords::ValueText(record, tab.label, valueText))
            return Fail("Malformed run record: expected " + std::string(tab.label) + atLine);
        const std::vector<std::string> values = LabelledRecords::SplitValues(valueText);
        // The whole record is checked before any of it is stored.
        std::vector<int16_t> variables(tab.values.size(), 0);
        std::vector<double> numbers(tab.values.size(), std::numeric_limits<double>::quiet_NaN());
        for (std::size_t i = 0; i < tab.values.size(); ++i) {
            if (i >= values.size() || values[i].empty()) {
                if (tab.values[i].added)
                    continue;
                return Fail("Missing run data value" + atLine);
            }
            const bool valid = tab.values[i].variable ? ParseVariable(values[i], variables[i])
                                                      : NumberText::ParseDouble(values[i], numbers[i]);
            if (!valid)
                return Fail("Invalid run data value" + atLine);
        }
        for (std::size_t i = 0; i < tab.values.size(); ++i) {
            if (tab.values[i].variable)
                run.*tab.values[i].variable = variables[i];
            else
                run.*tab.values[i].number = numbers[i];
        }
    }
    return ReadGlobalRecord(in, run);
}

bool TorviRun_IO::ReadGlobalRecord(clsLineReader& in, clsRun& run)
{
    std::string record, valueText;
    if (!NextRecord(in, record))
        return readProblem.empty() || Fail(readProblem);
    if (!LabelledRecords::ValueText(record, GlobalLabel, valueText))
        return true;  // a record of a later kind, which this reader does not know
    const std::string atLine = " at line " + lineNumber;
    const std::vector<std::string> values = LabelledRecords::SplitValues(valueText);
    if (values.size() < 2 || values[0].empty() || values[1].empty())
        return Fail("Missing run data value" + atLine);
    double hcrown = 0;
    int16_t direction = 0;
    if (!NumberText::ParseDouble(values[0], hcrown) || !ParseVariable(values[1], direction) ||
        direction < clsGlobalSettings::MinSpreadDirection ||
        direction > clsGlobalSettings::MaxSpreadDirection)
        return Fail("Invalid run data value" + atLine);
    run.globalHCrown = hcrown;
    run.globalSpreadDirection = direction;
    return true;
}

// ---- saving ----------------------------------------------------------------------------------

bool TorviRun_IO::RunCanBeSaved(clsRun& run)
{
    for (const HeaderRecord& header : HeaderRecords)
        if (HoldsLineBreakOrSeparator(run.*header.field))
            return Fail("The run's " + std::string(header.caption) +
                        " holds \"|+|\" or a line break, which a run file cannot store. Please change it "
                        "before saving the run.");
    for (const Reference& reference : References(run)) {
        const std::string name = std::filesystem::path(reference.path).filename().string();
        if (!NameReadsBack(name))
            return Fail("The file name \"" + name + "\" of " + reference.field +
                        " holds \"|+|\", a line break, a backslash or blanks at its start or end, which a run file "
                        "cannot store. Please rename the file before saving the run.");
    }
    return true;
}

std::vector<TorviRun_IO::Reference> TorviRun_IO::References(clsRun& run)
{
    std::vector<Reference> references;
    if (run.unitsIO.IsLoaded())
        references.push_back({"the units set", run.unitsIO.fileName,
                              [&run](const std::string& path) { run.unitsIO.fileName = path; }});
    for (int i = 1; !run.defFM.FMfileNames(i).empty(); ++i)
        references.push_back({"the custom fuel model file", run.defFM.FMfileNames(i),
                              [&run, i](const std::string& path) { run.defFM.FileCopiedTo(i, path); }});
    for (int k = 1; k <= clsRun::NumScenarios(); ++k)
        if (!run.io(k).fileName.empty())
            references.push_back({std::string("the scenario file of Scenario ") + static_cast<char>('A' + k - 1),
                                  run.io(k).fileName,
                                  [&run, k](const std::string& path) { run.io(k).fileName = path; }});
    return references;
}

std::vector<TorviRun_IO::Reference> TorviRun_IO::NotFoundFrom(const std::string& runPath, clsRun& run) const
{
    const std::string runFolder = std::filesystem::path(runPath).parent_path().string();
    std::vector<Reference> notFound;
    for (Reference& reference : References(run)) {
        const std::string bare = BareName(reference.path);
        bool found = false;
        for (const std::string& folder : {runFolder.empty() ? std::string(".") : runFolder, programDir}) {
            std::error_code error;
            found = found || (!folder.empty() &&
                              std::filesystem::equivalent(std::filesystem::path(folder) / bare, reference.path, error));
        }
        if (!found)
            notFound.push_back(std::move(reference));
    }
    return notFound;
}

namespace {

// The whole file as bytes; false when it cannot be read. A byte copy, not a record reader.
bool ReadBytes(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    return in.good() || in.eof();
}

}  // namespace

bool TorviRun_IO::CopyBeside(const Reference& reference, const std::string& runPath)
{
    const std::filesystem::path copy =
        std::filesystem::path(runPath).parent_path() / BareName(reference.path);
    std::string bytes, there;
    if (!ReadBytes(reference.path, bytes))
        return Fail("Failed to read " + reference.path + " to copy it beside the run file.");
    if (clsUtils::PathExists(copy.string())) {
        if (!ReadBytes(copy.string(), there) || there != bytes)
            return Fail("The run file's folder already holds another file named " + BareName(reference.path) +
                        ", which is not replaced. The run was not saved.");
    } else {
        clsSafeOutputFile file;
        if (!file.Open(copy.string()))
            return Fail("Failed to copy " + reference.path + " to " + copy.string() + " (" + file.ErrorText() + ")");
        file.Write(bytes);
        if (!file.Commit())
            return Fail("Failed to copy " + reference.path + " to " + copy.string() + " (" + file.ErrorText() + ")");
    }
    reference.referTo(copy.string());
    return true;
}

bool TorviRun_IO::SaveTorviRun(const std::string& name, clsRun& run)
{
    errStr.clear();
    if (!RunCanBeSaved(run))
        return false;
    fileName = name;
    clsSafeOutputFile file;
    if (!file.Open(name)) {
        fileName.clear();
        return Fail("Failed to open Torvi Run file: " + name);
    }
    auto writeRecord = [&file](const std::string& label, const std::string& valueText) {
        file.Write(label + valueText + "\r\n");
    };
    for (const HeaderRecord& header : HeaderRecords)
        writeRecord(header.label, run.*header.field);
    writeRecord(UnitsLabel, UnitsName(run));
    writeRecord(FuelModelsLabel, LabelledRecords::JoinValues(FuelModelNames(run)));
    writeRecord(ScenariosLabel, LabelledRecords::JoinValues(ScenarioNames(run)));
    for (const TabRecord& tab : TabRecords) {
        std::vector<std::string> values;
        for (const TabValue& value : tab.values)
            values.push_back(TabValueText(value, run));
        writeRecord(tab.label, LabelledRecords::JoinValues(values));
    }
    writeRecord(GlobalLabel, LabelledRecords::JoinValues({NumberText::GeneralText(run.globalHCrown, 15),
                                                          std::to_string(run.globalSpreadDirection)}));
    if (!file.Commit()) {
        fileName.clear();
        return Fail("Failed to write Torvi Run file: " + name);
    }
    return true;
}
