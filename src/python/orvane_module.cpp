// The native part of the Python package `orvane`: the core's scenario calculation, batch
// processing and output table over NumPy arrays. The package (python/orvane) checks the
// arguments, turns tables into columns and back, and documents every field; this file only moves
// numbers between NumPy and the core, on several threads without the interpreter lock.

#include "base/CRC.h"
#include "runs/Module1.h"
#include "base/NumberText.h"
#include "base/clsUserInteraction.h"
#include "engine/clsTorvi.h"
#include "runs/Batch.h"
#include "runs/ScenarioGrid.h"
#include "runs/ScenarioInput_IO.h"
#include "runs/ScenarioOutput_IO.h"
#include "runs/clsRun.h"
#include "engine/ScenarioCalculation.h"
#include "cli/TableCommand.h"
#include "runs/clsGlobalSettings.h"
#include "units/clsUnits.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace py = pybind11;

namespace {

constexpr int InputCount = ScenarioInput_IO::FieldCount;
constexpr int OutputCount = ScenarioOutput_IO::FieldCount;
// The fire type word is at most 11 characters: "conditional", or a code of up to 11.
constexpr std::size_t FireTypeWidth = 11;

// Failures the package raises as its own exceptions: a file that cannot be read or written, a
// value refused, anything else that stops a table.
struct FileFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};
struct InputFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a row gave, as the batch would tell it.
enum Status : int8_t { Calculated = 0, InputFailed = 1, CalculationFailed = 2 };

// Nobody is there to ask: questions are answered No, dialogs cancelled, and the messages kept
// for the exception that reports the failure.
class CollectingInteraction : public clsUserInteraction {
public:
    void ShowMessage(const std::string& text) override { messages += (messages.empty() ? "" : "\n") + text; }
    bool AskYesNo(const std::string& text, const std::string& /*title*/) override
    {
        ShowMessage(text);
        return false;
    }
    bool AskText(const std::string&, const std::string&, std::string&) override { return false; }
    std::string ChooseFile(const FileRequest&) override { return ""; }

    std::string messages;
};

// A collection of fuel models as Python holds it: loaded once and never changed afterwards, so
// that every calculation naming it may share it on any thread.
struct FuelModelSet {
    std::shared_ptr<clsFuelModels> models;
    std::vector<std::string> files;
};

// The standard models of the file, verified as every Orvane program verifies them, followed by
// the custom models of each further file. The loader's message on failure.
std::shared_ptr<FuelModelSet> LoadFuelModels(const std::string& standardFile, const std::vector<std::string>& customFiles)
{
    CollectingInteraction ui;
    if (CRC::FileCrc(standardFile, ui) != Module1::ModelParametersCrc)
        throw FileFailure("The model parameters file " + standardFile +
                          " has been changed or cannot be read: the orvane package must be reinstalled.");
    clsRun run(ui);
    auto set = std::make_shared<FuelModelSet>();
    std::vector<std::string> files{standardFile};
    files.insert(files.end(), customFiles.begin(), customFiles.end());
    std::string error;
    for (const std::string& file : files) {
        if (!run.AddFuelModels(file, error))
            throw FileFailure(error);
        set->files.push_back(file);
    }
    set->models = run.defFM.fmColl;
    return set;
}

py::list FuelModelRecords(const FuelModelSet& set)
{
    py::list records;
    for (const auto& model : *set.models) {
        py::dict r;
        r["number"] = model->fuelModelID;
        r["code"] = model->fuelModelCode;
        r["name"] = model->fuelModelName;
        r["type"] = model->fuelModelType;
        r["load1Hr"] = model->load1Hr;
        r["load10Hr"] = model->load10Hr;
        r["load100Hr"] = model->load100Hr;
        r["loadLiveHerb"] = model->loadLiveHerb;
        r["loadLiveWoody"] = model->loadLiveWoody;
        r["sav1Hr"] = model->sav1Hr;
        r["savLiveHerb"] = model->savLiveHerb;
        r["savLiveWoody"] = model->savLiveWoody;
        r["fuelBedDepth"] = model->fuelBedDepth;
        r["deadFuelMx"] = model->deadFuelMx;
        r["deadHeatContent"] = model->deadHeatContent;
        r["liveHeatContent"] = model->liveHeatContent;
        records.append(r);
    }
    return records;
}

