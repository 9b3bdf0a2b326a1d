#include "engine/FuelModel_IO.h"

#include "base/NumberText.h"

#include <algorithm>

namespace {
// Conversions into the record's internal units, indexed by the unit indicator (0 ENGLISH, 1 METRIC).
constexpr double loadMultiplier[2] = {0.04591, 0.02048};
constexpr double savMultiplier[2] = {1, 30.48};
constexpr double depthMultiplier[2] = {1, 0.03281};
constexpr double heatMultiplier[2] = {1, 0.43027};
constexpr std::size_t valuesPerModel = 16;

std::string UpperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}
}  // namespace

FuelModel_IO::FuelModel_IO() : fmColl(std::make_shared<clsFuelModels>()) {}

std::string FuelModel_IO::FMfileNames(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= loadedFileNames.size())
        return "";
    return loadedFileNames[static_cast<std::size_t>(index)];
}

void FuelModel_IO::FileCopiedTo(int index, const std::string& path)
{
    if (index >= 0 && static_cast<std::size_t>(index) < loadedFileNames.size())
        loadedFileNames[static_cast<std::size_t>(index)] = path;
}

bool FuelModel_IO::AlreadyLoaded(const std::string& fileName) const
{
    return fmColl->Count() > 0 &&
           std::find(loadedFileNames.begin(), loadedFileNames.end(), fileName) != loadedFileNames.end();
}

std::string FuelModel_IO::ErrorWithFileName() const
{
    return errStrNamesFile ? errStr : errStr + " of Fuel Model file " + currentFileName;
}

bool FuelModel_IO::Fail(const std::string& message, bool namesFile)
{
    errStr = message;
    errStrNamesFile = namesFile;
    file.Close();
    return false;
}

// The next line that is neither blank nor a comment, normalised.
clsLineReader::Result FuelModel_IO::ReadModelLine(std::string& line)
{
    std::string raw;
    for (;;) {
        const clsLineReader::Result result = file.ReadLine(raw);
        if (result != clsLineReader::Result::Line)
            return result;
        line = NumberText::NormaliseBlanks(raw);
        if (!line.empty() && line[0] != '#')
            return result;
    }
}

// A line that could not be read ends the load with the reason.
bool FuelModel_IO::FailToRead(clsLineReader::Result result)
{
    return Fail(file.ProblemText(result, "Fuel Model file: " + currentFileName));
}

bool FuelModel_IO::ReadUnitIndicator()
{
    std::string line;
    const clsLineReader::Result result = ReadModelLine(line);
    if (result == clsLineReader::Result::TooLong || result == clsLineReader::Result::Failed)
        return FailToRead(result);
    const std::string units = result == clsLineReader::Result::Line ? UpperCase(line) : "";
    if (units == "ENGLISH")
        unitIndex = 0;
    else if (units == "METRIC")
        unitIndex = 1;
    else
        return Fail("Fuel Model file " + currentFileName + " is missing a unit indicator.");
    return true;
}

bool FuelModel_IO::ReadNumber(const std::string& text, double& value)
{
    if (NumberText::ParseDouble(text, value))
        return true;
    return Fail("Fuel Model file " + currentFileName + " has a value that is not a number in line number " +
                LineNumberText() + ": " + text);
}

bool FuelModel_IO::FillModel(const std::vector<std::string>& values, clsFuelModel& model)
{
    if (!NumberText::ParseInt32(values[0], model.fuelModelID))
        return Fail("Fuel Model file " + currentFileName + " has a value that is not a number in line number " +
                    LineNumberText() + ": " + values[0]);
    model.fuelModelCode = values[1];
    double* const loads[] = {&model.load1Hr, &model.load10Hr, &model.load100Hr, &model.loadLiveHerb,
                             &model.loadLiveWoody};
    for (std::size_t i = 0; i < 5; ++i) {
        if (!ReadNumber(values[2 + i], *loads[i]))
            return false;
        *loads[i] *= loadMultiplier[unitIndex];
    }
    model.fuelModelType = values[7];
    double* const savs[] = {&model.sav1Hr, &model.savLiveHerb, &model.savLiveWoody};
    for (std::size_t i = 0; i < 3; ++i) {
        if (!ReadNumber(values[8 + i], *savs[i]))
            return false;
        *savs[i] *= savMultiplier[unitIndex];
    }
    if (!ReadNumber(values[11], model.fuelBedDepth) || !ReadNumber(values[12], model.deadFuelMx) ||
        !ReadNumber(values[13], model.deadHeatContent) || !ReadNumber(values[14], model.liveHeatContent))
        return false;
    model.fuelBedDepth *= depthMultiplier[unitIndex];
    model.deadFuelMx /= 100;
    model.deadHeatContent *= heatMultiplier[unitIndex];
    model.liveHeatContent *= heatMultiplier[unitIndex];
    model.fuelModelName = values[15];
    for (std::size_t i = valuesPerModel; i < values.size(); ++i)
        model.fuelModelName += " " + values[i];
    return true;
}

