#include "main_window/panel_models/shoot_panel_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "estimators/quadrix_shoot.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {
namespace {

using Dot = ShootPanelModel::Dot;

// The shot whose x is value `first` of the sequence.
Dot ShotAt(std::uint64_t first) {
    const double x = CounterRandomSequence::ValueAt(first);
    const double y = CounterRandomSequence::ValueAt(first + 1);
    return {x, y, x * x + y * y <= 1.0};
}

// The shots whose values end just before value `end`, oldest first.
std::vector<Dot> ShotsEndingAt(std::uint64_t end, std::uint64_t shots) {
    std::vector<Dot> dots;
    for (std::uint64_t value = end - 2 * shots; value < end; value += 2) {
        dots.push_back(ShotAt(value));
    }
    return dots;
}

constexpr auto kMaxDots = static_cast<std::uint64_t>(ShootPanelModel::kMaxDots);

void ExpectSameDots(const std::vector<Dot>& actual, const std::vector<Dot>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        ASSERT_EQ(actual[i].x, expected[i].x) << i;
        ASSERT_EQ(actual[i].y, expected[i].y) << i;
        ASSERT_EQ(actual[i].hit, expected[i].hit) << i;
    }
}

Long CountHitDots(const std::vector<Dot>& dots) {
    Long hits = 0;
    for (const Dot& dot : dots) {
        hits += dot.hit ? 1 : 0;
    }
    return hits;
}

// A shooting estimator on a sequence of its own, fed to a model after each step
// as the window does after each tick.
class ShootPanelModelTest : public ::testing::Test {
  protected:
    void Step(Long shots) {
        shoot_.DoStep(shots);
        model_.Update(ShootPanelModel::Read(shoot_));
    }

    CounterRandomSequence sequence_;
    QuadrixShoot shoot_{sequence_};
    ShootPanelModel model_;
};

TEST_F(ShootPanelModelTest, FreshModelDrawsNothing) {
    EXPECT_FALSE(model_.HasState());
    EXPECT_TRUE(model_.Dots().empty());
    EXPECT_TRUE(model_.Caption().empty());
    EXPECT_TRUE(model_.Plot().Empty());
    EXPECT_EQ(model_.ReferenceLine(), std::nullopt);
}

TEST_F(ShootPanelModelTest, SmallRunIsDrawnWholeWithHitsAndMissesAsCounted) {
    Step(700);
    Step(1);
    Step(250);
    const std::vector<Dot>& dots = model_.Dots();
    ASSERT_EQ(dots.size(), 951u);
    EXPECT_EQ(CountHitDots(dots), shoot_.HitCount());
    EXPECT_EQ(static_cast<Long>(dots.size()) - CountHitDots(dots), shoot_.MissCount());
    ExpectSameDots(dots, ShotsEndingAt(std::uint64_t{2} * 951, 951));
}

TEST_F(ShootPanelModelTest, DotsAreTheShotsCountedEvenWhenOthersDrawInBetween) {
    sequence_.Advance(5);  // the estimator's shots start at an odd value
    Step(3);
    sequence_.Advance(11);
    Step(2);
    ExpectSameDots(model_.Dots(),
                   {ShotAt(5), ShotAt(7), ShotAt(9), ShotAt(11 + 11), ShotAt(11 + 13)});
    EXPECT_EQ(CountHitDots(model_.Dots()), shoot_.HitCount());
}

TEST_F(ShootPanelModelTest, LongRunShowsOnlyTheLatestShots) {
    Step(100000);
    ExpectSameDots(model_.Dots(), ShotsEndingAt(std::uint64_t{2} * 100000, kMaxDots));
}

TEST_F(ShootPanelModelTest, ManySmallStepsKeepOnlyTheLatestShots) {
    for (int tick = 0; tick < 700; ++tick) {
        Step(7);
    }
    ExpectSameDots(model_.Dots(), ShotsEndingAt(std::uint64_t{2} * 7 * 700, kMaxDots));
}

TEST_F(ShootPanelModelTest, PlotsOnePointPerTickThatFiredShots) {
    Step(10);
    Step(0);
    Step(-3);
    Step(10);
    const std::vector<ConvergencePlot::Point> points = model_.Plot().Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].count, 10.0);
    EXPECT_EQ(points[1].count, 20.0);
    EXPECT_EQ(points[1].error, std::abs(shoot_.PiRounded() - std::numbers::pi));
}

