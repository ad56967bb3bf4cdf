// Tests of the worker pool (that every task runs once shows in the engines' exact results).
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "runtime/worker_pool.h"

namespace quadrix {

TEST(WorkerPool, RethrowsAFailureOnceTheOtherTasksHaveRun) {
    for (const unsigned threads : {1u, 3u}) {
        WorkerPool pool(threads);
        std::atomic<int> finished{0};
        const auto failAtFive = [&](std::size_t i) {
            i == 5 ? throw std::runtime_error("task failed") : ++finished;
        };
        EXPECT_THROW(pool.ForEach(64, failAtFive), std::runtime_error);
        EXPECT_EQ(finished.load(), 63) << threads << " threads";
    }
}

// Each outer task waits for all the others, so the caller and every worker hold
// one while they call the pool again. They wait on a condition variable, not a
// std::latch: MinGW-w64's libstdc++ 12 waits on atomics with a condition
// variable it notifies without holding the mutex, so a latch there may miss its
// wake-up and hang (about one run in five of this test under Wine).
TEST(WorkerPool, TasksOnEveryThreadMayCallTheirOwnPool) {
    WorkerPool pool(3);
    std::mutex mutex;
    std::condition_variable arrived;
    unsigned started = 0;
    std::atomic<int> finished{0};
    pool.ForEach(pool.ThreadCount(), [&](std::size_t) {
        {
            std::unique_lock lock(mutex);
            ++started;
            arrived.notify_all();
            arrived.wait(lock, [&] { return started == pool.ThreadCount(); });
        }
        pool.ForEach(3, [&](std::size_t) { ++finished; });
    });
    EXPECT_EQ(finished.load(), 3 * 3);
}

TEST(WorkerPool, CallsFromTwoThreadsBothRunEveryTask) {
    WorkerPool pool(3);
    std::atomic<int> finished{0};
    const auto callOften = [&] {
        for (int call = 0; call < 200; ++call) {
            pool.ForEach(16, [&](std::size_t) { ++finished; });
        }
    };
    std::thread other(callOften);
    callOften();
    other.join();
    EXPECT_EQ(finished.load(), 2 * 200 * 16);
}

}  // namespace quadrix
