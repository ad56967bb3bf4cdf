// Tests of the shooting estimator on scripted shots.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "estimators/quadrix_shoot.h"
#include "runtime/errors.h"

namespace quadrix {
namespace {

// Feeds its `shoot` the values, then zeros, counting draws; runs over `countsAbove` shots all hit.
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
    QuadrixShoot shoot{*this};
};

TEST(QuadrixShoot, ShotsOnOrInsideTheArcHit) {
    // (0, 0) hit, (0.9, 0.9) miss, (1, 0) exactly on the arc: a hit.
    ScriptedSource source({0.0, 0.0, 0.9, 0.9, 1.0, 0.0});
    source.shoot.DoStep(3);
    EXPECT_EQ(source.shoot.StateDescr(),
              "PiRounded:  2.66666666666667\r\nShootCount: 3\r\nHitCount:   2\r\nMissCount:  1");
    EXPECT_EQ(source.drawn, 6u);
}

TEST(QuadrixShoot, OtherSourcesTellNothingOfWhereTheShotsEnd) {
    EXPECT_EQ(ScriptedSource({}).shoot.CountedShotsEnd(), std::nullopt);
}

TEST(QuadrixShoot, TheShotPastTheTopOfLongIsDrawnButNotCounted) {
    for (const bool countedAtOnce : {true, false}) {
        SCOPED_TRACE(countedAtOnce ? "counted at once" : "drawn one by one");
        ScriptedSource source({}, countedAtOnce ? 0 : 1000);
        source.shoot.DoStep(kLongMax - 10);
        EXPECT_THROW(source.shoot.DoStep(100), Overflow);
        EXPECT_EQ(source.shoot.HitCount(), kLongMax);
        EXPECT_EQ(source.drawn, countedAtOnce ? 2u : 22u);
        EXPECT_THROW(source.shoot.DoStep(1), Overflow);
        EXPECT_EQ(source.shoot.MissCount(), 0);
    }
}

TEST(QuadrixShoot, AStepOfTheLargestLongOverflowsItsLoopCounter) {
    ScriptedSource source({}, 0);
    EXPECT_THROW(source.shoot.DoStep(kLongMax), Overflow);
    EXPECT_TRUE(source.shoot.ShootCount() == kLongMax && source.drawn == 0);
}

TEST(QuadrixShoot, FourTimesTheHitsMustFitALong) {
    ScriptedSource source({}, 0);
    source.shoot.DoStep(536870911);
    EXPECT_EQ(source.shoot.PiRounded(), 4.0);
    source.shoot.DoStep(1);
    EXPECT_THROW(source.shoot.StateDescr(), Overflow);
}

}  // namespace
}  // namespace quadrix
