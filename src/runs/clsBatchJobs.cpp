#include "runs/clsBatchJobs.h"

clsBatchJobs::clsBatchJobs(std::vector<std::unique_ptr<clsBatchWorker>> batchWorkers)
    : workers(std::move(batchWorkers))
{
    if (workers.size() > 1)
        for (const auto& worker : workers)
            threads.emplace_back([this, w = worker.get()] { Work(*w); });
}

clsBatchJobs::~clsBatchJobs()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    work.notify_all();
    for (std::thread& thread : threads)
        thread.join();
}

void clsBatchJobs::Submit(std::unique_ptr<clsBatchChunk> chunk)
{
    {
        const std::lock_guard lock(mutex);
        waiting.emplace_back(submitted++, std::move(chunk));
    }
    work.notify_one();
}

std::unique_ptr<clsBatchChunk> clsBatchJobs::NextDone()
{
    if (returned == submitted)
        return nullptr;
    std::unique_lock lock(mutex);
    if (threads.empty()) {
        std::unique_ptr<clsBatchChunk> chunk = std::move(waiting.front().second);
        waiting.pop_front();
        lock.unlock();
        workers.front()->Process(*chunk);
        ++returned;
        return chunk;
    }
    done.wait(lock, [this] { return finished.count(returned) != 0; });
    const auto it = finished.find(returned);
    std::unique_ptr<clsBatchChunk> chunk = std::move(it->second);
    finished.erase(it);
    ++returned;
    return chunk;
}

void clsBatchJobs::Work(clsBatchWorker& worker)
{
    std::unique_lock lock(mutex);
    for (;;) {
        work.wait(lock, [this] { return stopping || !waiting.empty(); });
        if (stopping)
            return;
        auto [sequence, chunk] = std::move(waiting.front());
        waiting.pop_front();
        lock.unlock();
        worker.Process(*chunk);
        lock.lock();
        finished.emplace(sequence, std::move(chunk));
        done.notify_one();
    }
}
