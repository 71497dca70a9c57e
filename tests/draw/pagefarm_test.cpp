#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "draw/exportprogress.h"
#include "draw/pagefarm.h"

namespace
{
/** A job that takes longer for early pages, so that later ones tend to finish first. */
PResult slowerEarly(int index, int count)
{
    for (int spin = 0; spin < (count - index) * 20; ++spin)
        std::this_thread::yield();
    return PResult::success();
}
} // namespace

TEST(PageFarm, HandsBackEveryPageInOrderOnTheCallingThreadWhateverOrderTheyFinishIn)
{
    constexpr int count = 40;
    for (const int threads : {1, 2, 5})
    {
        std::vector<int> collected;
        std::set<int> workers;
        std::mutex seen;
        const auto caller = std::this_thread::get_id();
        const auto outcome = PPageFarm::run(
            count,
            [&](int i, int worker)
            {
                {
                    const std::scoped_lock lock(seen);
                    workers.insert(worker);
                }
                return slowerEarly(i, count);
            },
            [&](int i)
            {
                EXPECT_EQ(std::this_thread::get_id(), caller);
                collected.push_back(i);
                return PResult::success();
            },
            threads);
        EXPECT_TRUE(outcome.ok());
        std::vector<int> expected(count);
        for (int i = 0; i < count; ++i)
            expected[static_cast<size_t>(i)] = i;
        EXPECT_EQ(collected, expected) << threads << " threads";
        EXPECT_LE(static_cast<int>(workers.size()), threads);
        EXPECT_GE(*workers.begin(), 0);
        EXPECT_LT(*workers.rbegin(), PPageFarm::workersFor(count, threads));
    }
}

// A one-at-a-time loop stops at the failing page; the farm must end at the same boundary and
// start only the few pages its workers had run ahead to.
TEST(PageFarm, AFailedPageOrAStopEndsThereAndLaterPagesAreNotStarted)
{
    constexpr int count = 200, failing = 5;
    for (const int threads : {1, 2})
    {
        std::atomic<int> started{0};
        std::vector<int> collected;
        const auto failed = PPageFarm::run(
            count,
            [&](int i, int)
            {
                ++started;
                return i == failing ? PResult::failure("Message.MemError") : PResult::success();
            },
            [&](int i)
            {
                collected.push_back(i);
                return PResult::success();
            },
            threads);
        EXPECT_EQ(failed.messageKey(), "Message.MemError");
        EXPECT_EQ(collected, (std::vector<int>{0, 1, 2, 3, 4}));
        EXPECT_LT(started.load(), failing + 1 + 4 * threads) << threads << " threads";

        collected.clear();
        const auto stopped = PPageFarm::run(
            count, [](int, int) { return PResult::success(); },
            [&](int i)
            {
                collected.push_back(i);
                return i == 2 ? PResult::failure(PExportProgress::stopped) : PResult::success();
            },
            threads);
        EXPECT_EQ(stopped.messageKey(), PExportProgress::stopped);
        EXPECT_EQ(collected, (std::vector<int>{0, 1, 2}));
    }
}
