#include "runs/SplitScnBatch.h"

#include "RunsTestSupport.h"
#include "runs/clsRun.h"
#include "support/FileSizeLimit.h"
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

// The command asks before replacing scenario files that exist, naming them: Yes replaces them, No
// keeps them and writes their records under numbered names, Cancel writes nothing.
TEST_F(SplitTest, TheCommandAsksBeforeReplacingFiles)
{
    using Answer = clsUserInteraction::Answer;
    const std::string batch = folder.Write("many.scn", Record("North") + Record("South") + Record("North", "2"));
    const std::string question = "These scenario files already exist:\r\n" + folder.File("North.scn") +
                                 "\r\nWould you like to replace them? No keeps them and writes their scenarios "
                                 "under numbered names.";
    struct Case {
        Answer answer;
        std::vector<std::string> written;  // besides the batch file and the North.scn that was there
        std::string north;
    };
    const std::vector<Case> cases = {
        {Answer::Cancel, {}, "kept"},
        {Answer::No, {"North-2.scn", "South.scn", "North-3.scn"}, "kept"},
        {Answer::Yes, {"South.scn", "North-2.scn"}, Single(Record("North"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        for (const auto& entry : std::filesystem::directory_iterator(folder.path))
            if (entry.path() != batch)
                std::filesystem::remove(entry.path());
        folder.Write("North.scn", "kept");
        ui = RecordingInteraction();
        ui.chosenFiles = {batch};
        ui.choices = {c.answer};
        split.SplitBatch();
        EXPECT_EQ(ui.questions, std::vector<std::string>{question});
        EXPECT_EQ(ReadWhole(folder.File("North.scn")), c.north);
        for (const std::string& name : c.written)
            EXPECT_TRUE(std::filesystem::exists(folder.File(name))) << name;
        EXPECT_EQ(FileCount(), 2 + c.written.size());
    }
    EXPECT_EQ(ReadWhole(folder.File("North-2.scn")), Single(Record("North", "2")));
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

TEST_F(SplitTest, TwoRecordsNamedAlikeReachFilesOfTheirOwn)
{
    const SplitScnBatch::Result result = Split(Record("Same", "3", "5") + Record("Same", "3", "9"), false);
    EXPECT_EQ(result.summary, Summary(2) + "\r\nRecord #2 was written to Same-2.scn, as Same.scn was taken.");
    EXPECT_EQ(ReadWhole(folder.File("Same.scn")), Single(Record("Same", "3", "5")));
    EXPECT_EQ(ReadWhole(folder.File("Same-2.scn")), Single(Record("Same", "3", "9")));
}

TEST_F(SplitTest, ALineWithTooFewValuesEndsTheSplitAndSaysSo)
{
    const SplitScnBatch::Result result = Split(Record("A") + Record("B") + "1 2 3\r\n" + Record("D"));
    EXPECT_EQ(result.summary,
              Summary(2) + "\r\nWrong number of values in line number 3 of Scenario Input file: " + folder.File("batch.scn"));
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.files, 2);
    EXPECT_FALSE(std::filesystem::exists(folder.File("D.scn")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SplitTest, ARecordWithLettersIsLeftOutAndNamed)
{
    const SplitScnBatch::Result result = Split(Record("A", "x") + Record("B") + Record("C", "3", "fast"));
    const std::string file = folder.File("batch.scn");
    EXPECT_EQ(result.summary, Summary(1) + "\r\nInvalid SIMT value x in line number 1 of Scenario Input file: " + file +
                                  "\r\nInvalid OWND value fast in line number 3 of Scenario Input file: " + file);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.unreadRecords.size(), 2u);
    EXPECT_EQ(result.files, 1);
    EXPECT_EQ(FileCount(), 2u);
}

TEST_F(SplitTest, UnreadableOrEmptyBatchFiles)
{
    for (const std::string& batch : {folder.File("absent.scn"), folder.path.string()}) {
        ui.messages.clear();
        split.gSplitIO.fileName = batch;
        const SplitScnBatch::Result result = split.SplitFile();
        EXPECT_EQ(ui.messages, (std::vector<std::string>{"Failed to open Scenario Input file: " + batch}));
        EXPECT_EQ(result.summary, "");
        EXPECT_FALSE(result.completed);
    }

    ui.messages.clear();
    SplitScnBatch::Result result = Split("1 2\r\n" + Record("B"));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Wrong number of values in line number 1 of Scenario Input file: " +
                                                     folder.File("batch.scn")}));
    EXPECT_EQ(result.summary, "");

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
    EXPECT_EQ(result.summary, Summary(2) + "\r\nRecord #1 was written to batch-2.scn, as batch.scn was taken.");
    EXPECT_EQ(ReadWhole(folder.File("batch.scn")), content);
    EXPECT_EQ(ReadWhole(folder.File("batch-2.scn")), Single(Record("batch")));
}

TEST_F(SplitTest, MadeUpNamesThatClashGetANumberAndEveryRecordItsFile)
{
    const SplitScnBatch::Result result =
        Split(Record("../../escape") + Record("a\\b") + Record("a/b") + Record("a_b") + Record("a_b-2") + Record("") +
              Record("scenario-5") + Record(std::string("bell\x07") + "\x7F"));
    const std::vector<std::string> expected = {".._.._escape.scn", "a_b.scn",    "a_b-2.scn",      "a_b-3.scn",
                                               "a_b-2-2.scn",      "scenario-5.scn", "scenario-5-2.scn", "bell__.scn"};
    for (const std::string& name : expected)
        EXPECT_TRUE(std::filesystem::exists(folder.File(name))) << name;
    EXPECT_EQ(result.files, 8);
    EXPECT_EQ(FileCount(), 9u);
    EXPECT_EQ(result.summary, Summary(8) +
                                  "\r\nRecord #3 was written to a_b-2.scn, as a_b.scn was taken."
                                  "\r\nRecord #4 was written to a_b-3.scn, as a_b.scn was taken."
                                  "\r\nRecord #5 was written to a_b-2-2.scn, as a_b-2.scn was taken."
                                  "\r\nRecord #7 was written to scenario-5-2.scn, as scenario-5.scn was taken.");
}

TEST_F(SplitTest, ANameTooLongForAFileIsShortened)
{
    // 300 bytes of two-byte letters: the file name keeps whole letters within 255 bytes.
    std::string longName;
    for (int i = 0; i < 150; ++i)
        longName += "\xC3\xA9";
    const SplitScnBatch::Result result = Split(Record(longName) + Record(longName));
    const std::string first = longName.substr(0, 250) + ".scn";
    const std::string second = longName.substr(0, 248) + "-2.scn";
    EXPECT_EQ(result.files, 2);
    EXPECT_EQ(ReadWhole(folder.File(first)), Single(Record(longName)));
    EXPECT_TRUE(std::filesystem::exists(folder.File(second)));
    EXPECT_EQ(SplitScnBatch::SplitFileName(" " + longName, 0), first);
    EXPECT_EQ(SplitScnBatch::SplitFileName(std::string(300, 'x'), 0), std::string(251, 'x') + ".scn");
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
    SplitScnBatch::Result result = Split(Record("First") + Record("Blocked") + Record("Last"));
    EXPECT_EQ(result.summary, "");
    EXPECT_FALSE(result.completed);
    EXPECT_FALSE(result.refusedExisting);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"The scenario file " + folder.File("Blocked.scn") +
                                                     " is not a regular file and is not replaced."}));
    EXPECT_TRUE(std::filesystem::exists(folder.File("First.scn")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("Last.scn")));

    // Full half-way through the first file: the previous file of that name stays as it was.
    ui.messages.clear();
    folder.Write("First.scn", "previous\r\n");
    split.gSplitIO.fileName = folder.Write("batch.scn", Record("First") + Record("Second"));
    {
        FileSizeLimit full(500);
        result = split.SplitFile();
    }
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error saving scenario file " + folder.File("First.scn") +
                                                     "\r\nFailed to write Scenario Input file: " +
                                                     folder.File("First.scn") + " (File too large)"}));
    EXPECT_EQ(ReadWhole(folder.File("First.scn")), "previous\r\n");
    EXPECT_EQ(FileCount(), 3u);  // the batch file, First.scn and the folder: no temporary left
}
