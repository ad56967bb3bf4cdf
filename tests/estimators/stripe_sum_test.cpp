#include "estimators/stripe_sum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

#include "estimators/reference_loops.h"
#include "runtime/errors.h"
#include "runtime/forced_simd_target.h"
#include "runtime/worker_pool.h"

namespace quadrix {
namespace {

constexpr Long kMinLong = std::numeric_limits<Long>::min();
constexpr Long kMaxLong = std::numeric_limits<Long>::max();

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderSanitizer = true;
#else
constexpr bool kUnderSanitizer = false;
#endif

// The reference loop's two running sums before the final scaling.
StripeSums PlainStripeSums(Long count) {
    return {reference::StripeSum(count, 1.0), reference::StripeSum(count, 0.0)};
}

void ExpectSameSums(const StripeSums& actual, const StripeSums& expected) {
    EXPECT_EQ(actual.above, expected.above);
    EXPECT_EQ(actual.below, expected.below);
}

// Each count against the plain loop, on pools of one, two and three threads.
class StripeSumAgreement : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (unsigned threads = 1; threads <= 3; ++threads) {
            pools_.push_back(std::make_unique<WorkerPool>(threads));
        }
    }
    static void TearDownTestSuite() { pools_.clear(); }

    static void ExpectPlainSumsOnEveryPool(Long count) {
        SCOPED_TRACE(::testing::Message() << "count " << count);
        const StripeSums expected = PlainStripeSums(count);
        for (const auto& pool : pools_) {
            SCOPED_TRACE(::testing::Message() << pool->ThreadCount() << " threads");
            ExpectSameSums(SumStripes(count, *pool), expected);
        }
    }

    static inline std::vector<std::unique_ptr<WorkerPool>> pools_;
};

TEST_F(StripeSumAgreement, SmallCountsPowersOfTwoPrimesAndChunkEdges) {
    std::vector<Long> counts;
    for (Long count = 2; count <= 70; ++count) {
        counts.push_back(count);
    }
    for (int exponent = 2; exponent <= 24; ++exponent) {
        const Long power = Long{1} << exponent;
        counts.insert(counts.end(), {power - 1, power, power + 1});
    }
    // Large primes, then counts around a few chunk, block and vector lengths,
    // where the last chunk is very short or the grid sums start.
    counts.insert(counts.end(), {1000003, 8388617, 10000019, 16777259, 4097, 4098, 8193, 8191 + 64,
                                 12289, 8388608 + 64, 8388608 + 4095});
    for (const Long count : counts) {
        ExpectPlainSumsOnEveryPool(count);
    }
}

TEST_F(StripeSumAgreement, RandomCounts) {
    const std::uint64_t seed = std::random_device{}();
    SCOPED_TRACE(::testing::Message() << "random seed " << seed);
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> exponent(1.0, 23.0);
    for (int trial = 0; trial < 24; ++trial) {
        ExpectPlainSumsOnEveryPool(static_cast<Long>(std::exp2(exponent(random))));
    }
}

TEST_F(StripeSumAgreement, TwoToThe27) {
    if (kUnderSanitizer) {
        GTEST_SKIP() << "too slow under the sanitizers";
    }
    ExpectPlainSumsOnEveryPool(Long{1} << 27);
}

TEST(StripeSumTargets, EveryLevelAgreesWithThePlainLoop) {
    WorkerPool pool(2);
    testing::ForEachSimdTarget([&](std::int64_t) {
        for (const Long count : {2, 3, 4099, 65535, 65536, 1 << 20, 1000003, (1 << 22) + 1}) {
            SCOPED_TRACE(::testing::Message() << "count " << count);
            ExpectSameSums(SumStripes(count, pool), PlainStripeSums(count));
        }
    });
}

TEST(StripeSumEdges, CountsBelowTwoHaveNoHeightsAndTheSmallestOverflowsItsLastIndex) {
    for (const Long count : {1, 0, -1, -8, kMinLong + 1}) {
        ExpectSameSums(SumStripes(count), StripeSums{1.0, 0.0});
    }
    EXPECT_THROW(SumStripes(kMinLong), Overflow);
}

TEST(StripeSumEdges, LargestCountStaysBetweenTheBoundsOfPi) {
    const StripeSums sums = SumStripes(kMaxLong);
    const double above = StripeBound(sums.above, kMaxLong);
    const double below = StripeBound(sums.below, kMaxLong);
    EXPECT_GT(above, std::numbers::pi);
    EXPECT_LT(below, std::numbers::pi);
    // The two sums round apart a little over two billion additions.
    EXPECT_NEAR((above - below) / (4.0 / kMaxLong), 1.0, 0.01);
}

}  // namespace
}  // namespace quadrix
