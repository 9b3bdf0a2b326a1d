#include "app/TextLines.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace TextLines {

bool ReadLine(std::istream& in, std::string& line)
{
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    using traits = std::char_traits<char>;
    auto c = buffer->sbumpc();
    if (traits::eq_int_type(c, traits::eof())) {
        in.setstate(std::ios::eofbit);
        return false;
    }
    while (!traits::eq_int_type(c, traits::eof())) {
        const char ch = traits::to_char_type(c);
        if (ch == '\n')
            return true;
        if (ch == '\r') {
            if (traits::eq_int_type(buffer->sgetc(), traits::to_int_type('\n')))
                buffer->sbumpc();
            return true;
        }
        line.push_back(ch);
        c = buffer->sbumpc();
    }
    return true;
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

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

std::vector<std::string> SplitBlanks(std::string_view text)
{
    std::vector<std::string> values;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i]))
            ++i;
        if (i > start)
            values.emplace_back(text.substr(start, i - start));
    }
    return values;
}

bool ParseDouble(std::string_view text, double& value)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return false;
    // from_chars accepts "inf" and "nan", which are not numbers to any of our files.
    for (char c : text)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == 'e' || c == 'E'))
            return false;
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

std::string ShortestText(double value)
{
    // The shortest digits that read back as the same double, then laid out in the general form:
    // plain decimals for exponents -4 to 14, "1.5E+20" / "1E-05" outside them.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    const bool negative = text[0] == '-';
    std::string digits;
    for (char c : text.substr(0, e))
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits.push_back(c);
    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent > 14) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        const int magnitude = exponent < 0 ? -exponent : exponent;
        out += std::string("E") + (exponent < 0 ? "-" : "+") + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (digits.size() <= static_cast<std::size_t>(exponent) + 1) {
        out += digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
               digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    return out;
}

std::string FixedText(double value, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return ShortestText(value);
    return std::string(buffer, result.ptr);
}

double RoundToDecimals(double value, int decimals)
{
    double rounded = value;
    ParseDouble(FixedText(value, decimals), rounded);
    return rounded + 0.0;  // a value that rounds to -0 shows as 0
}

}  // namespace TextLines
