#include "estimators/quadrix_shoot.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include "runtime/counter_random_sequence.h"
#include "runtime/errors.h"
#include "support/reference_loops.h"

namespace quadrix {
namespace {

constexpr Long kMaxLong = std::numeric_limits<Long>::max();

// Yields the scripted values in order, then 0 for ever, and counts the draws.
class ScriptedSource : public RandomSource {
  public:
    explicit ScriptedSource(std::vector<double> values) : values_(std::move(values)) {}
    double Next() override { return drawn < values_.size() ? values_[drawn++] : (++drawn, 0.0); }
    std::size_t drawn = 0;

  private:
    std::vector<double> values_;
};

// Answers for runs of more than `fewest` shots, each a hit, without drawing
// them; shorter runs are drawn one by one.
class AlwaysHitSource : public ScriptedSource {
  public:
    explicit AlwaysHitSource(std::int64_t fewest = 0) : ScriptedSource({}), fewest_(fewest) {}
    std::int64_t CountHits(std::int64_t shots) override {
        return shots > fewest_ ? shots : kNotCounted;
    }

  private:
    std::int64_t fewest_;
};

TEST(QuadrixShoot, ScriptedShotsHitOnAndInsideTheArcAndNonPositiveStepsDrawNothing) {
    // (0, 0) hit, (0.9, 0.9) miss, (1, 0) exactly on the arc: a hit.
    ScriptedSource source({0.0, 0.0, 0.9, 0.9, 1.0, 0.0});
    QuadrixShoot shoot(source);
    EXPECT_EQ(shoot.Count(), 0);
    EXPECT_THROW(shoot.StateDescr(), InvalidOperation);  // 0 / 0 before the first shot
    EXPECT_EQ(shoot.CountedShotsEnd(), std::nullopt);
    shoot.DoStep(1);
    EXPECT_EQ(shoot.StateDescr(),
              "PiRounded:  4\r\nShootCount: 1\r\nHitCount:   1\r\nMissCount:  0");
    for (const Long steps : {0, -5, std::numeric_limits<Long>::min()}) {
        shoot.DoStep(steps);
    }
    EXPECT_EQ(source.drawn, 2u);
    shoot.DoStep(2);
    EXPECT_EQ(shoot.PiRounded(), 8.0 / 3.0);
    EXPECT_EQ(shoot.State(), EstimatorState(ShootState{8.0 / 3.0, 3, 2, 1, std::nullopt}));
    EXPECT_EQ(source.drawn, 6u);
}

TEST(QuadrixShoot, TheProgramSequenceCountsTheReferenceHitsHoweverTheShotsAreSplitOrReset) {
    CounterRandomSequence sequence;
    sequence.Next();  // from an odd index on
    QuadrixShoot shoot(sequence);
    std::int64_t shots = 0;
    std::int64_t hits = 0;
    for (const Long steps : {1, 7, 250000, 2, 99999}) {
        shoot.DoStep(steps);
        hits += reference::ShootHits(1 + 2 * static_cast<std::uint64_t>(shots), steps);
        shots += steps;
        ASSERT_EQ(shoot.State(),
                  EstimatorState(ShootState{4.0 * hits / shots, Long(shots), Long(hits),
                                            Long(shots - hits), sequence.Position()}));
    }
    EXPECT_EQ(sequence.Position(), 1 + 2 * shots);
    shoot.Reset();  // clears the counters; the sequence goes on
    EXPECT_EQ(shoot.HitCount() + shoot.ShootCount(), 0);
    shoot.DoStep(50);
    EXPECT_EQ(shoot.HitCount(), reference::ShootHits(1 + 2 * shots, 50));
    EXPECT_EQ(shoot.CountedShotsEnd(), 1 + 2 * shots + 100);
}

TEST(QuadrixShootOverflow, TheShotPastTheTopOfLongIsDrawnButNotCounted) {
    for (const bool countedAtOnce : {true, false}) {
        SCOPED_TRACE(countedAtOnce ? "counted at once" : "drawn one by one");
        AlwaysHitSource source(countedAtOnce ? 0 : 1000);
        QuadrixShoot shoot(source);
        shoot.DoStep(kMaxLong - 10);
        const std::size_t drawn = source.drawn;
        EXPECT_THROW(shoot.DoStep(100), Overflow);
        EXPECT_EQ(shoot.ShootCount(), kMaxLong);
        EXPECT_EQ(shoot.HitCount(), kMaxLong);
        EXPECT_EQ(source.drawn, drawn + (countedAtOnce ? 2 : 22));
        EXPECT_THROW(shoot.DoStep(1), Overflow);
        EXPECT_EQ(shoot.MissCount(), 0);
    }
}

TEST(QuadrixShootOverflow, TheLoopCounterAndFourTimesTheHitsLeaveLong) {
    AlwaysHitSource source;
    QuadrixShoot shoot(source);
    EXPECT_THROW(shoot.DoStep(kMaxLong), Overflow);
    EXPECT_EQ(shoot.ShootCount(), kMaxLong);
    EXPECT_EQ(source.drawn, 0u);
    shoot.Reset();
    shoot.DoStep(536870911);
    EXPECT_EQ(shoot.PiRounded(), 4.0);
    shoot.DoStep(1);
    EXPECT_THROW(shoot.StateDescr(), Overflow);
}

}  // namespace
}  // namespace quadrix
