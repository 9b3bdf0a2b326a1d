#pragma once

#include "base/clsSafeOutputFile.h"
#include "engine/clsTorviOutputs.h"
#include "engine/ScenarioOutputFields.h"

#include <string>
#include <string_view>

class clsUnits;

// Writes scenario output files (".out"): the results of batch processing, one line per scenario
// with 18 outputs in native units and the scenario's name, on the grid of the scenario input file.
// The file replaces its target only when it is closed; an abandoned file leaves the target as it was.
class ScenarioOutput_IO {
public:
    static constexpr int FieldCount = 2 + ScenarioOutputFields::Count;

    // The column units are the native unit labels of the catalogue.
    explicit ScenarioOutput_IO(const clsUnits& units);

    bool OpenScenOutpFile(const std::string& fileName);
    // The same on standard output, which is written as the lines come (a stream cannot be taken
    // back: abandoning it ends it after the lines already given).
    bool OpenScenOutpStream();
    bool SaveScenOutp(const std::string& fileName, const clsTorviOutputs& record, const std::string& name);
    bool SaveFirstScenOutp(const std::string& fileName, const clsTorviOutputs& record, const std::string& name);
    bool SaveNextScenOutp(const clsTorviOutputs& record, const std::string& name);
    bool WriteOutLine(const std::string& text);
    // Lines laid out by AppendRecordLine and AppendOutLine, each with its end.
    bool WriteLines(std::string_view lines);
    // A record line, or any other line, with its end, as the writer writes it: for batch processing,
    // which lays out lines in several threads and writes them in one.
    static void AppendRecordLine(std::string& lines, const clsTorviOutputs& record, std::string_view name);
    static void AppendOutLine(std::string& lines, std::string_view line);
    // Closes the open file, which then replaces its target; false (errStr set) when it could not be
    // completed.
    bool CloseScenOutpFile();
    // Drops the open file without touching its target.
    void AbandonScenOutpFile() { output.Discard(); }
    bool IsOpen() const { return output.IsOpen(); }

    // The key of column 0..17; another index throws std::out_of_range.
    static std::string GetFieldLabel(int index);
    // The native unit label of column 0..17.
    const std::string& UnitLabel(int index) const { return unitLabels[index]; }
    // The value of numeric column 2..17 of a record, and the decimals the file writes it with.
    static double FieldValue(const clsTorviOutputs& record, int index);
    static int FieldDecimals(int index);
    // The text of column 1: the fire type's word; a fire type without a word repeats its code.
    static std::string FireTypeWord(int32_t fireType);
    // The same for a writer that has the code's text at hand.
    static std::string_view FireTypeWord(int32_t fireType, std::string_view codeText);
    const std::string& KeyHeader() const { return keyHeader; }
    const std::string& UnitsHeader() const { return unitsHeader; }

    std::string errStr;

private:
    static bool AppendQuickOutputColumns(std::string& lines, const clsTorviOutputs& record);
    static void AppendOutputColumns(std::string& lines, const clsTorviOutputs& record);
    bool WriteLine(std::string_view text);
    bool WriteHeaders();
    bool WriteFailed();
    bool NotOpen();

    std::string unitLabels[FieldCount];
    std::string keyHeader;
    std::string unitsHeader;
    clsSafeOutputFile output;
    std::string fileName;
};