// A model whose values describe no fuel bed a fire could burn in (every calculation with it would
// fail) is refused with the first field at fault. The empty size classes of the standard models
// keep their ratio of 0: a ratio is needed only where there is a load.
bool FuelModel_IO::CheckBurnable(const clsFuelModel& model)
{
    const auto refuse = [&](const std::string& field, const std::string& reason) {
        return Fail("Fuel Model file " + currentFileName + " has a fuel model that cannot burn in line number " +
                    LineNumberText() + ": model " + std::to_string(model.fuelModelID) + " (" +
                    model.fuelModelCode + "), " + field + " " + reason);
    };
    if (!(model.sav1Hr > 0))
        return refuse("sav1Hr", "must be above 0");
    if (model.loadLiveHerb > 0 && !(model.savLiveHerb > 0))
        return refuse("savLiveHerb", "must be above 0 for a herbaceous load");
    if (model.loadLiveWoody > 0 && !(model.savLiveWoody > 0))
        return refuse("savLiveWoody", "must be above 0 for a live woody load");
    if (!(model.fuelBedDepth > 0))
        return refuse("depth", "must be above 0");
    if (!(model.deadFuelMx > 0))
        return refuse("deadFuelMx", "must be above 0");
    const bool curesHerbs = model.fuelModelType == "dynamic" && model.loadLiveHerb > 0;
    if (!(model.load1Hr + model.load10Hr + model.load100Hr > 0) && !curesHerbs)
        return refuse("load1Hr", "must be above 0 (no dead load, and no herbaceous load to cure)");
    return true;
}

bool FuelModel_IO::LoadFuelModel(const std::string& fileName)
{
    if (AlreadyLoaded(fileName))
        return true;
    currentFileName = fileName;
    // A file that cannot be opened leaves errStr as it was; the caller names the failure.
    if (!file.Open(fileName))
        return false;
    if (!ReadUnitIndicator())
        return false;

    clsFuelModels local;
    std::string line;
    clsLineReader::Result result;
    while ((result = ReadModelLine(line)) == clsLineReader::Result::Line) {
        std::vector<std::string> values = NumberText::SplitBlanks(line);
        if (values.size() < valuesPerModel)
            return Fail("Wrong number of values in line number " + LineNumberText(), false);
        for (std::string& value : values)
            if (value == "N/A")
                value = "1";
        auto model = std::make_shared<clsFuelModel>();
        if (!FillModel(values, *model) || !CheckBurnable(*model))
            return false;
        const std::string key = std::to_string(model->fuelModelID);
        if (local.MemberIsPresent(key) || fmColl->MemberIsPresent(key))
            return Fail("Duplicate fuel model: number(" + key + ") code(" + model->fuelModelCode + ")\r\n\r\n" +
                        fileName + " contains a fuel model at line " + LineNumberText() +
                        " which was previously loaded.");
        local.AddSorted(std::move(model), key);
    }
    if (result != clsLineReader::Result::End)
        return FailToRead(result);
    file.Close();

    if (fmColl->Count() > 0) {
        for (std::size_t position = 1; position <= local.Count(); ++position)
            fmColl->AddSorted(local.Shared(position), local.KeyAt(position));
        loadedFileNames.push_back(fileName);
    } else {
        *fmColl = std::move(local);
        loadedFileNames.assign(1, fileName);
    }
    return true;
}
