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

using testing::AvailableSimdTargets;
using testing::ForcedSimdTarget;

constexpr Long kMinLong = std::numeric_limits<Long>::min();
constexpr Long kMaxLong = std::numeric_limits<Long>::max();

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderSanitizer = true;
#else
constexpr bool kUnderSanitizer = false;
#endif

// The reference loop's running sums before the final scaling, both in one
// pass: each sum still sees exactly the additions of its own plain loop.
StripeSums PlainStripeSums(Long count) {
    StripeSums sums{1.0, 0.0};
    for (Long i = 1; i <= count - 1; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(count);
        const double u = 1.0 - t * t;
        const double height = std::sqrt(u);
        sums.above = height + sums.above;
        sums.below = height + sums.below;
    }
    return sums;
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

  private:
    static std::vector<std::unique_ptr<WorkerPool>> pools_;
};

std::vector<std::unique_ptr<WorkerPool>> StripeSumAgreement::pools_;

TEST_F(StripeSumAgreement, PlainSumsAreTheReferenceLoops) {
    for (const Long count : {2, 3, 1000, 65537}) {
        const StripeSums plain = PlainStripeSums(count);
        EXPECT_EQ(StripeBound(plain.above, count), reference::StripePiAbove(count));
        EXPECT_EQ(StripeBound(plain.below, count), reference::StripePiBelow(count));
    }
}

TEST_F(StripeSumAgreement, SmallCounts) {
    for (Long count = 2; count <= 70; ++count) {
        ExpectPlainSumsOnEveryPool(count);
    }
}

TEST_F(StripeSumAgreement, PowersOfTwoAndTheirNeighboursUpToTwoToThe24) {
    for (int exponent = 2; exponent <= 24; ++exponent) {
        const Long power = Long{1} << exponent;
        for (const Long count : {power - 1, power, power + 1}) {
            ExpectPlainSumsOnEveryPool(count);
        }
    }
}

TEST_F(StripeSumAgreement, LargePrimes) {
    for (const Long prime : {1000003, 8388617, 10000019, 16777259}) {
        ExpectPlainSumsOnEveryPool(prime);
    }
}

TEST_F(StripeSumAgreement, CountsAroundTheChunkSizes) {
    // Around a few chunk, block and vector lengths, where the last chunk is
    // very short or the grid sums start.
    for (const Long count : {4097, 4098, 8193, 8191 + 64, 12289, 8388608 + 64, 8388608 + 4095}) {
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

class StripeSumTargets : public ::testing::TestWithParam<std::int64_t> {};

TEST_P(StripeSumTargets, AgreeWithThePlainLoop) {
    const ForcedSimdTarget forced(GetParam());
    WorkerPool pool(2);
    for (const Long count : {2, 3, 4099, 65535, 65536, 1 << 20, 1000003, (1 << 22) + 1}) {
        SCOPED_TRACE(::testing::Message() << "count " << count);
        ExpectSameSums(SumStripes(count, pool), PlainStripeSums(count));
    }
}

INSTANTIATE_TEST_SUITE_P(EverySimdLevel, StripeSumTargets,
                         ::testing::ValuesIn(AvailableSimdTargets()),
                         [](const ::testing::TestParamInfo<std::int64_t>& info) {
                             return std::string(hwy::TargetName(info.param));
                         });

TEST(StripeSumEdges, CountsBelowTwoHaveNoHeights) {
    for (const Long count : {1, 0, -1, -8, kMinLong + 1}) {
        ExpectSameSums(SumStripes(count), StripeSums{1.0, 0.0});
    }
}

TEST(StripeSumEdges, SmallestCountOverflowsItsLastIndex) {
    EXPECT_THROW(SumStripes(kMinLong), Overflow);
}

TEST(StripeSumEdges, BoundsScaleAndFaultLikeTheFinalDivision) {
    EXPECT_EQ(StripeBound(3.0, 4), 3.0);
    EXPECT_EQ(StripeBound(1.0, -8), -0.5);
    EXPECT_THROW(StripeBound(1.0, 0), DivisionByZero);
    EXPECT_THROW(StripeBound(0.0, 0), InvalidOperation);
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
