#include "tables/Table_IO.h"

#include "app/TextLines.h"
#include "app/clsSafeOutputFile.h"
#include "engine/clsTorviOutputs.h"
#include "runs/ScenarioInput_IO.h"

namespace {

constexpr int ConiferVegType = 2;
constexpr int HighFuelModelField = 6;
constexpr int HighWindReductionField = 7;

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
                                                                           : TextLines::ShortestText(*row.values[i]);
        lines.push_back(Join(row.input, values));
    }
    lines.emplace_back();
    lines.emplace_back("Inputs");
    for (int field = 0; field < ScenarioInput_IO::FieldCount; ++field) {
        std::array<std::string, 4> values;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!table.inputs[i])
                continue;
            const clsTorviInputs& record = *table.inputs[i];
            double value = ScenarioInput_IO::FieldValue(record, field);
            // A conifer crown fire always burns fuel model 10 at a wind reduction of 0.4 in its
            // canopy, whatever the record holds there.
            if (record.VegType == ConiferVegType && field == HighFuelModelField)
                value = 10;
            if (record.VegType == ConiferVegType && field == HighWindReductionField)
                value = 0.4;
            values[i] = TextLines::ShortestText(value);
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