// A run of its own for one call, over a fuel model collection and the batch settings: calls never
// share anything that changes.
class Session {
public:
    Session(const FuelModelSet& set, double hcrownKJPerKg, int spreadDirection) : run(ui), batch(run, ui)
    {
        run.defFM.fmColl = set.models;
        run.torvi.FuelModels = set.models;
        run.globalHCrown = hcrownKJPerKg;
        run.globalSpreadDirection = static_cast<int16_t>(spreadDirection);
    }

    CollectingInteraction ui;
    clsRun run;
    Batch batch;
};

// One thread's calculation of rows, as a batch worker calculates the records of its lines.
class RowCalculator {
public:
    RowCalculator(const Batch& batch, const Batch::Settings& settings, std::shared_ptr<clsFuelModels> models)
        : batch(batch), settings(settings)
    {
        engine.FuelModels = std::move(models);
    }

    Status Calculate(const std::array<double, InputCount>& values, std::string_view name, clsTorviOutputs& outputs,
                     std::string& reason)
    {
        clsTorviInputs record;
        for (int i = 0; i < InputCount; ++i)
            if (!ScenarioInput_IO::StoreFieldValue(record, i, values[static_cast<std::size_t>(i)])) {
                reason = clsRecordChecks::InvalidDataReason(ScenarioInput_IO().GetFieldLabel(i), DataLine(values, name));
                return InputFailed;
            }
        ScenarioCalculation::CompleteRecord(record);
        ScenarioCalculation::ApplySettings(record, settings);
        if (!batch.ValidateBatchRecord(record, failingKey)) {
            reason = clsRecordChecks::InvalidDataReason(failingKey, DataLine(values, name));
            return InputFailed;
        }
        if (!ScenarioCalculation::Calculate(engine, record, outputs)) {
            reason = outputs.FailureText();
            return CalculationFailed;
        }
        return Calculated;
    }

private:
    // The row as a scenario file's data line, which an error line of the batch quotes.
    static std::string DataLine(const std::array<double, InputCount>& values, std::string_view name)
    {
        std::string text;
        ScenarioInput_IO::AppendDataLine(text, values, name);
        return std::string(ScenarioGrid::StripBlanks(text));
    }

    const Batch& batch;
    const Batch::Settings settings;
    clsTorvi engine;
    std::string failingKey;
};

// The result columns of calculate_many: allocated while the interpreter lock is held, filled
// without it.
struct ResultColumns {
    explicit ResultColumns(py::ssize_t rows)
        : fireType(rows), fireTypeWord(py::dtype("<U" + std::to_string(FireTypeWidth)), std::vector<py::ssize_t>{rows}), status(rows)
    {
        for (auto& column : numeric)
            column = py::array_t<double>(rows);
        for (auto& column : sides)
            column = py::array_t<double>(rows);
        std::fill_n(static_cast<char32_t*>(fireTypeWord.mutable_data()), rows * FireTypeWidth, U'\0');
    }

    // Raw pointers for the worker threads.
    struct Targets {
        double* fireType;
        char32_t* fireTypeWord;
        int8_t* status;
        std::array<double*, OutputCount> numeric{};
        std::array<double*, 8> sides{};
    };
    Targets Pointers()
    {
        Targets t{fireType.mutable_data(), static_cast<char32_t*>(fireTypeWord.mutable_data()), status.mutable_data()};
        for (int i = 2; i < OutputCount; ++i)
            t.numeric[static_cast<std::size_t>(i)] = numeric[static_cast<std::size_t>(i)].mutable_data();
        for (std::size_t i = 0; i < sides.size(); ++i)
            t.sides[i] = sides[i].mutable_data();
        return t;
    }

    py::array_t<double> fireType;  // a code, nan where the row gave no result
    py::array fireTypeWord;
    py::array_t<int8_t> status;
    std::array<py::array_t<double>, OutputCount> numeric;  // columns 2..17
    std::array<py::array_t<double>, 8> sides;             // Low then High: SPRT, HPUA, FLIN, FLML
};

constexpr std::array<const char*, 4> SideKeys{"SPRT", "HPUA", "FLIN", "FLML"};

