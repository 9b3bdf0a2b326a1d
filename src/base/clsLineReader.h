#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

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
    // The same without copying the line: the view stays valid until the next read or Close.
    Result ReadLine(std::string_view& line);
    // Physical lines read since the file was opened.
    int64_t LineNumber() const { return lineNumber; }
    // Bytes of the file taken up by the lines read so far.
    int64_t BytesRead() const { return bytesFilled - static_cast<int64_t>(end - begin); }
    // Why the last Open or ReadLine failed, in the system's words.
    const std::string& ErrorText() const { return errorText; }
    // The message for a line that ReadLine could not give (TooLong or Failed), naming the file as
    // the caller describes it ("Scenario Input file: fires.scn").
    std::string ProblemText(Result result, const std::string& file) const;

private:
    bool Fill();
    bool Fail(int error);
    void SkipByteOrderMark();
    void SkipLineFeedAfterCarriageReturn();

    int fd = -1;
    std::unique_ptr<char[]> buffer;  // BufferSize bytes, allocated at the first Open
    std::size_t begin = 0;  // the unread bytes are buffer[begin, end)
    std::size_t end = 0;
    bool atEnd = false;
    bool failed = false;
    // The last line ended with a CR at the end of the buffer: a LF that follows belongs to it.
    bool carriageReturnPending = false;
    // A line longer than the buffer, gathered here (up to MaxLineLength).
    std::string longLine;
    int64_t lineNumber = 0;
    int64_t bytesFilled = 0;  // read into the buffer since the file was opened
    std::string errorText;
};
