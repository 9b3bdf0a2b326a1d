#pragma once

#include "app/clsUserInteraction.h"
#include "engine/FuelModel_IO.h"

#include <cstdint>
#include <string>

// The start-up checks every Orvane program makes before it does any work.
namespace Module1 {

// The checksum of the "ModelParameters.f" that ships with this build.
constexpr uint32_t ModelParametersCrc = 0xF14B2B15u;
inline const std::string ModelParametersFile = "ModelParameters.f";

std::string AnotherInstanceMessage(const std::string& programName);

// Makes programDir the current directory, verifies the checksum of "ModelParameters.f" and loads
// the standard fuel models into the reader. False after telling the user why: the program must end.
bool CheckAndLoadModelParameters(const std::string& programDir, FuelModel_IO& reader, clsUserInteraction& ui);

}  // namespace Module1
