// Batch and split report their progress to the person, who may cancel them.

#include "runs/Batch.h"
#include "runs/SplitScnBatch.h"

#include "RunsTestSupport.h"
#include "runs/clsRun.h"
#include "support/RecordingInteraction.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

// Records the progress shown, and cancels at the progress report cancelAt (1-based; never at 0).
class CancellingInteraction : public RecordingInteraction {
public:
    void BeginProgress(const std::string& title) override { titles.push_back(title); }
    bool ShowProgress(int64_t recordsDone, double fractionRead) override
    {
        records.push_back(recordsDone);
        fractions.push_back(fractionRead);
        return static_cast<int>(records.size()) != cancelAt;
    }
    void EndProgress() override { ++ended; }

    int cancelAt = 0;
    std::vector<std::string> titles;
    std::vector<int64_t> records;
    std::vector<double> fractions;
    int ended = 0;
};

// A surface fire in fuel model 1 named after its number.
std::string Records(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "3 1 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 10 20 0 Stand" + std::to_string(i) + "\r\n";
    return text;
}

class BatchProgress : public ::testing::Test {
protected:
    BatchProgress() : run(ui), batch(run, ui), split(run, ui)
    {
        EXPECT_TRUE(run.LoadFuelModelFile(std::string(ORVANE_BIN_DIR) + "/ModelParameters.f"));
    }

    // 1000 records into "out.out": the batch takes them 256 at a time.
    Batch::Result ProcessThousand()
    {
        batch.gBatchIO.fileName = folder.Write("in.scn", Records(1000));
        batch.gBatchIO.ofileName = folder.File("out.out");
        return batch.ProcessBatch(1);
    }

    TempFolder folder;
    CancellingInteraction ui;
    clsRun run;
    Batch batch;
    SplitScnBatch split;
};

}  // namespace

TEST_F(BatchProgress, ABatchReportsTheRecordsDoneInOrderAndThePartOfTheInputRead)
{
    const Batch::Result result = ProcessThousand();
    ASSERT_TRUE(result.completed);
    EXPECT_EQ(ui.titles, std::vector<std::string>{"Batch"});
    EXPECT_EQ(ui.records, (std::vector<int64_t>{256, 512, 768, 1000}));
    // The reader runs ahead of the records done.
    for (std::size_t i = 1; i < ui.fractions.size(); ++i)
        EXPECT_GE(ui.fractions[i], ui.fractions[i - 1]);
    EXPECT_GT(ui.fractions.front(), 0);
    EXPECT_DOUBLE_EQ(ui.fractions.back(), 1);
    EXPECT_EQ(ui.ended, 1);
}

TEST_F(BatchProgress, ACancelledBatchLeavesThePreviousOutputAsItWasAndSaysSo)
{
    const std::string previous = folder.Write("out.out", "the previous output\r\n");
    ui.cancelAt = 2;
    const Batch::Result result = ProcessThousand();
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.summary, "");
    EXPECT_EQ(ReadWhole(previous), "the previous output\r\n");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "The batch was cancelled after 512 records.\r\nThe output file " + previous +
                                  " was left as it was.");
    EXPECT_EQ(ui.ended, 1);
    // No half-written file stays beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 2);
}

TEST_F(BatchProgress, ACancelledFirstBatchWritesNoOutputFile)
{
    ui.cancelAt = 1;
    ProcessThousand();
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.out")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "The batch was cancelled after 256 records.\r\nNothing was written to " + folder.File("out.out") + ".");
}

TEST_F(BatchProgress, ACancelledSplitKeepsTheFilesWrittenAndListsThem)
{
    split.gSplitIO.fileName = folder.Write("batch.scn", Records(5));
    ui.cancelAt = 2;
    const SplitScnBatch::Result result = split.SplitFile();
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(ui.titles, std::vector<std::string>{"Split scenario batch file"});
    EXPECT_EQ(ui.records, (std::vector<int64_t>{1, 2}));
    EXPECT_TRUE(std::filesystem::exists(folder.File("Stand1.scn")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("Stand2.scn")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("Stand3.scn")));
    EXPECT_EQ(result.summary, "The split of " + folder.File("batch.scn") +
                                  " was cancelled after 2 records. The 2 scenario input files written are kept:\r\n" +
                                  folder.File("Stand1.scn") + "\r\n" + folder.File("Stand2.scn"));
    EXPECT_EQ(ui.ended, 1);
}

// Split first reads the whole file for the scenario files it would replace. Cancelled then, it must
// not go on to split without asking: that replaced files the question had not yet found.
TEST_F(BatchProgress, ASplitCancelledWhileLookingForExistingFilesWritesAndAsksNothing)
{
    const std::string batchFile = folder.Write("batch.scn", Records(5));
    const std::string existing = folder.Write("Stand4.scn", "kept as it was\r\n");
    ui.chosenFiles.push_back(batchFile);
    ui.cancelAt = 2;
    split.SplitBatch();
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.File("Stand1.scn")));
    EXPECT_EQ(ReadWhole(existing), "kept as it was\r\n");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The split of " + batchFile +
                                                    " was cancelled after reading 2 records, before any scenario "
                                                    "input file was written."});
}
