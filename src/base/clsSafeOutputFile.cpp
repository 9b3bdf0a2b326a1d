#include "base/clsSafeOutputFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t BufferLimit = 64 * 1024;
// The disk is asked to begin writing a large file each time this much more has been handed over,
// so that the sync before the file takes its target's place waits for the last part only.
constexpr std::size_t EarlyWriteStep = 4 * 1024 * 1024;
constexpr std::size_t FileNameMax = 255;  // bytes, the limit of the file systems we write to
// A temporary is named "." + the target's name + ".orvane-" + 8 letters or digits + ".tmp".
constexpr std::string_view TemporaryMark = ".orvane-";
constexpr std::string_view TemporaryEnd = ".tmp";
constexpr std::size_t RandomLength = 8;
constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t TemporaryExtra = 1 + TemporaryMark.size() + RandomLength + TemporaryEnd.size();

bool IsTemporaryName(std::string_view name)
{
    if (name.size() <= TemporaryExtra || name.front() != '.' || !name.ends_with(TemporaryEnd))
        return false;
    const std::string_view random = name.substr(name.size() - TemporaryEnd.size() - RandomLength, RandomLength);
    const std::size_t markAt = name.size() - TemporaryEnd.size() - RandomLength - TemporaryMark.size();
    return name.substr(markAt, TemporaryMark.size()) == TemporaryMark &&
           random.find_first_not_of(Alphabet) == std::string_view::npos;
}

std::string SystemText(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

// Whether the mode lets the user running the program write the file. The mode decides, for the
// superuser too: a file that the analyst made read-only is never replaced behind their back.
bool ModeAllowsWriting(const struct stat& status)
{
    const uid_t user = ::geteuid();
    if (user == 0 || user == status.st_uid)
        return (status.st_mode & S_IWUSR) != 0;
    if (::getegid() == status.st_gid)
        return (status.st_mode & S_IWGRP) != 0;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (count > 0 && ::getgroups(count, groups.data()) == count &&
        std::find(groups.begin(), groups.end(), status.st_gid) != groups.end())
        return (status.st_mode & S_IWGRP) != 0;
    return (status.st_mode & S_IWOTH) != 0;
}

// Whether the target may be replaced: nothing is there, or a regular file (or a link to one) that
// its mode lets us write, whose permissions the new file then keeps. The reason of a refusal is
// left in refusal.
bool Replaceable(const std::string& target, bool& exists, mode_t& mode, std::string& refusal)
{
    struct stat status {};
    exists = ::lstat(target.c_str(), &status) == 0;
    if (!exists)
        return true;
    if (::stat(target.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        refusal = "not a regular file";
        return false;
    }
    if (!ModeAllowsWriting(status)) {
        refusal = "the file is read-only";
        return false;
    }
    mode = status.st_mode & 07777;
    return true;
}

// The file that a save to path writes: the file at the end of its links, so that saving over a
// link updates what it points to and keeps the link. A path that is no link, or a dangling one,
// is itself.
std::string WrittenFile(const std::string& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char* const resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string file(resolved);
    std::free(resolved);
    return file;
}

}  // namespace

clsSafeOutputFile::~clsSafeOutputFile()
{
    Discard();
}

bool clsSafeOutputFile::Fail(int error)
{
    if (errorText.empty())
        errorText = SystemText(error);
    return false;
}

bool clsSafeOutputFile::Open(const std::string& targetPath)
{
    Discard();
    errorText.clear();
    target = targetPath;
    // A name with a NUL in it would write another file than the one named.
    if (target.empty() || target.find('\0') != std::string::npos)
        return Fail(ENOENT);
    if (const std::string given = std::filesystem::path(target).filename().string();
        given.empty() || given == "." || given == "..")
        return Fail(EISDIR);
    target = WrittenFile(target);
    bool exists = false;
    mode_t mode = 0;
    if (!Replaceable(target, exists, mode, errorText))
        return false;
    const std::filesystem::path path(target);
    const std::string name = path.filename().string();
    const std::string folder = path.parent_path().string();
    if (folder != cleanedFolder)
        RemoveStaleTemporaries(folder);
    if (!CreateTemporary(folder, name, exists ? mode : 0))
        return false;
    return true;
}

void clsSafeOutputFile::OpenStandardOutput()
{
    Discard();
    errorText.clear();
    target = "-";
    fd = STDOUT_FILENO;
    stream = true;
}

bool clsSafeOutputFile::CreateTemporary(const std::string& folder, const std::string& targetName, uint32_t mode)
{
    const std::string prefix = (folder.empty() ? "" : folder + "/") + "." +
                               targetName.substr(0, FileNameMax - TemporaryExtra) + std::string(TemporaryMark);
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, Alphabet.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = prefix;
        for (std::size_t i = 0; i < RandomLength; ++i)
            candidate += Alphabet[pick(random)];
        candidate += TemporaryEnd;
        // Exclusive and never through a link: nothing that another user placed in a shared folder
        // is written to or followed.
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return Fail(errno);
        temporary = std::move(candidate);
        handedOver = flushStarted = 0;
        // The lock tells a later save that this temporary is still being written.
        ::flock(fd, LOCK_EX | LOCK_NB);
        if (mode != 0 && ::fchmod(fd, mode) != 0) {
            Fail(errno);
            Discard();
            return false;
        }
        return true;
    }
    return Fail(EEXIST);
}

