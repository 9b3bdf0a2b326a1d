#include "runs/Units_IO.h"

#include "runs/LabelledRecords.h"
#include "base/NumberText.h"
#include "base/clsSafeOutputFile.h"
#include "runs/clsRun.h"

#include <array>
#include <cmath>
#include <span>
#include <utility>
#include <vector>

namespace {

using Catalogue = clsUnits clsRun::*;
using Member = clsTorviUnit clsUnits::*;

const std::array<Member, 1> HCrownMembers = {&clsUnits::globalHCrownUnits};
const std::array<Member, 4> InMembers = {&clsUnits::CanopyBDInUnits, &clsUnits::CanopyBHInUnits,
                                         &clsUnits::OpenWindSpdInUnits, &clsUnits::InitiationInUnits};
// Every output quantity with a choice of units: the fire intensity scale has a single one.
const std::array<Member, 14> OutMembers = {
    &clsUnits::ASCanopyBDOutUnits, &clsUnits::CFIOutUnits,  &clsUnits::CFLenOutUnits, &clsUnits::CIOutUnits,
    &clsUnits::CROSOutUnits,       &clsUnits::EMFWOutUnits, &clsUnits::FIOutUnits,    &clsUnits::FLenOutUnits,
    &clsUnits::OCessOutUnits,      &clsUnits::ASROSOutUnits, &clsUnits::ROSOutUnits,  &clsUnits::HPUAOutUnits,
    &clsUnits::SIOutUnits,         &clsUnits::TIOutUnits};

struct Record {
    const char* label;
    Catalogue catalogue;
    std::span<const Member> members;
};

// The fifteen records in file order: the main page's catalogue, then those of the table tab, the
// hazard chart and the fire characteristics chart.
const std::array<Record, 15> Records = {{
    {"MAIN HCROWN: ", &clsRun::units, HCrownMembers},
    {"MAIN IN: ", &clsRun::units, InMembers},
    {"MAIN OUT: ", &clsRun::units, OutMembers},
    {"TBLC HCROWN: ", &clsRun::tblch_units, HCrownMembers},
    {"TBLC IN: ", &clsRun::tblch_units, InMembers},
    {"TBLC OUT: ", &clsRun::tblch_units, OutMembers},
    {"TBLC PGIN: ", &clsRun::tblch_pg_units, InMembers},
    {"HAZD HCROWN: ", &clsRun::haz_units, HCrownMembers},
    {"HAZD IN: ", &clsRun::haz_units, InMembers},
    {"HAZD OUT: ", &clsRun::haz_units, OutMembers},
    {"HAZD PGIN: ", &clsRun::haz_pg_units, InMembers},
    {"FIRE HCROWN: ", &clsRun::fire_units, HCrownMembers},
    {"FIRE IN: ", &clsRun::fire_units, InMembers},
    {"FIRE OUT: ", &clsRun::fire_units, OutMembers},
    {"FIRE PGIN: ", &clsRun::fire_pg_units, InMembers},
}};

// A unit number of the descriptor: a whole number from 1 to its unit count.
bool ParseUnit(const std::string& text, const clsTorviUnit& descriptor, int16_t& unit)
{
    double value = 0;
    if (!NumberText::ParseDouble(text, value) || value != std::floor(value) || value < 1 ||
        value > descriptor.UnitSize())
        return false;
    unit = static_cast<int16_t>(value);
    return true;
}

}  // namespace

bool Units_IO::SaveUnits(const std::string& name, clsRun& run)
{
    fileName = name;
    clsSafeOutputFile file;
    if (!file.Open(name)) {
        errStr = "Failed to open Units file: " + name;
        fileName.clear();
        return false;
    }
    for (const Record& record : Records) {
        const clsUnits& catalogue = run.*record.catalogue;
        std::vector<std::string> values;
        for (Member member : record.members)
            values.push_back(std::to_string((catalogue.*member).GetCurrUnit()));
        file.Write(record.label + LabelledRecords::JoinValues(values) + "\r\n");
    }
    if (!file.Commit()) {
        errStr = "Failed to write Units file: " + name;
        fileName.clear();
        return false;
    }
    run.units.SetUnitsHaveChanged(false);
    return true;
}

bool Units_IO::LoadUnits(const std::string& name, clsRun& run)
{
    clsLineReader in;
    if (!in.Open(name)) {
        errStr = "Failed to open Units file: " + name;
        return false;
    }
    if (!ReadUnits(in, name, run))
        return false;
    fileName = name;
    return true;
}

bool Units_IO::ReadUnits(clsLineReader& in, const std::string& name, clsRun& run)
{
    // Every unit is read and checked before the first is applied.
    std::vector<std::pair<clsTorviUnit*, int16_t>> units;
    std::string line, valueText;
    for (const Record& record : Records) {
        const std::string label = record.label;
        const clsLineReader::Result read = LabelledRecords::NextRecord(in, line);
        const int64_t lineNumber = in.LineNumber();
        if (read == clsLineReader::Result::TooLong || read == clsLineReader::Result::Failed) {
            errStr = in.ProblemText(read, "Units file: " + name);
            return false;
        }
        if (!LabelledRecords::ValueText(line, label, valueText)) {
            errStr = "Malformed unit record: expected " + label + " at line " + std::to_string(lineNumber);
            return false;
        }
        const std::vector<std::string> values = LabelledRecords::SplitValues(valueText);
        const std::string atLine = " at line " + std::to_string(lineNumber);
        if (!LabelledRecords::AnyValue(values)) {
            errStr = "Missing unit data value" + atLine;
            return false;
        }
        if (values.size() != record.members.size()) {
            errStr = "Wrong number of unit data values" + atLine;
            return false;
        }
        clsUnits& catalogue = run.*record.catalogue;
        for (std::size_t k = 0; k < values.size(); ++k) {
            clsTorviUnit& descriptor = catalogue.*record.members[k];
            int16_t unit = 0;
            if (!ParseUnit(values[k], descriptor, unit)) {
                errStr = "Invalid unit data value" + atLine;
                return false;
            }
            units.emplace_back(&descriptor, unit);
        }
    }
    for (const auto& [descriptor, unit] : units)
        descriptor->SetCurrUnit(unit);
    return true;
}

bool Units_IO::UnitsHaveChanged(const clsRun& run)
{
    for (const clsUnits* catalogue : {&run.units, &run.tblch_units, &run.tblch_pg_units, &run.haz_units,
                                      &run.haz_pg_units, &run.fire_units, &run.fire_pg_units})
        if (catalogue->UnitsChanged())
            return true;
    return false;
}
