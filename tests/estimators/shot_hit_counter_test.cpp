#include "estimators/shot_hit_counter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "estimators/shot_kernel.h"
#include "support/forced_simd_target.h"
#include "support/reference_loops.h"
#include "support/test_pools.h"
#include "support/test_seed.h"

namespace quadrix {
namespace {

using testing::ForEachSimdTarget;

// Every pool on the current SIMD level counts the reference loop's hits.
void ExpectReferenceHits(std::uint64_t firstValue, std::int64_t shots) {
    const std::int64_t expected = reference::ShootHits(firstValue, shots);
    for (WorkerPool& pool : testing::TestPools()) {
        ASSERT_EQ(ShotHitCounter(pool).CountHits(firstValue, shots), expected)
            << shots << " shots from value " << firstValue << ", " << pool.ThreadCount()
            << " threads";
    }
}

TEST(ShotHitCounter, RunsAroundBlockTaskAndCounterWordEdgesCountTheReferenceHits) {
    constexpr auto kTaskShots = static_cast<std::int64_t>(2 * ShotHitCounter::kBlocksPerTask);
    EXPECT_EQ(ShotHitCounter(testing::TestPools()[1]).CountHits(5, INT64_MIN), 0);
    ForEachSimdTarget([&](const char* name) {
        EXPECT_STREQ(shot_kernel::TargetName(), name);
        // Every length from every start within a block, past a full pass of the
        // widest kernel, then past whole tasks and where the low counter word wraps.
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

// Word pairs (a, b) whose a*a + b*b lies within a few units in the last place
// of 2^64, where rounding alone decides hit or miss: densest where one word is
// near 2^32, and beside random words. Then the corners.
std::vector<std::uint32_t> WordsAtTheArc() {
    std::vector<std::uint32_t> words = {0, 0, 0xFFFFFFFF, 0, 0xFFFFFFFF, 0xFFFFFFFF};
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
                words.insert(words.end(),
                             {static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(near)});
            }
        }
    }
    return words;
}

TEST(ShotKernel, EveryLevelJudgesShotsAtTheArcLikeThePlainTest) {
    const std::vector<std::uint32_t> words = WordsAtTheArc();
    std::vector<std::uint32_t> x;
    std::vector<std::uint32_t> y;
    std::vector<std::int64_t> hitsBefore = {0};  // hits among the first i shots
    int fusedDiffers = 0;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const double a = words[i] * CounterRandomSequence::kScale;
        const double b = words[i + 1] * CounterRandomSequence::kScale;
        x.push_back(words[i]);
        y.push_back(words[i + 1]);
        hitsBefore.push_back(hitsBefore.back() + (a * a + b * b <= 1.0 ? 1 : 0));
        fusedDiffers += (std::fma(a, a, b * b) <= 1.0) != (a * a + b * b <= 1.0) ? 1 : 0;
    }
    ASSERT_GT(fusedDiffers, 5) << "the samples could not tell a fused hit test";
    ForEachSimdTarget([&](const char*) {
        for (std::size_t i = 0; i < x.size(); ++i) {
            ASSERT_EQ(shot_kernel::CountWordHits(&x[i], &y[i], 1),
                      hitsBefore[i + 1] - hitsBefore[i])
                << "x word " << x[i] << ", y word " << y[i];
        }
        for (const std::size_t count : {0ul, 3ul, 9ul, 17ul, x.size()}) {
            EXPECT_EQ(shot_kernel::CountWordHits(x.data(), y.data(), count), hitsBefore[count]);
        }
    });
}

}  // namespace
}  // namespace quadrix
