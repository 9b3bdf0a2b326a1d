#pragma once

#include "base/clsLineReader.h"
#include "engine/clsFuelModels.h"

#include <memory>
#include <string>
#include <vector>

// Reads fuel model files (the standard "ModelParameters.f" and custom ".fmd" files) into the
// application's one collection. A load is all or nothing; a file is never read twice.
class FuelModel_IO {
public:
    FuelModel_IO();

    // True on success, also when the file was loaded before; false with errStr set otherwise.
    bool LoadFuelModel(const std::string& fileName);
    // The loaded file name at a 0-based position, or "".
    std::string FMfileNames(int index) const;
    // The file at that position is now known by another path (a copy of it, made beside a run).
    void FileCopiedTo(int index, const std::string& path);
    // errStr of the last failed load, naming the file where errStr names only the line: for messages
    // that stand without the context of the file the user just chose.
    std::string ErrorWithFileName() const;

    std::shared_ptr<clsFuelModels> fmColl;
    std::string errStr;

private:
    clsLineReader::Result ReadModelLine(std::string& line);
    bool FailToRead(clsLineReader::Result result);
    bool ReadUnitIndicator();
    bool CheckBurnable(const clsFuelModel& model);
    bool FillModel(const std::vector<std::string>& values, clsFuelModel& model);
    bool ReadNumber(const std::string& text, double& value);
    bool Fail(const std::string& message, bool namesFile = true);
    bool AlreadyLoaded(const std::string& fileName) const;
    std::string LineNumberText() const { return std::to_string(file.LineNumber()); }

    std::vector<std::string> loadedFileNames;
    std::string currentFileName;
    int unitIndex = 0;
    bool errStrNamesFile = true;
    clsLineReader file;
};
