#include "runs/SplitScnBatch.h"

#include "base/clsUserInteraction.h"
#include "base/clsUtils.h"
#include "base/FileDlg.h"
#include "runs/ScenarioGrid.h"
#include "runs/clsRun.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr std::size_t FileNameMax = 255;  // bytes, the limit of the file systems we write to
const std::string Extension = ".scn";

bool SameExistingFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

// At most that many bytes, never cut inside a UTF-8 character.
std::string ShortenTo(std::string text, std::size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    std::size_t cut = bytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    text.resize(cut);
    return text;
}

std::string FileNameOf(const std::string& stem, const std::string& suffix)
{
    return ShortenTo(stem, FileNameMax - suffix.size() - Extension.size()) + suffix + Extension;
}

}  // namespace

SplitScnBatch::SplitScnBatch(clsRun& owner, clsUserInteraction& userInteraction)
    : gSplitIO(owner.scenIn_IO, userInteraction), run(owner), ui(userInteraction)
{
}

void SplitScnBatch::SelectSplitFile()
{
    clsUserInteraction::FileRequest request;
    request.filter = "Scenario Input Files (*.scn)|*.scn";
    request.title = "Select scenario input batch file";
    request.flags = FileDlg::cdlOFNFileMustExist;
    gSplitIO.fileName = ui.ChooseFile(request);
}

std::string SplitScnBatch::SplitFileName(const std::string& scenarioName, int64_t counter)
{
    std::string stem(ScenarioGrid::StripBlanks(scenarioName));
    if (stem.empty())
        stem = "scenario-" + std::to_string(counter);
    for (char& c : stem) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || code < 0x20 || code == 0x7F)
            c = '_';
    }
    return FileNameOf(stem, "");
}

// The split file's path: the file name, or, when an earlier record of this split or the batch file
// itself has it, the file name with the next free number ("North-2.scn").
std::string SplitScnBatch::TargetPath(const std::string& folder, const std::string& fileName)
{
    const std::string stem = fileName.substr(0, fileName.size() - Extension.size());
    int64_t& number = lastNumber[fileName];
    for (std::string candidate = fileName;;) {
        const std::string path = folder + candidate;
        if (!writtenThisSplit.count(path) && !SameExistingFile(path, gSplitIO.fileName) &&
            !(keepExisting && clsUtils::PathExists(path)))
            return path;
        number = std::max<int64_t>(number, 1) + 1;
        candidate = FileNameOf(stem, std::string(1, '-').append(std::to_string(number)));
    }
}

bool SplitScnBatch::WriteRecord(const std::string& folder, bool replaceExisting, int64_t recordNumber,
                                Result& result)
{
    const std::string fileName = SplitFileName(gSplitIO.Name, result.files);
    const std::string path = TargetPath(folder, fileName);
    if (planned) {
        if (clsUtils::PathExists(path))
            planned->push_back(path);
        writtenThisSplit.insert(path);
        ++result.files;
        return true;
    }
    if (clsUtils::PathExists(path) && !clsUtils::FileExists(path)) {
        ui.ShowMessage("The scenario file " + path + " is not a regular file and is not replaced.");
        return false;
    }
    if (!replaceExisting && clsUtils::PathExists(path)) {
        ui.ShowMessage("The scenario file " + path + " already exists and is not replaced.");
        result.refusedExisting = true;
        return false;
    }
    if (!gSplitOut.SaveScenInp(path, gSplitIO.IData, gSplitIO.Name)) {
        ui.ShowMessage("Error saving scenario file " + path + "\r\n" + gSplitOut.errStr);
        return false;
    }
    writtenThisSplit.insert(path);
    result.writtenFiles.push_back(path);
    ++result.files;
    if (path != folder + fileName)
        result.renamedRecords.push_back("Record #" + std::to_string(recordNumber) + " was written to " +
                                        path.substr(folder.size()) + ", as " + fileName + " was taken.");
    return true;
}

