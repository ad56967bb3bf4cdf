// Tests of the SIMD hit test of the shooting engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

#include "estimators/shot_kernel.h"
#include "runtime/counter_random_sequence.h"
#include "support/each_simd_target.h"

namespace quadrix {

TEST(ShotKernel, JudgesShotsAtTheArcLikeThePlainTest) {
    // The corners, then word pairs whose a*a + b*b is within a few units of 2^64, where
    // rounding alone decides: densest where one word is near 2^32, then beside random words.
    std::vector<std::uint32_t> x = {0, 0xFFFFFFFF}, y = x;
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
                const double u = static_cast<double>(a) * CounterRandomSequence::kScale,
                             v = static_cast<double>(near) * CounterRandomSequence::kScale;
                hit.push_back(u * u + v * v <= 1.0 ? 1 : 0);
            }
        }
    }
    testing::ForEachSimdTarget([&] {
        for (std::size_t i = 0; i < x.size(); ++i) {
            ASSERT_EQ(shot_kernel::CountWordHits(&x[i], &y[i], 1), hit[i])
                << "x word " << x[i] << ", y word " << y[i];
        }
        EXPECT_EQ(shot_kernel::CountWordHits(x.data(), y.data(), x.size()),
                  std::accumulate(hit.begin(), hit.end(), std::int64_t{0}));
    });
}

}  // namespace quadrix
