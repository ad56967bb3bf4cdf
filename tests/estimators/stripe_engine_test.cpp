// Tests of the exact stripe sums on many threads, against the plain loop.
#include <gtest/gtest.h>

#include <vector>

#include "estimators/stripe_engine.h"
#include "support/each_simd_target.h"
#include "support/reference_loops.h"
#include "support/test_pools.h"

namespace quadrix {
namespace {

// The engine's forecast scaled and shifted: it puts chunks on wrong grids.
struct WrongForecast : StripeSumForecast {
    WrongForecast(Long count, double factor) : StripeSumForecast(count), factor_(factor) {}
    double HeightsBefore(Long index) const override {
        return StripeSumForecast::HeightsBefore(index) * factor_ + (factor_ < 0 ? 3e3 : 0.0);
    }
    double factor_;
};

TEST(StripeEngine, SumsLikeThePlainLoop) {
    const auto ExpectPlainSums = [](Long count, bool wrongForecasts = false) {
        const double above = reference::StripeSum(count, 1.0);
        const double below = reference::StripeSum(count, 0.0);
        for (WorkerPool& pool : testing::TestPools()) {
            for (const double factor : {1.0, 2.0, 0.5, 1.02, -1.0}) {
                const StripeSums sums =
                    StripeEngine(count, pool, WrongForecast(count, factor)).Sums();
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
    testing::ForEachSimdTarget([&] {
        for (const Long count : counts) {
            ExpectPlainSums(count, count > 4096);
        }
    });
    for (const Long count : {8388617, 10000019, 16777259, 8388608 + 4095, 1 << 27}) {
        ExpectPlainSums(count);
    }
}

// Counting wherever it is feasible, with the engine's forecast and ones that
// refuse chunks, so that the running sums cross binades inside counted ranges.
// Counting needs a count of about 2^27 before any range has fewer levels than terms.
TEST(StripeEngine, CountingSumsLikeThePlainLoop) {
    constexpr Long kCount = (1 << 27) - 1;
    const double above = reference::StripeSum(kCount, 1.0);
    const double below = reference::StripeSum(kCount, 0.0);
    for (const double factor : {1.0, -1.0}) {
        const StripeSums sums =
            StripeEngine(kCount, testing::TestPools()[1], WrongForecast(kCount, factor),
                         StripeEngine::GridPath::kCounting)
                .Sums();
        ASSERT_EQ(sums.above, above) << "forecast times " << factor;
        ASSERT_EQ(sums.below, below) << "forecast times " << factor;
    }
}

// Where the engine counts most: the largest power of two and a count just below it.
TEST(StripeEngineSlow, LargestCountsSumLikeThePlainLoop) {
    for (const Long count : {1 << 30, (1 << 30) - 1}) {
        SCOPED_TRACE(::testing::Message() << "count " << count);
        const StripeSums sums = SumStripes(count);
        ASSERT_EQ(sums.above, reference::StripeSum(count, 1.0));
        ASSERT_EQ(sums.below, reference::StripeSum(count, 0.0));
    }
}

}  // namespace
}  // namespace quadrix
