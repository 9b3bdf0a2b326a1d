#pragma once

#include "engine/clsTorviInputs.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class ScenarioInput_IO;

// The content of an exported table: the selections' texts, one line per row and the inputs of
// each scenario's working copy; an empty column is a scenario that was not computed.
struct TableFile {
    struct Row {
        std::string input;                           // the input column's text
        std::array<std::optional<double>, 4> values;  // in the output's display unit
    };

    std::string outputText;
    std::string rowText;
    std::array<std::string, 4> columnHeaders;
    std::string rowUnitLabel;
    std::string outputUnitLabel;
    std::vector<Row> rows;
    std::array<std::optional<clsTorviInputs>, 4> inputs;
};

// Writes the table text file (".csv"): comma-separated fields, nothing quoted, CR LF line ends,
// values at full precision. The file replaces its target only when it was written completely.
class Table_IO {
public:
    explicit Table_IO(const ScenarioInput_IO& scenarioFields);

    // The file name that writes to standard output instead of a file.
    static constexpr const char* StandardOutput = "-";

    // False with the reason in errStr.
    bool SaveTable(const std::string& fileName, const TableFile& table);
    std::vector<std::string> TableLines(const TableFile& table) const;

    std::string errStr;

private:
    const ScenarioInput_IO& scenarioFields;
};
