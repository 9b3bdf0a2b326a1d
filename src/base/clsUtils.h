#pragma once

#include <cstddef>
#include <cstdint>
#include <string>


// Small helpers every file-handling part of the program uses.
class clsUtils {
public:
    // The largest argument; on ties the earlier one.
    template <class T>
    static T max(T a, T b)
    {
        return b > a ? b : a;
    }
    template <class T>
    static T max(T a, T b, T c)
    {
        return max(max(a, b), c);
    }
    // The smaller argument; on ties the first.
    template <class T>
    static T min(T a, T b)
    {
        return b < a ? b : a;
    }

    // True when a regular file of that name exists.
    static bool FileExists(const std::string& path);
    // True when anything at all is at the path: a file, a folder, a device, a pipe, a dangling link.
    static bool PathExists(const std::string& path);

    // Splits at the last "/" or "\": the folder keeps its final separator ("" for a bare name);
    // the extension is the text after the file name's last "." (the whole name without one).
    static void SplitPathAndFile(const std::string& path, std::string& folder, std::string& fileName);
    static void SplitPathAndFile(const std::string& path, std::string& folder, std::string& fileName,
                                 std::string& extension);

    // The compass name of an aspect in degrees, or the number + " degrees from north".
    static std::string AspectName(int32_t degrees);
    static double m2_to_acres(double squareMetres);
    // The path relative to the base folder, with "../" for each level up and "./" for the same
    // folder; the path unchanged when the two share no root.
    static std::string MakePathRelative(const std::string& path, const std::string& base);
    static double Log10(double x);
};
