// Tests of the exact stripe sums on many threads, against the plain loop.
#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "estimators/stripe_engine.h"
#include "support/each_simd_target.h"
#include "support/reference_loops.h"

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

// Whether the engine's sums on each pool with each forecast are the plain loop's, bit for bit.
void ExpectPlainSums(Long count, std::span<WorkerPool> pools, const std::vector<double>& factors,
                     StripeEngine::GridPath path = StripeEngine::GridPath::kCheapest) {
    const StripeSums plain{reference::StripeSum(count, 1.0), reference::StripeSum(count, 0.0)};
    for (WorkerPool& pool : pools) {
        for (const double factor : factors) {
            const StripeSums sums =
                StripeEngine(count, pool, WrongForecast(count, factor), path).Sums();
            ASSERT_TRUE(sums.above == plain.above && sums.below == plain.below)
                << count << " stripes, " << pool.ThreadCount() << " threads, forecast x" << factor;
        }
    }
}

// Sums of one to many chunks on every SIMD target; every term of the small counts is in the
// corpus of stripe_engine_fuzzer.
TEST(StripeEngine, SumsLikeThePlainLoop) {
    WorkerPool pools[] = {WorkerPool(1), WorkerPool(2), WorkerPool(3)};
    testing::ForEachSimdTarget([&] {
        for (const Long count : {4097, 8193, 8191 + 64, 12289, 65535, 65536, 65537, 524287, 524288,
                                 524289, 1000003, 4194305}) {
            ExpectPlainSums(count, pools, {1.0, 2.0, 0.5, 1.02, -1.0});
        }
    });
    for (const Long count : {8388617, 10000019, 16777259, 8388608 + 4095, 1 << 27}) {
        ExpectPlainSums(count, pools, {1.0});
    }
}

// Counting wherever feasible (from a count of about 2^27), with the engine's forecast and one that
// refuses chunks, so that the running sums cross binades inside counted ranges.
TEST(StripeEngine, CountingSumsLikeThePlainLoop) {
    WorkerPool pool(2);
    ExpectPlainSums((1 << 27) - 1, std::span(&pool, 1), {1.0, -1.0},
                    StripeEngine::GridPath::kCounting);
}

// Where the engine counts most: the largest power of two and a count just below it.
TEST(StripeEngineSlow, LargestCountsSumLikeThePlainLoop) {
    for (const Long count : {1 << 30, (1 << 30) - 1}) {
        ExpectPlainSums(count, std::span(&WorkerPool::Shared(), 1), {1.0});
    }
}

}  // namespace
}  // namespace quadrix
