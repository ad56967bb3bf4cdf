#include "estimators/quadrix_shoot.h"

#include <gtest/gtest.h>

#include <limits>

#include "estimators/reference_loops.h"
#include "estimators/scripted_random_source.h"
#include "runtime/counter_random_sequence.h"
#include "runtime/errors.h"

namespace quadrix {
namespace {

using testing::ScriptedRandomSource;

constexpr Long kMaxLong = std::numeric_limits<Long>::max();

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

TEST(QuadrixShoot, FreshEstimatorIsResetAndHasNoEstimate) {
    ScriptedRandomSource source({});
    QuadrixShoot shoot(source);
    EXPECT_EQ(shoot.HitCount(), 0);
    EXPECT_EQ(shoot.ShootCount(), 0);
    EXPECT_EQ(shoot.MissCount(), 0);
    EXPECT_EQ(shoot.Count(), 0);
    EXPECT_THROW(shoot.PiRounded(), InvalidOperation);  // 0 / 0
    EXPECT_THROW(shoot.StateDescr(), InvalidOperation);
}

TEST(QuadrixShoot, ScriptedShotsHitOnAndInsideTheArc) {
    // (0, 0) hit, (0.9, 0.9) miss, (1, 0) exactly on the arc: a hit.
    ScriptedRandomSource source({0.0, 0.0, 0.9, 0.9, 1.0, 0.0});
    QuadrixShoot shoot(source);

    shoot.DoStep(1);
    EXPECT_EQ(shoot.StateDescr(),
              "PiRounded:  4\r\nShootCount: 1\r\nHitCount:   1\r\nMissCount:  0");
    shoot.DoStep(1);
    EXPECT_EQ(shoot.HitCount(), 1);
    EXPECT_EQ(shoot.MissCount(), 1);
    shoot.DoStep(1);
    EXPECT_EQ(shoot.HitCount(), 2);
    EXPECT_EQ(shoot.ShootCount(), 3);
    EXPECT_EQ(source.Drawn(), 6u);
}

TEST(QuadrixShoot, OneMissEstimatesZero) {
    ScriptedRandomSource source({0.9, 0.9});
    QuadrixShoot shoot(source);
    shoot.DoStep(1);
    EXPECT_EQ(shoot.StateDescr(),
              "PiRounded:  0\r\nShootCount: 1\r\nHitCount:   0\r\nMissCount:  1");
}

TEST(QuadrixShoot, ThreeHitsOfFourEstimateThree) {
    ScriptedRandomSource source({0.1, 0.1, 0.2, 0.2, 0.99, 0.99, 0.3, 0.3});
    QuadrixShoot shoot(source);
    shoot.DoStep(4);
    EXPECT_EQ(shoot.StateDescr(),
              "PiRounded:  3\r\nShootCount: 4\r\nHitCount:   3\r\nMissCount:  1");
}

TEST(QuadrixShoot, ZeroOrNegativeStepsChangeNothingAndDrawNothing) {
    ScriptedRandomSource source({0.0, 0.0});
    QuadrixShoot shoot(source);
    shoot.DoStep(1);
    for (const Long steps : {0, -5, std::numeric_limits<Long>::min()}) {
        shoot.DoStep(steps);
        EXPECT_EQ(shoot.ShootCount(), 1);
        EXPECT_EQ(source.Drawn(), 2u);
    }
}

TEST(QuadrixShoot, ResetClearsCountersButTheSequenceGoesOn) {
    CounterRandomSequence sequence;
    QuadrixShoot shoot(sequence);
    shoot.DoStep(100);
    shoot.Reset();
    EXPECT_EQ(shoot.HitCount(), 0);
    EXPECT_EQ(shoot.ShootCount(), 0);
    shoot.DoStep(50);
    EXPECT_EQ(shoot.HitCount(), reference::ShootHits(200, 50));
    EXPECT_EQ(sequence.Position(), 300u);
}

TEST(QuadrixShoot, MatchesTheReferenceLoopHoweverTheShotsAreSplit) {
    CounterRandomSequence whole;
    QuadrixShoot once(whole);
    once.DoStep(10007);

    CounterRandomSequence pieces;
    QuadrixShoot split(pieces);
    for (const Long steps : {1, 2, 3, 1000, 4001, 5000}) {
        split.DoStep(steps);
    }
    EXPECT_EQ(once.HitCount(), reference::ShootHits(0, 10007));
    EXPECT_EQ(split.HitCount(), once.HitCount());
    EXPECT_EQ(split.ShootCount(), 10007);
    EXPECT_EQ(split.MissCount(), 10007 - split.HitCount());
}

TEST(QuadrixShootOverflow, TheShotPastTheTopOfLongCountsNothing) {
    AlwaysHitSource source;
    QuadrixShoot shoot(source);
    shoot.DoStep(kMaxLong - 1);
    shoot.DoStep(1);
    EXPECT_EQ(shoot.ShootCount(), kMaxLong);

    EXPECT_THROW(shoot.DoStep(1), Overflow);
    EXPECT_EQ(shoot.ShootCount(), kMaxLong);
    EXPECT_EQ(shoot.HitCount(), kMaxLong);
    EXPECT_EQ(shoot.MissCount(), 0);
    EXPECT_EQ(source.drawn, 2);  // the failing shot was drawn
}

TEST(QuadrixShootOverflow, ShotsBeforeTheFailingOneStayCounted) {
    AlwaysHitSource source;
    QuadrixShoot shoot(source);
    shoot.DoStep(kMaxLong - 10);
    EXPECT_THROW(shoot.DoStep(100), Overflow);
    EXPECT_EQ(shoot.ShootCount(), kMaxLong);
    EXPECT_EQ(shoot.HitCount(), kMaxLong);
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

TEST(QuadrixShoot, DefaultEstimatorDrawsFromTheProgramSequence) {
    CounterRandomSequence& program = CounterRandomSequence::Program();
    const std::uint64_t start = program.Position();
    QuadrixShoot shoot;
    shoot.DoStep(1000);
    EXPECT_EQ(program.Position(), start + 2000);
    EXPECT_EQ(shoot.HitCount(), reference::ShootHits(start, 1000));
}

}  // namespace
}  // namespace quadrix
