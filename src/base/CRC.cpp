#include "base/CRC.h"

#include "base/clsLineReader.h"

#include <array>

namespace CRC {

namespace {
std::array<uint32_t, 256> table{};
}

uint32_t MakeCrcTable(uint32_t polynomial, uint32_t initial)
{
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? (c >> 1) ^ polynomial : c >> 1;
        table[n] = c;
    }
    return initial;
}

uint32_t UpdateCrc(std::string_view text, uint32_t crc)
{
    for (char ch : text) {
        const uint32_t b = static_cast<unsigned char>(ch);
        crc = (crc >> 8) ^ table[(crc ^ b) & 0xFFu];
    }
    return crc;
}

uint32_t FinishCrc(uint32_t crc)
{
    return ~crc;
}

uint32_t FileCrc(const std::string& fileName, clsUserInteraction& ui)
{
    uint32_t crc = MakeCrcTable(0xEDB88320u, 0xFFFFFFFFu);
    // Every byte counts: a byte-order mark is part of the file being checked.
    clsLineReader in;
    bool readable = in.Open(fileName, false);
    std::string line;
    while (readable) {
        const clsLineReader::Result result = in.ReadLine(line);
        if (result == clsLineReader::Result::End)
            break;
        readable = result == clsLineReader::Result::Line;  // a line too long to check fails as well
        crc = UpdateCrc(line, crc);
    }
    if (!readable) {
        ui.ShowMessage("Failed to compute CRC for " + fileName);
        return 0xFFFFFFFFu;
    }
    return FinishCrc(crc);
}

}  // namespace CRC
