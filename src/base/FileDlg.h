#pragma once

#include "base/clsUserInteraction.h"

#include <cstdint>
#include <string>

// The program's open and save file dialog with its defaults. One object serves the whole
// program, so that the folder of the last choice is where the next dialog opens.
class FileDlg {
public:
    static constexpr int32_t cdlOFNAllowMultiSelect = 0x200;
    static constexpr int32_t cdlOFNCreatePrompt = 0x2000;
    static constexpr int32_t cdlOFNFileMustExist = 0x1000;
    static constexpr int32_t cdlOFNHideReadOnly = 4;
    static constexpr int32_t cdlOFNOverwritePrompt = 2;
    static constexpr int32_t cdlOFNPathMustExist = 0x800;

    explicit FileDlg(const std::string& programDir);

    // The program's two kinds of dialog: opening an existing file, and saving one with a question
    // before an existing file is replaced; filter index 1.
    static clsUserInteraction::FileRequest OpenRequest(const std::string& filter, const std::string& title);
    static clsUserInteraction::FileRequest SaveRequest(const std::string& filter, const std::string& title,
                                                       const std::string& proposedFile);

    // The chosen path, or "" when cancelled; the fields below then describe the choice. A choice
    // that is there but is no regular file (a pipe, a device, a folder) is told and counts as
    // cancelled.
    std::string ShowOpen(clsUserInteraction& ui);
    std::string ShowSave(clsUserInteraction& ui);
    // A save dialog whose default extension is the one given (without the dot) rather than the
    // one the filter ends with.
    std::string ShowSave(clsUserInteraction& ui, const std::string& defaultExtension);

    std::string Filter = "All Files (*.*)|*.*";  // description and pattern pairs separated by "|"
    int16_t FilterIndex = 1;
    std::string DialogTitle = "File Dialog";
    int32_t flags = 0;
    std::string fileName;
    std::string fileTitle;
    std::string fileDir;
    std::string fileExt;
    std::string DefExt;
    std::string InitDir;
    bool LastDir = true;

private:
    std::string Show(clsUserInteraction& ui, bool save, const std::string* defaultExtension = nullptr);
    void DescribeFileName();
};
