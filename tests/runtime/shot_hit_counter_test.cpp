#include "runtime/shot_hit_counter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "estimators/reference_loops.h"
#include "runtime/forced_simd_target.h"
#include "runtime/worker_pool.h"

namespace quadrix {
namespace {

using testing::ForEachSimdTarget;

struct ShotRun {
    std::uint64_t firstValue;
    std::int64_t shots;
};

class ShotHitCounterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (const unsigned threads : {1u, 2u, 3u}) {
            pools_.push_back(std::make_unique<WorkerPool>(threads));
        }
    }
    static void TearDownTestSuite() { pools_.clear(); }

    // Expects every pool size on every SIMD target to count `expected` hits in the run.
    static void ExpectEveryWayCounts(const ShotRun& run, std::int64_t expected) {
        ForEachSimdTarget([&](std::int64_t) {
            for (const auto& pool : pools_) {
                EXPECT_EQ(ShotHitCounter(*pool).CountHits(run.firstValue, run.shots), expected)
                    << run.shots << " shots from value " << run.firstValue << " on "
                    << pool->ThreadCount() << " threads";
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

constexpr auto kTaskShots = static_cast<std::int64_t>(2 * ShotHitCounter::kBlocksPerTask);

TEST_F(ShotHitCounterTest, ShortRunsFromEveryStartWithinABlockMatchTheReferenceLoop) {
    for (std::uint64_t firstValue = 40; firstValue < 44; ++firstValue) {
        for (const std::int64_t shots : {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 63, 65}) {
            ExpectEveryWayCounts({firstValue, shots}, reference::ShootHits(firstValue, shots));
        }
    }
}

TEST_F(ShotHitCounterTest, RunsAcrossTaskBoundariesMatchTheReferenceLoop) {
    for (const std::uint64_t firstValue : {6u, 7u}) {
        for (const std::int64_t shots : {kTaskShots - 1, kTaskShots + 1, 3 * kTaskShots + 3}) {
            ExpectEveryWayCounts({firstValue, shots}, reference::ShootHits(firstValue, shots));
        }
    }
}

TEST_F(ShotHitCounterTest, RandomRunsMatchTheReferenceLoop) {
    const std::uint32_t seed = Seed();
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937_64 random(seed);
    for (int i = 0; i < 12; ++i) {
        // Anywhere in the first 2^50 values: the high counter word is in use.
        const std::uint64_t firstValue = random() % (std::uint64_t{1} << 50);
        const auto shots = static_cast<std::int64_t>(random() % (i < 4 ? 100 : 100000));
        ExpectEveryWayCounts({firstValue, shots}, reference::ShootHits(firstValue, shots));
    }
}

TEST_F(ShotHitCounterTest, RunsWhereTheLowCounterWordWrapsMatchTheReferenceLoop) {
    const std::uint64_t wrap = std::uint64_t{4} << 32;  // value index of block 2^32
    for (const std::uint64_t firstValue : {wrap - 1001, wrap - 1000}) {
        ExpectEveryWayCounts({firstValue, 1000}, reference::ShootHits(firstValue, 1000));
    }
}

TEST_F(ShotHitCounterTest, AMillionShotsLongRunMatchesTheReferenceLoop) {
    const ShotRun run{12345, 1'000'001};
    ExpectEveryWayCounts(run, reference::ShootHits(run.firstValue, run.shots));
}

TEST_F(ShotHitCounterTest, NoShotsNoHits) {
    const ShotHitCounter counter(*pools_[1]);
    EXPECT_EQ(counter.CountHits(5, 0), 0);
    EXPECT_EQ(counter.CountHits(5, -1), 0);
    EXPECT_EQ(counter.CountHits(5, INT64_MIN), 0);
}

TEST_F(ShotHitCounterTest, SplittingARunIntoCallsCountsTheSameHits) {
    const std::uint32_t seed = Seed();
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937_64 random(seed);
    const ShotRun run{3 + 2 * (random() % 1000), 3 * kTaskShots + 17};
    const std::int64_t whole = ShotHitCounter(*pools_[1]).CountHits(run.firstValue, run.shots);
    EXPECT_EQ(whole, reference::ShootHits(run.firstValue, run.shots));
    for (const auto& pool : pools_) {
        std::int64_t split = 0;
        std::int64_t done = 0;
        while (done < run.shots) {
            const auto shots = std::min<std::int64_t>(run.shots - done,
                                                      static_cast<std::int64_t>(random() % 70000));
            split += ShotHitCounter(*pool).CountHits(run.firstValue + 2 * done, shots);
            done += shots;
        }
        EXPECT_EQ(split, whole) << pool->ThreadCount() << " threads";
    }
}

}  // namespace
}  // namespace quadrix