// Removes the temporaries of our own naming that a killed run left in the folder: only files of
// this user that nobody holds locked and that are older than a run needs to lock its own.
void clsSafeOutputFile::RemoveStaleTemporaries(const std::string& folder)
{
    cleanedFolder = folder;
    DIR* const dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        const int candidate = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (candidate < 0)
            continue;
        struct stat opened {};
        struct stat named {};
        if (::fstat(candidate, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            opened.st_mtime + StaleAfterSeconds < now && ::flock(candidate, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino)
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(candidate);
    }
    ::closedir(dir);
}

// A text as large as the buffer goes to the system as it is, after the text before it: a writer of
// large blocks (batch processing) costs no copy.
void clsSafeOutputFile::Write(std::string_view text)
{
    if (!Good())
        return;
    if (text.size() < BufferLimit) {
        pending.append(text);
        if (pending.size() >= BufferLimit)
            Flush();
        return;
    }
    if (Flush())
        WriteOut(text);
}

bool clsSafeOutputFile::Flush()
{
    if (!WriteOut(pending))
        return false;
    pending.clear();
    return true;
}

bool clsSafeOutputFile::WriteOut(std::string_view text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t count = ::write(fd, text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return Fail(count < 0 ? errno : EIO);
        done += static_cast<std::size_t>(count);
    }
    handedOver += text.size();
    if (!stream && handedOver - flushStarted >= EarlyWriteStep)
        StartWritingToDisk();
    return true;
}

void clsSafeOutputFile::StartWritingToDisk()
{
#ifdef SYNC_FILE_RANGE_WRITE
    // Only a start: the writing goes on while the program does, and a failure shows at the sync.
    ::sync_file_range(fd, static_cast<off_t>(flushStarted), static_cast<off_t>(handedOver - flushStarted),
                      SYNC_FILE_RANGE_WRITE);
#endif
    flushStarted = handedOver;
}

bool clsSafeOutputFile::Commit()
{
    if (!Good() || !Flush()) {
        Discard();
        return false;
    }
    if (stream) {
        Discard();
        return true;
    }
    // On the disk before it takes the target's place, so that a crash leaves the old file or the
    // new one, never an empty one. The folder is not synced: a rename lost in a crash only brings
    // back the previous good file.
    if (::fsync(fd) != 0) {
        Fail(errno);
        Discard();
        return false;
    }
    bool exists = false;
    mode_t mode = 0;
    if (!Replaceable(target, exists, mode, errorText)) {
        Discard();
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        Fail(errno);
        Discard();
        return false;
    }
    temporary.clear();
    ::close(fd);
    fd = -1;
    return true;
}

void clsSafeOutputFile::Discard()
{
    if (stream) {
        if (Good())
            Flush();
        fd = -1;  // standard output stays open for the program's other output
        stream = false;
        pending.clear();
        return;
    }
    if (!temporary.empty())
        ::unlink(temporary.c_str());
    temporary.clear();
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    pending.clear();
}
