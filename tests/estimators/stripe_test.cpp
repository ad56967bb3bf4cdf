#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "estimators/quadrix_stripe.h"
#include "estimators/stripe_engine.h"
#include "estimators/stripe_grid_kernel.h"
#include "estimators/stripe_sum.h"
#include "runtime/errors.h"
#include "support/engine_variants.h"
#include "support/reference_loops.h"
#include "support/test_seed.h"

namespace quadrix {
namespace {

constexpr Long kMinLong = std::numeric_limits<Long>::min();
constexpr Long kMaxLong = std::numeric_limits<Long>::max();

TEST(QuadrixStripe, StateIsTheReferenceBoundsAndTheirMeanOneLineEach) {
    QuadrixStripe stripe;
    for (const Long count : {1, 2, 3, 65535, 1000003, 1024}) {
        stripe.Count(count);
        EXPECT_EQ(stripe.State(),
                  EstimatorState(StripeState{reference::StripePiRounded(count),
                                             reference::StripePiAbove(count),
                                             reference::StripePiBelow(count), count}));
    }
    EXPECT_EQ(stripe.StateDescr(),
              "PiRounded:  3.1415561594041\r\nPiAbove:    3.14350989153902"
              "\r\nPiBelow:    3.13960364153902\r\nCount:      1024");
}

TEST(QuadrixStripe,
     EachStepDoublesTheStripesUpToTwoToTheThirtyAndZeroNegativeAndSmallestCountsFault) {
    QuadrixStripe stripe;
    stripe.DoStep(3);
    stripe.DoStep(-7);
    EXPECT_EQ(stripe.Count(), 32);
    stripe.Reset();
    EXPECT_EQ(stripe.Count(), 4);
    EXPECT_THROW(stripe.DoStep(100), Overflow);
    EXPECT_EQ(stripe.Count(), 1073741824);  // the doublings before the failing one stay
    stripe.Count(0);
    EXPECT_THROW(stripe.PiAbove(), DivisionByZero);       // 4 / 0
    EXPECT_THROW(stripe.StateDescr(), InvalidOperation);  // the lower bound, 0 / 0, comes first
    stripe.DoStep(5);
    EXPECT_EQ(stripe.Count(), 0);
    EXPECT_THROW(stripe.DoStep(kMaxLong), Overflow);
    stripe.Count(kMinLong);
    EXPECT_THROW(stripe.StateDescr(), Overflow);  // Count - 1 leaves Long
    stripe.Count(-8);
    EXPECT_EQ(stripe.StateDescr(),
              "PiRounded:  0\r\nPiAbove:    -0.5\r\nPiBelow:    0\r\nCount:      -8");
    EXPECT_THROW(stripe.DoStep(29), Overflow);
}

// The engine's forecast scaled and shifted: it puts chunks on wrong grids.
struct WrongForecast : StripeSumForecast {
    WrongForecast(Long count, double factor) : StripeSumForecast(count), factor_(factor) {}
    double HeightsBefore(Long index) const override {
        return StripeSumForecast::HeightsBefore(index) * factor_ + (factor_ < 0 ? 3e3 : 0.0);
    }
    double factor_;
};

TEST(StripeSum, EveryLevelPoolAndForecastAddsLikeThePlainLoop) {
    // On every pool, with the engine's own forecast and, if asked, wrong ones.
    const auto ExpectPlainSums = [](Long count, bool wrongForecasts = false) {
        const double above = reference::StripeSum(count, 1.0);
        const double below = reference::StripeSum(count, 0.0);
        for (WorkerPool& pool : testing::TestPools()) {
            for (const double factor : {1.0, 2.0, 0.5, 1.02, -1.0}) {
                const StripeSums sums =
                    factor == 1.0 ? SumStripes(count, pool)
                                  : StripeEngine(count, pool, WrongForecast(count, factor)).Sums();
                ASSERT_TRUE(sums.above == above && sums.below == below)
                    << "count " << count << ", " << pool.ThreadCount()
                    << " threads, forecast times " << factor;
                if (!wrongForecasts) {
                    break;
                }
            }
        }
    };
    std::vector<Long> counts = {1000003, 4097, 8193, 8191 + 64, 12289, (1 << 22) + 1};
    for (Long count = 2; count <= 70; ++count) {
        counts.push_back(count);
    }
    for (int exponent = 7; exponent <= 20; exponent += 3) {  // around powers of two
        counts.insert(counts.end(), {(1 << exponent) - 1, 1 << exponent, (1 << exponent) + 1});
    }
    testing::ForEachSimdTarget([&](const char* name) {
        EXPECT_STREQ(stripe_grid_kernel::TargetName(), name);
        for (const Long count : counts) {
            ExpectPlainSums(count, count > 4096);
        }
    });
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

TEST(StripeSum, TheSmallestCountOverflowsItsLastIndexAndTheLargestSumsAroundPi) {
    EXPECT_THROW(SumStripes(kMinLong), Overflow);
    const StripeSums sums = SumStripes(kMaxLong);
    EXPECT_GT(StripeBound(sums.above, kMaxLong), std::numbers::pi);
    EXPECT_LT(StripeBound(sums.below, kMaxLong), std::numbers::pi);
}

}  // namespace
}  // namespace quadrix
