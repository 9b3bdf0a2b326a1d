#include "base/clsUtils.h"

#include <cmath>
#include <filesystem>
#include <vector>

bool clsUtils::FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

bool clsUtils::PathExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

void clsUtils::SplitPathAndFile(const std::string& path, std::string& folder, std::string& fileName)
{
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) {
        folder.clear();
        fileName = path;
        return;
    }
    folder = path.substr(0, separator + 1);
    fileName = path.substr(separator + 1);
}

void clsUtils::SplitPathAndFile(const std::string& path, std::string& folder, std::string& fileName,
                                std::string& extension)
{
    SplitPathAndFile(path, folder, fileName);
    const std::size_t dot = fileName.rfind('.');
    extension = dot == std::string::npos ? fileName : fileName.substr(dot + 1);
}

std::string clsUtils::AspectName(int32_t degrees)
{
    struct Sector {
        int32_t last;
        const char* name;
    };
    static const Sector sectors[] = {{22, "North"},      {67, "NorthEast"}, {112, "East"}, {157, "SouthEast"},
                                     {202, "South"},     {247, "SouthWest"}, {292, "West"}, {337, "NorthWest"},
                                     {360, "North"}};
    if (degrees >= 0)
        for (const Sector& sector : sectors)
            if (degrees <= sector.last)
                return sector.name;
    return std::to_string(degrees) + " degrees from north";
}

double clsUtils::m2_to_acres(double squareMetres)
{
    return squareMetres * 0.000247104414707877;
}

namespace {

// The parts of a path written with either separator; the root ("" for a relative path, "/" or a
// drive like "C:") comes first.
std::vector<std::string> PathParts(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    std::string root;
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) {
        root = "/";
        start = 1;
    } else if (path.size() >= 2 && path[1] == ':') {
        root = path.substr(0, 2);
        start = 2;
    }
    parts.push_back(root);
    std::string part;
    for (std::size_t i = start; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/' || path[i] == '\\') {
            if (!part.empty() && part != ".")
                parts.push_back(part);
            part.clear();
        } else {
            part.push_back(path[i]);
        }
    }
    return parts;
}

}  // namespace

std::string clsUtils::MakePathRelative(const std::string& path, const std::string& base)
{
    const std::vector<std::string> target = PathParts(path);
    const std::vector<std::string> from = PathParts(base);
    if (target.front() != from.front())
        return path;
    std::size_t common = 1;
    while (common < target.size() && common < from.size() && target[common] == from[common])
        ++common;
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    std::string relative;
    if (common == from.size())
        relative = std::string(".") + separator;
    for (std::size_t up = common; up < from.size(); ++up)
        relative += std::string("..") + separator;
    for (std::size_t i = common; i < target.size(); ++i) {
        relative += target[i];
        if (i + 1 < target.size())
            relative += separator;
    }
    return relative;
}

double clsUtils::Log10(double x)
{
    return std::log(x) / 2.30258509299;
}
