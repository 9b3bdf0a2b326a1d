#include "base/RecentFiles.h"

#include <algorithm>

namespace RecentFiles {

std::vector<std::string> Added(std::vector<std::string> list, const std::string& path)
{
    list = Removed(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > MostKept)
        list.resize(MostKept);
    return list;
}

std::vector<std::string> Removed(std::vector<std::string> list, const std::string& path)
{
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    return list;
}

}  // namespace RecentFiles
