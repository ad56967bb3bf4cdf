// Tests of counting the hits of a run of shots on many threads.
#include <gtest/gtest.h>

#include <cstdint>

#include "estimators/shot_hit_counter.h"
#include "support/each_simd_target.h"
#include "support/reference_loops.h"

namespace quadrix {

TEST(ShotHitCounter, CountsTheHitsOfThePlainLoop) {
    WorkerPool pools[] = {WorkerPool(1), WorkerPool(2), WorkerPool(3)};
    const auto ExpectReferenceHits = [&](std::uint64_t firstValue, std::int64_t shots) {
        for (WorkerPool& pool : pools) {
            ASSERT_EQ(ShotHitCounter(pool).CountHits(firstValue, shots),
                      reference::ShootHits(firstValue, shots))
                << shots << " shots from " << firstValue << ", " << pool.ThreadCount()
                << " threads";
        }
    };
    constexpr auto kTaskShots = static_cast<std::int64_t>(2 * ShotHitCounter::kBlocksPerTask);
    testing::ForEachSimdTarget([&] {
        // Every length and start around a block, then past whole tasks and a word wrap.
        for (std::uint64_t firstValue = 40; firstValue < 44; ++firstValue) {
            for (std::int64_t shots = 0; shots <= 120; ++shots) {
                ExpectReferenceHits(firstValue, shots);
            }
        }
        for (const std::int64_t shots : {kTaskShots - 1, kTaskShots + 1, 3 * kTaskShots + 3}) {
            ExpectReferenceHits(7, shots);
        }
        ExpectReferenceHits((std::uint64_t{4} << 32) - 1001, 1000);
        ExpectReferenceHits((std::uint64_t{4} << 32) - 1000, 1000);
    });
}

}  // namespace quadrix
