#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Line and number handling shared by every file reader (which read their lines through
// clsLineReader); numbers are read without regard to the process locale.
namespace NumberText {

// Each run of spaces and tabs becomes one space; leading and trailing blanks are removed.
std::string NormaliseBlanks(std::string_view text);

// Splits a text on runs of spaces and tabs.
std::vector<std::string> SplitBlanks(std::string_view text);
// The same into views of the text, reusing the vector's storage: for readers of many lines.
void SplitBlanks(std::string_view text, std::vector<std::string_view>& values);

// The whole text must be a finite decimal number: an optional sign, digits with an optional point,
// an optional exponent with an optional sign ("1E+20" as our writers write it, "1e-3").
bool ParseDouble(std::string_view text, double& value);

// A number rounded to the nearest whole number, halves to the even neighbour; false when the
// text is not a number or the result does not fit 32 bits.
bool ParseInt32(std::string_view text, int32_t& value);

// Halves to the even neighbour, as every whole-number conversion of the program.
double RoundHalfEven(double value);

// The shortest decimal text that reads back as the same double, in the general form
// ("0.05", "3", "100000", "1E-05", "1.5E+20").
std::string ShortestText(double value);

// The value rounded to that many significant digits, without trailing zeros ("0.4", "1", "1E-05"),
// or the shortest text when the rounded one would pass the largest double.
std::string GeneralText(double value, int significantDigits);

// The value with a fixed number of decimals, a leading zero before the point and no thousands
// separators ("0.50", "2", "-1.3"); a value that rounds to zero has no minus sign.
std::string FixedText(double value, int decimals);
// The same, appended to the text: for writers of many values.
void AppendFixedText(std::string& text, double value, int decimals);

// The value rounded as FixedText shows it, read back as a number (3.10 becomes 3.1).
double RoundToDecimals(double value, int decimals);

// A converted value as a box shows it: rounded to the fewest decimals, at least minDecimals, that
// keep it within 0.1 % of the value, without trailing zeros ("1.83" for 1.8288036, "0.15" for 0.15
// with one decimal); the shortest text when no rounding of up to 15 decimals comes that close.
std::string DisplayText(double value, int minDecimals);

}  // namespace NumberText
