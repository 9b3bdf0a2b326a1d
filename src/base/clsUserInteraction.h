#pragma once

#include <cstdint>
#include <string>

// What the core asks of the person in front of it. The Qt program shows message boxes and file
// dialogs, the command-line tools answer from their arguments, tests record the calls.
class clsUserInteraction {
public:
    // An open or save file dialog, as the file dialog object describes it.
    struct FileRequest {
        bool save = false;
        std::string filter;     // description and pattern pairs separated by "|"
        int filterIndex = 1;    // 1-based
        std::string title;
        int32_t flags = 0;      // the file dialog's option constants
        std::string fileName;   // the proposed file
        std::string initDir;
        std::string defExt;
    };

    virtual ~clsUserInteraction() = default;
    // A message box with an OK button and the program's default title.
    virtual void ShowMessage(const std::string& text) = 0;
    // A Yes/No question; true for Yes. The title is the program's default title when empty.
    virtual bool AskYesNo(const std::string& text, const std::string& title = "") = 0;
    // A question that may also call off the whole command. Where nobody can call it off (the
    // command-line tools) it is the Yes/No question.
    enum class Answer { Yes, No, Cancel };
    virtual Answer AskYesNoCancel(const std::string& text, const std::string& title = "")
    {
        return AskYesNo(text, title) ? Answer::Yes : Answer::No;
    }
    // An input box; answer holds the default on the way in. False when the person cancelled.
    virtual bool AskText(const std::string& prompt, const std::string& title, std::string& answer) = 0;
    // The chosen path, or "" when the person cancelled.
    virtual std::string ChooseFile(const FileRequest& request) = 0;
    // The busy pointer during long work.
    virtual void SetBusy(bool /*busy*/) {}
    // Long work over many records (a batch, a split) says how far it has come: BeginProgress with
    // its title, ShowProgress after some records with the records done and the part of the input
    // read (0 to 1, negative when not known), EndProgress when it stops. ShowProgress answers
    // false once the person has asked to cancel.
    virtual void BeginProgress(const std::string& /*title*/) {}
    virtual bool ShowProgress(int64_t /*recordsDone*/, double /*fractionRead*/) { return true; }
    virtual void EndProgress() {}
};

// Progress shown for as long as the scope lasts, however the work ends.
class clsProgressScope {
public:
    clsProgressScope(clsUserInteraction& shownTo, const std::string& title) : ui(shownTo) { ui.BeginProgress(title); }
    ~clsProgressScope() { ui.EndProgress(); }
    clsProgressScope(const clsProgressScope&) = delete;
    clsProgressScope& operator=(const clsProgressScope&) = delete;

private:
    clsUserInteraction& ui;
};