// A record the reader refused: it is left out, and the summary says why.
void SplitScnBatch::NoteUnreadRecord(Result& result) const
{
    result.unreadRecords.push_back(run.scenIn_IO.ErrorWithFileName());
}

bool SplitScnBatch::ExistingFiles(std::vector<std::string>& existing)
{
    existing.clear();
    planned = &existing;
    const Result result = SplitFile();
    planned = nullptr;
    if (result.cancelled)
        ui.ShowMessage(result.summary);
    return !result.summary.empty() && !result.cancelled;
}

SplitScnBatch::Result SplitScnBatch::SplitFile(bool replaceExisting, bool keep)
{
    keepExisting = keep;
    writtenThisSplit.clear();
    lastNumber.clear();
    Result result;
    std::string folder, batchName;
    clsUtils::SplitPathAndFile(gSplitIO.fileName, folder, batchName);

    const clsProgressScope progress(ui, "Split scenario batch file");
    bool read = gSplitIO.LoadInput(false);
    if (!read && run.scenIn_IO.invalidKey.empty()) {
        ui.ShowMessage(run.scenIn_IO.ErrorWithFileName());
        return result;
    }
    bool more = !run.scenIn_IO.scen_rec.empty();  // false for a file without any data line
    for (int64_t recordNumber = 1; more; ++recordNumber) {
        if (!read)
            NoteUnreadRecord(result);
        else if (!WriteRecord(folder, replaceExisting, recordNumber, result)) {
            run.scenIn_IO.CloseScenInpFile();
            return result;
        }
        if (!ui.ShowProgress(recordNumber, -1)) {
            run.scenIn_IO.CloseScenInpFile();
            result.cancelled = true;
            result.summary = planned ? CancelledCheckSummary(recordNumber) : CancelledSummary(recordNumber, result);
            return result;
        }
        read = gSplitIO.LoadNextInput();
        more = read || !run.scenIn_IO.invalidKey.empty();
    }
    result.completed = run.scenIn_IO.errStr.empty();
    if (!result.completed)
        NoteUnreadRecord(result);  // a line the reader could not read ended the split
    result.summary = "Generated " + std::to_string(result.files) + " scenario input files from " + gSplitIO.fileName;
    for (const auto* notes : {&result.unreadRecords, &result.renamedRecords})
        for (const std::string& note : *notes)
            result.summary += "\r\n" + note;
    return result;
}

// The files written before the person cancelled are kept: the summary lists them.
std::string SplitScnBatch::CancelledSummary(int64_t records, const Result& result) const
{
    std::string summary = "The split of " + gSplitIO.fileName + " was cancelled after " + std::to_string(records) +
                          " records. The " + std::to_string(result.files) + " scenario input files written are kept:";
    for (const std::string& path : result.writtenFiles)
        summary += "\r\n" + path;
    return summary;
}

// Cancelled while finding the files it would replace: nothing is written, and nothing is asked.
std::string SplitScnBatch::CancelledCheckSummary(int64_t records) const
{
    return "The split of " + gSplitIO.fileName + " was cancelled after reading " + std::to_string(records) +
           " records, before any scenario input file was written.";
}

void SplitScnBatch::SplitBatch()
{
    gSplitIO.fileName.clear();
    SelectSplitFile();
    if (gSplitIO.fileName.empty())
        return;
    std::vector<std::string> existing;
    if (!ExistingFiles(existing))
        return;
    bool keep = false;
    if (!existing.empty()) {
        std::string names;
        for (const std::string& path : existing)
            names += "\r\n" + path;
        const clsUserInteraction::Answer answer = ui.AskYesNoCancel(
            "These scenario files already exist:" + names +
                "\r\nWould you like to replace them? No keeps them and writes their scenarios under numbered names.",
            "Scenario files exist");
        if (answer == clsUserInteraction::Answer::Cancel)
            return;
        keep = answer == clsUserInteraction::Answer::No;
    }
    const Result result = SplitFile(true, keep);
    if (!result.summary.empty())
        ui.ShowMessage(result.summary);
}
