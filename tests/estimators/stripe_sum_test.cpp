#include "estimators/stripe_sum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "estimators/stripe_engine.h"
#include "estimators/stripe_grid_kernel.h"
#include "runtime/errors.h"
#include "support/forced_simd_target.h"
#include "support/reference_loops.h"
#include "support/test_pools.h"
#include "support/test_seed.h"

namespace quadrix {
namespace {

using testing::ForEachSimdTarget;

// The engine's forecast scaled and shifted: it puts chunks on wrong grids.
class WrongForecast : public StripeSumForecast {
  public:
    WrongForecast(Long count, double factor) : StripeSumForecast(count), factor_(factor) {}
    double HeightsBefore(Long index) const override {
        return StripeSumForecast::HeightsBefore(index) * factor_ + (factor_ < 0 ? 3e3 : 0.0);
    }

  private:
    double factor_;
};

// On every pool, with the engine's own forecast and, if asked, wrong ones.
void ExpectPlainSums(Long count, bool wrongForecasts = false) {
    SCOPED_TRACE(::testing::Message() << "count " << count);
    const double above = reference::StripeSum(count, 1.0);
    const double below = reference::StripeSum(count, 0.0);
    for (WorkerPool& pool : testing::TestPools()) {
        SCOPED_TRACE(::testing::Message() << pool.ThreadCount() << " threads");
        const StripeSums sums = SumStripes(count, pool);
        ASSERT_EQ(sums.above, above);
        ASSERT_EQ(sums.below, below);
        for (const double factor : {2.0, 0.5, 1.02, -1.0}) {
            const WrongForecast forecast(count, factor);
            const StripeSums steered =
                wrongForecasts ? StripeEngine(count, pool, forecast).Sums() : sums;
            ASSERT_EQ(steered.above, above) << "forecast times " << factor;
            ASSERT_EQ(steered.below, below) << "forecast times " << factor;
        }
    }
}

TEST(StripeSumExactness, EveryLevelAndPoolAddsLikeThePlainLoop) {
    std::vector<Long> counts = {1000003, 4097, 8193, 8191 + 64, 12289, (1 << 22) + 1};
    for (Long count = 2; count <= 70; ++count) {
        counts.push_back(count);
    }
    for (int exponent = 7; exponent <= 20; exponent += 3) {
        counts.insert(counts.end(), {(1 << exponent) - 1, 1 << exponent, (1 << exponent) + 1});
    }
    ForEachSimdTarget([&](const char* name) {
        EXPECT_STREQ(stripe_grid_kernel::TargetName(), name);
        for (const Long count : counts) {
            ExpectPlainSums(count, count > 4096);
        }
    });
}

TEST(StripeSumExactness, LargeAndRandomCountsAddLikeThePlainLoop) {
    for (const Long count : {8388617, 10000019, 16777259, 8388608 + 4095, 1 << 27}) {
        ExpectPlainSums(count);
    }
    std::mt19937_64 random(testing::TestSeed());
    std::uniform_real_distribution<double> exponent(1.0, 23.0);
    for (int trial = 0; trial < 16; ++trial) {
        ExpectPlainSums(static_cast<Long>(std::exp2(exponent(random))), true);
    }
}

TEST(StripeSumForecast, IsWithinATenthOfTheSumBeforeEveryIndex) {
    for (const Long count : {2, 3, 5, 100, 4097, 1000003}) {
        const StripeSumForecast forecast(count);
        double sum = 0.0;
        for (Long index = 1; index <= count; ++index) {
            ASSERT_NEAR(forecast.HeightsBefore(index), sum, 0.1) << index << " of " << count;
            const double t = static_cast<double>(index) / count;
            sum += std::sqrt(1.0 - t * t);
        }
    }
}

TEST(StripeSumEdges, CountsBelowTwoHaveNoHeightsAndTheSmallestOverflowsItsLastIndex) {
    constexpr Long kMinLong = std::numeric_limits<Long>::min();
    for (const Long count : {1, 0, -8, kMinLong + 1}) {
        EXPECT_EQ(SumStripes(count).above, 1.0);
        EXPECT_EQ(SumStripes(count).below, 0.0);
    }
    EXPECT_THROW(SumStripes(kMinLong), Overflow);
    constexpr Long kMaxLong = std::numeric_limits<Long>::max();
    const StripeSums sums = SumStripes(kMaxLong);
    EXPECT_GT(StripeBound(sums.above, kMaxLong), std::numbers::pi);
    EXPECT_LT(StripeBound(sums.below, kMaxLong), std::numbers::pi);
}

}  // namespace
}  // namespace quadrix
