// Tests of summing stripe heights on a grid from where they cross its levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <random>
#include <tuple>

#include "estimators/stripe_grid_kernel.h"
#include "estimators/stripe_level_counter.h"
#include "support/each_simd_target.h"
#include "support/test_seed.h"

namespace quadrix {
namespace {

// Counting meets the kernel's ties (which round either way) and its units elsewhere; `tie` if set.
void ExpectCountedLikeTheKernel(const StripeTermRange& range, int scaleExponent,
                                std::optional<bool> tie = std::nullopt) {
    SCOPED_TRACE(::testing::Message() << "count " << range.count << ", terms " << range.first
                                      << ".." << range.end << ", grid 2^-" << scaleExponent);
    const StripeGridSum kernel = stripe_grid_kernel::SumOnGrid(range, scaleExponent);
    const StripeGridSum counted = StripeLevelCounter(range, scaleExponent).Sum();
    EXPECT_TRUE(counted.noTie == kernel.noTie && (!kernel.noTie || counted.units == kernel.units));
    EXPECT_EQ(!kernel.noTie, tie.value_or(!kernel.noTie));
}

// Random ranges on the finest grids that keep their sums exact, with at most a few levels per term:
// far down small counts, where the curve settles nearly every level, and near the top of large
// ones, where some levels settle only with exact heights.
TEST(StripeLevelCounter, SumsLikeTheKernel) {
    std::mt19937_64 random(testing::TestSeed());
    const auto drawIn = [&](Long low, Long high) {
        return std::uniform_int_distribution<Long>(low, high)(random);
    };
    testing::ForEachSimdTarget([&] {
        for (const auto& [lowestCount, highestCount, lowestFirst, highestFirst] :
             {std::array<Long, 4>{10000, 1000000, 1, 1 << 30},
              std::array<Long, 4>{1 << 29, kLongMax, 1 << 12, 1 << 16}}) {
            for (int trial = 0; trial < 100; ++trial) {
                const Long count = drawIn(lowestCount, highestCount);
                const Long first = drawIn(lowestFirst, std::min(highestFirst, count - 2));
                const Long terms = drawIn(1, 5000);
                const StripeTermRange range{count, first, std::min(count, first + terms)};
                // The finest grid on which the units stay exact below 2^53.
                const auto width =
                    std::bit_width(static_cast<std::uint32_t>(range.end - range.first));
                int scaleExponent = 52 - static_cast<int>(width);
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
    using Planted = std::tuple<StripeTermRange, bool>;
    for (const auto& [range, tie] :
         {Planted{{1 << 20, 1, 100}, true}, Planted{{1 << 20, 40, 41}, false},
          Planted{{1 << 20, 99, 100}, true}, Planted{{1 << 20, 99, 101}, true},
          Planted{{1 << 16, 5, 6}, true}, Planted{{1 << 16, 6, 7}, false},
          Planted{{1 << 24, 2000, 2003}, true}, Planted{{1 << 24, 2000, 2001}, false}}) {
        ExpectCountedLikeTheKernel(range, 2 * std::countr_zero(std::uint32_t(range.count)), tie);
    }
}

}  // namespace
}  // namespace quadrix
