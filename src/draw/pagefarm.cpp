#include "draw/pagefarm.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace
{
/** How far a worker may run ahead of the page being handed back, in pages a worker: enough to
    keep every core busy while the caller writes, few enough that finished pages do not pile up. */
constexpr int pagesAheadPerWorker = 2;

/** What the workers and the caller share. */
class Farm
{
public:
    Farm(int jobCount, int workerCount, const PPageFarm::Job& jobToRun)
        : count(jobCount), ahead(workerCount * pagesAheadPerWorker), job(jobToRun),
          results(static_cast<size_t>(jobCount))
    {
    }

    void work(int worker)
    {
        for (;;)
        {
            int index = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stopped || next >= count || next < handedBack + ahead; });
                if (stopped || next >= count)
                    return;
                index = next++;
            }
            PResult outcome = job(index, worker);
            std::scoped_lock lock(mutex);
            results[static_cast<size_t>(index)] = std::move(outcome);
            changed.notify_all();
        }
    }

    PResult collect(const PPageFarm::Collect& collectOne)
    {
        for (int index = 0; index < count; ++index)
        {
            PResult outcome = take(index);
            if (outcome.ok() && collectOne)
                outcome = collectOne(index);
            if (!outcome.ok())
                return stop(std::move(outcome));
            std::scoped_lock lock(mutex);
            ++handedBack;
            changed.notify_all();
        }
        return PResult::success();
    }

private:
    PResult take(int index)
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return results[static_cast<size_t>(index)].has_value(); });
        return *results[static_cast<size_t>(index)];
    }

    PResult stop(PResult outcome)
    {
        std::scoped_lock lock(mutex);
        stopped = true;
        changed.notify_all();
        return outcome;
    }

    const int count, ahead;
    const PPageFarm::Job& job;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<PResult>> results;
    int next = 0, handedBack = 0;
    bool stopped = false;
};

PResult runHere(int count, const PPageFarm::Job& job, const PPageFarm::Collect& collect)
{
    for (int index = 0; index < count; ++index)
    {
        PResult outcome = job(index, 0);
        if (outcome.ok() && collect)
            outcome = collect(index);
        if (!outcome.ok())
            return outcome;
    }
    return PResult::success();
}
} // namespace

int PPageFarm::defaultThreads()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int PPageFarm::workersFor(int count, int threads)
{
    return std::clamp(threads > 0 ? threads : defaultThreads(), 1, std::max(count, 1));
}

PResult PPageFarm::run(int count, const Job& job, const Collect& collect, int threads)
{
    const int workers = workersFor(count, threads);
    // One worker is the caller itself: no thread to start, and the simplest order of events.
    if (workers == 1)
        return runHere(count, job, collect);
    Farm farm(count, workers, job);
    std::vector<std::thread> pool;
    pool.reserve(static_cast<size_t>(workers));
    for (int w = 0; w < workers; ++w)
    {
        try
        {
            pool.emplace_back([&farm, w] { farm.work(w); });
        }
        catch (const std::system_error&)
        {
            break; // the system has no more threads to give: the ones started do the work
        }
    }
    if (pool.empty())
        return runHere(count, job, collect);
    PResult outcome = farm.collect(collect);
    for (auto& thread : pool)
        thread.join();
    return outcome;
}
