#pragma once

#include "base/clsUserInteraction.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// What the fuzz targets share: a scratch folder of their own (in memory where the system has one,
// for speed), a silent user, and checks whose failure is a finding.
namespace FuzzSupport {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code error;
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
        path = base / ("orvane-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path, error);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }

    std::string File(const std::string& name) const { return (path / name).string(); }
    std::string Write(const std::string& name, const uint8_t* data, std::size_t size) const
    {
        std::ofstream(path / name, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                             static_cast<std::streamsize>(size));
        return File(name);
    }
    // Empties a sub-folder, creating it when needed.
    std::string Fresh(const std::string& name) const
    {
        std::error_code error;
        std::filesystem::remove_all(path / name, error);
        std::filesystem::create_directories(path / name);
        return File(name) + "/";
    }

    std::filesystem::path path;
};

class SilentInteraction : public clsUserInteraction {
public:
    void ShowMessage(const std::string& text) override { lastMessage = text; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    bool AskText(const std::string&, const std::string&, std::string&) override { return false; }
    std::string ChooseFile(const FileRequest&) override { return ""; }
    std::string lastMessage;
};

// A property that every input must keep; a broken one ends the run as a crash would.
inline void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz property broken: %s\n", what);
        std::abort();
    }
}

inline std::string ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace FuzzSupport
