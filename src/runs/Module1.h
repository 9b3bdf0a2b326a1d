#pragma once

#include "base/clsUserInteraction.h"

#include <cstdint>
#include <string>

class clsRun;

// The start-up checks every Orvane program makes before it does any work.
namespace Module1 {

// The checksum of the "ModelParameters.f" that ships with this build.
constexpr uint32_t ModelParametersCrc = 0xF14B2B15u;
inline const std::string ModelParametersFile = "ModelParameters.f";

std::string AnotherInstanceMessage(const std::string& programName);

// Makes programDir the current directory, verifies the checksum of "ModelParameters.f" and loads
// the standard fuel models into the run, which hands them to its engine. False after telling the
// user why: the program must end.
bool CheckAndLoadModelParameters(const std::string& programDir, clsRun& run, clsUserInteraction& ui);

}  // namespace Module1
