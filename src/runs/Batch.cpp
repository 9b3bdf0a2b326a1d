#include "runs/Batch.h"

#include "app/clsUserInteraction.h"
#include "app/clsUtils.h"
#include "app/FileDlg.h"
#include "panels/clsFieldUse.h"
#include "runs/clsRun.h"

#include <filesystem>

namespace {

constexpr int ConiferVegType = 2;

int FieldIndex(const ScenarioInput_IO& io, const std::string& key)
{
    for (int i = 0; i < ScenarioInput_IO::FieldCount; ++i)
        if (io.GetFieldLabel(i) == key)
            return i;
    throw std::out_of_range("scenario field " + key);
}

// True when both names lead to one file, so that writing the one would destroy the other.
bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    const auto canonicalA = std::filesystem::weakly_canonical(a, error);
    const auto canonicalB = std::filesystem::weakly_canonical(b, error);
    return !error && canonicalA == canonicalB;
}

}  // namespace

Batch::Batch(clsRun& owner, clsUserInteraction& userInteraction)
    : gBatchIO(owner.scenIn_IO, userInteraction), gScenOut(owner.units), run(owner), ui(userInteraction)
{
    const clsUnits& u = owner.units;
    // Records hold native values, so they are checked against the native limits whatever unit is
    // displayed. The shrub transition flame length is held in feet, unit 2 of its descriptor.
    ranges = {NativeRange("MC01", u.Dead1HrMCInUnits, 1),
              NativeRange("MC10", u.Dead10HrMCInUnits, 1),
              NativeRange("MC100", u.Dead100HrMCInUnits, 1),
              NativeRange("MCLH", u.LiveHerbMCInUnits, 1),
              NativeRange("MCLW", u.LiveWoodyMCInUnits, 1),
              NativeRange("ACBD", u.CanopyBDInUnits, 1),
              NativeRange("CABH", u.CanopyBHInUnits, 1),
              NativeRange("STFL", u.InitiationInUnits, 2),
              NativeRange("SLOP", u.PercentSlopeInUnits, 1),
              NativeRange("OWND", u.OpenWindSpdInUnits, 1),
              NativeRange("WDIR", u.WindDirFromUphillInUnits, 1),
              NativeRange("FOMC", u.ConiferFoliarMCInUnits, 1),
              NativeRange("ACFL", u.CanopyFuelLoadInUnits, 1),
              NativeRange("WNDRlow", u.WindReductionFactorLowInUnits, 1),
              NativeRange("ROSMlow", u.MultiplierROSLowInUnits, 1),
              NativeRange("LADMlow", u.MultiplierLoadDepthLowInUnits, 1),
              NativeRange("FLIMlow", u.MultiplierIntensityLowInUnits, 1),
              NativeRange("WNDRhigh", u.WindReductionFactorHiInUnits, 1),
              NativeRange("ROSMhigh", u.MultiplierROSHiInUnits, 1),
              NativeRange("LADMhigh", u.MultiplierLoadDepthHiInUnits, 1),
              NativeRange("FLIMhigh", u.MultiplierIntensityHiInUnits, 1)};
    for (RangeCheck& check : ranges)
        check.field = FieldIndex(owner.scenIn_IO, check.key);
}

Batch::RangeCheck Batch::NativeRange(const std::string& key, const clsTorviUnit& descriptor, int16_t unit)
{
    clsTorviUnit limits = descriptor.CloneObj();
    limits.SetCurrUnit(unit);
    return {key, -1, limits.GetMinDataVal(), limits.GetMaxDataVal()};
}

void Batch::SelectBatchFile(bool forInput)
{
    clsUserInteraction::FileRequest request;
    request.save = !forInput;
    request.filterIndex = 1;
    if (forInput) {
        request.filter = "Scenario Input Files (*.scn)|*.scn";
        request.title = "Select scenario input file";
        request.flags = FileDlg::cdlOFNFileMustExist;
    } else {
        request.filter = "Scenario Output Files (*.out)|*.out";
        request.title = "Specify scenario output file";
        request.flags = FileDlg::cdlOFNOverwritePrompt;
    }
    const std::string chosen = ui.ChooseFile(request);
    if (chosen.empty())
        return;
    (forInput ? gBatchIO.fileName : gBatchIO.ofileName) = chosen;
}

std::string Batch::ProposedOutputName(const std::string& inputName, const std::string& extension)
{
    std::string folder, file;
    clsUtils::SplitPathAndFile(inputName, folder, file);
    if (file.find(".scn") == std::string::npos)
        return inputName + extension;
    for (std::size_t at = file.find(".scn"); at != std::string::npos; at = file.find(".scn", at + extension.size()))
        file.replace(at, 4, extension);
    return folder + file;
}

void Batch::RunBatch()
{
    gBatchIO.fileName.clear();
    SelectBatchFile(true);
    if (gBatchIO.fileName.empty())
        return;
    gBatchIO.ofileName.clear();
    const std::string proposed = ProposedOutputName(gBatchIO.fileName);
    if (!clsUtils::FileExists(proposed) ||
        ui.AskYesNo("The output file " + proposed + " already exists.\r\nWould you like to overwrite this file?",
                    "Output file already exists"))
        gBatchIO.ofileName = proposed;
    else
        SelectBatchFile(false);
    if (gBatchIO.ofileName.empty())
        return;
    const Result result = ProcessBatch();
    if (!result.summary.empty())
        ui.ShowMessage(result.summary);
}

