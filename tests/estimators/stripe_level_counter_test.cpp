// Tests of summing stripe heights on a grid from where they cross its levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "estimators/stripe_grid_kernel.h"
#include "estimators/stripe_level_counter.h"
#include "support/each_simd_target.h"
#include "support/test_seed.h"

namespace quadrix {
namespace {

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
    testing::ForEachSimdTarget([&] {
        for (const Draw draw :
             {Draw{10000, 1000000, 1, 1 << 30}, Draw{1 << 29, kLongMax, 1 << 12, 1 << 16}}) {
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
                ExpectCountedLikeTheKernel(range, scaleExponent);
            }
        }
    });
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

}  // namespace
}  // namespace quadrix
