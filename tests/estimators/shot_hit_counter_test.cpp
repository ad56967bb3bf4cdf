// Tests of counting the hits of a run of shots on many threads.
#include <gtest/gtest.h>

#include <cstdint>

#include "estimators/shot_hit_counter.h"
#include "support/each_simd_target.h"
#include "support/reference_loops.h"

namespace quadrix {

// Runs of whole tasks and beyond on pools of 1, 2 and 3 threads; short runs anywhere in the
// sequence are left to the corpus of shot_hit_counter_fuzzer.
TEST(ShotHitCounter, CountsTheHitsOfThePlainLoopPastWholeTasks) {
    WorkerPool pools[] = {WorkerPool(1), WorkerPool(2), WorkerPool(3)};
    constexpr auto kTaskShots = static_cast<std::int64_t>(2 * ShotHitCounter::kBlocksPerTask);
    testing::ForEachSimdTarget([&] {
        for (const std::int64_t shots : {kTaskShots - 1, kTaskShots + 1, 3 * kTaskShots + 3}) {
            for (WorkerPool& pool : pools) {
                ASSERT_EQ(ShotHitCounter(pool).CountHits(7, shots), reference::ShootHits(7, shots))
                    << shots << " shots, " << pool.ThreadCount() << " threads";
            }
        }
    });
}

}  // namespace quadrix
