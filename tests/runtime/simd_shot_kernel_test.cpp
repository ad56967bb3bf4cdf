#include "runtime/simd_shot_kernel.h"

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "estimators/reference_loops.h"
#include "runtime/counter_random_sequence.h"
#include "runtime/forced_simd_target.h"

namespace quadrix {
namespace {

using testing::ForEachSimdTarget;

constexpr std::uint32_t kMaxWord = 0xFFFFFFFF;

struct WordShot {
    std::uint32_t x;
    std::uint32_t y;
};

double Scaled(std::uint32_t word) {
    return word * CounterRandomSequence::kScale;
}

// The test the sequence's reference loop applies.
bool PlainHit(WordShot shot) {
    const double x = Scaled(shot.x);
    const double y = Scaled(shot.y);
    return x * x + y * y <= 1.0;
}

// What a contracted x*x + y*y would give.
bool FusedHit(WordShot shot) {
    const double y = Scaled(shot.y);
    return std::fma(Scaled(shot.x), Scaled(shot.x), y * y) <= 1.0;
}

// a*a + b*b <= 2^64 in exact integers.
bool ExactHit(WordShot shot) {
    const std::uint64_t a = shot.x;
    const std::uint64_t b = shot.y;
    return a == 0 || b * b <= std::uint64_t{0} - a * a;  // 2^64 - a*a, without wrapping for a > 0
}

// The largest b with b*b <= value.
std::uint64_t FloorSqrt(std::uint64_t value) {
    std::uint64_t root = std::min<std::uint64_t>(
        kMaxWord, static_cast<std::uint64_t>(std::sqrt(static_cast<double>(value))));
    while (root * root > value) {
        --root;
    }
    while (root < kMaxWord && (root + 1) * (root + 1) <= value) {
        ++root;
    }
    return root;
}

// a*a + b*b - 2^64, when it is small.
std::int64_t DistanceFromTheArc(std::uint64_t a, std::uint64_t b) {
    return static_cast<std::int64_t>(b * b - (std::uint64_t{0} - a * a));
}

// Shots whose exact x*x + y*y lies within a few units in the last place of 1,
// on both sides of the arc, where rounding decides hit or miss. Word pairs that
// close to the arc are rare; they are densest where one word is near 2^32 and
// the other small, so the search looks there.
std::vector<WordShot> SearchShotsAlongTheArc() {
    constexpr std::int64_t kBand = std::int64_t{1} << 14;  // 4 ulps of 1 above, 8 below
    std::vector<WordShot> shots;
    const auto add = [&](std::uint64_t a, std::uint64_t b) {
        shots.push_back({static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(b)});
        shots.push_back({static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(a)});
    };
    for (std::uint64_t a = kMaxWord; a > kMaxWord - (1u << 22); --a) {
        const std::uint64_t b = FloorSqrt(std::uint64_t{0} - a * a);
        for (const std::uint64_t near : {b, b + 1}) {
            if (std::abs(DistanceFromTheArc(a, near)) <= kBand) {
                add(a, near);
            }
        }
    }
    // (2^32 - 2j^2)^2 + (2^17 j)^2 = 2^64 + 4j^4 exactly.
    for (std::uint64_t j = 1; j <= 8; ++j) {
        add((std::uint64_t{1} << 32) - 2 * j * j, j << 17);
    }
    return shots;
}

const std::vector<WordShot>& ShotsAlongTheArc() {
    static const std::vector<WordShot> shots = SearchShotsAlongTheArc();
    return shots;
}

// Shots around the arc anywhere along it, each word rounded when squared.
std::vector<WordShot> ShotsAroundTheArc(std::uint32_t seed, int count) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::uint32_t> words(1u << 17, kMaxWord);
    std::vector<WordShot> shots;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t a = words(random);
        const std::uint64_t b = FloorSqrt(std::uint64_t{0} - std::uint64_t{a} * a);
        for (std::uint64_t near = b - 2; near <= std::min<std::uint64_t>(b + 2, kMaxWord); ++near) {
            shots.push_back({a, static_cast<std::uint32_t>(near)});
        }
    }
    return shots;
}

