#pragma once

#include "engine/clsFuelModels.h"

#include <fstream>
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

    std::shared_ptr<clsFuelModels> fmColl;
    std::string errStr;

private:
    bool ReadUnitIndicator();
    bool ReadModelLine(std::string& line);
    bool FillModel(const std::vector<std::string>& values, clsFuelModel& model);
    bool ReadNumber(const std::string& text, double& value);
    bool Fail(const std::string& message);
    bool AlreadyLoaded(const std::string& fileName) const;

    std::vector<std::string> loadedFileNames;
    std::string currentFileName;
    int unitIndex = 0;
    int lineCounter = 0;
    std::ifstream file;
};
