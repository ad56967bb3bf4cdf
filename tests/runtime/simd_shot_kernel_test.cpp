#include "runtime/simd_shot_kernel.h"

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "runtime/counter_random_sequence.h"
#include "runtime/forced_simd_target.h"

namespace quadrix {
namespace {

using testing::ForEachSimdTarget;

constexpr std::uint64_t kMaxWord = 0xFFFFFFFF;

double Scaled(std::uint64_t word) {
    return static_cast<double>(word) * CounterRandomSequence::kScale;
}

// The test the sequence's reference loop applies.
bool PlainHit(std::uint64_t xWord, std::uint64_t yWord) {
    const double x = Scaled(xWord);
    const double y = Scaled(yWord);
    return x * x + y * y <= 1.0;
}

// The largest b with b*b <= value.
std::uint64_t FloorSqrt(std::uint64_t value) {
    auto root =
        std::min(kMaxWord, static_cast<std::uint64_t>(std::sqrt(static_cast<double>(value))));
    while (root * root > value) {
        --root;
    }
    while (root < kMaxWord && (root + 1) * (root + 1) <= value) {
        ++root;
    }
    return root;
}

struct WordShots {
    std::vector<std::uint32_t> x;
    std::vector<std::uint32_t> y;

    void Add(std::uint64_t xWord, std::uint64_t yWord) {
        x.push_back(static_cast<std::uint32_t>(xWord));
        y.push_back(static_cast<std::uint32_t>(yWord));
    }
    std::size_t Size() const { return x.size(); }
};

// The corners of the square, then shots whose exact x*x + y*y lies within a
// few units in the last place of 1, where rounding decides hit or miss: the
// rare word pairs that close to the arc, densest where one word is near 2^32
// and the other small, and random words a beside the words b nearest the arc.
WordShots ShotsAtTheArc() {
    WordShots shots;
    shots.Add(0, 0);
    shots.Add(kMaxWord, 0);
    shots.Add(0, kMaxWord);
    shots.Add(kMaxWord, kMaxWord);
    constexpr std::int64_t kBand = std::int64_t{1} << 14;  // 4 ulps of 1 above, 8 below
    for (std::uint64_t a = kMaxWord; a > kMaxWord - (1u << 22); --a) {
        const std::uint64_t b = FloorSqrt(std::uint64_t{0} - a * a);  // 2^64 - a*a
        for (const std::uint64_t near : {b, b + 1}) {
            // a*a + near*near - 2^64, small here
            if (std::abs(static_cast<std::int64_t>(near * near + a * a)) <= kBand) {
                shots.Add(a, near);
                shots.Add(near, a);
            }
        }
    }
    // (2^32 - 2j^2)^2 + (2^17 j)^2 = 2^64 + 4j^4 exactly.
    for (std::uint64_t j = 1; j <= 8; ++j) {
        shots.Add((std::uint64_t{1} << 32) - 2 * j * j, j << 17);
    }
    std::mt19937 random(2);
    std::uniform_int_distribution<std::uint64_t> words(1u << 17, kMaxWord);
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t a = words(random);
        const std::uint64_t b = FloorSqrt(std::uint64_t{0} - a * a);
        for (std::uint64_t near = b - 2; near <= std::min(b + 2, kMaxWord); ++near) {
            shots.Add(a, near);
        }
    }
    return shots;
}

TEST(SimdShotKernel, DispatchFollowsTheForcedTarget) {
    const std::vector<std::int64_t> targets = hwy::SupportedAndGeneratedTargets();
#if HWY_ARCH_X86
    EXPECT_GE(targets.size(), 2u) << "a SIMD target and the plain fallback";
#endif
    ForEachSimdTarget(
        [](std::int64_t target) { EXPECT_EQ(SimdShotKernel::ActiveTarget(), target); });
    EXPECT_EQ(SimdShotKernel::ActiveTarget(), targets.front()) << "the best one when not forced";
}

TEST(SimdShotKernel, EachTargetJudgesShotsAtTheArcLikeThePlainTest) {
    const WordShots shots = ShotsAtTheArc();
    std::vector<std::int64_t> hitsBefore{0};
    int roundedDiffersFromExact = 0;
    int fusedDiffersFromPlain = 0;
    for (std::size_t i = 0; i < shots.Size(); ++i) {
        const std::uint64_t a = shots.x[i];
        const std::uint64_t b = shots.y[i];
        const bool hit = PlainHit(a, b);
        hitsBefore.push_back(hitsBefore.back() + (hit ? 1 : 0));
        const bool exactHit = a == 0 || b * b <= std::uint64_t{0} - a * a;  // a*a + b*b <= 2^64
        const bool fusedHit = std::fma(Scaled(a), Scaled(a), Scaled(b) * Scaled(b)) <= 1.0;
        roundedDiffersFromExact += hit != exactHit ? 1 : 0;
        fusedDiffersFromPlain += hit != fusedHit ? 1 : 0;
    }
    // Otherwise the samples could not tell a wrong or contracted hit test from the right one.
    EXPECT_GT(roundedDiffersFromExact, 50);
    EXPECT_GT(fusedDiffersFromPlain, 5);

    ForEachSimdTarget([&](std::int64_t) {
        for (std::size_t i = 0; i < shots.Size(); ++i) {
            ASSERT_EQ(SimdShotKernel::CountWordHits(&shots.x[i], &shots.y[i], 1),
                      hitsBefore[i + 1] - hitsBefore[i])
                << "x word " << shots.x[i] << ", y word " << shots.y[i];
        }
        // Whole vectors and the rest.
        for (const std::size_t count : {0, 1, 2, 3, 4, 7, 9, 17}) {
            EXPECT_EQ(SimdShotKernel::CountWordHits(shots.x.data(), shots.y.data(), count),
                      hitsBefore[count])
                << count << " shots";
        }
        EXPECT_EQ(SimdShotKernel::CountWordHits(shots.x.data(), shots.y.data(), shots.Size()),
                  hitsBefore.back());
    });
}

}  // namespace
}  // namespace quadrix
