#include "runs/ScenarioInput_IO.h"

#include "base/NumberText.h"
#include "runs/ScenarioGrid.h"
#include "engine/ScenarioCalculation.h"
#include "engine/ScenarioInputFields.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

using NumberText::IsBlank;

const std::string NotOpenText = "Scenario input file is not open";

// A value left out is written "N/A" and read as the number that stands for no value.
constexpr std::string_view NotAvailable = "N/A";

std::string_view TokenText(std::string_view token)
{
    return token == NotAvailable ? std::string_view("-1") : token;
}

// The words after the values make the name, each after a space.
void AppendNameToken(std::string& name, std::string_view token)
{
    name.append(" ").append(TokenText(token));
}

// Converts one token into its field; false when the token is not a number.
bool StoreToken(std::string_view token, clsTorviInputs& record, int index)
{
    const std::string_view text = TokenText(token);
    double value = 0;
    return NumberText::ParseDouble(text, value) && ScenarioInput_IO::StoreFieldValue(record, index, value);
}

// Past the blanks at p. The columns of the writer's grid are mostly spaces: they are passed eight at
// a time, the first other character of eight found by the lowest byte that differs from a space.
// Always inline: it runs before every value, and a call costs a third of its work.
[[gnu::always_inline]] inline const char* SkipBlanks(const char* p, const char* const end)
{
    constexpr uint64_t EightSpaces = 0x2020202020202020ull;
    while (end - p >= 8) {
        uint64_t eight = 0;
        std::memcpy(&eight, p, sizeof eight);
        const uint64_t others = eight ^ EightSpaces;
        if (others != 0) {
            constexpr bool firstIsLowest = std::endian::native == std::endian::little;
            p += (firstIsLowest ? std::countr_zero(others) : std::countl_zero(others)) / 8;
            break;
        }
        p += 8;
    }
    while (p != end && IsBlank(*p))
        ++p;
    return p;
}

const char* TokenEnd(const char* p, const char* const end)
{
    while (p != end && !IsBlank(*p))
        ++p;
    return p;
}

// The value of the token at p as StoreToken reads it, and the token's end; none when the token is
// not "N/A" or a number that ParseDouble reads the quick way (StoreToken then reads it, or says why not).
const char* QuickToken(const char* p, const char* const end, double& value)
{
    if (p != end && *p == NotAvailable.front() && static_cast<std::size_t>(end - p) >= NotAvailable.size() &&
        std::string_view(p, NotAvailable.size()) == NotAvailable) {
        value = clsTorviInputs::NoValue;
        p += NotAvailable.size();
    } else if (!(p = NumberText::ParseShortDecimalPrefix(p, end, value))) {
        return nullptr;
    }
    return p == end || IsBlank(*p) ? p : nullptr;
}

}  // namespace

ScenarioInput_IO::ScenarioInput_IO()
{
    for (int i = 0; i < FieldCount; ++i)
        ScenarioGrid::AppendHeaderColumn(header, ScenarioInputFields::At(i).key);
    header += ScenarioGrid::NameKey + std::string(9, ' ');
}

int ScenarioInput_IO::FieldIndex(std::string_view key)
{
    return ScenarioInputFields::IdOf(key);
}

bool ScenarioInput_IO::StoreFieldValue(clsTorviInputs& record, int index, double value)
{
    return ScenarioInputFields::StoreFileValue(record, index, value);
}

std::string ScenarioInput_IO::GetFieldLabel(int index) const
{
    return ScenarioInputFields::At(index).key;
}

double ScenarioInput_IO::FieldValue(const clsTorviInputs& record, int index)
{
    return ScenarioInputFields::Value(record, index);
}

std::string ScenarioInput_IO::ErrorWithFileName() const
{
    return errStrNamesFile ? errStr : errStr + " of Scenario Input file: " + fileName;
}

void ScenarioInput_IO::SetError(const std::string& message, bool namesFile)
{
    errStr = message;
    errStrNamesFile = namesFile;
}

bool ScenarioInput_IO::OpenForReading(const std::string& name)
{
    CloseScenInpFile();
    fileName = name;
    if (!input.Open(name)) {
        SetError("Failed to open Scenario Input file: " + name);
        return false;
    }
    return true;
}

bool ScenarioInput_IO::OpenForWriting(const std::string& name)
{
    CloseScenInpFile();
    fileName = name;
    if (!output.Open(name)) {
        SetError("Failed to open Scenario Input file: " + name);
        return false;
    }
    output.Write("#" + header + "\r\n#" + std::string(header.size(), '-') + "\r\n");
    return true;
}

bool ScenarioInput_IO::CloseScenInpFile()
{
    input.Close();
    if (!output.IsOpen())
        return true;
    return output.Commit() || WriteFailed();
}

bool ScenarioInput_IO::WriteFailed()
{
    SetError("Failed to write Scenario Input file: " + fileName + " (" + output.ErrorText() + ")");
    return false;
}

bool ScenarioInput_IO::NotOpen()
{
    SetError(NotOpenText);
    return false;
}

clsLineReader::Result ScenarioInput_IO::NextDataLine(std::string_view& dataLine)
{
    clsLineReader::Result result;
    while ((result = input.ReadLine(dataLine)) == clsLineReader::Result::Line) {
        dataLine = ScenarioGrid::StripBlanks(dataLine);
        if (!dataLine.empty() && dataLine.front() != '#')
            return result;
    }
    if (result == clsLineReader::Result::TooLong || result == clsLineReader::Result::Failed)
        SetError(input.ProblemText(result, "Scenario Input file: " + fileName));
    return result;
}

