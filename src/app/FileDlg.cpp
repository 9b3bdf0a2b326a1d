#include "app/FileDlg.h"

#include "app/clsUtils.h"

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

std::string FileDlg::ShowOpen(clsUserInteraction& ui)
{
    return Show(ui, false);
}

std::string FileDlg::ShowSave(clsUserInteraction& ui)
{
    return Show(ui, true);
}

void FileDlg::DescribeFileName()
{
    clsUtils::SplitPathAndFile(fileName, fileDir, fileTitle, fileExt);
    if (LastDir && !fileName.empty())
        InitDir = fileDir;
}

std::string FileDlg::Show(clsUserInteraction& ui, bool save)
{
    const auto dot = Filter.rfind('.');
    DefExt = dot == std::string::npos ? "" : Filter.substr(dot + 1);
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
