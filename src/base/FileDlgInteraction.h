#pragma once

#include "base/clsUserInteraction.h"

class FileDlg;

// Sends every file dialog that a part of the program asks for through the program's one file
// dialog object, so that dialogs open in "userfiles" at first and then in the folder of the last
// choice, whoever asks. Everything else goes to the interaction it wraps.
class FileDlgInteraction : public clsUserInteraction {
public:
    FileDlgInteraction(clsUserInteraction& wrapped, FileDlg& dialog) : inner(wrapped), fileDlg(dialog) {}

    void ShowMessage(const std::string& text) override { inner.ShowMessage(text); }
    bool AskYesNo(const std::string& text, const std::string& title = "") override
    {
        return inner.AskYesNo(text, title);
    }
    Answer AskYesNoCancel(const std::string& text, const std::string& title = "") override
    {
        return inner.AskYesNoCancel(text, title);
    }
    bool AskText(const std::string& prompt, const std::string& title, std::string& answer) override
    {
        return inner.AskText(prompt, title, answer);
    }
    // The request's filter, title, flags and proposed file go to the file dialog object, which
    // supplies the folder.
    std::string ChooseFile(const FileRequest& request) override;
    void SetBusy(bool busy) override { inner.SetBusy(busy); }
    void BeginProgress(const std::string& title) override { inner.BeginProgress(title); }
    bool ShowProgress(int64_t recordsDone, double fractionRead) override
    {
        return inner.ShowProgress(recordsDone, fractionRead);
    }
    void EndProgress() override { inner.EndProgress(); }

private:
    clsUserInteraction& inner;
    FileDlg& fileDlg;
};
