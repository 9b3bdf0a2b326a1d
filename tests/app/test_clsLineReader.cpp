#include "base/clsLineReader.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

using Result = clsLineReader::Result;

struct Read {
    std::vector<std::string> lines;
    std::vector<Result> results;
    int64_t lineNumber = 0;
};

// Every result up to the end or a failure.
Read ReadAll(clsLineReader& reader)
{
    Read read;
    std::string line;
    for (Result result; (result = reader.ReadLine(line)) != Result::End;) {
        read.results.push_back(result);
        read.lines.push_back(line);
        if (result == Result::Failed)
            break;
    }
    read.lineNumber = reader.LineNumber();
    return read;
}

Read ReadFile(const std::string& bytes, bool skipByteOrderMark = true)
{
    TempDir dir;
    clsLineReader reader;
    EXPECT_TRUE(reader.Open(dir.Write("lines.txt", bytes), skipByteOrderMark));
    return ReadAll(reader);
}

}  // namespace

TEST(clsLineReader, EveryLineEndingEndsALineAndEveryLineCounts)
{
    const Read read = ReadFile("one\r\ntwo\nthree\rfour\r\n\r\n\n\rlast");
    EXPECT_EQ(read.lines, (std::vector<std::string>{"one", "two", "three", "four", "", "", "", "last"}));
    EXPECT_EQ(read.lineNumber, 8);
    EXPECT_EQ(ReadFile("a\r\n").lines, std::vector<std::string>{"a"});
    EXPECT_EQ(ReadFile("").lineNumber, 0);
}

TEST(clsLineReader, ACarriageReturnAndItsLineFeedAcrossTheBufferEdgeEndOneLine)
{
    // The reader fills a 64 KiB buffer: CR is its last byte and LF the first of the next fill.
    for (std::size_t length : {65535u, 65534u, 65536u}) {
        const Read read = ReadFile(std::string(length, 'a') + "\r\nb\r\n");
        ASSERT_EQ(read.lines.size(), 2u) << length;
        EXPECT_EQ(read.lines[0].size(), length);
        EXPECT_EQ(read.lines[1], "b");
    }
}

TEST(clsLineReader, AByteOrderMarkIsSkippedAtTheStartOnly)
{
    const std::string mark = "\xEF\xBB\xBF";
    EXPECT_EQ(ReadFile(mark + "ENGLISH\r\n" + mark + "x").lines, (std::vector<std::string>{"ENGLISH", mark + "x"}));
    EXPECT_EQ(ReadFile(mark).lines, std::vector<std::string>{});
    // The checksum of a file counts every byte.
    EXPECT_EQ(ReadFile(mark + "abc", false).lines, std::vector<std::string>{mark + "abc"});
}

TEST(clsLineReader, ALineTooLongIsPassedOverAndTheNextIsRead)
{
    const std::size_t limit = clsLineReader::MaxLineLength;
    const Read read = ReadFile(std::string(limit, 'x') + "\n" + std::string(limit + 1, 'y') + "\r\n" +
                               std::string(5 * limit, 'z') + "\rnext");
    EXPECT_EQ(read.results, (std::vector<Result>{Result::Line, Result::TooLong, Result::TooLong, Result::Line}));
    EXPECT_EQ(read.lines[0].size(), limit);
    EXPECT_EQ(read.lines[1], "");
    EXPECT_EQ(read.lines[3], "next");
    EXPECT_EQ(read.lineNumber, 4);
}

TEST(clsLineReader, WhatCannotBeOpenedOrReadIsReportedNeverThrown)
{
    TempDir dir;
    clsLineReader reader;
    EXPECT_FALSE(reader.Open(dir.path.string()));
    EXPECT_EQ(reader.ErrorText(), "Is a directory");
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.Open(dir.File("absent")));
    EXPECT_EQ(reader.ErrorText(), "No such file or directory");
    // A name cut short at a NUL would name another file.
    dir.Write("a", "text");
    EXPECT_FALSE(reader.Open(dir.File("a") + std::string(1, '\0') + "b"));

    // A regular file whose reading fails: the process's own memory has nothing at offset 0.
    ASSERT_TRUE(reader.Open("/proc/self/mem"));
    const Read read = ReadAll(reader);
    EXPECT_EQ(read.results, std::vector<Result>{Result::Failed});
    EXPECT_EQ(reader.ErrorText(), "Input/output error");
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), Result::Failed);

    reader.Close();
    EXPECT_EQ(reader.ReadLine(line), Result::Failed);
}

// Reading 2^31 lines takes longer than a test may: the width of the counter is checked instead.
static_assert(std::is_same_v<decltype(std::declval<clsLineReader>().LineNumber()), std::int64_t>);

// Lines of every length, from one character to several buffers long, with every kind of line end, split
// where a plain reading of the bytes splits them; the view and the copy agree.
TEST(clsLineReader, LinesAcrossBufferFillsAreSplitAsTheBytesSay)
{
    std::string bytes;
    std::vector<std::string> expected;
    uint32_t seed = 7;
    const auto next = [&](uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    const char* const ends[] = {"\r\n", "\n", "\r"};
    for (int i = 0; i < 400; ++i) {
        // Not empty: an empty line after a CR would make its LF part of a CR LF.
        const std::size_t length = i % 50 == 0 ? 70000 + next(150000) : 1 + next(i % 7 == 0 ? 3000 : 120);
        std::string line(length, static_cast<char>('a' + i % 26));
        expected.push_back(line);
        bytes += line + ends[next(3)];
    }
    expected.push_back("no end");
    bytes += "no end";

    TempDir dir;
    const std::string file = dir.Write("lines.txt", bytes);
    clsLineReader views;
    clsLineReader copies;
    ASSERT_TRUE(views.Open(file));
    ASSERT_TRUE(copies.Open(file));
    for (const std::string& line : expected) {
        std::string_view view;
        std::string copy;
        ASSERT_EQ(views.ReadLine(view), Result::Line);
        ASSERT_EQ(copies.ReadLine(copy), Result::Line);
        ASSERT_EQ(view, line) << "line " << views.LineNumber();
        ASSERT_EQ(copy, line);
    }
    std::string_view view;
    EXPECT_EQ(views.ReadLine(view), Result::End);
    EXPECT_EQ(views.LineNumber(), static_cast<int64_t>(expected.size()));
}
