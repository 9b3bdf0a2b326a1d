#pragma once

#include <string>

// What the core asks of the person in front of it. The Qt program shows message boxes,
// the command-line tools write to standard error, tests record the calls.
class clsUserInteraction {
public:
    virtual ~clsUserInteraction() = default;
    // A message box with an OK button and the program's default title.
    virtual void ShowMessage(const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};
