#include "cli/CommandLine.h"

#include <filesystem>
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

}  // namespace CommandLine
