#include "runs/ScenarioOutput_IO.h"

#include "base/NumberText.h"
#include "runs/ScenarioGrid.h"
#include "engine/ScenarioOutputFields.h"
#include "units/clsUnits.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace {

// The columns before the outputs: the fire type's number and its word.
constexpr int FireTypeColumns = 2;

// A text written at the start of a column of blanks, when it leaves a blank.
bool WriteInColumn(char* column, const std::string& text)
{
    if (text.size() >= ScenarioGrid::ColumnWidth)
        return false;
    text.copy(column, text.size());
    return true;
}

const ScenarioOutputFields::Field& OutputOf(int index)
{
    return ScenarioOutputFields::All()[static_cast<std::size_t>(index - FireTypeColumns)];
}

}  // namespace

double ScenarioOutput_IO::FieldValue(const clsTorviOutputs& r, int index)
{
    return index < FireTypeColumns ? 0 : r.*OutputOf(index).value;
}

std::string ScenarioOutput_IO::FireTypeWord(int32_t fireType)
{
    return std::string(FireTypeWord(fireType, std::to_string(fireType)));
}

std::string_view ScenarioOutput_IO::FireTypeWord(int32_t fireType, std::string_view codeText)
{
    const std::string_view name = clsTorviOutputs::FireTypeName(fireType);
    return name.empty() ? codeText : name;
}

int ScenarioOutput_IO::FieldDecimals(int index)
{
    return index < FireTypeColumns ? 0 : OutputOf(index).fileDecimals;
}

ScenarioOutput_IO::ScenarioOutput_IO(const clsUnits& units)
{
    const int16_t native = clsUnits::InternalUnits();
    unitLabels[0] = "";
    unitLabels[1] = "nominal";
    for (int i = FireTypeColumns; i < FieldCount; ++i) {
        const ScenarioOutputFields::Field& column = OutputOf(i);
        unitLabels[i] = column.unit ? (units.*column.unit).UnitLbl(native) : "fraction";
    }
    for (int i = 0; i < FieldCount; ++i) {
        ScenarioGrid::AppendHeaderColumn(keyHeader, GetFieldLabel(i));
        ScenarioGrid::AppendHeaderColumn(unitsHeader, unitLabels[i]);
    }
    keyHeader += ScenarioGrid::NameKey + std::string(9, ' ');
}

std::string ScenarioOutput_IO::GetFieldLabel(int index)
{
    if (index < 0 || index >= FieldCount)
        throw std::out_of_range("scenario output column " + std::to_string(index));
    static const char* const fireTypeKeys[FireTypeColumns] = {"FTYP", "FTYPlbl"};
    return index < FireTypeColumns ? fireTypeKeys[index] : OutputOf(index).fileKey;
}

bool ScenarioOutput_IO::NotOpen()
{
    errStr = "Scenario output file is not open";
    return false;
}

bool ScenarioOutput_IO::WriteFailed()
{
    errStr = "Failed to write Scenario Output file: " + fileName + " (" + output.ErrorText() + ")";
    return false;
}

bool ScenarioOutput_IO::WriteLine(std::string_view text)
{
    output.Write(text);
    output.Write("\r\n");
    return output.Good() || WriteFailed();
}

bool ScenarioOutput_IO::WriteLines(std::string_view lines)
{
    if (!output.IsOpen())
        return NotOpen();
    output.Write(lines);
    return output.Good() || WriteFailed();
}

void ScenarioOutput_IO::AppendOutLine(std::string& lines, std::string_view line)
{
    lines.append(line).append("\r\n");
}

bool ScenarioOutput_IO::WriteHeaders()
{
    return WriteLine("#" + keyHeader) && WriteLine("#" + unitsHeader) &&
           WriteLine("#" + std::string(keyHeader.size(), '-'));
}

bool ScenarioOutput_IO::OpenScenOutpFile(const std::string& name)
{
    errStr.clear();
    CloseScenOutpFile();
    fileName = name;
    if (!output.Open(name)) {
        errStr = "Failed to open Scenario Output file: " + name;
        return false;
    }
    return WriteHeaders();
}

