#pragma once

#include "base/NumberText.h"

#include <string>
#include <string_view>

// The 16-character column grid shared by the scenario input and output files, so that the two
// can be read side by side.
namespace ScenarioGrid {

constexpr std::size_t ColumnWidth = 16;
inline const std::string NameKey = "SCNname";

// The text without its leading and trailing spaces and tabs. A loop over the characters: a batch
// strips every line and column, and find_first_not_of looks each character up in the set.
inline std::string_view StripBlanks(std::string_view text)
{
    using NumberText::IsBlank;
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first != last && IsBlank(text[first]))
        ++first;
    while (last != first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// The text (stripped of blanks) followed by spaces up to the column width, at least one.
inline void AppendColumn(std::string& line, std::string_view text)
{
    text = StripBlanks(text);
    const std::size_t start = line.size();
    line.resize(start + (text.size() < ColumnWidth ? ColumnWidth : text.size() + 1), ' ');
    text.copy(line.data() + start, text.size());
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
