#include "estimators/stripe_grid_kernel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "runtime/forced_simd_target.h"

namespace quadrix {
namespace {

using testing::ForEachSimdTarget;

double Height(Long count, Long i) {
    const double t = static_cast<double>(i) / static_cast<double>(count);
    return std::sqrt(1.0 - t * t);
}

// One height at a time, in order: what the kernel must give on any SIMD level.
StripeGridSum ModelGridSum(const StripeTermRange& range, int scaleExponent) {
    StripeGridSum sum;
    for (Long i = range.first; i < range.end; ++i) {
        const double scaled = std::ldexp(Height(range.count, i), scaleExponent);
        const double rounded = std::nearbyint(scaled);
        sum.units += rounded;
        if (std::fabs(scaled - rounded) == 0.5) {
            sum.noTie = false;
        }
    }
    return sum;
}

void ExpectKernelMatchesModel(const StripeTermRange& range, int scaleExponent,
                              int otherScaleExponent) {
    SCOPED_TRACE(::testing::Message() << "count " << range.count << ", terms [" << range.first
                                      << ", " << range.end << "), grid 2^-" << scaleExponent);
    const StripeGridSum expected = ModelGridSum(range, scaleExponent);
    const StripeGridSum expectedOther = ModelGridSum(range, otherScaleExponent);

    StripeGridSum one;
    SumStripeTermsOnGrids(range, &scaleExponent, 1, &one);
    EXPECT_EQ(one.units, expected.units);
    EXPECT_EQ(one.noTie, expected.noTie);

    const int both[2] = {scaleExponent, otherScaleExponent};
    StripeGridSum two[2];
    SumStripeTermsOnGrids(range, both, 2, two);
    EXPECT_EQ(two[0].units, expected.units);
    EXPECT_EQ(two[0].noTie, expected.noTie);
    EXPECT_EQ(two[1].units, expectedOther.units);
    EXPECT_EQ(two[1].noTie, expectedOther.noTie);
}

// Heights whose scaled value lies within two units in the last place of a
// half: a height one bit off in any lane turns such a term into a tie, or a
// tie into a clear case, or rounds it the other way.
std::vector<Long> NearTies(Long count, Long end, int scaleExponent, bool exactOnly) {
    std::vector<Long> terms;
    for (Long i = 1; i < end; ++i) {
        const double scaled = std::ldexp(Height(count, i), scaleExponent);
        const double fromHalf = std::fabs(scaled - std::floor(scaled) - 0.5);
        const double ulp = std::nextafter(scaled, 2.0 * scaled) - scaled;
        if (exactOnly ? fromHalf == 0.0 : fromHalf <= 2.0 * ulp) {
            terms.push_back(i);
        }
    }
    return terms;
}

TEST(StripeGridKernel, RunsOnTheForcedLevel) {
    ForEachSimdTarget([](std::int64_t target) {
        EXPECT_STREQ(StripeGridKernelTarget(), hwy::TargetName(target));
    });
}

TEST(StripeGridKernel, NearTiesAreRoundedAndFlaggedBitForBit) {
    constexpr int kScaleExponent = 42;  // a running sum in [2^10, 2^11)
    for (const Long count : {1 << 20, 1000003}) {
        ASSERT_FALSE(NearTies(count, 1 << 16, kScaleExponent, true).empty())
            << "no tie to test with at count " << count;
        const std::vector<Long> nearTies = NearTies(count, 1 << 16, kScaleExponent, false);
        ForEachSimdTarget([&](std::int64_t) {
            for (const Long term : nearTies) {
                // The term in the middle of whole vectors, then alone in the tail.
                ExpectKernelMatchesModel({count, std::max(1, term - 13), term + 14}, kScaleExponent,
                                         kScaleExponent + 1);
                ExpectKernelMatchesModel({count, term, term + 1}, kScaleExponent,
                                         kScaleExponent + 1);
            }
        });
    }
}

}  // namespace
}  // namespace quadrix
