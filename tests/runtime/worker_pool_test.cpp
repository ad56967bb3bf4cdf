// Tests of the worker pool (that every task runs once shows in the engines' exact results).
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

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

TEST(WorkerPool, TaskMayCallItsOwnPool) {
    WorkerPool pool(3);
    std::atomic<int> finished{0};
    pool.ForEach(8, [&](std::size_t) { pool.ForEach(3, [&](std::size_t) { ++finished; }); });
    EXPECT_EQ(finished.load(), 8 * 3);
}

}  // namespace quadrix
