#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// Runs a built command-line tool as a user would: from a folder, with arguments already quoted
// where needed, capturing its exit status and both output streams.
struct ToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadCaptured(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline ToolResult RunTool(const std::string& tool, const std::string& folder, const std::string& arguments,
                          const std::string& captureFolder)
{
    const std::string out = captureFolder + "/out";
    const std::string err = captureFolder + "/err";
    const std::string command =
        "cd '" + folder + "' && '" + tool + "' " + arguments + " > '" + out + "' 2> '" + err + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadCaptured(out), ReadCaptured(err)};
}
