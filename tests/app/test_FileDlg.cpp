#include "base/FileDlg.h"

#include "support/RecordingInteraction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

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

// A pipe, a device or a folder would be read until something writes to it: it is refused before it
// is opened, as if the dialog had been cancelled; a link to a regular file is taken.
TEST(FileDlg, OnlyARegularFileIsOpened)
{
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe.run").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.File("pipe.run"), dir.path / "link-to-pipe.run");
    std::filesystem::create_directory(dir.path / "folder.run");
    for (const std::string& path : {dir.File("pipe.run"), dir.File("link-to-pipe.run"), std::string("/dev/zero"),
                                    dir.File("folder.run")}) {
        FileDlg dialog("/opt/orvane");
        RecordingInteraction ui;
        ui.chosenFiles.push_back(path);
        EXPECT_EQ(dialog.ShowOpen(ui), "") << path;
        EXPECT_EQ(ui.messages, std::vector<std::string>{"The file " + path + " is not a regular file and cannot be opened."});
        EXPECT_EQ(dialog.fileName, "");
    }
    const std::string real = dir.Write("hill.run", "Name:Hill\r\n");
    std::filesystem::create_symlink(real, dir.path / "link.run");
    FileDlg dialog("/opt/orvane");
    RecordingInteraction ui;
    ui.chosenFiles = {dir.File("link.run"), dir.File("missing.run")};
    EXPECT_EQ(dialog.ShowOpen(ui), dir.File("link.run"));
    EXPECT_EQ(dialog.ShowOpen(ui), dir.File("missing.run"));  // its reader says it is missing
    EXPECT_TRUE(ui.messages.empty());
}
