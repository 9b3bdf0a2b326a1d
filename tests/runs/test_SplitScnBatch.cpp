#include "runs/SplitScnBatch.h"

#include "RunsTestSupport.h"
#include "runs/clsRun.h"
#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

namespace {

std::string Record(const std::string& name, const std::string& type = "3", const std::string& wind = "12")
{
    return type + " 1 0.4 1 1 1 4 0.3 1 1 1 6 7 8 90 120 0.1 10 1 100 2 " + wind + " 20 0 " + name + "\r\n";
}

// The file the writer makes for one record.
std::string Single(const std::string& record)
{
    TempFolder scratch("expected");
    ScenarioInput_IO reader, writer;
    clsTorviInputs r;
    std::string name;
    const std::string in = scratch.Write("in.scn", record);
    EXPECT_TRUE(reader.FetchFirstScenInp(in, r, name));
    reader.CloseScenInpFile();
    EXPECT_TRUE(writer.SaveScenInp(scratch.File("out.scn"), r, name));
    return ReadWhole(scratch.File("out.scn"));
}

class SplitTest : public ::testing::Test {
protected:
    SplitTest() : run(ui), split(run, ui) {}

    SplitScnBatch::Result Split(const std::string& content, bool replace = true)
    {
        split.gSplitIO.fileName = folder.Write("batch.scn", content);
        return split.SplitFile(replace);
    }
    std::string Summary(int files) const
    {
        return "Generated " + std::to_string(files) + " scenario input files from " + folder.File("batch.scn");
    }
    std::size_t FileCount() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path), {}));
    }

    TempFolder folder;
    RecordingInteraction ui;
    clsRun run;
    SplitScnBatch split;
};

}  // namespace

TEST_F(SplitTest, NorthSouthAndAnUnnamedRecord)
{
    const SplitScnBatch::Result result =
        Split("# batch\r\n" + Record("North", "2") + "\r\n" + Record("South") + Record(""));
    EXPECT_EQ(result.summary, Summary(3));
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(ReadWhole(folder.File("North.scn")), Single(Record("North", "2")));
    EXPECT_NE(ReadWhole(folder.File("North.scn")).find("10              0.4             "), std::string::npos);
    EXPECT_EQ(ReadWhole(folder.File("South.scn")), Single(Record("South")));
    EXPECT_EQ(ReadWhole(folder.File("scenario-2.scn")), Single(Record("")));
    EXPECT_EQ(FileCount(), 4u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SplitTest, TheCommandAsksForTheBatchFileAndShowsTheSummary)
{
    ui.chosenFiles = {folder.Write("many.scn", Record("Only one"))};
    split.SplitBatch();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter, "Scenario Input Files (*.scn)|*.scn");
    EXPECT_EQ(ui.fileRequests[0].title, "Select scenario input batch file");
    EXPECT_EQ(ui.fileRequests[0].flags, 0x1000);
    EXPECT_EQ(ui.fileRequests[0].filterIndex, 1);
    EXPECT_FALSE(ui.fileRequests[0].save);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Generated 1 scenario input files from " + folder.File("many.scn")}));
    EXPECT_TRUE(std::filesystem::exists(folder.File("Only one.scn")));

    ui.messages.clear();
    split.SplitBatch();  // cancelled
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(split.gSplitIO.fileName, "");
}

TEST_F(SplitTest, UnnamedRecordsCountTheFilesWrittenSoFar)
{
    Split(Record("") + Record("First") + Record(" \t"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("scenario-0.scn")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("First.scn")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("scenario-2.scn")));
    EXPECT_EQ(SplitScnBatch::SplitFileName(" Two  words", 0), "Two  words.scn");
    EXPECT_EQ(SplitScnBatch::SplitFileName("", 7), "scenario-7.scn");
}

TEST_F(SplitTest, TwoRecordsNamedAlikeLeaveTheLaterOne)
{
    const SplitScnBatch::Result result = Split(Record("Same", "3", "5") + Record("Same", "3", "9"), false);
    EXPECT_EQ(result.summary, Summary(2));
    EXPECT_EQ(ReadWhole(folder.File("Same.scn")), Single(Record("Same", "3", "9")));
}

