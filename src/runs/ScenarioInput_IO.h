#pragma once

#include "base/clsLineReader.h"
#include "base/clsSafeOutputFile.h"
#include "engine/clsTorviInputs.h"
#include "engine/ScenarioInputFields.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Reads and writes scenario input files (".scn"): one scenario per data line, the 24 inputs of the
// engine record in native units followed by the scenario's name, on a 16-character column grid.
// One object holds at most one open file; opening another closes the first. A file being written
// replaces its target only when it is closed (CloseScenInpFile), so a failed save never destroys
// the previous file.
class ScenarioInput_IO {
public:
    static constexpr int FieldCount = ScenarioInputFields::Count;

    ScenarioInput_IO();

    // Opens the file and reads its first data line into record and name. False when the file cannot
    // be opened or the line is malformed; true also for a file without any data line, which leaves
    // record and name as they were and scen_rec empty.
    bool FetchFirstScenInp(const std::string& fileName, clsTorviInputs& record, std::string& name);
    // The next data line of the open file; false at its end, on a malformed line, or with no file open.
    bool FetchNextScenInp(clsTorviInputs& record, std::string& name);

    bool SaveScenInp(const std::string& fileName, const clsTorviInputs& record, const std::string& name);
    bool SaveFirstScenInp(const std::string& fileName, const clsTorviInputs& record, const std::string& name);
    bool SaveNextScenInp(const clsTorviInputs& record, const std::string& name);
    // Closes the open file; a file being written then replaces its target. False (errStr set) when
    // the written file could not be completed.
    bool CloseScenInpFile();

    // Batch processing reads the lines of a file in one place and the records in others (its
    // worker threads): the next data line of the open file (stripped of blanks, valid until the next
    // read) with its line number, and the record of such a line, read as the fetch operations read
    // it (false with errStr and invalidKey set as they set them; messages name this object's file).
    // A line that cannot be read leaves its reason in errStr.
    clsLineReader::Result NextDataLine(std::string_view& dataLine);
    int64_t LineNumber() const { return input.LineNumber(); }
    int64_t BytesRead() const { return input.BytesRead(); }
    bool ReadDataLine(std::string_view dataLine, int64_t lineNumber, clsTorviInputs& record, std::string& name);

    // The index of the field with that key, -1 for none.
    static int FieldIndex(std::string_view key);
    // Stores a number into field 0..23 as the reader stores a token that holds it: whole numbers
    // and moistures rounded to the nearest, halves to even. False, leaving the record as it was,
    // when the number is not finite or a whole number does not fit 32 bits.
    static bool StoreFieldValue(clsTorviInputs& record, int index, double value);
    // The data line of the values of fields 0..23 and a name as the writer lays it out (without
    // its end): each value in the shortest text of at most 15 significant digits.
    static void AppendDataLine(std::string& text, const std::array<double, FieldCount>& values, std::string_view name);
    // The data line of a record and name as the save operations write it (without its end).
    static std::string DataLine(const clsTorviInputs& record, std::string_view name);
    // The key of field 0..23; another index throws std::out_of_range.
    std::string GetFieldLabel(int index) const;
    // The value of field 0..23 of a record, as the file holds it.
    static double FieldValue(const clsTorviInputs& record, int index);
    // The text of writer line 1 after its "#".
    const std::string& Header() const { return header; }
    // errStr, naming the file where errStr names only the line: for messages that stand without the
    // context of the file the user just chose (batch summaries, the command line).
    std::string ErrorWithFileName() const;

    std::string errStr;
    // The last line read, stripped of blanks; "" at the end of the file.
    std::string scen_rec;
    // The key of the first field of the last line read whose value is not a number, "" otherwise.
    // Such a line is not taken into the record, but the file stays open to read on.
    std::string invalidKey;

private:
    enum class ReadResult { Record, EndOfFile, Malformed };
    ReadResult ReadRecord(clsTorviInputs& record, std::string& name);
    void SetError(const std::string& message, bool namesFile = true);
    bool FillRecord(clsTorviInputs& record, int64_t lineNumber);
    static bool ReadQuickDataLine(std::string_view dataLine, clsTorviInputs& record, std::string& name);
    bool OpenForReading(const std::string& name);
    bool OpenForWriting(const std::string& name);
    bool WriteRecord(const clsTorviInputs& record, const std::string& name);
    bool WriteFailed();
    bool NotOpen();

    std::string header;
    clsLineReader input;
    clsSafeOutputFile output;
    std::string fileName;
    bool errStrNamesFile = true;
    std::vector<std::string_view> tokens;  // of the data line being read
};