void StoreRow(ResultColumns::Targets& t, std::size_t row, Status status, const clsTorviOutputs& outputs)
{
    const double missing = std::nan("");
    const bool ok = status == Calculated;
    t.status[row] = status;
    t.fireType[row] = ok ? outputs.FireType : missing;
    if (ok) {
        const std::string word = ScenarioOutput_IO::FireTypeWord(outputs.FireType);
        std::copy(word.begin(), word.end(), t.fireTypeWord + row * FireTypeWidth);
    }
    for (int i = 2; i < OutputCount; ++i)
        t.numeric[static_cast<std::size_t>(i)][row] = ok ? ScenarioOutput_IO::FieldValue(outputs, i) : missing;
    const std::array<double, 8> sides{outputs.Low.RateOfSpread,  outputs.Low.HeatPerUnitArea,
                                      outputs.Low.FirelineIntensity, outputs.Low.FlameLength,
                                      outputs.High.RateOfSpread, outputs.High.HeatPerUnitArea,
                                      outputs.High.FirelineIntensity, outputs.High.FlameLength};
    for (std::size_t i = 0; i < sides.size(); ++i)
        t.sides[i][row] = ok ? sides[i] : missing;
}

void CheckSettings(double hcrown, int spreadDirection)
{
    if (!clsGlobalSettings::HCrownInRange(hcrown))  // NaN included
        throw py::value_error("hcrown needs a heat content from " + NumberText::FixedText(clsGlobalSettings::MinHCrown, 0) +
                              " to " + NumberText::FixedText(clsGlobalSettings::MaxHCrown, 0) + " kJ/kg");
    if (spreadDirection < clsGlobalSettings::MinSpreadDirection || spreadDirection > clsGlobalSettings::MaxSpreadDirection)
        throw py::value_error("spread_direction needs whole degrees from -180 to 180");
}

// columns: the 24 input fields in file order, float64 arrays of one length; names: one per row or
// none. Rows are taken in blocks from a shared counter by `jobs` threads.
py::dict CalculateMany(const FuelModelSet& set, const std::vector<py::array_t<double, py::array::c_style>>& columns,
                       const std::vector<std::string>& names, double hcrown, int spreadDirection, int jobs)
{
    CheckSettings(hcrown, spreadDirection);
    if (columns.size() != static_cast<std::size_t>(InputCount))
        throw py::value_error("calculate_many needs the 24 input columns");
    const py::ssize_t rows = columns[0].size();
    for (const auto& column : columns)
        if (column.ndim() != 1 || column.size() != rows)
            throw py::value_error("every input column needs the same length");
    if (!names.empty() && static_cast<py::ssize_t>(names.size()) != rows)
        throw py::value_error("the names need the length of the input columns");

    Session session(set, hcrown, spreadDirection);
    const Batch::Settings settings = session.batch.CurrentSettings();
    ResultColumns result(rows);
    std::vector<std::string> reasons(static_cast<std::size_t>(rows));
    std::array<const double*, InputCount> inputs{};
    for (int i = 0; i < InputCount; ++i)
        inputs[static_cast<std::size_t>(i)] = columns[static_cast<std::size_t>(i)].data();
    ResultColumns::Targets targets = result.Pointers();
    {
        py::gil_scoped_release unlocked;
        constexpr std::size_t Block = 256;
        std::atomic<std::size_t> next{0};
        const std::size_t total = static_cast<std::size_t>(rows);
        auto work = [&] {
            RowCalculator calculator(session.batch, settings, set.models);
            std::array<double, InputCount> values{};
            clsTorviOutputs outputs;
            for (std::size_t start; (start = next.fetch_add(Block)) < total;)
                for (std::size_t row = start; row < std::min(total, start + Block); ++row) {
                    for (std::size_t i = 0; i < values.size(); ++i)
                        values[i] = inputs[i][row];
                    const Status status =
                        calculator.Calculate(values, names.empty() ? std::string_view() : names[row], outputs, reasons[row]);
                    StoreRow(targets, row, status, outputs);
                }
        };
        const int threads = static_cast<int>(std::clamp<py::ssize_t>(rows / static_cast<py::ssize_t>(Block) + 1, 1, std::max(jobs, 1)));
        std::vector<std::thread> pool;
        for (int i = 1; i < threads; ++i)
            pool.emplace_back(work);
        work();
        for (auto& thread : pool)
            thread.join();
    }

    py::dict out;
    out["FTYP"] = result.fireType;
    out["FTYPlbl"] = result.fireTypeWord;
    for (int i = 2; i < OutputCount; ++i)
        out[py::str(ScenarioOutput_IO::GetFieldLabel(i))] = result.numeric[static_cast<std::size_t>(i)];
    for (std::size_t i = 0; i < result.sides.size(); ++i)
        out[py::str(std::string(i < 4 ? "Low." : "High.") + SideKeys[i % 4])] = result.sides[i];
    py::array errors(py::dtype("O"), std::vector<py::ssize_t>{rows});
    {
        const py::str empty("");
        auto* cells = static_cast<PyObject**>(errors.mutable_data());
        for (std::size_t row = 0; row < reasons.size(); ++row) {
            py::object text = reasons[row].empty() ? py::object(empty) : py::object(py::str(reasons[row]));
            cells[row] = text.release().ptr();
        }
    }
    out["error"] = errors;
    out["_status"] = result.status;
    return out;
}

