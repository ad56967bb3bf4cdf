#include "runtime/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace quadrix {
namespace {

TEST(WorkerPool, RunsEveryTaskOnceRethrowsAFailureAfterTheOthersAndMayBeUsedFromATask) {
    for (const unsigned threads : {1u, 2u, 3u, 8u}) {
        SCOPED_TRACE(::testing::Message() << threads << " threads");
        WorkerPool pool(threads);
        for (const std::size_t tasks : {0u, 1u, 7u, 1000u}) {
            std::vector<std::atomic<int>> runs(tasks);
            pool.ForEach(tasks, [&](std::size_t i) { runs[i].fetch_add(1); });
            for (std::size_t i = 0; i < tasks; ++i) {
                ASSERT_EQ(runs[i].load(), 1) << "task " << i << " of " << tasks;
            }
        }
        std::atomic<int> finished{0};
        const auto failAtFive = [&](std::size_t i) {
            if (i == 5) {
                throw std::runtime_error("task failed");
            }
            finished.fetch_add(1);
        };
        EXPECT_THROW(pool.ForEach(64, failAtFive), std::runtime_error);
        EXPECT_EQ(finished.load(), 63);
        std::atomic<int> inner{0};
        pool.ForEach(4, [&](std::size_t) { pool.ForEach(3, [&](std::size_t) { ++inner; }); });
        EXPECT_EQ(inner.load(), 12);
    }
}

}  // namespace
}  // namespace quadrix
