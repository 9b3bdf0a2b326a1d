#pragma once

#include "base/clsUserInteraction.h"

#include <QElapsedTimer>

#include <memory>

class QProgressDialog;
class QWidget;

// Message boxes, file dialogs and the busy pointer of the Qt program. File dialogs remember the
// last folder of each kind of file across sessions.
class QtUserInteraction : public clsUserInteraction {
public:
    explicit QtUserInteraction(QWidget* parent = nullptr);
    ~QtUserInteraction() override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& title = "") override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title = "") override;
    bool AskText(const std::string& prompt, const std::string& title, std::string& answer) override;
    std::string ChooseFile(const FileRequest& request) override;
    void SetBusy(bool busy) override;
    // A progress dialog with the records done and a Cancel button, for work that runs longer than
    // progressDelay; a message or a question hides it until the work has run that long again.
    void BeginProgress(const std::string& title) override;
    bool ShowProgress(int64_t recordsDone, double fractionRead) override;
    void EndProgress() override;

    int progressDelay = 500;  // milliseconds
    QProgressDialog* ProgressDialog() const { return progress.get(); }

private:
    void PauseProgress();

    QWidget* parent;
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer progressClock;
};
