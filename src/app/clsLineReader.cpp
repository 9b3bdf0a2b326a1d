#include "app/clsLineReader.h"

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

clsLineReader::Result clsLineReader::ReadLine(std::string& line)
{
    line.clear();
    if (fd < 0 && !failed)
        Fail(EBADF);
    bool started = false;
    bool tooLong = false;
    for (;;) {
        if (begin == end && !Fill()) {
            if (failed)
                return Result::Failed;
            if (!started)
                return Result::End;
            ++lineNumber;  // the last line has no end
            return tooLong ? Result::TooLong : Result::Line;
        }
        started = true;
        const char* const from = buffer.get() + begin;
        const char* stop = from;
        const char* const last = buffer.get() + end;
        while (stop != last && *stop != '\n' && *stop != '\r')
            ++stop;
        const std::size_t length = static_cast<std::size_t>(stop - from);
        if (!tooLong && line.size() + length > MaxLineLength) {
            tooLong = true;
            std::string().swap(line);
        }
        if (!tooLong)
            line.append(from, length);
        begin += length;
        if (stop == last)
            continue;
        ++begin;
        if (*stop == '\r' && (begin < end || Fill()) && buffer[begin] == '\n')
            ++begin;
        ++lineNumber;
        return tooLong ? Result::TooLong : Result::Line;
    }
}

std::string clsLineReader::ProblemText(Result result, const std::string& file) const
{
    if (result == Result::TooLong)
        return "Line number " + std::to_string(lineNumber) + " of " + file + " is longer than " +
               std::to_string(MaxLineLength) + " characters";
    return "Failed to read " + file + " (" + errorText + ")";
}
