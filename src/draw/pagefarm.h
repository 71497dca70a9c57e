#pragma once

#include <functional>

#include "model/result.h"

/** Runs one job per page on every core and hands each outcome back on the calling thread in page
    order, so that progress is told page by page and a stop or a failure ends the farm at a page
    boundary that a one-at-a-time loop would have reached too.

        const auto result = PPageFarm::run(
            pages, [&](int page, int worker) { return drawPage(copies[worker], page); },
            [&](int page) { return putInPlace(page); });

    Jobs run on up to `threads` workers, never more than a few pages ahead of the one being handed
    back; a job must touch nothing that another job touches (each worker has its own index, from
    0, for the copies it may keep). */
class PPageFarm
{
public:
    using Job = std::function<PResult(int index, int worker)>;
    /** Takes each successful job's work in index order on the calling thread; a failure (such as
        PExportProgress::stopped after the progress callback asked to stop) ends the farm with it. */
    using Collect = std::function<PResult(int index)>;

    /** The workers a farm uses by default: one per core. */
    static int defaultThreads();
    /** The workers a farm of count jobs starts when asked for threads (0: defaultThreads()). */
    static int workersFor(int count, int threads = 0);

    /** Runs job(0) .. job(count - 1), each followed in index order by collect. The outcome is the
        first failure of a job or of collect in that order, or success; jobs after that point that
        have not started never start, and the ones running are waited for. */
    static PResult run(int count, const Job& job, const Collect& collect, int threads = 0);
};
