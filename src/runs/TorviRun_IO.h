#pragma once

#include <functional>
#include <string>
#include <vector>

class clsLineReader;
class clsRun;
class clsUserInteraction;

// Reads and writes run files (".run"): the run's descriptive fields, the names of its units set,
// custom fuel model and scenario files, and the settings of the table, hazard chart and fire
// characteristics chart tabs, as ten labelled records, then the run-wide settings. Referenced files
// are stored by bare name and looked for beside the run file, then in the program's folder. The
// format grows only by values at the end of a record and records after the tenth, so that every
// file reads in every version.
class TorviRun_IO {
public:
    // Missing or unloadable referenced files are told to the user as the load goes on.
    explicit TorviRun_IO(clsUserInteraction& ui);

    // Reads the run file into the run. What was read before a failure stays in the run; the reason
    // of a failure is left in errStr.
    bool LoadTorviRun(const std::string& fileName, clsRun& run);
    // The same from a file already opened; runFolder is where referenced files are looked for first.
    bool ReadTorviRun(clsLineReader& in, const std::string& runFolder, clsRun& run);
    // Writes the run; the previous file is replaced only once the new one is complete. A run whose
    // text fields or file names a run file cannot hold is refused (errStr), and nothing is written.
    bool SaveTorviRun(const std::string& fileName, clsRun& run);
    // False, with the reason in errStr, when a text field holds "|+|" or a line break or a
    // referenced file name holds "|+|": such a run would not read back as it was saved.
    bool RunCanBeSaved(clsRun& run);

    // A file the run refers to: what it is to the analyst ("the units set"), its path, and how the
    // run is pointed at another path for it.
    struct Reference {
        std::string field;
        std::string path;
        std::function<void(const std::string&)> referTo;
    };
    static std::vector<Reference> References(clsRun& run);
    // The references that a run file saved at runPath would not find when reopened: neither that
    // folder nor the program's folder holds the very file under its name.
    std::vector<Reference> NotFoundFrom(const std::string& runPath, clsRun& run) const;
    // Copies the referenced file beside the run file and points the run at the copy. A different
    // file of that name there is never replaced: false, with the reason in errStr.
    bool CopyBeside(const Reference& reference, const std::string& runPath);

    // The file name of a referenced file as it is stored and looked up: its last path component,
    // whichever separator the path uses, so that a run file only ever reaches into its own folder
    // and the program's folder.
    static std::string BareName(const std::string& path);

    std::string fileName;
    std::string errStr;
    // The second place where referenced files are looked for; set at start-up.
    std::string programDir;

private:
    bool ReadRecords(clsLineReader& in, const std::string& runFolder, clsRun& run);
    bool NextRecord(clsLineReader& in, std::string& record);
    bool Fail(const std::string& message);
    bool ReadHeader(clsLineReader& in, clsRun& run);
    // The values of an optional file record ("Unt:", "Fmd:", "Scn:"): none when the line carries
    // another label (that line is then passed over). False at the end of the file.
    bool ReadFileRecord(clsLineReader& in, const std::string& label, std::vector<std::string>& names);
    // The path of a referenced file, or "" after telling the user it cannot be found.
    std::string Locate(const std::string& name, const std::string& runFolder);
    void LoadScenarios(const std::vector<std::string>& names, const std::string& runFolder, clsRun& run);
    bool ReadTabRecords(clsLineReader& in, clsRun& run);
    // The run-wide settings, when the file holds them.
    bool ReadGlobalRecord(clsLineReader& in, clsRun& run);

    clsUserInteraction& ui;
    std::string lineNumber;  // of the record last read, as messages give it
    std::string readProblem; // why a line of the file could not be read, "" while all could

};