TEST_F(SplitTest, ALineWithTooFewValuesEndsTheSplitAndSaysSo)
{
    const SplitScnBatch::Result result = Split(Record("A") + Record("B") + "1 2 3\r\n" + Record("D"));
    EXPECT_EQ(result.summary, Summary(2) + "\r\nWrong number of values in line number 3");
    EXPECT_FALSE(result.completed);
    EXPECT_FALSE(std::filesystem::exists(folder.File("D.scn")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SplitTest, ARecordWithLettersIsLeftOutAndNamed)
{
    const SplitScnBatch::Result result = Split(Record("A", "x") + Record("B") + Record("C", "3", "fast"));
    const std::string file = folder.File("batch.scn");
    EXPECT_EQ(result.summary, Summary(1) + "\r\nInvalid SIMT value x in line number 1 of Scenario Input file: " + file +
                                  "\r\nInvalid OWND value fast in line number 3 of Scenario Input file: " + file);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.files, 1);
    EXPECT_EQ(FileCount(), 2u);
}

TEST_F(SplitTest, UnreadableOrEmptyBatchFiles)
{
    split.gSplitIO.fileName = folder.File("absent.scn");
    SplitScnBatch::Result result = split.SplitFile();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Failed to open Scenario Input file: " + folder.File("absent.scn")}));
    EXPECT_EQ(result.summary, "Generated 0 scenario input files from " + folder.File("absent.scn"));

    ui.messages.clear();
    result = Split("1 2\r\n" + Record("B"));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Wrong number of values in line number 1"}));
    EXPECT_EQ(result.summary, Summary(0));

    ui.messages.clear();
    result = Split("# nothing\r\n");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(result.summary, Summary(0));
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(SplitTest, ARecordNamedLikeTheBatchFileDoesNotOverwriteIt)
{
    const std::string content = Record("batch") + Record("Other");
    const SplitScnBatch::Result result = Split(content);
    EXPECT_EQ(result.summary, Summary(2));
    EXPECT_EQ(ReadWhole(folder.File("batch.scn")), content);
    EXPECT_EQ(ReadWhole(folder.File("batch-split.scn")), Single(Record("batch")));
}

TEST_F(SplitTest, NamesWithFolderSeparatorsStayBesideTheBatchFile)
{
    Split(Record("../../escape") + Record("a\\b"));
    EXPECT_TRUE(std::filesystem::exists(folder.File(".._.._escape.scn")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("a_b.scn")));
    EXPECT_EQ(FileCount(), 3u);
}

TEST_F(SplitTest, WithoutReplacingAnExistingFileStopsTheSplit)
{
    folder.Write("South.scn", "mine\r\n");
    const SplitScnBatch::Result result = Split(Record("North") + Record("South") + Record("East"), false);
    EXPECT_EQ(result.summary, "");
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.files, 1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"The scenario file " + folder.File("South.scn") +
                                                     " already exists and is not replaced."}));
    EXPECT_EQ(ReadWhole(folder.File("South.scn")), "mine\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("East.scn")));
    clsTorviInputs r;
    std::string name;
    EXPECT_FALSE(run.scenIn_IO.FetchNextScenInp(r, name));
    EXPECT_EQ(run.scenIn_IO.errStr, "Scenario input file is not open");
}

TEST_F(SplitTest, AFileThatCannotBeWrittenStopsTheSplit)
{
    std::filesystem::create_directory(folder.File("Blocked.scn"));  // a folder in the way
    const SplitScnBatch::Result result = Split(Record("First") + Record("Blocked") + Record("Last"));
    EXPECT_EQ(result.summary, "");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error saving scenario file " + folder.File("Blocked.scn")}));
    EXPECT_TRUE(std::filesystem::exists(folder.File("First.scn")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("Last.scn")));
}
