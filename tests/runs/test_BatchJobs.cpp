// Batch processing with several workers: the same lines, counts, last record and failures as with
// one, wherever in the input the chunks of the workers begin and end.
#include "runs/Batch.h"

#include "GeneratedBatch.h"
#include "RunsTestSupport.h"
#include "runs/clsBatchChunk.h"
#include "runs/clsRun.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>

namespace {

class BatchJobs : public ::testing::Test {
protected:
    BatchJobs() : run(ui), batch(run, ui)
    {
        EXPECT_TRUE(run.LoadFuelModelFile(std::string(ORVANE_BIN_DIR) + "/ModelParameters.f"));
    }

    Batch::Result Process(const std::string& input, int jobs)
    {
        ui.messages.clear();
        batch.gBatchIO.fileName = input;
        batch.gBatchIO.ofileName = output;
        return batch.ProcessBatch(jobs);
    }

    // The generated records, one a line, with a comment line first.
    static std::vector<std::string> Records(int count)
    {
        GeneratedBatch::Draw draw;
        std::vector<std::string> records;
        for (int r = 0; r < count; ++r)
            records.push_back(GeneratedBatch::Record(draw, r));
        return records;
    }
    static std::string Lines(const std::vector<std::string>& records)
    {
        std::string text = "# records\r\n";
        for (const std::string& record : records)
            text += record + "\r\n";
        return text;
    }

    TempFolder folder;
    std::string output = folder.File("out.out");
    RecordingInteraction ui;
    clsRun run;
    Batch batch;
};

TEST_F(BatchJobs, AnyNumberOfJobsGivesTheSameLinesCountsAndLastRecord)
{
    // Chunks of 256 records: the input ends inside the tenth.
    const std::string input = folder.Write("in.scn", GeneratedBatch::Input(9 * clsBatchChunk::Capacity + 77));
    const Batch::Result one = Process(input, 1);
    ASSERT_TRUE(one.completed) << ui.messages.front();
    const std::string lines = ReadWhole(output);
    const clsIO last = batch.gBatchIO;
    EXPECT_GT(one.errors, 0);
    for (const int jobs : {2, 3, 8}) {
        batch.gBatchIO.InitIO();
        const Batch::Result several = Process(input, jobs);
        EXPECT_EQ(several.summary, one.summary) << jobs;
        EXPECT_EQ(several.datasets, one.datasets);
        EXPECT_EQ(several.errors, one.errors);
        EXPECT_TRUE(ReadWhole(output) == lines) << jobs << " jobs wrote other lines";
        // What stays of the batch: its last record, name and result.
        EXPECT_EQ(batch.gBatchIO.Name, last.Name);
        EXPECT_EQ(batch.gBatchIO.IData.LowInputs.fuelModelID, last.IData.LowInputs.fuelModelID);
        EXPECT_EQ(batch.gBatchIO.IData.OpenWindSpeed, last.IData.OpenWindSpeed);
        EXPECT_EQ(std::bit_cast<uint64_t>(batch.gBatchIO.OData.RateOfSpread),
                  std::bit_cast<uint64_t>(last.OData.RateOfSpread));
    }
}

// A line that cannot be read ends every batch at the same place, whichever worker meets it first:
// the same message, and the previous output file as it was.
TEST_F(BatchJobs, ALineThatCannotBeReadStopsEveryNumberOfJobsAlike)
{
    struct Case {
        std::string line;
        std::string message;
    };
    const std::string input = folder.File("in.scn");
    // Record 1500 is physical line 1501, after the comment line.
    const Case cases[] = {
        {"3 1 0.4 1", "Wrong number of values in line number 1501 of Scenario Input file: " + input},
        {std::string(2 << 20, '7'),
         "Line number 1501 of Scenario Input file: " + input + " is longer than 1048576 characters"},
    };
    std::vector<std::string> records = Records(3000);
    for (const Case& c : cases) {
        records[1499] = c.line;
        folder.Write("in.scn", Lines(records));
        for (const int jobs : {1, 2, 4}) {
            folder.Write("out.out", "previous\r\n");
            const Batch::Result result = Process(input, jobs);
            EXPECT_FALSE(result.completed);
            EXPECT_EQ(ui.messages, std::vector<std::string>{c.message + "\r\nNothing was written to " + output + "."})
                << jobs;
            EXPECT_EQ(ReadWhole(output), "previous\r\n");
        }
    }
}

TEST_F(BatchJobs, AnOutputThatFailsHalfWayKeepsThePreviousFileWithAnyNumberOfJobs)
{
    const std::string input = folder.Write("in.scn", Lines(Records(2000)));
    for (const int jobs : {1, 3}) {
        folder.Write("out.out", "previous\r\n");
        Batch::Result result;
        {
            FileSizeLimit full(200000);  // a third of the output
            result = Process(input, jobs);
        }
        EXPECT_FALSE(result.completed);
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Failed to write Scenario Output file: " + output +
                                                        " (File too large)"});
        EXPECT_EQ(ReadWhole(output), "previous\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 2);
    }
}

}  // namespace
