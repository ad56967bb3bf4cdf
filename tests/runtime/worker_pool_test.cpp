#include "runtime/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace quadrix {
namespace {

class WorkerPoolSizes : public ::testing::TestWithParam<unsigned> {};

TEST_P(WorkerPoolSizes, RunsEveryTaskExactlyOnceCallAfterCall) {
    WorkerPool pool(GetParam());
    for (const std::size_t tasks : {0u, 1u, 2u, 7u, 1000u}) {
        std::vector<std::atomic<int>> runs(tasks);
        pool.ForEach(tasks, [&](std::size_t i) { runs[i].fetch_add(1); });
        for (std::size_t i = 0; i < tasks; ++i) {
            EXPECT_EQ(runs[i].load(), 1) << "task " << i << " of " << tasks;
        }
    }
}

TEST_P(WorkerPoolSizes, RethrowsATasksExceptionAfterTheOthersFinish) {
    WorkerPool pool(GetParam());
    std::atomic<int> finished{0};
    EXPECT_THROW(pool.ForEach(64,
                              [&](std::size_t i) {
                                  if (i == 5) {
                                      throw std::runtime_error("task failed");
                                  }
                                  finished.fetch_add(1);
                              }),
                 std::runtime_error);
    EXPECT_EQ(finished.load(), 63);
    // The pool is still usable afterwards.
    std::atomic<int> again{0};
    pool.ForEach(10, [&](std::size_t) { again.fetch_add(1); });
    EXPECT_EQ(again.load(), 10);
}

TEST_P(WorkerPoolSizes, ATaskMayUseThePoolItself) {
    WorkerPool pool(GetParam());
    std::atomic<int> inner{0};
    pool.ForEach(4,
                 [&](std::size_t) { pool.ForEach(3, [&](std::size_t) { inner.fetch_add(1); }); });
    EXPECT_EQ(inner.load(), 12);
}

INSTANTIATE_TEST_SUITE_P(Threads, WorkerPoolSizes, ::testing::Values(1u, 2u, 3u, 8u));

}  // namespace
}  // namespace quadrix
