#pragma once

#include <string>
#include <string_view>

// The 16-character column grid shared by the scenario input and output files, so that the two
// can be read side by side.
namespace ScenarioGrid {

constexpr std::size_t ColumnWidth = 16;
inline const std::string NameKey = "SCNname";

// The text without its leading and trailing spaces and tabs.
inline std::string_view StripBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The text (stripped of blanks) followed by spaces up to the column width, at least one.
inline void AppendColumn(std::string& line, std::string_view text)
{
    text = StripBlanks(text);
    line.append(text);
    line.append(text.size() < ColumnWidth ? ColumnWidth - text.size() : 1, ' ');
}

// Pads the column that starts at that position of the line, as AppendColumn pads its text: for
// texts written straight into the line.
inline void PadColumn(std::string& line, std::size_t columnStart)
{
    const std::size_t length = line.size() - columnStart;
    line.append(length < ColumnWidth ? ColumnWidth - length : 1, ' ');
}

// A header column: as AppendColumn, one space fewer in the first column, where the "#" that
// starts the line takes its place.
inline void AppendHeaderColumn(std::string& header, std::string_view key)
{
    const bool first = header.empty();
    AppendColumn(header, key);
    if (first && header.back() == ' ')
        header.pop_back();
}

}  // namespace ScenarioGrid