TEST_F(ShootPanelModelTest, ResetClearsTheRunAtTheNextUpdateOnly) {
    Step(10);
    Step(10);
    shoot_.Reset();
    model_.ForgetRun();
    EXPECT_EQ(model_.Plot().Points().size(), 2u);
    EXPECT_EQ(model_.Dots().size(), 20u);

    const std::uint64_t resetAt = sequence_.Position();
    Step(30);  // more shots than before the reset, so only the forgotten run tells
    EXPECT_EQ(model_.Plot().Points().size(), 1u);
    EXPECT_EQ(model_.Plot().Points().front().count, 30.0);
    ASSERT_EQ(model_.Dots().size(), 30u);
    ExpectSameDots({model_.Dots().front()}, {ShotAt(resetAt)});
}

TEST_F(ShootPanelModelTest, CaptionGivesAnIntervalHoldingTheEstimate) {
    Step(1);
    EXPECT_TRUE(model_.Caption().starts_with("95%: ["));
    Step(20000);
    const std::string caption = model_.Caption();
    const double lower = std::stod(caption.substr(6));
    const double upper = std::stod(caption.substr(caption.find(", ") + 2));
    EXPECT_LE(lower, shoot_.PiRounded());
    EXPECT_GE(upper, shoot_.PiRounded());
    EXPECT_NE(caption.find("\u03c0 = 3"), std::string::npos) << caption;
}

TEST_F(ShootPanelModelTest, ReferenceLineIsTheStandardDeviationOfTheEstimate) {
    Step(100);
    const auto line = model_.ReferenceLine();
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->slope, -0.5);
    const double p = std::numbers::pi / 4.0;
    EXPECT_NEAR(line->ErrorAt(10000.0), 4.0 * std::sqrt(p * (1.0 - p) / 10000.0), 1e-12);
}

TEST(ShootPanelModel, AnEstimateThatCannotBeComputedIsLeftOutOfThePlot) {
    ShootPanelModel model;
    model.Update({.hits = 600000000,
                  .shots = 700000000,
                  .countedShotsEnd = std::nullopt,
                  .piRounded = std::nullopt});
    EXPECT_TRUE(model.HasState());
    EXPECT_TRUE(model.Plot().Empty());
    EXPECT_TRUE(model.Dots().empty());  // no sequence to recompute shots from
    EXPECT_FALSE(model.Caption().empty());
}

// Counts every shot a hit without drawing, to reach the Overflow of PiRounded.
class AlwaysHitSource : public RandomSource {
  public:
    double Next() override { return 0.0; }
    std::int64_t CountHits(std::int64_t shots) override { return shots; }
};

TEST(ShootPanelModel, ReadLeavesOutAFailingEstimate) {
    AlwaysHitSource source;
    QuadrixShoot shoot(source);
    EXPECT_EQ(ShootPanelModel::Read(shoot).piRounded, std::nullopt);  // 0 / 0
    shoot.DoStep(536870912);                                          // HitCount * 4 leaves Long
    const ShootPanelModel::State state = ShootPanelModel::Read(shoot);
    EXPECT_EQ(state.piRounded, std::nullopt);
    EXPECT_EQ(state.hits, 536870912);
    EXPECT_EQ(state.countedShotsEnd, std::nullopt);
}

TEST(QuadrixShootSequenceIndex, EndsWhereTheCountedShotsEnd) {
    CounterRandomSequence sequence;
    sequence.Advance(3);
    QuadrixShoot shoot(sequence);
    EXPECT_EQ(shoot.CountedShotsEnd(), 3u);
    shoot.DoStep(10);
    EXPECT_EQ(shoot.CountedShotsEnd(), 23u);
    shoot.DoStep(0);
    EXPECT_EQ(shoot.CountedShotsEnd(), 23u);
    sequence.Advance(4);
    shoot.Reset();
    EXPECT_EQ(shoot.CountedShotsEnd(), 27u);
    AlwaysHitSource otherSource;
    EXPECT_EQ(QuadrixShoot(otherSource).CountedShotsEnd(), std::nullopt);
}

}  // namespace
}  // namespace quadrix
