#pragma once

#include <string>

class clsLineReader;
class clsRun;

// Reads and writes units set files (".unt"): the display unit chosen for every selectable quantity
// of the run's seven units catalogues, as fifteen labelled records of unit numbers. A set applies
// only when the whole file reads correctly, so a failed load never leaves the catalogues half in
// one set and half in another; a save replaces the previous file only once it is complete.
class Units_IO {
public:
    // Writes the file; on success the main catalogue's changed flag is cleared (the table and
    // chart catalogues keep theirs).
    bool SaveUnits(const std::string& fileName, clsRun& run);
    // Reads the file into the run's catalogues. On failure nothing changes, fileName included, and
    // errStr names the record and its line.
    bool LoadUnits(const std::string& fileName, clsRun& run);
    // The same from a file already opened, described in messages as name; fileName is left alone.
    bool ReadUnits(clsLineReader& in, const std::string& name, clsRun& run);

    bool IsLoaded() const { return !fileName.empty(); }
    // True when any of the run's seven catalogues reports a changed display unit.
    static bool UnitsHaveChanged(const clsRun& run);

    std::string errStr;
    // The units set file last loaded or saved; "" when none.
    std::string fileName;
};
