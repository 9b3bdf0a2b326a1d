#include "base/FileDlgInteraction.h"

#include "base/FileDlg.h"
#include "runs/Batch.h"
#include "runs/clsRun.h"
#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

// Dialogs asked for by the core (batch, custom fuel models) open where the program's own dialogs
// do: in "userfiles" first, then in the folder last chosen by any of them.
TEST(FileDlgInteraction, CoreDialogsShareTheProgramsFileDialog)
{
    RecordingInteraction screen;
    FileDlg fileDlg("/opt/orvane");
    FileDlgInteraction ui(screen, fileDlg);
    clsRun run(ui);
    Batch batch(run, ui);

    screen.chosenFiles.push_back("/data/fires/ridge.scn");
    batch.SelectBatchFile(true);
    EXPECT_EQ(batch.gBatchIO.fileName, "/data/fires/ridge.scn");
    ASSERT_EQ(screen.fileRequests.size(), 1u);
    EXPECT_EQ(screen.fileRequests[0].initDir, (std::filesystem::path("/opt/orvane") / "userfiles").string());
    EXPECT_EQ(screen.fileRequests[0].title, "Select scenario input file");
    EXPECT_EQ(screen.fileRequests[0].filter, "Scenario Input Files (*.scn)|*.scn");
    EXPECT_EQ(screen.fileRequests[0].flags, FileDlg::cdlOFNFileMustExist | FileDlg::cdlOFNHideReadOnly);
    EXPECT_FALSE(screen.fileRequests[0].save);

    EXPECT_FALSE(run.LoadFuelModelFile());  // cancelled
    ASSERT_EQ(screen.fileRequests.size(), 2u);
    EXPECT_EQ(screen.fileRequests[1].initDir, "/data/fires/");
    EXPECT_EQ(screen.fileRequests[1].title, "Load custom fuel model");
    EXPECT_EQ(screen.fileRequests[1].filterIndex, 2);
    EXPECT_EQ(screen.fileRequests[1].defExt, "fmd");

    batch.SelectBatchFile(false);
    EXPECT_TRUE(screen.fileRequests[2].save);
    EXPECT_EQ(screen.fileRequests[2].initDir, "/data/fires/");

    ui.ShowMessage("through");
    EXPECT_EQ(screen.messages, std::vector<std::string>{"through"});
}
