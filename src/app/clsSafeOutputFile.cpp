#include "app/clsSafeOutputFile.h"

#include <filesystem>
#include <system_error>

clsSafeOutputFile::~clsSafeOutputFile()
{
    Discard();
}

bool clsSafeOutputFile::Open(const std::string& targetPath)
{
    Discard();
    target = targetPath;
    temporary = targetPath + ".partial";
    out.open(temporary, std::ios::binary | std::ios::trunc);
    return out.is_open();
}

bool clsSafeOutputFile::Commit()
{
    if (!out.is_open())
        return false;
    out.flush();
    const bool written = static_cast<bool>(out);
    out.close();
    std::error_code error;
    if (written && !out.fail())
        std::filesystem::rename(temporary, target, error);
    if (!written || out.fail() || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    temporary.clear();
    return true;
}

void clsSafeOutputFile::Discard()
{
    if (out.is_open())
        out.close();
    if (!temporary.empty()) {
        std::error_code error;
        std::filesystem::remove(temporary, error);
        temporary.clear();
    }
}
