#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <numbers>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "estimators/shot_hit_counter.h"
#include "estimators/shot_kernel.h"
#include "estimators/stripe_engine.h"
#include "estimators/stripe_grid_kernel.h"
#include "estimators/stripe_level_counter.h"
#include "estimators/stripe_sum.h"
#include "runtime/counter_random_sequence.h"
#include "runtime/errors.h"
#include "runtime/long_arithmetic.h"
#include "runtime/worker_pool.h"
#include "support/reference_loops.h"
#include "support/test_seed.h"

namespace quadrix {
namespace {

constexpr Long kMinLong = std::numeric_limits<Long>::min();
constexpr Long kMaxLong = std::numeric_limits<Long>::max();

// Runs check(level name) with the dispatch forced onto each SIMD level built and supported.
template <class Check>
void ForEachSimdTarget(Check check) {
    for (const std::int64_t target : hwy::SupportedAndGeneratedTargets()) {
        SCOPED_TRACE(::testing::Message() << "SIMD target " << hwy::TargetName(target));
        hwy::SetSupportedTargetsForTest(target);
        check(hwy::TargetName(target));
        hwy::SetSupportedTargetsForTest(0);
    }
}

// A result must not depend on how the work is shared out.
std::array<WorkerPool, 3>& TestPools() {
    static std::array<WorkerPool, 3> pools = {WorkerPool(1), WorkerPool(2), WorkerPool(3)};
    return pools;
}

// Yields the values, then zeros, counting the draws; runs over `countsAbove` shots all hit.
struct ScriptedSource : RandomSource {
    explicit ScriptedSource(std::vector<double> values, std::int64_t countsAbove = INT64_MAX)
        : values(std::move(values)), countsAbove(countsAbove) {}
    double Next() override { return drawn < values.size() ? values[drawn++] : (++drawn, 0.0); }
    std::int64_t CountHits(std::int64_t shots) override {
        return shots > countsAbove ? shots : kNotCounted;
    }
    std::size_t drawn = 0;
    std::vector<double> values;
    std::int64_t countsAbove;
};

TEST(QuadrixShoot, ScriptedShotsHitOnAndInsideTheArcAndNonPositiveStepsDrawNothing) {
    // (0, 0) hit, (0.9, 0.9) miss, (1, 0) exactly on the arc: a hit.
    ScriptedSource source({0.0, 0.0, 0.9, 0.9, 1.0, 0.0});
    QuadrixShoot shoot(source);
    EXPECT_THROW(shoot.StateDescr(), InvalidOperation);  // 0 / 0 before the first shot
    EXPECT_EQ(shoot.CountedShotsEnd(), std::nullopt);
    shoot.DoStep(1);
    shoot.DoStep(0);
    shoot.DoStep(std::numeric_limits<Long>::min());
    shoot.DoStep(2);
    EXPECT_EQ(shoot.StateDescr(),
              "PiRounded:  2.66666666666667\r\nShootCount: 3\r\nHitCount:   2\r\nMissCount:  1");
    EXPECT_EQ(source.drawn, 6u);
}

TEST(QuadrixShoot, TheShotPastTheTopOfLongIsDrawnButNotCountedAndFourTimesTheHitsMustFit) {
    for (const bool countedAtOnce : {true, false}) {
        SCOPED_TRACE(countedAtOnce ? "counted at once" : "drawn one by one");
        ScriptedSource source({}, countedAtOnce ? 0 : 1000);
        QuadrixShoot shoot(source);
        shoot.DoStep(kMaxLong - 10);
        EXPECT_THROW(shoot.DoStep(100), Overflow);
        EXPECT_EQ(shoot.HitCount(), kMaxLong);
        EXPECT_EQ(source.drawn, countedAtOnce ? 2u : 22u);
        EXPECT_THROW(shoot.DoStep(1), Overflow);
        EXPECT_EQ(shoot.MissCount(), 0);
    }
    ScriptedSource source({}, 0);
    QuadrixShoot shoot(source);
    EXPECT_THROW(shoot.DoStep(kMaxLong), Overflow);  // the loop counter leaves Long
    EXPECT_EQ(shoot.ShootCount(), kMaxLong);
    EXPECT_EQ(source.drawn, 0u);
    shoot.Reset();
    shoot.DoStep(536870911);
    EXPECT_EQ(shoot.PiRounded(), 4.0);
    shoot.DoStep(1);
    EXPECT_THROW(shoot.StateDescr(), Overflow);
}

TEST(ShotHitCounter, RunsAroundBlockTaskAndCounterWordEdgesCountTheReferenceHits) {
    const auto ExpectReferenceHits = [](std::uint64_t firstValue, std::int64_t shots) {
        for (WorkerPool& pool : TestPools()) {
            ASSERT_EQ(ShotHitCounter(pool).CountHits(firstValue, shots),
                      reference::ShootHits(firstValue, shots))
                << shots << " shots from value " << firstValue << ", " << pool.ThreadCount()
                << " threads";
        }
    };
    constexpr auto kTaskShots = static_cast<std::int64_t>(2 * ShotHitCounter::kBlocksPerTask);
    ForEachSimdTarget([&](const char* name) {
        EXPECT_STREQ(shot_kernel::TargetName(), name);
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
    std::mt19937_64 random(testing::TestSeed());
    for (int i = 0; i < 8; ++i) {  // anywhere in the first 2^50 values
        ExpectReferenceHits(random() % (std::uint64_t{1} << 50),
                            static_cast<std::int64_t>(random() % 100000));
    }
}

TEST(ShotKernel, EveryLevelJudgesShotsAtTheArcLikeThePlainTest) {
    // The corners, then word pairs whose a*a + b*b is within a few units of 2^64, where
    // rounding alone decides: densest where one word is near 2^32, then beside random words.
    std::vector<std::uint32_t> x = {0, 0xFFFFFFFF};
    std::vector<std::uint32_t> y = {0, 0xFFFFFFFF};
    std::vector<std::int64_t> hit = {1, 0};  // by the plain test
    std::mt19937 random(2);
    std::uniform_int_distribution<std::uint64_t> draw(1u << 17, 0xFFFFFFFF);
    for (std::uint64_t i = 0; i < (1u << 22) + 3000; ++i) {
        const std::uint64_t a = i < (1u << 22) ? 0xFFFFFFFF - i : draw(random);
        const std::uint64_t rest = 0 - a * a;  // 2^64 - a*a
        const auto b = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(rest)));
        for (std::uint64_t near = b - 2; near <= std::min<std::uint64_t>(b + 2, 0xFFFFFFFF);
             ++near) {
            if (i >= (1u << 22) ||
                std::abs(static_cast<std::int64_t>(near * near - rest)) < 16384) {
                x.push_back(static_cast<std::uint32_t>(a));
                y.push_back(static_cast<std::uint32_t>(near));
                const double u = x.back() * CounterRandomSequence::kScale;
                const double v = y.back() * CounterRandomSequence::kScale;
                hit.push_back(u * u + v * v <= 1.0 ? 1 : 0);
            }
        }
    }
    ForEachSimdTarget([&](const char*) {
        for (std::size_t i = 0; i < x.size(); ++i) {
            ASSERT_EQ(shot_kernel::CountWordHits(&x[i], &y[i], 1), hit[i])
                << "x word " << x[i] << ", y word " << y[i];
        }
        EXPECT_EQ(shot_kernel::CountWordHits(x.data(), y.data(), x.size()),
                  std::accumulate(hit.begin(), hit.end(), std::int64_t{0}));
    });
}

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
    const auto ExpectPlainSums = [](Long count, bool wrongForecasts = false) {
        const double above = reference::StripeSum(count, 1.0);
        const double below = reference::StripeSum(count, 0.0);
        for (WorkerPool& pool : TestPools()) {
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
    ForEachSimdTarget([&](const char* name) {
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

// Counting wherever it is feasible, with the engine's forecast and ones that
// refuse chunks, so that the running sums cross binades inside counted ranges.
// Counting needs a count of about 2^27 before any range has fewer levels than terms.
TEST(StripeSum, CountingAddsLikeThePlainLoop) {
    constexpr Long kCount = (1 << 27) - 1;
    const double above = reference::StripeSum(kCount, 1.0);
    const double below = reference::StripeSum(kCount, 0.0);
    for (const double factor : {1.0, -1.0}) {
        const WrongForecast forecast(kCount, factor);
        const StripeSums sums =
            StripeEngine(kCount, TestPools()[1], forecast, StripeEngine::GridPath::kCounting)
                .Sums();
        ASSERT_EQ(sums.above, above) << "forecast times " << factor;
        ASSERT_EQ(sums.below, below) << "forecast times " << factor;
    }
}

// Counts the ranges on which counting met a tie (where the kernel's and the
// counter's units may differ, as a tie rounds either way).
int ExpectCountedLikeTheKernel(const StripeTermRange& range, int scaleExponent) {
    SCOPED_TRACE(::testing::Message() << "count " << range.count << ", terms " << range.first
                                      << ".." << range.end << ", grid 2^-" << scaleExponent);
    const StripeGridSum kernel = stripe_grid_kernel::SumOnGrid(range, scaleExponent);
    const StripeGridSum counted = StripeLevelCounter(range, scaleExponent).Sum();
    EXPECT_EQ(counted.noTie, kernel.noTie);
    if (kernel.noTie) {
        EXPECT_EQ(counted.units, kernel.units);
    }
    return kernel.noTie ? 0 : 1;
}

// Random ranges on the finest grids that keep their sums exact, with at most a few levels per term,
// at every SIMD level. Far down small counts, the curve settles nearly every level; near the top of
// a large count, the heights stray from the curve by up to about 1/16 of the margin, so that some
// levels settle only with exact heights.
TEST(StripeLevelCounter, SumsLikeTheKernel) {
    struct Draw {
        Long lowestCount, highestCount, lowestFirst, highestFirst;
    };
    std::mt19937_64 random(testing::TestSeed());
    int ties = 0;
    ForEachSimdTarget([&](const char*) {
        for (const Draw draw :
             {Draw{10000, 1000000, 1, 1 << 30}, Draw{1 << 29, kMaxLong, 1 << 12, 1 << 16}}) {
            for (int trial = 0; trial < 100; ++trial) {
                const Long count = std::uniform_int_distribution<Long>(draw.lowestCount,
                                                                       draw.highestCount)(random);
                const Long first = std::uniform_int_distribution<Long>(
                    draw.lowestFirst, std::min(draw.highestFirst, count - 2))(random);
                const Long terms = std::uniform_int_distribution<Long>(1, 5000)(random);
                const StripeTermRange range{count, first, std::min(count, first + terms)};
                // The finest grid on which the units stay exact below 2^53.
                int scaleExponent = 52 - static_cast<int>(std::bit_width(
                                             static_cast<std::uint64_t>(range.end - range.first)));
                while (StripeLevelCounter(range, scaleExponent).Levels() >
                       std::int64_t{4} * terms) {
                    --scaleExponent;
                }
                ties += ExpectCountedLikeTheKernel(range, scaleExponent);
            }
        }
    });
    std::cout << ties << " random ranges with a tie\n";
}

// Near the top of the curve, with count 2^m and i below about 2^(m - 12.75),
// the height is exactly 1 - i^2 2^-(2m+1): on the grid 2^-2m every odd i lies
// on a level (which the curve crosses a hair before i), every even i on a grid point.
TEST(StripeLevelCounter, FindsHeightsOnALevel) {
    struct Planted {
        Long count, first, end;
        bool tie;
    };
    for (const Planted planted :
         {Planted{1 << 20, 1, 100, true}, Planted{1 << 20, 40, 41, false},
          Planted{1 << 20, 99, 100, true}, Planted{1 << 20, 99, 101, true},
          Planted{1 << 16, 5, 6, true}, Planted{1 << 16, 6, 7, false},
          Planted{1 << 24, 2000, 2003, true}, Planted{1 << 24, 2000, 2001, false}}) {
        const auto m = static_cast<int>(std::log2(planted.count));
        const StripeTermRange range{planted.count, planted.first, planted.end};
        EXPECT_EQ(ExpectCountedLikeTheKernel(range, 2 * m), planted.tie ? 1 : 0)
            << "count " << planted.count << ", terms " << planted.first << ".." << planted.end;
    }
}

// Where the engine counts most: the largest power of two and a count just below it.
TEST(StripeSumSlow, TheLargestCountsAddLikeThePlainLoop) {
    for (const Long count : {1 << 30, (1 << 30) - 1}) {
        SCOPED_TRACE(::testing::Message() << "count " << count);
        const StripeSums sums = SumStripes(count);
        ASSERT_EQ(sums.above, reference::StripeSum(count, 1.0));
        ASSERT_EQ(sums.below, reference::StripeSum(count, 0.0));
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
