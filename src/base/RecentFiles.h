#pragma once

#include <string>
#include <vector>

// The list of recently used files that a menu offers, most recent first.
namespace RecentFiles {

constexpr std::size_t MostKept = 8;

// The list with the path at its head, once, and no more than MostKept paths.
std::vector<std::string> Added(std::vector<std::string> list, const std::string& path);
// The list without the path.
std::vector<std::string> Removed(std::vector<std::string> list, const std::string& path);

}  // namespace RecentFiles
