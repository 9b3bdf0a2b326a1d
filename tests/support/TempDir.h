#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A fresh folder below the system's temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir()
    {
        std::random_device random;
        path = std::filesystem::temp_directory_path() / ("orvane-test-" + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~TempDir()
    {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes the bytes as given (line ends included) and returns the file's full path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const auto file = path / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string File(const std::string& name) const { return (path / name).string(); }

    std::filesystem::path path;
};

inline std::string ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
