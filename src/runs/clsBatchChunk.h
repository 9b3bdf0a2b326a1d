#pragma once

#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A run of consecutive data lines of a scenario input file, and the lines of the scenario output
// file they give: the unit of work of batch processing. Chunks are reused, so that the memory of a
// batch stays the same however long its input.
class clsBatchChunk {
public:
    // As many lines as keep a worker busy for a millisecond or two: little waiting between the
    // threads, and little memory for the chunks in flight.
    static constexpr std::size_t Capacity = 256;

    struct Line {
        std::size_t offset;
        std::size_t length;
        int64_t lineNumber;  // in the input file
    };

    void Clear(int64_t firstRecordNumber)
    {
        firstRecord = firstRecordNumber;
        text.clear();
        lines.clear();
        output.clear();
        datasets = errors = 0;
        malformedLine.reset();
        lastRecord.reset();
        lastName.clear();
        lastOutputs.reset();
    }
    void Add(std::string_view line, int64_t lineNumber)
    {
        lines.push_back({text.size(), line.size(), lineNumber});
        text.append(line);
    }
    bool Full() const { return lines.size() == Capacity; }
    std::string_view LineText(std::size_t index) const
    {
        return std::string_view(text).substr(lines[index].offset, lines[index].length);
    }

    // The data lines, stripped of blanks, and the record number of the first.
    int64_t firstRecord = 1;
    std::string text;
    std::vector<Line> lines;

    // What the lines gave: result and error lines with their ends, and their counts.
    std::string output;
    int64_t datasets = 0;
    int64_t errors = 0;
    // A line with too few values: the input cannot be read past it, and the output stops before it.
    std::optional<std::size_t> malformedLine;
    // The last record read and the last result calculated from the chunk, if any.
    std::optional<clsTorviInputs> lastRecord;
    std::string lastName;
    std::optional<clsTorviOutputs> lastOutputs;
};
