#include "base/CRC.h"
#include "runs/Module1.h"

#include "support/RecordingInteraction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
const std::string standardFile = std::string(ORVANE_BIN_DIR) + "/ModelParameters.f";
}

TEST(CRC, LineEndsAreNotPartOfTheChecksum)
{
    TempDir dir;
    RecordingInteraction ui;
    for (const char* bytes : {"abc", "abc\r\n", "abc\r", "abc\n"})
        EXPECT_EQ(CRC::FileCrc(dir.Write("abc.txt", bytes), ui), 0x352441C2u) << bytes;
    EXPECT_EQ(CRC::FileCrc(dir.Write("empty.txt", "\r\n\r\n"), ui), 0u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(CRC, TheBuiltInChecksumIsThatOfTheShippedFile)
{
    RecordingInteraction ui;
    EXPECT_EQ(CRC::FileCrc(standardFile, ui), Module1::ModelParametersCrc)
        << "ModelParameters.f changed: build the new checksum into Module1::ModelParametersCrc";
}

TEST(CRC, ChangedLineEndsPassAndAChangedCharacterFails)
{
    TempDir dir;
    RecordingInteraction ui;
    std::string bytes = ReadBytes(standardFile);
    std::string crOnly;
    for (char c : bytes)
        if (c != '\n')
            crOnly.push_back(c);
    EXPECT_EQ(CRC::FileCrc(dir.Write("cr.f", crOnly), ui), Module1::ModelParametersCrc);

    const auto at = bytes.find("FM10 3.01");
    ASSERT_NE(at, std::string::npos);
    bytes[at + 6] = '1';  // 3.01 becomes 3.11
    EXPECT_NE(CRC::FileCrc(dir.Write("changed.f", bytes), ui), Module1::ModelParametersCrc);
}

TEST(CRC, AMissingFileIsReported)
{
    RecordingInteraction ui;
    EXPECT_EQ(CRC::FileCrc("no-such-file.f", ui), 0xFFFFFFFFu);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Failed to compute CRC for no-such-file.f"});
}