bool ScenarioInput_IO::FillRecord(clsTorviInputs& record, int64_t lineNumber)
{
    clsTorviInputs filled = record;
    for (int i = 0; i < FieldCount; ++i) {
        const std::string_view token = tokens[static_cast<std::size_t>(i)];
        if (!StoreToken(token, filled, i)) {
            invalidKey = ScenarioInputFields::At(i).key;
            SetError("Invalid " + invalidKey + " value " + std::string(token) + " in line number " +
                     std::to_string(lineNumber) + " of Scenario Input file: " + fileName);
            return false;
        }
    }
    ScenarioCalculation::CompleteRecord(filled);
    record = filled;
    return true;
}

// The usual data line, read in one pass: every value of the fields "N/A" or a number read the quick
// way, each fitting its field. False, with the record and name as they were, for any other line.
bool ScenarioInput_IO::ReadQuickDataLine(std::string_view dataLine, clsTorviInputs& record, std::string& name)
{
    const char* p = dataLine.data();
    const char* const end = p + dataLine.size();
    std::array<double, FieldCount> values;
    for (double& value : values)
        if (!(p = QuickToken(SkipBlanks(p, end), end, value)))
            return false;
    if (!ScenarioInputFields::StoreFileValues(record, values))
        return false;
    ScenarioCalculation::CompleteRecord(record);
    name.clear();
    while ((p = SkipBlanks(p, end)) != end) {
        const char* const start = p;
        p = TokenEnd(p, end);
        AppendNameToken(name, std::string_view(start, static_cast<std::size_t>(p - start)));
    }
    return true;
}

bool ScenarioInput_IO::ReadDataLine(std::string_view dataLine, int64_t lineNumber, clsTorviInputs& record,
                                    std::string& name)
{
    invalidKey.clear();
    if (ReadQuickDataLine(dataLine, record, name))
        return true;
    NumberText::SplitBlanks(dataLine, tokens);
    if (tokens.size() < FieldCount) {
        SetError("Wrong number of values in line number " + std::to_string(lineNumber), false);
        return false;
    }
    if (!FillRecord(record, lineNumber))
        return false;
    name.clear();
    for (std::size_t i = FieldCount; i < tokens.size(); ++i)
        AppendNameToken(name, tokens[i]);
    return true;
}

ScenarioInput_IO::ReadResult ScenarioInput_IO::ReadRecord(clsTorviInputs& record, std::string& name)
{
    std::string_view dataLine;
    const clsLineReader::Result result = NextDataLine(dataLine);
    switch (result) {
    case clsLineReader::Result::Line:
        break;
    case clsLineReader::Result::End:
        return ReadResult::EndOfFile;
    case clsLineReader::Result::TooLong:
    case clsLineReader::Result::Failed:
        return ReadResult::Malformed;
    }
    scen_rec.assign(dataLine);
    return ReadDataLine(scen_rec, input.LineNumber(), record, name) ? ReadResult::Record : ReadResult::Malformed;
}

bool ScenarioInput_IO::FetchFirstScenInp(const std::string& name, clsTorviInputs& record, std::string& scenarioName)
{
    SetError("");
    scen_rec.clear();
    invalidKey.clear();
    if (!OpenForReading(name))
        return false;
    return ReadRecord(record, scenarioName) != ReadResult::Malformed;
}

bool ScenarioInput_IO::FetchNextScenInp(clsTorviInputs& record, std::string& scenarioName)
{
    SetError("");
    scen_rec.clear();
    invalidKey.clear();
    if (!input.IsOpen())
        return NotOpen();
    return ReadRecord(record, scenarioName) == ReadResult::Record;
}

std::string ScenarioInput_IO::DataLine(const clsTorviInputs& record, std::string_view name)
{
    clsTorviInputs written = record;
    written.ApplyConiferHighSide();
    std::array<double, FieldCount> values;
    for (int i = 0; i < FieldCount; ++i)
        values[static_cast<std::size_t>(i)] = FieldValue(written, i);
    std::string text;
    text.reserve(ScenarioGrid::ColumnWidth * (FieldCount + 1) + 2);
    AppendDataLine(text, values, name);
    return text;
}

bool ScenarioInput_IO::WriteRecord(const clsTorviInputs& record, const std::string& name)
{
    output.Write(DataLine(record, name) + "\r\n");
    return output.Good() || WriteFailed();
}

void ScenarioInput_IO::AppendDataLine(std::string& text, const std::array<double, FieldCount>& values,
                                      std::string_view name)
{
    for (const double value : values)  // whole numbers have at most 10 digits: decimal integers
        ScenarioGrid::AppendColumn(text, NumberText::GeneralText(value, 15));
    ScenarioGrid::AppendColumn(text, name);
}

bool ScenarioInput_IO::SaveFirstScenInp(const std::string& name, const clsTorviInputs& record,
                                        const std::string& scenarioName)
{
    SetError("");
    return OpenForWriting(name) && WriteRecord(record, scenarioName);
}

bool ScenarioInput_IO::SaveScenInp(const std::string& name, const clsTorviInputs& record,
                                   const std::string& scenarioName)
{
    if (!SaveFirstScenInp(name, record, scenarioName)) {
        output.Discard();
        return false;
    }
    return CloseScenInpFile();
}

bool ScenarioInput_IO::SaveNextScenInp(const clsTorviInputs& record, const std::string& scenarioName)
{
    SetError("");
    if (!output.IsOpen())
        return NotOpen();
    return WriteRecord(record, scenarioName);
}
