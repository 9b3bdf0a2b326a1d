#pragma once

#include "app/clsUserInteraction.h"

class QWidget;

// Message boxes, file dialogs and the busy pointer of the Qt program.
class QtUserInteraction : public clsUserInteraction {
public:
    explicit QtUserInteraction(QWidget* parent = nullptr) : parent(parent) {}
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& title = "") override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title = "") override;
    bool AskText(const std::string& prompt, const std::string& title, std::string& answer) override;
    std::string ChooseFile(const FileRequest& request) override;
    void SetBusy(bool busy) override;

private:
    QWidget* parent;
};