void Batch::ApplyBatchSettings()
{
    clsTorviInputs& record = gBatchIO.IData;
    record.Temperature = 0;
    record.HCrown = run.units.CvtHCrown(2, run.globalHCrown, 1);
    record.SpreadDirection = run.globalSpreadDirection;
    if (record.VegType == ConiferVegType) {
        record.HighInputs.fuelModelID = 10;
        record.HighInputs.WindReductionFactor = 0.4;
    }
}

bool Batch::ValidateBatchRecord(std::string& failingKey) const
{
    failingKey.clear();
    // Only the inputs the scenario uses are checked, by the rule that enables the input panel's
    // boxes: a scenario saved from the window passes whatever its unused boxes held.
    const clsTorviInputs& record = gBatchIO.IData;
    const clsFieldUse use(record.VegType, run.getSelectedFM(record.LowInputs.fuelModelID),
                          run.getSelectedFM(record.HighInputs.fuelModelID));
    for (const RangeCheck& check : ranges) {
        if (!use.Used(check.field))
            continue;
        const double value = ScenarioInput_IO::FieldValue(record, check.field);
        if (value < check.min || value > check.max) {
            failingKey = check.key;
            return false;
        }
    }
    return true;
}

bool Batch::WriteErrorLine(const std::string& line, Result& result)
{
    ++result.errors;
    return gScenOut.WriteOutLine(line);
}

// One record just read (or refused by the reader for a value that is no number). A record that
// does not give a result is an error line, never a line of zeros that would pass for a fire too
// wet to spread.
bool Batch::HandleRecord(int64_t recordNumber, Result& result)
{
    const std::string record = "record #" + std::to_string(recordNumber);
    std::string failingKey = run.scenIn_IO.invalidKey;
    if (failingKey.empty()) {
        ApplyBatchSettings();
        ValidateBatchRecord(failingKey);
    }
    if (!failingKey.empty())
        return WriteErrorLine("#-- Input Error: " + record + " contains invalid " + failingKey +
                                  " data: " + run.scenIn_IO.scen_rec,
                              result);
    bool success = false;
    gBatchIO.OData = run.torvi.CalculateTorviOutputs(gBatchIO.IData, success);
    if (!success)
        return WriteErrorLine("#-- Calculation Error: " + record + ": CalculateTorviOutputs Failure[" +
                                  std::to_string(gBatchIO.OData.ErrorNumber) + "] " + gBatchIO.OData.ErrorDescription,
                              result);
    ++result.datasets;
    return gScenOut.SaveNextScenOutp(gBatchIO.OData, gBatchIO.Name);
}

// The output could not be written: the writer's reason; the previous output file stays.
Batch::Result Batch::Abort()
{
    gScenOut.AbandonScenOutpFile();
    run.scenIn_IO.CloseScenInpFile();
    ui.SetBusy(false);
    ui.ShowMessage(gScenOut.errStr);
    return {};
}

// The input could not be read to its end: the reader's reason, naming the file; nothing is written,
// so that no output passes for the whole input.
Batch::Result Batch::InputFailed()
{
    const std::string message =
        run.scenIn_IO.ErrorWithFileName() + "\r\nNothing was written to " + gBatchIO.ofileName + ".";
    gScenOut.AbandonScenOutpFile();
    run.scenIn_IO.CloseScenInpFile();
    ui.SetBusy(false);
    ui.ShowMessage(message);
    return {};
}

// An output that is the input, or something other than a file, is never written over.
bool Batch::RefuseOutput()
{
    const std::string& output = gBatchIO.ofileName;
    std::string reason;
    if (SameFile(gBatchIO.fileName, output))
        reason = " is the scenario input file being read.";
    else if (clsUtils::PathExists(output) && !clsUtils::FileExists(output))
        reason = " is not a regular file.";
    if (reason.empty())
        return false;
    ui.ShowMessage("The output file " + output + reason + " Please choose another output file.");
    return true;
}

Batch::Result Batch::ProcessBatch()
{
    if (RefuseOutput())
        return {};
    ui.SetBusy(true);
    const bool first = gBatchIO.LoadInput(false);
    if (!first && run.scenIn_IO.invalidKey.empty())
        return InputFailed();
    if (!gScenOut.OpenScenOutpFile(gBatchIO.ofileName))
        return Abort();
    Result result;
    // An input without any data line gives an output of the headers alone.
    bool more = !run.scenIn_IO.scen_rec.empty();
    for (int64_t recordNumber = 1; more; ++recordNumber) {
        if (!HandleRecord(recordNumber, result))
            return Abort();
        more = gBatchIO.LoadNextInput() || !run.scenIn_IO.invalidKey.empty();
    }
    if (!run.scenIn_IO.errStr.empty())
        return InputFailed();  // a line the reader could not read ended the input early
    if (!gScenOut.CloseScenOutpFile())
        return Abort();
    ui.SetBusy(false);
    result.completed = true;
    result.summary = "Generated " + std::to_string(result.datasets) + " output datasets to " + gBatchIO.ofileName +
                     "\r\nEncountered " + std::to_string(result.errors) + " errors.";
    return result;
}
