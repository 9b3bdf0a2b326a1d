#include "app/TextLines.h"

#include <gtest/gtest.h>

TEST(TextLines, BlanksAreNormalised)
{
    EXPECT_EQ(TextLines::NormaliseBlanks(" \t a \t\t b  c\t "), "a b c");
    EXPECT_EQ(TextLines::SplitBlanks("\ta  b\t c "), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(TextLines, NumbersMustBeWhole)
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
        EXPECT_EQ(TextLines::ParseDouble(c.text, value), c.ok) << c.text;
        if (c.ok)
            EXPECT_EQ(value, c.value) << c.text;
        else
            EXPECT_EQ(value, -99) << c.text;
    }
}

TEST(TextLines, EveryNumberOurWritersWriteReadsBack)
{
    for (double value : {1e15, 1e20, -2.5e300, 1.7976931348623157e308, 5e-324, 1.5e-7, 0.1 + 0.2, 123456789012345678.0,
                         1e14, 99999999999999.9, -0.0}) {
        double read = 0;
        const std::string shortest = TextLines::ShortestText(value);
        ASSERT_TRUE(TextLines::ParseDouble(shortest, read)) << shortest;
        EXPECT_EQ(read, value) << shortest;
        // The scenario file's 15 significant digits: reading the text and writing it again gives it back.
        const std::string general = TextLines::GeneralText(value, 15);
        ASSERT_TRUE(TextLines::ParseDouble(general, read)) << general;
        EXPECT_EQ(TextLines::GeneralText(read, 15), general);
        const std::string fixed = TextLines::FixedText(value, 2);
        ASSERT_TRUE(TextLines::ParseDouble(fixed, read)) << fixed;
        EXPECT_EQ(TextLines::FixedText(read, 2), fixed);
    }
}

TEST(TextLines, WholeNumbersRoundHalfToEven)
{
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    for (const Case& c : {Case{"10", true, 10}, Case{"2.5", true, 2}, Case{"3.5", true, 4}, Case{"-2.5", true, -2},
                          Case{"2.51", true, 3}, Case{"4294967296", false, 0}, Case{"x", false, 0}}) {
        int32_t value = -99;
        EXPECT_EQ(TextLines::ParseInt32(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : -99) << c.text;
    }
}

TEST(TextLines, ShortestText)
{
    EXPECT_EQ(TextLines::ShortestText(0.05), "0.05");
    EXPECT_EQ(TextLines::ShortestText(3), "3");
    EXPECT_EQ(TextLines::ShortestText(-0.5), "-0.5");
    EXPECT_EQ(TextLines::ShortestText(1e-5), "1E-05");
    EXPECT_EQ(TextLines::ShortestText(1.5e20), "1.5E+20");
    EXPECT_EQ(TextLines::ShortestText(100000), "100000");
    EXPECT_EQ(TextLines::ShortestText(0.0001), "0.0001");
    EXPECT_EQ(TextLines::ShortestText(123.456), "123.456");
    EXPECT_EQ(TextLines::ShortestText(0), "0");
    EXPECT_EQ(TextLines::ShortestText(1e15), "1E+15");
}

TEST(TextLines, FixedDecimals)
{
    EXPECT_EQ(TextLines::FixedText(3.1, 2), "3.10");
    EXPECT_EQ(TextLines::FixedText(0.125, 2), "0.12");  // exactly halfway in binary: to even
    EXPECT_EQ(TextLines::FixedText(2.675, 2), "2.67");  // 2.675 is 2.67499999... as a double
    EXPECT_EQ(TextLines::ShortestText(TextLines::RoundToDecimals(-0.04, 1)), "0");
    EXPECT_EQ(TextLines::RoundToDecimals(3.104, 2), 3.1);
    EXPECT_EQ(TextLines::RoundToDecimals(1234.5678, 0), 1235);
}
