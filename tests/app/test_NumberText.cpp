#include "base/NumberText.h"

#include "support/SplitMix.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

TEST(NumberText, BlanksAreNormalised)
{
    EXPECT_EQ(NumberText::NormaliseBlanks(" \t a \t\t b  c\t "), "a b c");
    EXPECT_EQ(NumberText::SplitBlanks("\ta  b\t c "), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(NumberText, NumbersMustBeWhole)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    for (const Case& c : {Case{"3.0", true, 3.0}, Case{"+2.5", true, 2.5}, Case{"-0.5", true, -0.5},
                          Case{".25", true, 0.25}, Case{"1e3", true, 1000}, Case{"", false, 0},
                          Case{"3.0abc", false, 0}, Case{"nan", false, 0}, Case{"inf", false, 0},
                          Case{"1,5", false, 0}, Case{"++1", false, 0}, Case{"1e999", false, 0},
                          Case{"1e+1", true, 10}, Case{"1E+20", true, 1e20}, Case{"-2.5E-05", true, -2.5e-5},
                          Case{"+-1", false, 0}, Case{"-+1", false, 0}, Case{"1e", false, 0}, Case{"1e+", false, 0},
                          Case{".", false, 0}, Case{"-", false, 0}, Case{"1e+-2", false, 0}, Case{"0x10", false, 0},
                          Case{"1.", true, 1}, Case{"e5", false, 0}}) {
        double value = -99;
        EXPECT_EQ(NumberText::ParseDouble(c.text, value), c.ok) << c.text;
        if (c.ok)
            EXPECT_EQ(value, c.value) << c.text;
        else
            EXPECT_EQ(value, -99) << c.text;
    }
}

TEST(NumberText, EveryNumberOurWritersWriteReadsBack)
{
    for (double value : {1e15, 1e20, -2.5e300, 1.7976931348623157e308, 5e-324, 1.5e-7, 0.1 + 0.2, 123456789012345678.0,
                         1e14, 99999999999999.9, -0.0}) {
        double read = 0;
        const std::string shortest = NumberText::ShortestText(value);
        ASSERT_TRUE(NumberText::ParseDouble(shortest, read)) << shortest;
        EXPECT_EQ(read, value) << shortest;
        // The scenario file's 15 significant digits: reading the text and writing it again gives it back.
        const std::string general = NumberText::GeneralText(value, 15);
        ASSERT_TRUE(NumberText::ParseDouble(general, read)) << general;
        EXPECT_EQ(NumberText::GeneralText(read, 15), general);
        const std::string fixed = NumberText::FixedText(value, 2);
        ASSERT_TRUE(NumberText::ParseDouble(fixed, read)) << fixed;
        EXPECT_EQ(NumberText::FixedText(read, 2), fixed);
    }
}

TEST(NumberText, WholeNumbersRoundHalfToEven)
{
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    for (const Case& c : {Case{"10", true, 10}, Case{"2.5", true, 2}, Case{"3.5", true, 4}, Case{"-2.5", true, -2},
                          Case{"2.51", true, 3}, Case{"4294967296", false, 0}, Case{"x", false, 0}}) {
        int32_t value = -99;
        EXPECT_EQ(NumberText::ParseInt32(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : -99) << c.text;
    }
}

TEST(NumberText, ShortestText)
{
    EXPECT_EQ(NumberText::ShortestText(0.05), "0.05");
    EXPECT_EQ(NumberText::ShortestText(3), "3");
    EXPECT_EQ(NumberText::ShortestText(-0.5), "-0.5");
    EXPECT_EQ(NumberText::ShortestText(1e-5), "1E-05");
    EXPECT_EQ(NumberText::ShortestText(1.5e20), "1.5E+20");
    EXPECT_EQ(NumberText::ShortestText(100000), "100000");
    EXPECT_EQ(NumberText::ShortestText(0.0001), "0.0001");
    EXPECT_EQ(NumberText::ShortestText(123.456), "123.456");
    EXPECT_EQ(NumberText::ShortestText(0), "0");
    EXPECT_EQ(NumberText::ShortestText(1e15), "1E+15");
}

// Expected texts worked by tests/app/display_text_cases.py.
TEST(NumberText, ConvertedValuesShowTheFewestDecimalsWithinATenthOfAPercent)
{
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{6 * 0.3048, 1, "1.83"},     {12 * 0.3048, 1, "3.66"}, {15 * 0.3048, 1, "4.57"},
                 {20 * 1.609344, 1, "32.2"},  {0.15 * 0.062427885, 3, "0.00936"}, {0.15, 1, "0.15"},        {-6 * 0.3048, 1, "-1.83"},
                 {2, 2, "2"},                 {0, 1, "0"},              {0.00012346, 2, "0.0001235"}};
    for (const auto& c : cases)
        EXPECT_EQ(NumberText::DisplayText(c.value, c.decimals), c.text) << c.value;
}

TEST(NumberText, FixedDecimals)
{
    EXPECT_EQ(NumberText::FixedText(3.1, 2), "3.10");
    EXPECT_EQ(NumberText::FixedText(0.125, 2), "0.12");  // exactly halfway in binary: to even
    EXPECT_EQ(NumberText::FixedText(2.675, 2), "2.67");  // 2.675 is 2.67499999... as a double
    EXPECT_EQ(NumberText::ShortestText(NumberText::RoundToDecimals(-0.04, 1)), "0");
    EXPECT_EQ(NumberText::RoundToDecimals(3.104, 2), 3.1);
    EXPECT_EQ(NumberText::RoundToDecimals(1234.5678, 0), 1235);
}

namespace {

// What the library's exact conversions give, as the reader and writer promise.
bool LibraryDouble(std::string_view text, double& value)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

std::string LibraryFixed(double value, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

}  // namespace

// The numbers of a file are read in one pass where a double operation is exact enough; the value is
// the correctly rounded one in every case, at the edges of that shortcut (19 and 20 digits, 2^53,
// powers of ten up to 1e22 and beyond) and in a large number of generated texts.
TEST(NumberText, NumbersReadAsTheLibraryReadsThem)
{
    std::vector<std::string> texts = {"9007199254740992",  "9007199254740993", "9007199254740995",
                                      "1234567890123456789", "12345678901234567891", "0.1", "-0", "-0.0e5",
                                      "1e22", "1e23", "3e-22", "3e-23", "123456.7e-20", "4.35", "0.000000000000000000001",
                                      "+.5", "5.", "1E+300", "1e-320", "2.2250738585072014e-308", "17.9e307"};
    SplitMix draw(99);
    for (int i = 0; i < 200000; ++i) {
        std::string text = draw.Int(0, 9) == 0 ? "-" : draw.Int(0, 20) == 0 ? "+" : "";
        const int whole = draw.Int(0, 12);
        for (int d = 0; d < whole; ++d)
            text += static_cast<char>('0' + draw.Int(0, 9));
        if (draw.Int(0, 3) != 0) {
            text += '.';
            for (int d = draw.Int(0, 12); d > 0; --d)
                text += static_cast<char>('0' + draw.Int(0, 9));
        }
        if (draw.Int(0, 6) == 0)
            text += (draw.Int(0, 1) ? "e" : "E") + std::string(draw.Int(0, 2) == 0 ? "-" : "") +
                    std::to_string(draw.Int(0, 40));
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        double expected = -99;
        double value = -99;
        const bool valid = LibraryDouble(text, expected);
        ASSERT_EQ(NumberText::ParseDouble(text, value), valid) << text;
        if (valid) {
            ASSERT_EQ(std::bit_cast<uint64_t>(value), std::bit_cast<uint64_t>(expected)) << text;
        }
    }
}

// Fixed decimals are written straight from the scaled value unless it lies near a tie; the text is
// the library's in every case: exact ties in binary, values just beside them, large and tiny
// values, negative values that round to zero, and a large number of generated values.
TEST(NumberText, FixedDecimalsAsTheLibraryWritesThem)
{
    std::vector<double> values = {0.125, 0.375, 2.5, 3.5, -2.5, 1.005, 2.675, 0.0005, 0.0015, -0.004, -0.0,
                                  2147483647.4, 2147483648.6, 1e15 + 0.5, 4503599627370497.0, 1e300, -1e-300,
                                  std::nextafter(0.125, 1.0), std::nextafter(0.125, 0.0), 999.9995, 99.995};
    SplitMix draw(99);
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::ldexp(1.0, draw.Int(-30, 40));
        const double value = magnitude * static_cast<double>(draw.Next() >> 11) / 9007199254740992.0;
        values.push_back(draw.Int(0, 4) == 0 ? -value : value);
        // Values a whole number of thousandths and halves of them: the ties of the output columns.
        values.push_back(draw.Int(0, 2000000) / 2000.0);
    }
    // The doubles nearest to the ties of each column, and their next neighbours: scaled, they may
    // round onto the tie or across it.
    for (int k = 0; k < 200000; k += 7)
        for (const double scale : {1.0, 10.0, 100.0, 1000.0}) {
            double near = (k + 0.5) / scale;
            for (int step = 0; step < 3; ++step)
                near = std::nextafter(near, 0.0);
            for (int step = 0; step < 7; ++step, near = std::nextafter(near, 1e9))
                values.push_back(near);
        }
    for (const double value : values)
        for (int decimals = 0; decimals <= 3; ++decimals)
            ASSERT_EQ(NumberText::FixedText(value, decimals), LibraryFixed(value, decimals))
                << std::hexfloat << value << " " << decimals;
}

// The writers' significant digits as C's printf writes them ("%.15G": "1E+15", trailing zeros
// dropped): whole numbers near the limit of the digits, either side of it, signed zeros, fractions.
TEST(NumberText, GeneralTextAsPrintfWritesIt)
{
    SplitMix random(25);
    std::vector<double> values{0.0, -0.0, 1, -1, 7, 30, 100, 99999, 1e14, -1e14, 999999999999999.0, 1e15,
                               -999999999999999.0, 123456789012345.0, 0.5, -0.25, 1.5, 1e16, 4294967296.0, 1e-5};
    for (int i = 0; i < 2000; ++i)
        values.push_back(static_cast<double>(static_cast<int64_t>(random.Next() >> (random.Next() % 64))) *
                         (i % 2 ? 1 : -1));
    for (const int digits : {1, 3, 6, 15}) {
        for (const double value : values) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*G", digits, value);
            EXPECT_EQ(NumberText::GeneralText(value, digits), expected) << value << " to " << digits << " digits";
        }
    }
}