bool ScenarioOutput_IO::OpenScenOutpStream()
{
    errStr.clear();
    CloseScenOutpFile();
    fileName = "standard output";
    output.OpenStandardOutput();
    return WriteHeaders();
}

void ScenarioOutput_IO::AppendRecordLine(std::string& lines, const clsTorviOutputs& record, std::string_view name)
{
    lines.reserve(lines.size() + ScenarioGrid::ColumnWidth * (FieldCount + 1) + name.size() + 2);
    char code[16];
    const auto written = std::to_chars(code, code + sizeof code, record.FireType);
    const std::string_view codeText(code, static_cast<std::size_t>(written.ptr - code));
    ScenarioGrid::AppendColumn(lines, codeText);
    ScenarioGrid::AppendColumn(lines, FireTypeWord(record.FireType, codeText));
    const std::size_t outputs = lines.size();
    if (!AppendQuickOutputColumns(lines, record)) {
        lines.resize(outputs);
        AppendOutputColumns(lines, record);
    }
    ScenarioGrid::AppendColumn(lines, name);
    lines.append("\r\n");
}

// The outputs' columns as blanks, each number written at the start of its own: the quick way, which
// always fits, or else the exact way. False, the columns then half written, when a number's text
// leaves its column no blank (its column is then wider).
bool ScenarioOutput_IO::AppendQuickOutputColumns(std::string& lines, const clsTorviOutputs& record)
{
    static_assert(NumberText::FixedQuickSize < ScenarioGrid::ColumnWidth);
    static constexpr std::string_view notReachable = clsTorviOutputs::NotReachableText;
    static_assert(notReachable.size() < ScenarioGrid::ColumnWidth);
    const std::size_t start = lines.size();
    lines.resize(start + ScenarioGrid::ColumnWidth * ScenarioOutputFields::Count, ' ');
    char* column = lines.data() + start;
    for (const ScenarioOutputFields::Field& field : ScenarioOutputFields::All()) {
        const double value = record.*field.value;
        if (clsTorviOutputs::IsNotReachable(value))
            notReachable.copy(column, notReachable.size());
        else if (!NumberText::WriteFixedQuickly(column, value, field.fileDecimals) &&
                 !WriteInColumn(column, NumberText::FixedText(value, field.fileDecimals)))
            return false;
        column += ScenarioGrid::ColumnWidth;
    }
    return true;
}

void ScenarioOutput_IO::AppendOutputColumns(std::string& lines, const clsTorviOutputs& record)
{
    for (int i = FireTypeColumns; i < FieldCount; ++i) {
        const std::size_t column = lines.size();
        const double value = FieldValue(record, i);
        if (clsTorviOutputs::IsNotReachable(value))
            lines += clsTorviOutputs::NotReachableText;
        else
            NumberText::AppendFixedText(lines, value, FieldDecimals(i));
        ScenarioGrid::PadColumn(lines, column);
    }
}

bool ScenarioOutput_IO::SaveNextScenOutp(const clsTorviOutputs& record, const std::string& name)
{
    errStr.clear();
    if (!output.IsOpen())
        return NotOpen();
    std::string line;
    line.reserve(ScenarioGrid::ColumnWidth * (FieldCount + 1) + 2);
    AppendRecordLine(line, record, name);
    output.Write(line);
    return output.Good() || WriteFailed();
}

bool ScenarioOutput_IO::SaveFirstScenOutp(const std::string& name, const clsTorviOutputs& record,
                                          const std::string& scenarioName)
{
    return OpenScenOutpFile(name) && SaveNextScenOutp(record, scenarioName);
}

bool ScenarioOutput_IO::SaveScenOutp(const std::string& name, const clsTorviOutputs& record,
                                     const std::string& scenarioName)
{
    if (!SaveFirstScenOutp(name, record, scenarioName)) {
        output.Discard();
        return false;
    }
    return CloseScenOutpFile();
}

bool ScenarioOutput_IO::WriteOutLine(const std::string& text)
{
    if (!output.IsOpen())
        return NotOpen();
    return WriteLine(text);
}

bool ScenarioOutput_IO::CloseScenOutpFile()
{
    if (!output.IsOpen())
        return true;
    return output.Commit() || WriteFailed();
}
