// The output of orvane-batch, byte for byte, over a generated input of a hundred thousand records in
// the 16-column grid of the files the program writes (GeneratedBatch.h, padded): the records are read
// there the quick way, value by value, and their error lines quote the padded data lines. The output
// a single thread gives is pinned by the checksum of the output the batch gave before that reading
// was made; every number of threads and the standard streams give those same bytes, summary and exit
// status.

#include "GeneratedBatch.h"
#include "RunsTestSupport.h"
#include "support/ToolRunner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const std::string Tool = std::string(ORVANE_BIN_DIR) + "/orvane-batch";

// FNV-1a, 64 bits.
uint64_t Checksum(const std::string& bytes)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

TEST(BatchPaddedBytes, EveryWayOfRunningGivesTheSameBytesAsBefore)
{
    constexpr uint64_t ExpectedChecksum = 0x4cc911e9765bf55full;
    constexpr std::size_t ExpectedSize = 30916071;
    const std::string expectedCounts = "Generated 96527 output datasets to ";
    const std::string expectedErrors = "\nEncountered 3473 errors.\n";

    TempFolder folder;
    TempFolder capture("capture");
    folder.Write("padded.scn", GeneratedBatch::Input(100000, true));
    const auto run = [&](const std::string& arguments) {
        return RunTool(Tool, folder.path.string(), arguments, capture.path.string());
    };

    const ToolResult single = run("--jobs 1 padded.scn single.out");
    ASSERT_EQ(single.status, 3) << single.err;  // completed, with error lines
    EXPECT_EQ(single.out, expectedCounts + folder.File("single.out") + expectedErrors);
    const std::string bytes = ReadWhole(folder.File("single.out"));
    EXPECT_EQ(bytes.size(), ExpectedSize);
    EXPECT_EQ(Checksum(bytes), ExpectedChecksum);

    for (const std::string jobs : {"2", "3"}) {
        const ToolResult parallel = run("--force --jobs " + jobs + " padded.scn jobs.out");
        EXPECT_EQ(parallel.status, 3) << jobs;
        EXPECT_EQ(parallel.out, expectedCounts + folder.File("jobs.out") + expectedErrors) << jobs;
        EXPECT_TRUE(ReadWhole(folder.File("jobs.out")) == bytes) << "--jobs " << jobs << " wrote other bytes";
    }

    const ToolResult filter = run("--jobs 2 - < padded.scn");
    EXPECT_EQ(filter.status, 3);
    EXPECT_EQ(filter.err, expectedCounts + "standard output" + expectedErrors);
    EXPECT_TRUE(filter.out == bytes) << "standard output differs";
}

}  // namespace
