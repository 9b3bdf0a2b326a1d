#pragma once

#include "base/clsLineReader.h"

#include <string>
#include <string_view>
#include <vector>

// Files of labelled records, one record a line, whose values are separated by "|+|": the units set
// and run files. Blank lines and lines whose first character after leading blanks is "#" are
// skipped; every physical line counts in the line numbers that messages give.
namespace LabelledRecords {

inline constexpr std::string_view Separator = "|+|";

// Reads up to the next record line and gives it without its leading blanks (trailing blanks are
// kept: a label may end in one). At the end of the file, or at a line that cannot be read, record
// is "" and the result says which.
clsLineReader::Result NextRecord(clsLineReader& in, std::string& record);

// The record's value text: what follows the label's length from the start, stripped of blanks.
// False when the record does not contain the label.
bool ValueText(std::string_view record, std::string_view label, std::string& valueText);

// The values of a value text, split at "|+|" and each stripped of blanks; none for an empty text.
std::vector<std::string> SplitValues(std::string_view valueText);
bool AnyValue(const std::vector<std::string>& values);

std::string JoinValues(const std::vector<std::string>& values);

}  // namespace LabelledRecords
