#include "app/FileDlg.h"

#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(FileDlg, StartsInTheUserFilesFolder)
{
    FileDlg dialog("/opt/orvane");
    EXPECT_EQ(dialog.InitDir, (std::filesystem::path("/opt/orvane") / "userfiles").string());
    EXPECT_EQ(dialog.DialogTitle, "File Dialog");
    EXPECT_EQ(dialog.FilterIndex, 1);
    EXPECT_TRUE(dialog.LastDir);
}

TEST(FileDlg, AChoiceDescribesItselfAndBecomesTheNextFolder)
{
    FileDlg dialog("/opt/orvane");
    RecordingInteraction ui;
    dialog.Filter = "Scenario Files (*.scn)|*.scn";
    dialog.DialogTitle = "Load scenario input data";
    dialog.flags = FileDlg::cdlOFNFileMustExist;
    ui.chosenFiles.push_back("/data/fires/ridge.scn");
    EXPECT_EQ(dialog.ShowOpen(ui), "/data/fires/ridge.scn");

    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const auto& request = ui.fileRequests[0];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.filter, "Scenario Files (*.scn)|*.scn");
    EXPECT_EQ(request.defExt, "scn");
    EXPECT_EQ(request.flags, FileDlg::cdlOFNFileMustExist | FileDlg::cdlOFNHideReadOnly);
    EXPECT_EQ(request.initDir, (std::filesystem::path("/opt/orvane") / "userfiles").string());
    EXPECT_EQ(dialog.fileTitle, "ridge.scn");
    EXPECT_EQ(dialog.fileDir, "/data/fires/");
    EXPECT_EQ(dialog.fileExt, "scn");
    EXPECT_EQ(dialog.InitDir, "/data/fires/");

    // The proposed name's folder is where the next dialog opens.
    dialog.fileName = "/data/other/north.scn";
    ui.chosenFiles.push_back("/data/other/south.scn");
    EXPECT_EQ(dialog.ShowSave(ui), "/data/other/south.scn");
    EXPECT_TRUE(ui.fileRequests[1].save);
    EXPECT_EQ(ui.fileRequests[1].initDir, "/data/other/");
    EXPECT_EQ(ui.fileRequests[1].fileName, "/data/other/north.scn");
}

TEST(FileDlg, CancellingReturnsNothingAndKeepsTheFolder)
{
    FileDlg dialog("/opt/orvane");
    RecordingInteraction ui;
    const std::string before = dialog.InitDir;
    EXPECT_EQ(dialog.ShowOpen(ui), "");
    EXPECT_EQ(dialog.fileName, "");
    EXPECT_EQ(dialog.InitDir, before);
}
