#include "base/clsLineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t BufferSize = 64 * 1024;
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
}  // namespace

clsLineReader::~clsLineReader()
{
    Close();
}

bool clsLineReader::Fail(int error)
{
    failed = true;
    errorText = std::error_code(error, std::generic_category()).message();
    return false;
}

bool clsLineReader::Open(const std::string& path, bool skipByteOrderMark)
{
    Close();
    lineNumber = 0;
    bytesFilled = 0;
    atEnd = false;
    failed = false;
    errorText.clear();
    // A name with a NUL in it would open another file than the one named.
    if (path.empty() || path.find('\0') != std::string::npos)
        return Fail(ENOENT);
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Fail(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        const int error = S_ISDIR(status.st_mode) ? EISDIR : errno;
        Close();
        return Fail(error);
    }
    if (!buffer)
        buffer = std::make_unique_for_overwrite<char[]>(BufferSize);
    if (skipByteOrderMark)
        SkipByteOrderMark();
    return true;
}

void clsLineReader::Close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    begin = end = 0;
    carriageReturnPending = false;
    std::string().swap(longLine);
}

void clsLineReader::SkipByteOrderMark()
{
    while (end - begin < 3 && Fill()) {
    }
    if (end - begin >= 3 && std::memcmp(buffer.get() + begin, ByteOrderMark, 3) == 0)
        begin += 3;
}

// Moves the unread bytes to the front and reads more behind them; false at the end of the file or
// after a read error.
bool clsLineReader::Fill()
{
    if (atEnd || failed || fd < 0)
        return false;
    if (begin > 0) {
        std::memmove(buffer.get(), buffer.get() + begin, end - begin);
        end -= begin;
        begin = 0;
    }
    for (;;) {
        const ssize_t count = ::read(fd, buffer.get() + end, BufferSize - end);
        if (count > 0) {
            end += static_cast<std::size_t>(count);
            bytesFilled += count;
            return true;
        }
        if (count == 0) {
            atEnd = true;
            return false;
        }
        if (errno != EINTR)
            return Fail(errno);
    }
}

// The first CR or LF in [from, last), or last. The search goes window by window, so that a file
// whose lines end with only one of the two never makes a search for the other run to the end of
// the buffer at every line. A window holds a whole line of the widest files we write (the scenario
// files' lines are about 410 characters), so that such a line costs one search for each.
static const char* FindLineEnd(const char* from, const char* last)
{
    constexpr std::ptrdiff_t Window = 1024;
    while (from != last) {
        const char* const windowEnd = from + std::min(Window, last - from);
        const auto* lineFeed = static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(windowEnd - from)));
        const char* const searched = lineFeed ? lineFeed : windowEnd;
        if (const auto* carriageReturn = static_cast<const char*>(std::memchr(from, '\r', static_cast<std::size_t>(searched - from))))
            return carriageReturn;
        if (lineFeed)
            return lineFeed;
        from = windowEnd;
    }
    return last;
}

void clsLineReader::SkipLineFeedAfterCarriageReturn()
{
    carriageReturnPending = false;
    if ((begin < end || Fill()) && buffer[begin] == '\n')
        ++begin;
}

clsLineReader::Result clsLineReader::ReadLine(std::string_view& line)
{
    line = {};
    if (fd < 0 && !failed)
        Fail(EBADF);
    if (carriageReturnPending)
        SkipLineFeedAfterCarriageReturn();
    std::size_t searched = 0;  // bytes of buffer[begin, end) known to hold no line end
    bool spilled = false;      // the line began in an earlier fill of the buffer: it is in longLine
    bool tooLong = false;
    // Moves a part of a spilled line from the buffer to longLine, unless the line is too long.
    const auto gather = [&](std::size_t length) {
        if (!tooLong && longLine.size() + length > MaxLineLength) {
            tooLong = true;
            std::string().swap(longLine);
        }
        if (!tooLong)
            longLine.append(buffer.get() + begin, length);
        begin += length;
    };
    for (;;) {
        const char* const from = buffer.get() + begin;
        const char* const last = buffer.get() + end;
        const char* const stop = FindLineEnd(from + searched, last);
        if (stop == last) {
            // A line that fills the whole buffer moves to longLine, so that the buffer can take more.
            if (begin == 0 && end == BufferSize) {
                if (!spilled)
                    longLine.clear();
                spilled = true;
                gather(end - begin);
                searched = 0;
            } else {
                searched = end - begin;
            }
            if (!Fill()) {
                if (failed)
                    return Result::Failed;
                if (begin == end && !spilled)
                    return Result::End;
                ++lineNumber;  // the last line has no end
                if (spilled)
                    gather(end - begin);
                else
                    line = std::string_view(buffer.get() + begin, end - begin);  // Fill may have moved it
                begin = end;
                if (spilled && !tooLong)
                    line = longLine;
                return tooLong ? Result::TooLong : Result::Line;
            }
            continue;
        }
        const std::size_t length = static_cast<std::size_t>(stop - from);
        if (spilled) {
            gather(length);
            if (!tooLong)
                line = longLine;
        } else {
            line = std::string_view(from, length);
            begin += length;
        }
        ++begin;
        // The LF of a CR LF may still be unread: it is passed over before the next line.
        if (*stop == '\r') {
            if (begin < end) {
                if (buffer[begin] == '\n')
                    ++begin;
            } else {
                carriageReturnPending = true;
            }
        }
        ++lineNumber;
        return tooLong ? Result::TooLong : Result::Line;
    }
}

clsLineReader::Result clsLineReader::ReadLine(std::string& line)
{
    std::string_view view;
    const Result result = ReadLine(view);
    line.assign(view);
    return result;
}

std::string clsLineReader::ProblemText(Result result, const std::string& file) const
{
    if (result == Result::TooLong)
        return "Line number " + std::to_string(lineNumber) + " of " + file + " is longer than " +
               std::to_string(MaxLineLength) + " characters";
    return "Failed to read " + file + " (" + errorText + ")";
}
