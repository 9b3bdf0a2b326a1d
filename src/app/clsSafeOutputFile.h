#pragma once

#include <fstream>
#include <string>

// An output file that replaces its target only when it is committed: the text goes to a
// temporary file beside the target, which is renamed over the target at Commit. A file
// that is abandoned (Discard, or destruction before Commit) leaves the previous target intact.
class clsSafeOutputFile {
public:
    clsSafeOutputFile() = default;
    clsSafeOutputFile(const clsSafeOutputFile&) = delete;
    clsSafeOutputFile& operator=(const clsSafeOutputFile&) = delete;
    ~clsSafeOutputFile();

    bool Open(const std::string& target);
    bool IsOpen() const { return out.is_open(); }
    void Write(const std::string& text) { out << text; }
    // False once a write has failed.
    bool Good() const { return out.is_open() && out.good(); }
    // Flushes, closes and renames the temporary file over the target; false when any write failed.
    bool Commit();
    void Discard();
    const std::string& Target() const { return target; }

private:
    std::ofstream out;
    std::string target;
    std::string temporary;
};
