#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An output file that replaces its target only when it is committed, so that a save that fails at
// any point leaves the previous file as it was. The text goes to a temporary file of a unique name
// beside the target, created exclusively and never through a link; Commit flushes it to the disk
// and renames it over the target. A file that is abandoned (Discard, a failure, or destruction
// before Commit) is removed. Temporaries left by a run that was killed are removed by a later save
// into the same folder, once no process holds them any more.
//
// Only a regular file (or a link to one) is ever replaced: a folder, a device, a pipe or a dangling
// link at the target is refused at Open, and so is a file whose mode does not let us write it. A
// link is kept: the file it points to is the one replaced.
class clsSafeOutputFile {
public:
    // Temporaries of a run that ended without removing its own are left this long (seconds) before
    // a save removes them: a run that has just created one has not locked it yet.
    static constexpr int StaleAfterSeconds = 60;

    clsSafeOutputFile() = default;
    clsSafeOutputFile(const clsSafeOutputFile&) = delete;
    clsSafeOutputFile& operator=(const clsSafeOutputFile&) = delete;
    ~clsSafeOutputFile();

    // False, with the reason in ErrorText, when the temporary file cannot be created or the target
    // is not a regular file we may write.
    bool Open(const std::string& target);
    // Standard output instead of a file. A stream has no target to replace and cannot be taken
    // back: the text goes out in blocks as it comes, Commit writes out the rest, and Discard too,
    // so that a reader of the stream has every line given before a failure, and nothing after it.
    void OpenStandardOutput();
    bool IsOpen() const { return fd >= 0; }
    void Write(std::string_view text);
    // False once a write has failed.
    bool Good() const { return fd >= 0 && errorText.empty(); }
    // Writes out the rest, syncs the file and renames it over the target; false (and the target
    // untouched) when anything failed.
    bool Commit();
    void Discard();
    const std::string& Target() const { return target; }
    const std::string& ErrorText() const { return errorText; }

private:
    bool Flush();
    bool WriteOut(std::string_view text);
    bool Fail(int error);
    void StartWritingToDisk();
    void RemoveStaleTemporaries(const std::string& folder);
    bool CreateTemporary(const std::string& folder, const std::string& targetName, uint32_t mode);

    int fd = -1;
    bool stream = false;  // standard output
    std::string target;
    std::string temporary;
    std::string pending;       // written text not yet handed to the system
    std::size_t handedOver = 0;    // bytes handed to the system
    std::size_t flushStarted = 0;  // the first bytes, which the disk has been asked to write
    std::string errorText;     // the first failure of this file
    std::optional<std::string> cleanedFolder;  // whose stale temporaries were last removed
};
