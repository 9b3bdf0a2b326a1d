#include "base/FileDlg.h"

#include "base/clsUtils.h"

#include <filesystem>

FileDlg::FileDlg(const std::string& programDir)
    : InitDir((std::filesystem::path(programDir) / "userfiles").string())
{
}

clsUserInteraction::FileRequest FileDlg::OpenRequest(const std::string& filter, const std::string& title)
{
    clsUserInteraction::FileRequest request;
    request.filter = filter;
    request.title = title;
    request.flags = cdlOFNFileMustExist;
    return request;
}

clsUserInteraction::FileRequest FileDlg::SaveRequest(const std::string& filter, const std::string& title,
                                                     const std::string& proposedFile)
{
    clsUserInteraction::FileRequest request;
    request.save = true;
    request.filter = filter;
    request.title = title;
    request.flags = cdlOFNOverwritePrompt;
    request.fileName = proposedFile;
    return request;
}

// Reading a pipe or a device waits until something writes to it, which would freeze the window:
// only a regular file (or a link to one) is handed on to be opened.
std::string FileDlg::ShowOpen(clsUserInteraction& ui)
{
    const std::string chosen = Show(ui, false);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(chosen, error);
    if (chosen.empty() || error || !std::filesystem::exists(status) || std::filesystem::is_regular_file(status))
        return chosen;
    ui.ShowMessage("The file " + chosen + " is not a regular file and cannot be opened.");
    fileName.clear();
    DescribeFileName();
    return "";
}

std::string FileDlg::ShowSave(clsUserInteraction& ui)
{
    return Show(ui, true);
}

std::string FileDlg::ShowSave(clsUserInteraction& ui, const std::string& defaultExtension)
{
    return Show(ui, true, &defaultExtension);
}

void FileDlg::DescribeFileName()
{
    clsUtils::SplitPathAndFile(fileName, fileDir, fileTitle, fileExt);
    if (LastDir && !fileName.empty())
        InitDir = fileDir;
}

std::string FileDlg::Show(clsUserInteraction& ui, bool save, const std::string* defaultExtension)
{
    const auto dot = Filter.rfind('.');
    DefExt = defaultExtension ? *defaultExtension : dot == std::string::npos ? "" : Filter.substr(dot + 1);
    DescribeFileName();
    clsUserInteraction::FileRequest request;
    request.save = save;
    request.filter = Filter;
    request.filterIndex = FilterIndex;
    request.title = DialogTitle;
    request.flags = flags | cdlOFNHideReadOnly;
    request.fileName = fileName;
    request.initDir = InitDir;
    request.defExt = DefExt;
    fileName = ui.ChooseFile(request);
    DescribeFileName();
    return fileName;
}
