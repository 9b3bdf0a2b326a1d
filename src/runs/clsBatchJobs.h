#pragma once

#include "runs/clsBatchChunk.h"
#include "runs/clsBatchWorker.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Batch workers on threads of their own: chunks go in and come back done, in the order they went
// in. With one worker there is no thread: a chunk is done on the caller's thread when it is taken
// back. Destroying the jobs lets the chunks being worked on finish and drops the others.
class clsBatchJobs {
public:
    explicit clsBatchJobs(std::vector<std::unique_ptr<clsBatchWorker>> workers);
    ~clsBatchJobs();
    clsBatchJobs(const clsBatchJobs&) = delete;
    clsBatchJobs& operator=(const clsBatchJobs&) = delete;

    void Submit(std::unique_ptr<clsBatchChunk> chunk);
    // The oldest chunk submitted and not yet taken back, once it is done; none when none is left.
    std::unique_ptr<clsBatchChunk> NextDone();
    int64_t InFlight() const { return submitted - returned; }

private:
    void Work(clsBatchWorker& worker);

    std::vector<std::unique_ptr<clsBatchWorker>> workers;
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::condition_variable work;  // a chunk to do, or the end
    std::condition_variable done;  // a chunk done
    std::deque<std::pair<int64_t, std::unique_ptr<clsBatchChunk>>> waiting;
    std::map<int64_t, std::unique_ptr<clsBatchChunk>> finished;
    int64_t submitted = 0;
    int64_t returned = 0;
    bool stopping = false;
};
