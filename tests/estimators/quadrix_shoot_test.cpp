#include "estimators/quadrix_shoot.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "estimators/reference_loops.h"
#include "runtime/counter_random_sequence.h"
#include "runtime/errors.h"

namespace quadrix {
namespace {

constexpr Long kMaxLong = std::numeric_limits<Long>::max();

// Yields the scripted values in order and counts how many were drawn.
class ScriptedRandomSource : public RandomSource {
  public:
    explicit ScriptedRandomSource(std::vector<double> values) : values_(std::move(values)) {}
    double Next() override { return values_.at(drawn++); }
    std::size_t drawn = 0;

  private:
    std::vector<double> values_;
};

// Every shot a hit, counted without drawing: lets the counters reach the top of Long quickly.
class AlwaysHitSource : public RandomSource {
  public:
    double Next() override {
        ++drawn;
        return 0.0;
    }
    std::int64_t CountHits(std::int64_t shots) override { return shots; }
    int drawn = 0;
};

TEST(QuadrixShoot, ScriptedShotsHitOnAndInsideTheArcAndNonPositiveStepsDrawNothing) {
    // (0, 0) hit, (0.9, 0.9) miss, (1, 0) exactly on the arc: a hit.
    ScriptedRandomSource source({0.0, 0.0, 0.9, 0.9, 1.0, 0.0});
    QuadrixShoot shoot(source);
    EXPECT_EQ(shoot.Count(), 0);
    EXPECT_THROW(shoot.PiRounded(), InvalidOperation);  // 0 / 0 before the first shot
    EXPECT_THROW(shoot.StateDescr(), InvalidOperation);
    shoot.DoStep(1);
    EXPECT_EQ(shoot.StateDescr(),
              "PiRounded:  4\r\nShootCount: 1\r\nHitCount:   1\r\nMissCount:  0");
    for (const Long steps : {0, -5, std::numeric_limits<Long>::min()}) {
        shoot.DoStep(steps);
        EXPECT_EQ(shoot.ShootCount(), 1);
        EXPECT_EQ(source.drawn, 2u);
    }
    shoot.DoStep(2);
    EXPECT_EQ(shoot.PiRounded(), 8.0 / 3.0);
    EXPECT_EQ(shoot.MissCount(), 1);
    EXPECT_EQ(source.drawn, 6u);
}

TEST(QuadrixShoot, DefaultEstimatorMatchesTheReferenceLoopHoweverTheShotsAreSplitOrReset) {
    const CounterRandomSequence& program = CounterRandomSequence::Program();
    const std::uint64_t start = program.Position();
    QuadrixShoot shoot;
    std::int64_t shots = 0;
    std::int64_t hits = 0;
    for (const Long steps : {1, 7, 250000, 2, 99999}) {
        shoot.DoStep(steps);
        hits += reference::ShootHits(start + 2 * static_cast<std::uint64_t>(shots), steps);
        shots += steps;
        EXPECT_EQ(shoot.ShootCount(), shots);
        EXPECT_EQ(shoot.HitCount(), hits);
        EXPECT_EQ(shoot.MissCount(), shots - hits);
    }
    EXPECT_EQ(program.Position(), start + 2 * shots);

    shoot.Reset();  // clears the counters; the sequence goes on
    EXPECT_EQ(shoot.HitCount(), 0);
    EXPECT_EQ(shoot.ShootCount(), 0);
    shoot.DoStep(50);
    EXPECT_EQ(shoot.HitCount(), reference::ShootHits(program.Position() - 100, 50));
    EXPECT_EQ(program.Position(), start + 2 * shots + 100);
}

TEST(QuadrixShootOverflow, TheShotPastTheTopOfLongCountsNothingButTheShotsBeforeItStay) {
    AlwaysHitSource source;
    QuadrixShoot shoot(source);
    shoot.DoStep(kMaxLong - 10);
    EXPECT_THROW(shoot.DoStep(100), Overflow);
    EXPECT_EQ(shoot.ShootCount(), kMaxLong);
    EXPECT_EQ(shoot.HitCount(), kMaxLong);
    EXPECT_EQ(source.drawn, 2);  // the failing shot was drawn

    EXPECT_THROW(shoot.DoStep(1), Overflow);
    EXPECT_EQ(shoot.ShootCount(), kMaxLong);
    EXPECT_EQ(shoot.HitCount(), kMaxLong);
    EXPECT_EQ(shoot.MissCount(), 0);
    EXPECT_EQ(source.drawn, 4);
}

TEST(QuadrixShootOverflow, TheLoopCounterOverflowsAfterTheLargestStepCount) {
    AlwaysHitSource source;
    QuadrixShoot shoot(source);
    EXPECT_THROW(shoot.DoStep(kMaxLong), Overflow);
    EXPECT_EQ(shoot.ShootCount(), kMaxLong);
    EXPECT_EQ(source.drawn, 0);
}

TEST(QuadrixShootOverflow, EstimateOverflowsWhenFourTimesTheHitsLeaveLong) {
    AlwaysHitSource source;
    QuadrixShoot shoot(source);
    shoot.DoStep(536870911);
    EXPECT_EQ(shoot.PiRounded(), 4.0);
    shoot.DoStep(1);
    EXPECT_THROW(shoot.PiRounded(), Overflow);
    EXPECT_THROW(shoot.StateDescr(), Overflow);
}

}  // namespace
}  // namespace quadrix