std::int64_t CountWordHits(const std::vector<WordShot>& shots, std::size_t count) {
    std::vector<std::uint32_t> xs;
    std::vector<std::uint32_t> ys;
    for (std::size_t i = 0; i < count; ++i) {
        xs.push_back(shots[i].x);
        ys.push_back(shots[i].y);
    }
    return SimdShotKernel::CountWordHits(xs.data(), ys.data(), count);
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

TEST(SimdShotKernel, TheArcSamplesAreWhereRoundingDecides) {
    const std::vector<WordShot>& shots = ShotsAlongTheArc();
    int roundedDiffersFromExact = 0;
    int fusedDiffersFromPlain = 0;
    for (const WordShot shot : shots) {
        roundedDiffersFromExact += PlainHit(shot) != ExactHit(shot) ? 1 : 0;
        fusedDiffersFromPlain += PlainHit(shot) != FusedHit(shot) ? 1 : 0;
    }
    // Otherwise the test below could not tell a wrong hit test from the right one.
    EXPECT_GT(roundedDiffersFromExact, 50);
    EXPECT_GT(fusedDiffersFromPlain, 5);
}

TEST(SimdShotKernel, EachTargetJudgesShotsAlongTheArcLikeThePlainTest) {
    std::vector<WordShot> shots = ShotsAlongTheArc();
    const std::vector<WordShot> around = ShotsAroundTheArc(2, 1000);
    shots.insert(shots.end(), around.begin(), around.end());
    ForEachSimdTarget([&](std::int64_t) {
        for (const WordShot shot : shots) {
            ASSERT_EQ(SimdShotKernel::CountWordHits(&shot.x, &shot.y, 1), PlainHit(shot) ? 1 : 0)
                << "x word " << shot.x << ", y word " << shot.y;
        }
    });
}

TEST(SimdShotKernel, EachTargetCountsWholeVectorsAndTheRest) {
    std::vector<WordShot> shots = ShotsAroundTheArc(3, 100);
    shots.insert(shots.begin(), {{0, 0}, {kMaxWord, 0}, {0, kMaxWord}, {kMaxWord, kMaxWord}});
    ForEachSimdTarget([&](std::int64_t) {
        for (const std::size_t count :
             {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{4},
              std::size_t{7}, std::size_t{9}, std::size_t{17}, shots.size()}) {
            std::int64_t expected = 0;
            for (std::size_t i = 0; i < count; ++i) {
                expected += PlainHit(shots[i]) ? 1 : 0;
            }
            EXPECT_EQ(CountWordHits(shots, count), expected) << count << " shots";
        }
    });
}

struct BlockRun {
    std::uint64_t firstBlock;
    std::uint64_t blocks;
};

std::vector<BlockRun> BlockRuns() {
    std::vector<BlockRun> runs;
    // Every length up to a few vectors of the widest target, and one long run.
    for (std::uint64_t blocks = 0; blocks <= 40; ++blocks) {
        runs.push_back({1 + blocks * 7, blocks});
    }
    runs.push_back({3, 1000});
    // The low counter word wraps inside a vector here.
    runs.push_back({(std::uint64_t{1} << 32) - 5, 23});
    std::mt19937_64 random(4);
    for (int i = 0; i < 10; ++i) {
        runs.push_back({1 + random() % (std::uint64_t{1} << 50), random() % 50});
    }
    return runs;
}

TEST(SimdShotKernel, EachTargetCountsBlocksLikeTheReferenceLoop) {
    const std::vector<BlockRun> runs = BlockRuns();
    std::vector<std::int64_t> evenExpected;
    std::vector<std::int64_t> oddExpected;
    for (const BlockRun& run : runs) {
        const auto shots = static_cast<std::int64_t>(2 * run.blocks);
        evenExpected.push_back(reference::ShootHits(4 * run.firstBlock, shots));
        oddExpected.push_back(reference::ShootHits(4 * run.firstBlock - 1, shots));
    }
    ForEachSimdTarget([&](std::int64_t) {
        for (std::size_t i = 0; i < runs.size(); ++i) {
            SCOPED_TRACE(::testing::Message()
                         << "blocks " << runs[i].firstBlock << " + " << runs[i].blocks);
            EXPECT_EQ(SimdShotKernel::CountBlockHits(runs[i].firstBlock, runs[i].blocks,
                                                     SimdShotKernel::Pairing::kEven),
                      evenExpected[i]);
            EXPECT_EQ(SimdShotKernel::CountBlockHits(runs[i].firstBlock, runs[i].blocks,
                                                     SimdShotKernel::Pairing::kOdd),
                      oddExpected[i]);
        }
    });
}

}  // namespace
}  // namespace quadrix
