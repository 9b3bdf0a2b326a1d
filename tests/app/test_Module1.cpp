#include "runs/Module1.h"
#include "runs/clsRun.h"

#include "support/RecordingInteraction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string standardFile = std::string(ORVANE_BIN_DIR) + "/ModelParameters.f";
const std::string reinstall = "The model parameters file has been changed. Torvi must be reinstalled.";

// A program folder of its own; the start-up moves the current directory into it.
class StartUp : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::current_path(std::filesystem::temp_directory_path()); }
    void TearDown() override { std::filesystem::current_path(startDir); }

    std::filesystem::path startDir = std::filesystem::current_path();
    TempDir programDir;
    RecordingInteraction ui;
    clsRun run{ui};
};

}  // namespace

TEST_F(StartUp, LoadsTheStandardModelsFromTheProgramFolder)
{
    programDir.Write("ModelParameters.f", ReadBytes(standardFile));
    EXPECT_TRUE(Module1::CheckAndLoadModelParameters(programDir.path.string(), run, ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(run.defFM.fmColl->Count(), 53u);
    EXPECT_EQ(run.torvi.FuelModels, run.defFM.fmColl);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(programDir.path));
    EXPECT_EQ(run.defFM.FMfileNames(0), (programDir.path / "ModelParameters.f").string());
}

TEST_F(StartUp, AMissingFileEndsTheProgramAfterTwoMessages)
{
    EXPECT_FALSE(Module1::CheckAndLoadModelParameters(programDir.path.string(), run, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Failed to compute CRC for ModelParameters.f", reinstall}));
    EXPECT_EQ(run.defFM.fmColl->Count(), 0u);
}

TEST_F(StartUp, AFileThatCannotBeReadEndsTheProgramAfterTwoMessages)
{
    // A folder in its place, and a file whose reading fails (the process's memory at offset 0).
    std::filesystem::create_directory(programDir.path / "ModelParameters.f");
    EXPECT_FALSE(Module1::CheckAndLoadModelParameters(programDir.path.string(), run, ui));
    std::filesystem::remove(programDir.path / "ModelParameters.f");
    std::filesystem::create_symlink("/proc/self/mem", programDir.path / "ModelParameters.f");
    EXPECT_FALSE(Module1::CheckAndLoadModelParameters(programDir.path.string(), run, ui));
    const std::string failed = "Failed to compute CRC for ModelParameters.f";
    EXPECT_EQ(ui.messages, (std::vector<std::string>{failed, reinstall, failed, reinstall}));
    EXPECT_EQ(run.defFM.fmColl->Count(), 0u);
}

TEST_F(StartUp, AChangedFileEndsTheProgramBeforeAnyModelLoads)
{
    std::string bytes = ReadBytes(standardFile);
    bytes.replace(bytes.find("Short grass"), 5, "Tall ");
    programDir.Write("ModelParameters.f", bytes);
    EXPECT_FALSE(Module1::CheckAndLoadModelParameters(programDir.path.string(), run, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{reinstall});
    EXPECT_EQ(run.defFM.fmColl->Count(), 0u);
}

TEST(StartUpMessages, AnotherInstance)
{
    EXPECT_EQ(Module1::AnotherInstanceMessage("Orvane"),
              "Sorry, the program cannot continue because another instance of Orvane.exe is already running on "
              "this computer.");
}
