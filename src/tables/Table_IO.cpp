#include "tables/Table_IO.h"

#include "base/NumberText.h"
#include "base/clsSafeOutputFile.h"
#include "engine/clsTorviOutputs.h"
#include "runs/ScenarioInput_IO.h"

namespace {

std::string Join(const std::string& first, const std::array<std::string, 4>& fields)
{
    std::string line = first;
    for (const std::string& field : fields)
        line += "," + field;
    return line;
}

}  // namespace

Table_IO::Table_IO(const ScenarioInput_IO& fields) : scenarioFields(fields) {}

std::vector<std::string> Table_IO::TableLines(const TableFile& table) const
{
    std::vector<std::string> lines;
    lines.push_back(table.outputText);
    lines.push_back(Join(table.rowText, table.columnHeaders));
    const std::string& unit = table.outputUnitLabel;
    lines.push_back(Join(table.rowUnitLabel, {unit, unit, unit, unit}));
    for (const TableFile::Row& row : table.rows) {
        std::array<std::string, 4> values;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (row.values[i])
                values[i] = clsTorviOutputs::IsNotReachable(*row.values[i]) ? clsTorviOutputs::NotReachableText
                                                                           : NumberText::ShortestText(*row.values[i]);
        lines.push_back(Join(row.input, values));
    }
    lines.emplace_back();
    lines.emplace_back("Inputs");
    // A conifer crown fire always burns its fixed high side, whatever the record holds there.
    std::array<std::optional<clsTorviInputs>, 4> asCalculated;
    for (std::size_t i = 0; i < asCalculated.size(); ++i)
        if (table.inputs[i]) {
            asCalculated[i] = *table.inputs[i];
            asCalculated[i]->ApplyConiferHighSide();
        }
    for (int field = 0; field < ScenarioInput_IO::FieldCount; ++field) {
        std::array<std::string, 4> values;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (asCalculated[i])
                values[i] = NumberText::ShortestText(ScenarioInput_IO::FieldValue(*asCalculated[i], field));
        }
        lines.push_back(Join(scenarioFields.GetFieldLabel(field), values));
    }
    return lines;
}

bool Table_IO::SaveTable(const std::string& fileName, const TableFile& table)
{
    errStr.clear();
    clsSafeOutputFile file;
    if (fileName == StandardOutput)
        file.OpenStandardOutput();
    else if (!file.Open(fileName)) {
        errStr = "Failed to open Table file: " + fileName;
        return false;
    }
    for (const std::string& line : TableLines(table))
        file.Write(line + "\r\n");
    if (!file.Commit()) {
        errStr = "Failed to write Table file: " + fileName;
        return false;
    }
    return true;
}
