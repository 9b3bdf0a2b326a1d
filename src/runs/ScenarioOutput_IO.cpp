#include "runs/ScenarioOutput_IO.h"

#include "app/TextLines.h"
#include "runs/ScenarioGrid.h"
#include "units/clsUnits.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace {

constexpr std::array<const char*, ScenarioOutput_IO::FieldCount> Keys{
    "FTYP", "FTYPlbl", "CRFB", "SPRT",  "HPUA",  "FLIN", "FIS",  "FLML",  "EMFW",
    "TORI", "CRNI",    "SURI", "FLINI", "FLMLI", "SPRTI", "ACBD", "ASPRT", "OWNDC"};

// Decimals of the numeric columns 2..17.
constexpr std::array<int, ScenarioOutput_IO::FieldCount> Decimals{0, 0, 2, 2, 0, 0, 1, 2, 1, 1, 1, 1, 0, 2, 2, 3, 2, 1};

}  // namespace

namespace {

// The values of the columns (0 for the two fire type columns).
std::array<double, ScenarioOutput_IO::FieldCount> FieldValues(const clsTorviOutputs& r)
{
    return {0, 0, r.TransitionFunction, r.RateOfSpread, r.HeatPerUnitArea, r.FirelineIntensity,
            r.FireIntensityScale, r.FlameLength, r.EffectiveMidflameWind, r.TorchingIndex, r.CrowningIndex,
            r.SurfacingIndex, r.CrownFirelineIntensity, r.CrownFlameLength, r.CrownCriticalSurfaceROS,
            r.CrownCriticalBulkDensity, r.CrownRActive, r.CrownOCessation};
}

}  // namespace

double ScenarioOutput_IO::FieldValue(const clsTorviOutputs& r, int index)
{
    return FieldValues(r)[static_cast<std::size_t>(index)];
}

std::string ScenarioOutput_IO::FireTypeWord(int32_t fireType)
{
    const std::string name = clsTorviOutputs::FireTypeName(fireType);
    return name.empty() ? std::to_string(fireType) : name;
}

int ScenarioOutput_IO::FieldDecimals(int index)
{
    return Decimals[static_cast<std::size_t>(index)];
}

ScenarioOutput_IO::ScenarioOutput_IO(const clsUnits& units)
{
    const int16_t native = clsUnits::InternalUnits();
    const std::array<std::string, FieldCount> labels{
        "",
        "nominal",
        "fraction",
        units.ROSOutUnits.UnitLbl(native),
        units.HPUAOutUnits.UnitLbl(native),
        units.FIOutUnits.UnitLbl(native),
        units.FIScaleOutUnits.UnitLbl(native),
        units.FLenOutUnits.UnitLbl(native),
        units.EMFWOutUnits.UnitLbl(native),
        units.TIOutUnits.UnitLbl(native),
        units.CIOutUnits.UnitLbl(native),
        units.SIOutUnits.UnitLbl(native),
        units.CFIOutUnits.UnitLbl(native),
        units.CFLenOutUnits.UnitLbl(native),
        units.CROSOutUnits.UnitLbl(native),
        units.ASCanopyBDOutUnits.UnitLbl(native),
        units.ASROSOutUnits.UnitLbl(native),
        units.OCessOutUnits.UnitLbl(native)};
    for (int i = 0; i < FieldCount; ++i) {
        unitLabels[i] = labels[static_cast<std::size_t>(i)];
        ScenarioGrid::AppendHeaderColumn(keyHeader, Keys[static_cast<std::size_t>(i)]);
        ScenarioGrid::AppendHeaderColumn(unitsHeader, unitLabels[i]);
    }
    keyHeader += ScenarioGrid::NameKey + std::string(9, ' ');
}

std::string ScenarioOutput_IO::GetFieldLabel(int index)
{
    if (index < 0 || index >= FieldCount)
        throw std::out_of_range("scenario output column " + std::to_string(index));
    return Keys[static_cast<std::size_t>(index)];
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
    const std::array<double, FieldCount> values = FieldValues(record);
    char code[16];
    const auto written = std::to_chars(code, code + sizeof code, record.FireType);
    ScenarioGrid::AppendColumn(lines, std::string_view(code, static_cast<std::size_t>(written.ptr - code)));
    ScenarioGrid::AppendColumn(lines, FireTypeWord(record.FireType));
    for (int i = 2; i < FieldCount; ++i) {
        const std::size_t column = lines.size();
        const double value = values[static_cast<std::size_t>(i)];
        if (clsTorviOutputs::IsNotReachable(value))
            lines += clsTorviOutputs::NotReachableText;
        else
            TextLines::AppendFixedText(lines, value, Decimals[static_cast<std::size_t>(i)]);
        ScenarioGrid::PadColumn(lines, column);
    }
    ScenarioGrid::AppendColumn(lines, name);
    lines.append("\r\n");
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
