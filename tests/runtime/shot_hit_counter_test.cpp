#include "runtime/shot_hit_counter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "estimators/reference_loops.h"
#include "runtime/forced_simd_target.h"
#include "runtime/worker_pool.h"

namespace quadrix {
namespace {

using testing::ForEachSimdTarget;

constexpr auto kTaskShots = static_cast<std::int64_t>(2 * ShotHitCounter::kBlocksPerTask);

class ShotHitCounterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (const unsigned threads : {1u, 2u, 3u}) {
            pools_.push_back(std::make_unique<WorkerPool>(threads));
        }
    }
    static void TearDownTestSuite() { pools_.clear(); }

    // Every pool size on every SIMD target must count the reference loop's hits.
    static void ExpectEveryWayCountsTheReferenceHits(std::uint64_t firstValue, std::int64_t shots) {
        const std::int64_t expected = reference::ShootHits(firstValue, shots);
        ForEachSimdTarget([&](std::int64_t) {
            for (const auto& pool : pools_) {
                EXPECT_EQ(ShotHitCounter(*pool).CountHits(firstValue, shots), expected)
                    << shots << " shots from value " << firstValue << " on " << pool->ThreadCount()
                    << " threads";
            }
        });
    }

    static std::uint32_t Seed() {
        const std::uint32_t seed = std::random_device{}();
        ::testing::Test::RecordProperty("seed", std::to_string(seed));
        return seed;
    }

    static inline std::vector<std::unique_ptr<WorkerPool>> pools_;
};

TEST_F(ShotHitCounterTest, RunsAroundBlockTaskAndCounterWordEdgesMatchTheReferenceLoop) {
    // No shots, no hits.
    for (const std::int64_t shots : {std::int64_t{0}, std::int64_t{-1}, INT64_MIN}) {
        EXPECT_EQ(ShotHitCounter(*pools_[1]).CountHits(5, shots), 0);
    }
    // Every length from every start within a block, past one full pass of the
    // widest kernel: the shots before the first whole block and after the last
    // are counted apart, and the blocks go through the kernel a vector at a time.
    for (std::uint64_t firstValue = 40; firstValue < 44; ++firstValue) {
        for (std::int64_t shots = 1; shots <= 120; ++shots) {
            ExpectEveryWayCountsTheReferenceHits(firstValue, shots);
        }
    }
    for (const std::uint64_t firstValue : {6u, 7u}) {
        for (const std::int64_t shots : {kTaskShots - 1, kTaskShots + 1, 3 * kTaskShots + 3}) {
            ExpectEveryWayCountsTheReferenceHits(firstValue, shots);
        }
    }
    const std::uint64_t wrap = std::uint64_t{4} << 32;  // the low counter word wraps here
    ExpectEveryWayCountsTheReferenceHits(wrap - 1001, 1000);
    ExpectEveryWayCountsTheReferenceHits(wrap - 1000, 1000);
}

TEST_F(ShotHitCounterTest, RandomRunsMatchTheReferenceLoop) {
    const std::uint32_t seed = Seed();
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937_64 random(seed);
    for (int i = 0; i < 12; ++i) {
        // Anywhere in the first 2^50 values: the high counter word is in use.
        const std::uint64_t firstValue = random() % (std::uint64_t{1} << 50);
        const auto shots = static_cast<std::int64_t>(random() % (i < 4 ? 100 : 100000));
        ExpectEveryWayCountsTheReferenceHits(firstValue, shots);
    }
}

}  // namespace
}  // namespace quadrix
