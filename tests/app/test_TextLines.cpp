#include "app/TextLines.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(TextLines, EveryLineEndingEndsALine)
{
    std::istringstream in("one\r\ntwo\nthree\rfour\r\n\r\nlast");
    std::vector<std::string> lines;
    std::string line;
    while (TextLines::ReadLine(in, line))
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four", "", "last"}));
}

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
                          Case{"1,5", false, 0}, Case{"++1", false, 0}, Case{"1e999", false, 0}}) {
        double value = -99;
        EXPECT_EQ(TextLines::ParseDouble(c.text, value), c.ok) << c.text;
        if (c.ok)
            EXPECT_EQ(value, c.value) << c.text;
        else
            EXPECT_EQ(value, -99) << c.text;
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
