#include "runs/Module1.h"

#include "base/CRC.h"
#include "runs/clsRun.h"

#include <filesystem>

namespace Module1 {

std::string AnotherInstanceMessage(const std::string& programName)
{
    return "Sorry, the program cannot continue because another instance of " + programName +
           ".exe is already running on this computer.";
}

bool CheckAndLoadModelParameters(const std::string& programDir, clsRun& run, clsUserInteraction& ui)
{
    std::error_code error;
    std::filesystem::current_path(programDir, error);
    if (CRC::FileCrc(ModelParametersFile, ui) != ModelParametersCrc) {
        ui.ShowMessage("The model parameters file has been changed. Torvi must be reinstalled.");
        return false;
    }
    const std::string path = (std::filesystem::path(programDir) / ModelParametersFile).string();
    return run.LoadFuelModelFile(path);
}

}  // namespace Module1
