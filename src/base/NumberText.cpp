#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cmath>
#include <limits>

namespace NumberText {

std::string NormaliseBlanks(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    bool pendingBlank = false;
    for (char c : text) {
        if (IsBlank(c)) {
            pendingBlank = !result.empty();
            continue;
        }
        if (pendingBlank)
            result.push_back(' ');
        pendingBlank = false;
        result.push_back(c);
    }
    return result;
}

void SplitBlanks(std::string_view text, std::vector<std::string_view>& values)
{
    values.clear();
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        while (p != end && IsBlank(*p))
            ++p;
        const char* const start = p;
        while (p != end && !IsBlank(*p))
            ++p;
        if (p != start)
            values.emplace_back(start, static_cast<std::size_t>(p - start));
    }
}

std::vector<std::string> SplitBlanks(std::string_view text)
{
    std::vector<std::string_view> views;
    SplitBlanks(text, views);
    return {views.begin(), views.end()};
}

// An optional sign, digits with an optional point (at least one digit), an optional exponent with
// an optional sign. Anything else ("inf", "nan", "0x1p3", "+-1", "1,5") is not a number of ours.
static bool IsDecimalNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto sign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
    };
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        return i - from;
    };
    sign();
    std::size_t mantissaDigits = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

static bool ParseShortDecimal(std::string_view text, double& value)
{
    const char* const end = text.data() + text.size();
    double parsed = 0;
    if (ParseShortDecimalPrefix(text.data(), end, parsed) != end)
        return false;
    value = parsed;
    return true;
}

bool ParseDouble(std::string_view text, double& value)
{
    if (ParseShortDecimal(text, value))
        return true;
    if (!IsDecimalNumber(text))
        return false;
    if (text.front() == '+')
        text.remove_prefix(1);  // from_chars takes a sign only in the exponent
    double parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
}

bool ParseInt32(std::string_view text, int32_t& value)
{
    double parsed = 0;
    if (!ParseDouble(text, parsed))
        return false;
    const double rounded = RoundHalfEven(parsed);
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(rounded);
    return true;
}

// Rewrites the exponent of a to_chars text as E+NN / E-NN, two digits at least.
static std::string WithBasicExponent(const char* begin, const char* end)
{
    std::string text(begin, end);
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    char sign = '+';
    if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) {
        sign = exponent[0];
        exponent.erase(0, 1);
    }
    if (exponent.size() < 2)
        exponent.insert(0, 2 - exponent.size(), '0');
    return mantissa + "E" + sign + exponent;
}

std::string ShortestText(double value)
{
    // The shortest digits that read back as the same double, laid out in the general form: plain
    // decimals for exponents -4 to 14, "1.5E+20" / "1E-05" outside them.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string scientific(buffer, result.ptr);
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    if (exponent < -4 || exponent > 14)
        return WithBasicExponent(buffer, result.ptr);
    result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string GeneralText(double value, int significantDigits)
{
    // A whole number of no more digits than asked for is written as its digits, as to_chars writes
    // it, without to_chars' search for the shortest digits (files are mostly whole numbers).
    if (significantDigits >= 1 && significantDigits <= 15 && std::fabs(value) < ExactPowersOfTen[significantDigits] &&
        value == std::trunc(value) && !(value == 0 && std::signbit(value))) {
        char digits[24];
        const auto written = std::to_chars(digits, digits + sizeof digits, static_cast<int64_t>(value));
        return std::string(digits, written.ptr);
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    std::string text = WithBasicExponent(buffer, result.ptr);
    // Next to the largest double, rounding up can pass it: such a text would not read back.
    double readBack = 0;
    return std::fabs(value) < 1e308 || ParseDouble(text, readBack) ? text : ShortestText(value);
}

void AppendFixedText(std::string& text, double value, int decimals)
{
    char quick[FixedQuickSize];
    if (const char* const end = WriteFixedQuickly(quick, value, decimals)) {
        text.append(quick, static_cast<std::size_t>(end - quick));
        return;
    }
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        text += ShortestText(value);  // beyond any quantity of the program
        return;
    }
    std::string_view written(buffer, static_cast<std::size_t>(result.ptr - buffer));
    // A negative value that rounds to zero is shown as zero, without a sign.
    if (written.size() > 1 && written[0] == '-' && written.find_first_not_of("0.", 1) == std::string_view::npos)
        written.remove_prefix(1);
    text += written;
}

std::string FixedText(double value, int decimals)
{
    std::string text;
    AppendFixedText(text, value, decimals);
    return text;
}

double RoundToDecimals(double value, int decimals)
{
    double rounded = value;
    ParseDouble(FixedText(value, decimals), rounded);
    return rounded + 0.0;  // a value that rounds to -0 shows as 0
}

std::string DisplayText(double value, int minDecimals)
{
    constexpr double tolerance = 0.001;
    constexpr int mostDecimals = 15;
    for (int decimals = std::max(minDecimals, 0); decimals <= mostDecimals; ++decimals) {
        const double rounded = RoundToDecimals(value, decimals);
        if (std::fabs(rounded - value) <= tolerance * std::fabs(value))
            return ShortestText(rounded);
    }
    return ShortestText(value);
}

}  // namespace NumberText
