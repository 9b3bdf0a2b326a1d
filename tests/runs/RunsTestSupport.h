#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A fresh folder per test (and purpose), removed afterwards.
class TempFolder {
public:
    explicit TempFolder(const std::string& purpose = "files")
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               ("orvane_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" + purpose);
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }

    std::string File(const std::string& name) const { return (path / name).string(); }
    std::string Write(const std::string& name, const std::string& content) const
    {
        std::ofstream(path / name, std::ios::binary) << content;
        return File(name);
    }

    std::filesystem::path path;
};

inline std::string ReadWhole(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string Fixture(const std::string& name)
{
    return std::string(ORVANE_TEST_FIXTURES) + "/" + name;
}
