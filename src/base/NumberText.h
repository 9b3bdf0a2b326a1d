#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
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
// FixedText's text the quick way, written at out as FixedQuickSize characters, the text padded with
// blanks: the text's end, or nullptr, with nothing written, for a value the quick way cannot round
// (FixedText then can).
constexpr std::size_t FixedQuickSize = 12;
inline char* WriteFixedQuickly(char* out, double value, int decimals);

// The value rounded as FixedText shows it, read back as a number (3.10 becomes 3.1).
double RoundToDecimals(double value, int decimals);

// A converted value as a box shows it: rounded to the fewest decimals, at least minDecimals, that
// keep it within 0.1 % of the value, without trailing zeros ("1.83" for 1.8288036, "0.15" for 0.15
// with one decimal); the shortest text when no rounding of up to 15 decimals comes that close.
std::string DisplayText(double value, int minDecimals);

// The powers of ten that a double holds exactly.
inline constexpr double ExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The blanks that separate the values of our files.
inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number that begins at p, when it is one that ParseDouble reads the quick way (at most 19
// digits, an exponent within reach of the exact powers of ten): its value, and where it ends. None
// (nullptr) for anything else, which ParseDouble may still read. For readers that find the end of a
// value by reading it: ParseDouble of the same characters gives the same value.
//
// The numbers files are made of, in one pass: a decimal number of at most 19 digits whose value is
// its digits (at most 2^53, so a double holds them exactly) multiplied or divided by an exact power
// of ten. One correctly rounded operation on two exact doubles gives the correctly rounded value
// (Clinger 1990), which is what from_chars gives. Always inline: a reader of many values calls it for
// each, and a call costs as much again as the digits of a short value.
[[gnu::always_inline]] inline const char* ParseShortDecimalPrefix(const char* p, const char* const end, double& value)
{
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-'))
        ++p;
    // The digits before and after a point in one pass: a batch reads a few million numbers a second.
    uint64_t digits = 0;  // wraps past 19 digits, which are refused
    const char* const first = p;
    const char* point = nullptr;
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned char>(*p - '0');
        if (digit < 10)
            digits = digits * 10 + digit;
        else if (*p == '.' && !point)
            point = p;
        else
            break;
    }
    const int decimals = point ? static_cast<int>(p - point) - 1 : 0;
    const int count = static_cast<int>(p - first) - (point ? 1 : 0);
    if (count == 0 || count > 19)
        return nullptr;
    int exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == '+' || *p == '-'))
            negativeExponent = *p++ == '-';
        int exponentDigits = 0;
        for (; p != end && IsDigit(*p); ++p) {
            if (++exponentDigits > 3)
                return nullptr;
            exponent = exponent * 10 + (*p - '0');
        }
        if (exponentDigits == 0)
            return nullptr;
        if (negativeExponent)
            exponent = -exponent;
    }
    const int scale = exponent - decimals;
    if (digits > (uint64_t(1) << 53) || scale < -22 || scale > 22)
        return nullptr;
    const double exact = static_cast<double>(digits);
    const double magnitude = scale < 0 ? exact / ExactPowersOfTen[-scale] : exact * ExactPowersOfTen[scale];
    value = negative ? -magnitude : magnitude;
    return p;
}

// "00" to "99".
inline constexpr char DigitPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

// Scaled by 10^decimals, a value below 2^31 carries a rounding error of at most 2^-22; unless it
// lies within 2^-20 of a half, its nearest whole number is that of the exact decimal value, which
// to_chars would round to. Digits written straight from that number cost a fraction of to_chars'
// exact path, which takes the values near a tie and the large ones. Always inline: a batch writes
// fifteen values a record, and a call costs as much as a short value's digits.
[[gnu::always_inline]] inline char* WriteFixedQuickly(char* out, double value, int decimals)
{
    constexpr double Limit = 2147483648.0;
    if (decimals < 0 || decimals > 9 || !(std::fabs(value) < Limit))
        return nullptr;
    const double scaled = std::fabs(value) * ExactPowersOfTen[decimals];
    if (!(scaled < Limit))
        return nullptr;
    const auto whole = static_cast<uint32_t>(scaled);  // exact: below 2^31, towards zero
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) < 0x1p-20)
        return nullptr;
    const uint32_t rounded = whole + (fraction > 0.5 ? 1 : 0);  // at most 2^31
    // The digits are laid from right to left up to blanks, and copied with the blanks in one move
    // of a fixed size: at most 10 digits, a point and a sign.
    char buffer[2 * FixedQuickSize];
    char* const last = buffer + FixedQuickSize;
    std::memset(last, ' ', FixedQuickSize);
    char* first = last;
    uint32_t rest = rounded;
    // Two digits a step: a division by a constant costs a multiplication, a digit's text a copy.
    const auto layPair = [&first, &rest] {
        first -= 2;
        std::memcpy(first, DigitPairs + 2 * (rest % 100), 2);
        rest /= 100;
    };
    int decimalsLeft = decimals;
    for (; decimalsLeft >= 2; decimalsLeft -= 2)
        layPair();
    if (decimalsLeft == 1) {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }
    if (decimals > 0)
        *--first = '.';
    while (rest >= 100)
        layPair();
    if (rest >= 10)
        layPair();
    else
        *--first = static_cast<char>('0' + rest);
    // A negative value that rounds to zero is shown as zero, without a sign.
    if (value < 0 && rounded != 0)
        *--first = '-';
    std::memcpy(out, first, FixedQuickSize);
    return out + (last - first);
}

}  // namespace NumberText
