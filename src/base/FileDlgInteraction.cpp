#include "base/FileDlgInteraction.h"

#include "base/FileDlg.h"

std::string FileDlgInteraction::ChooseFile(const FileRequest& request)
{
    fileDlg.Filter = request.filter;
    fileDlg.FilterIndex = static_cast<int16_t>(request.filterIndex);
    fileDlg.DialogTitle = request.title;
    fileDlg.flags = request.flags;
    fileDlg.fileName = request.fileName;
    return request.save ? fileDlg.ShowSave(inner) : fileDlg.ShowOpen(inner);
}
