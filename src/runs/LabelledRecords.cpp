#include "runs/LabelledRecords.h"

#include "runs/ScenarioGrid.h"

namespace LabelledRecords {

clsLineReader::Result NextRecord(clsLineReader& in, std::string& record)
{
    std::string line;
    clsLineReader::Result result;
    while ((result = in.ReadLine(line)) == clsLineReader::Result::Line) {
        const std::string_view text = ScenarioGrid::StripBlanks(line);
        if (text.empty() || text.front() == '#')
            continue;
        record = line.substr(line.find_first_not_of(" \t"));
        return result;
    }
    record.clear();
    return result;
}

bool ValueText(std::string_view record, std::string_view label, std::string& valueText)
{
    if (record.find(label) == std::string_view::npos)
        return false;
    valueText = ScenarioGrid::StripBlanks(record.substr(label.size()));
    return true;
}

std::vector<std::string> SplitValues(std::string_view valueText)
{
    std::vector<std::string> values;
    if (valueText.empty())
        return values;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = valueText.find(Separator, start);
        values.emplace_back(ScenarioGrid::StripBlanks(valueText.substr(start, end - start)));
        if (end == std::string_view::npos)
            return values;
        start = end + Separator.size();
    }
}

bool AnyValue(const std::vector<std::string>& values)
{
    for (const std::string& value : values)
        if (!value.empty())
            return true;
    return false;
}

std::string JoinValues(const std::vector<std::string>& values)
{
    std::string joined;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            joined += Separator;
        joined += values[i];
    }
    return joined;
}

}  // namespace LabelledRecords
