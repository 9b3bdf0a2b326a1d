#include "cli/CommandLine.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace CommandLine {

std::string Absolute(const std::string& name)
{
    std::error_code error;
    const auto path = std::filesystem::absolute(name, error);
    return error ? name : path.lexically_normal().string();
}

bool IsOperand(const std::string& argument, bool optionsEnded)
{
    return optionsEnded || argument.empty() || argument[0] != '-' || argument == "-";
}

void ReportUsageError(const std::string& message, const char* usage)
{
    std::cerr << "orvane-batch: " << message << "\n" << usage;
}

std::string ProgramFolder(const char* argv0)
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path().string();
    return std::filesystem::absolute(argv0, error).parent_path().string();
}

std::string ForTerminal(std::string text)
{
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

void ConsoleInteraction::ShowMessage(const std::string& text)
{
    std::cerr << ForTerminal(text) << '\n';
}

bool ConsoleInteraction::AskYesNo(const std::string& text, const std::string& /*title*/)
{
    ShowMessage(text);
    return false;
}

bool ConsoleInteraction::AskText(const std::string& /*prompt*/, const std::string& /*title*/, std::string& /*answer*/)
{
    return false;
}

std::string ConsoleInteraction::ChooseFile(const FileRequest& /*request*/)
{
    return "";
}

}  // namespace CommandLine
