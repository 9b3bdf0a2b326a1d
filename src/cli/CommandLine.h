#pragma once

#include "base/clsUserInteraction.h"

#include <optional>
#include <string>

// What the command-line tools share: their exit statuses, the file names they are given and the
// arguments that are file names rather than options.
namespace CommandLine {

constexpr int ExitSuccess = 0;
constexpr int ExitFailure = 1;     // the run failed
constexpr int ExitUsage = 2;       // a command-line error
constexpr int ExitErrorLines = 3;  // completed, with records that gave no result

// The name made absolute against the folder the tool was started from (not the program's folder,
// where it looks for its data).
std::string Absolute(const std::string& name);

// True when the argument is a file name: after "--", anything not starting with "-", and "-" alone
// (standard input or output).
bool IsOperand(const std::string& argument, bool optionsEnded);

// A command-line error: the message and then the command's usage on standard error.
void ReportUsageError(const std::string& message, const char* usage);
// The same, as the result of a command's argument parsing: no options.
template <typename Options>
std::optional<Options> UsageError(const std::string& message, const char* usage)
{
    ReportUsageError(message, usage);
    return std::nullopt;
}

// The folder of the running program, where it finds its data files.
std::string ProgramFolder(const char* argv0);

// Our messages end lines with CR LF; a terminal wants LF.
std::string ForTerminal(std::string text);

// A tool's messages go to standard error. There is nobody to ask: a question is answered No, a
// file dialog is cancelled.
class ConsoleInteraction : public clsUserInteraction {
public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    bool AskText(const std::string& prompt, const std::string& title, std::string& answer) override;
    std::string ChooseFile(const FileRequest& request) override;
};

}  // namespace CommandLine