py::dict BatchFile(const FuelModelSet& set, const std::string& input, const std::string& output, int jobs,
                   double hcrown, int spreadDirection)
{
    CheckSettings(hcrown, spreadDirection);
    Session session(set, hcrown, spreadDirection);
    Batch& batch = session.batch;
    batch.gBatchIO.fileName = input;
    batch.gBatchIO.ofileName = output;
    Batch::Result result;
    {
        py::gil_scoped_release unlocked;
        result = batch.ProcessBatch(std::max(jobs, 1));
    }
    if (!result.completed)
        throw FileFailure(session.ui.messages);
    py::dict out;
    out["datasets"] = result.datasets;
    out["errors"] = result.errors;
    out["summary"] = result.summary;
    return out;
}

py::dict TableOfFile(const FuelModelSet& set, const std::string& input, const std::string& row,
                     const std::array<std::string, 3>& range, const std::string& page, const std::string& pageValue,
                     const std::string& output, double hcrown, int spreadDirection)
{
    CheckSettings(hcrown, spreadDirection);
    TableCommand::Request request;
    request.row = TableVariables::VariableByName(row);
    if (!request.row)
        throw py::value_error("row needs a variable code or id 1-11, not " + row);
    request.range = range;
    if (!page.empty() && !(request.page = TableVariables::VariableByName(page)))
        throw py::value_error("page needs a variable code or id 1-11, not " + page);
    request.pageValue = pageValue;
    request.output = TableVariables::OutputByName(output);
    if (!request.output)
        throw py::value_error("output needs an output code or id 1-16, not " + output);

    Session session(set, hcrown, spreadDirection);
    TableFile table;
    int status = 0;
    {
        py::gil_scoped_release unlocked;
        status = TableCommand::Compute(session.run, session.ui, input, request, table);
    }
    if (status == 2)
        throw InputFailure(session.ui.messages);
    if (status != 0)
        throw Failure(session.ui.messages);
    py::dict out;
    out["row"] = request.row->code;
    out["output"] = request.output->code;
    out["row_unit"] = table.rowUnitLabel;
    out["output_unit"] = table.outputUnitLabel;
    py::list inputs;
    std::array<py::list, 4> values;
    for (const TableFile::Row& r : table.rows) {
        inputs.append(r.input);
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i].append(r.values[i] ? *r.values[i] : std::nan(""));
    }
    out["inputs"] = inputs;
    py::dict columns;
    for (std::size_t i = 0; i < values.size(); ++i)
        columns[py::str(std::string(1, static_cast<char>('A' + i)))] = values[i];
    out["columns"] = columns;
    return out;
}

// The keys and units the package documents and checks against: the input fields in file order
// with the batch's limits, and the output columns with their units.
py::dict Fields()
{
    CollectingInteraction ui;
    clsRun run(ui);
    Batch batch(run, ui);
    py::list inputs;
    for (int i = 0; i < InputCount; ++i)
        inputs.append(ScenarioInput_IO().GetFieldLabel(i));
    py::dict limits;
    for (const clsRecordChecks::RangeCheck& check : batch.Checks().Ranges())
        limits[py::str(check.key)] = py::make_tuple(check.min, check.max, check.unit);
    py::list outputs;
    for (int i = 0; i < OutputCount; ++i)
        outputs.append(py::make_tuple(ScenarioOutput_IO::GetFieldLabel(i), batch.gScenOut.UnitLabel(i),
                                      ScenarioOutput_IO::FieldDecimals(i)));
    py::dict out;
    out["inputs"] = inputs;
    out["limits"] = limits;
    out["outputs"] = outputs;
    out["name_key"] = ScenarioGrid::NameKey;
    out["default_jobs"] = Batch::DefaultJobs();
    return out;
}

