#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

#include "estimators/quadrix_shoot.h"
#include "estimators/shot_hit_counter.h"
#include "estimators/shot_kernel.h"
#include "runtime/counter_random_sequence.h"
#include "runtime/errors.h"
#include "support/engine_variants.h"
#include "support/reference_loops.h"
#include "support/test_seed.h"

namespace quadrix {
namespace {

constexpr Long kMaxLong = std::numeric_limits<Long>::max();

// Yields the scripted values in order, then 0 for ever, and counts the draws.
// Runs of more than `countsAbove` shots it answers as all hits without drawing.
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

TEST(QuadrixShoot, TheProgramSequenceCountsTheReferenceHitsHoweverTheShotsAreSplit) {
    CounterRandomSequence sequence;
    sequence.Next();  // from an odd index on
    QuadrixShoot shoot(sequence);
    std::int64_t shots = 0;
    std::int64_t hits = 0;
    for (const Long steps : {1, 250000, 7}) {
        shoot.DoStep(steps);
        hits += reference::ShootHits(1 + 2 * static_cast<std::uint64_t>(shots), steps);
        shots += steps;
        ASSERT_EQ(shoot.State(),
                  EstimatorState(ShootState{4.0 * hits / shots, Long(shots), Long(hits),
                                            Long(shots - hits), 1 + 2 * std::uint64_t(shots)}));
    }
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
    // Every pool on the current SIMD level counts the reference loop's hits.
    const auto ExpectReferenceHits = [](std::uint64_t firstValue, std::int64_t shots) {
        for (WorkerPool& pool : testing::TestPools()) {
            ASSERT_EQ(ShotHitCounter(pool).CountHits(firstValue, shots),
                      reference::ShootHits(firstValue, shots))
                << shots << " shots from value " << firstValue << ", " << pool.ThreadCount()
                << " threads";
        }
    };
    constexpr auto kTaskShots = static_cast<std::int64_t>(2 * ShotHitCounter::kBlocksPerTask);
    testing::ForEachSimdTarget([&](const char* name) {
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

TEST(ShotKernel, EveryLevelJudgesShotsAtTheArcLikeThePlainTest) {
    // The corners, then word pairs (a, b) whose a*a + b*b lies within a few units in the last
    // place of 2^64, where rounding alone decides hit or miss: densest where one word is near
    // 2^32, and beside random words.
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
    testing::ForEachSimdTarget([&](const char*) {
        for (std::size_t i = 0; i < x.size(); ++i) {
            ASSERT_EQ(shot_kernel::CountWordHits(&x[i], &y[i], 1), hit[i])
                << "x word " << x[i] << ", y word " << y[i];
        }
        EXPECT_EQ(shot_kernel::CountWordHits(x.data(), y.data(), x.size()),
                  std::accumulate(hit.begin(), hit.end(), std::int64_t{0}));
    });
}

}  // namespace
}  // namespace quadrix
