#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Reads a text file one physical line at a time; every file reader of the program goes through it.
// Lines end at CR LF, LF or CR. It never throws: a file that cannot be opened (a folder is not a
// file to open) or read is reported by the result, with the system's reason in ErrorText. A line
// longer than MaxLineLength is passed over without being held in memory and reported as too long,
// so that a damaged or hostile file cannot exhaust the memory.
class clsLineReader {
public:
    // Far beyond any record of the program's files.
    static constexpr std::size_t MaxLineLength = std::size_t(1) << 20;

    enum class Result { Line, End, TooLong, Failed };

    clsLineReader() = default;
    clsLineReader(const clsLineReader&) = delete;
    clsLineReader& operator=(const clsLineReader&) = delete;
    ~clsLineReader();

    // Opens the file and sets the line counter to 0. A UTF-8 byte-order mark at its start (as
    // spreadsheet programs save text) is skipped unless the caller needs every byte.
    bool Open(const std::string& path, bool skipByteOrderMark = true);
    void Close();
    bool IsOpen() const { return fd >= 0; }

    // The next line without its end. Every line read counts, the too long ones included.
    Result ReadLine(std::string& line);
    // Physical lines read since the file was opened.
    int64_t LineNumber() const { return lineNumber; }
    // Why the last Open or ReadLine failed, in the system's words.
    const std::string& ErrorText() const { return errorText; }
    // The message for a line that ReadLine could not give (TooLong or Failed), naming the file as
    // the caller describes it ("Scenario Input file: fires.scn").
    std::string ProblemText(Result result, const std::string& file) const;

private:
    bool Fill();
    bool Fail(int error);
    void SkipByteOrderMark();

    int fd = -1;
    std::unique_ptr<char[]> buffer;  // BufferSize bytes, allocated at the first Open
    std::size_t begin = 0;  // the unread bytes are buffer[begin, end)
    std::size_t end = 0;
    bool atEnd = false;
    bool failed = false;
    int64_t lineNumber = 0;
    std::string errorText;
};
