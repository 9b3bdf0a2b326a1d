#pragma once

#include "base/clsUserInteraction.h"

#include <cstdint>
#include <string>
#include <string_view>

// CRC-32 (reversed polynomial 0xEDB88320) of a text file's characters, line terminators left out.
namespace CRC {

// Fills the checksum table from the polynomial and returns the initial value, to seed the register.
uint32_t MakeCrcTable(uint32_t polynomial, uint32_t initial);
uint32_t UpdateCrc(std::string_view text, uint32_t crc);
uint32_t FinishCrc(uint32_t crc);
// The checksum of the named text file, or 0xFFFFFFFF after telling the user it failed.
uint32_t FileCrc(const std::string& fileName, clsUserInteraction& ui);

}  // namespace CRC