py::dict ReadScenarios(const std::string& path)
{
    ScenarioInput_IO reader;
    clsTorviInputs record;
    std::string name;
    std::array<std::vector<double>, InputCount> values;
    std::vector<std::string> names;
    bool more = reader.FetchFirstScenInp(path, record, name);
    for (;;) {
        if (!more || reader.scen_rec.empty())
            break;
        for (int i = 0; i < InputCount; ++i)
            values[static_cast<std::size_t>(i)].push_back(ScenarioInput_IO::FieldValue(record, i));
        names.emplace_back(ScenarioGrid::StripBlanks(name));
        more = reader.FetchNextScenInp(record, name);
    }
    if (!reader.errStr.empty()) {
        const std::string message = reader.ErrorWithFileName();
        reader.CloseScenInpFile();
        throw FileFailure(message);
    }
    reader.CloseScenInpFile();
    py::dict out;
    for (int i = 0; i < InputCount; ++i)
        out[py::str(reader.GetFieldLabel(i))] = py::array_t<double>(static_cast<py::ssize_t>(names.size()),
                                                                    values[static_cast<std::size_t>(i)].data());
    out[py::str(ScenarioGrid::NameKey)] = names;
    return out;
}

void WriteScenarios(const std::string& path, const std::vector<py::array_t<double, py::array::c_style>>& columns,
                    const std::vector<std::string>& names)
{
    if (columns.size() != static_cast<std::size_t>(InputCount))
        throw py::value_error("write_scenarios needs the 24 input columns");
    const std::size_t rows = names.size();
    ScenarioInput_IO writer;
    clsTorviInputs record;
    if (rows == 0)
        throw py::value_error("write_scenarios needs at least one scenario");
    for (std::size_t row = 0; row < rows; ++row) {
        for (int i = 0; i < InputCount; ++i) {
            const double value = columns[static_cast<std::size_t>(i)].at(static_cast<py::ssize_t>(row));
            if (!ScenarioInput_IO::StoreFieldValue(record, i, value))
                throw py::value_error("row " + std::to_string(row) + " holds no valid " + writer.GetFieldLabel(i) +
                                      " value");
        }
        ScenarioCalculation::CompleteRecord(record);
        const bool written = row == 0 ? writer.SaveFirstScenInp(path, record, names[row])
                                      : writer.SaveNextScenInp(record, names[row]);
        if (!written)
            throw FileFailure(writer.errStr);
    }
    if (!writer.CloseScenInpFile())
        throw FileFailure(writer.errStr);
}

}  // namespace

PYBIND11_MODULE(_orvane, m)
{
    m.doc() = "The native part of orvane; use the orvane package.";
    auto& error = py::register_exception<Failure>(m, "Error");
    py::register_exception<FileFailure>(m, "FileError", error.ptr());
    py::register_exception<InputFailure>(m, "InputError", error.ptr());
    py::class_<FuelModelSet, std::shared_ptr<FuelModelSet>>(m, "FuelModelSet")
        .def_readonly("files", &FuelModelSet::files)
        .def("__len__", [](const FuelModelSet& s) { return s.models->Count(); })
        .def("records", &FuelModelRecords);
    m.def("load_fuel_models", &LoadFuelModels, py::arg("standard_file"), py::arg("custom_files"));
    m.def("fields", &Fields);
    m.def("calculate_many", &CalculateMany, py::arg("fuel_models"), py::arg("columns"), py::arg("names"),
          py::arg("hcrown"), py::arg("spread_direction"), py::arg("jobs"));
    m.def("batch", &BatchFile, py::arg("fuel_models"), py::arg("input"), py::arg("output"), py::arg("jobs"),
          py::arg("hcrown"), py::arg("spread_direction"));
    m.def("table", &TableOfFile, py::arg("fuel_models"), py::arg("input"), py::arg("row"), py::arg("range"),
          py::arg("page"), py::arg("page_value"), py::arg("output"), py::arg("hcrown"), py::arg("spread_direction"));
    m.def("proposed_output_name", [](const std::string& input) { return Batch::ProposedOutputName(input); });
    m.def("read_scenarios", &ReadScenarios, py::arg("path"));
    m.def("write_scenarios", &WriteScenarios, py::arg("path"), py::arg("columns"), py::arg("names"));
}
