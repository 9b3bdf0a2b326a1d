#include "runs/SplitScnBatch.h"

#include "app/clsUserInteraction.h"
#include "app/clsUtils.h"
#include "app/FileDlg.h"
#include "runs/ScenarioGrid.h"
#include "runs/clsRun.h"

#include <filesystem>

namespace {

bool SameExistingFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
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

std::string SplitScnBatch::SplitFileName(const std::string& scenarioName, int counter)
{
    std::string name(ScenarioGrid::StripBlanks(scenarioName + ".scn"));
    if (ScenarioGrid::StripBlanks(scenarioName).empty())
        name = "scenario-" + std::to_string(counter) + ".scn";
    for (char& c : name)
        if (c == '/' || c == '\\')
            c = '_';
    return name;
}

// The split file's path; a record named like the batch file itself gets "-split" before ".scn", so
// that the batch file is never written over while it is read.
std::string SplitScnBatch::TargetPath(const std::string& folder, const std::string& fileName) const
{
    const std::string path = folder + fileName;
    if (!SameExistingFile(path, gSplitIO.fileName))
        return path;
    const std::string stem = fileName.substr(0, fileName.size() - 4);
    return folder + stem + "-split.scn";
}

bool SplitScnBatch::WriteRecord(const std::string& folder, bool replaceExisting, Result& result)
{
    const std::string path = TargetPath(folder, SplitFileName(gSplitIO.Name, result.files));
    if (!replaceExisting && !writtenThisSplit.count(path) && clsUtils::FileExists(path)) {
        ui.ShowMessage("The scenario file " + path + " already exists and is not replaced.");
        return false;
    }
    if (!gSplitOut.SaveScenInp(path, gSplitIO.IData, gSplitIO.Name)) {
        ui.ShowMessage("Error saving scenario file " + path);
        return false;
    }
    writtenThisSplit.insert(path);
    ++result.files;
    return true;
}

// A record the reader refused: it is left out, and the summary says why.
void SplitScnBatch::NoteUnreadRecord(Result& result) const
{
    result.unreadRecords.push_back(run.scenIn_IO.errStr);
    result.completed = false;
}

SplitScnBatch::Result SplitScnBatch::SplitFile(bool replaceExisting)
{
    writtenThisSplit.clear();
    Result result;
    result.completed = true;
    std::string folder, batchName;
    clsUtils::SplitPathAndFile(gSplitIO.fileName, folder, batchName);

    bool read = gSplitIO.LoadInput(false);
    if (!read && run.scenIn_IO.invalidKey.empty())
        result.completed = false;  // the reader's message has been shown
    else if (read && run.scenIn_IO.scen_rec.empty())
        run.scenIn_IO.CloseScenInpFile();  // no data line
    else {
        for (;;) {
            if (!read)
                NoteUnreadRecord(result);
            else if (!WriteRecord(folder, replaceExisting, result)) {
                run.scenIn_IO.CloseScenInpFile();
                result.completed = false;
                result.summary.clear();
                return result;
            }
            read = gSplitIO.LoadNextInput();
            if (!read && run.scenIn_IO.invalidKey.empty())
                break;
        }
        if (!run.scenIn_IO.errStr.empty())
            NoteUnreadRecord(result);  // a line with too few values ended the reading
    }
    result.summary = "Generated " + std::to_string(result.files) + " scenario input files from " + gSplitIO.fileName;
    for (const std::string& reason : result.unreadRecords)
        result.summary += "\r\n" + reason;
    return result;
}

void SplitScnBatch::SplitBatch()
{
    gSplitIO.fileName.clear();
    SelectSplitFile();
    if (gSplitIO.fileName.empty())
        return;
    const Result result = SplitFile();
    if (!result.summary.empty())
        ui.ShowMessage(result.summary);
}
