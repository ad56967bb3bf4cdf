#include "main_window/panel_models/shoot_panel_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "estimators/quadrix_shoot.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {
namespace {

using Shot = std::tuple<double, double, bool>;

// The shot whose x is value `first` of the sequence.
Shot ShotAt(std::uint64_t first) {
    const double x = CounterRandomSequence::ValueAt(first);
    const double y = CounterRandomSequence::ValueAt(first + 1);
    return {x, y, x * x + y * y <= 1.0};
}

// The shots whose values end just before value `end`, oldest first.
std::vector<Shot> ShotsEndingAt(std::uint64_t end, std::uint64_t shots) {
    std::vector<Shot> expected;
    for (std::uint64_t value = end - 2 * shots; value < end; value += 2) {
        expected.push_back(ShotAt(value));
    }
    return expected;
}

// A shooting estimator on a sequence of its own, fed to a model after each step
// as the window does after each tick.
class ShootPanelModelTest : public ::testing::Test {
  protected:
    void Step(Long shots) {
        shoot_.DoStep(shots);
        model_.Update(shoot_.Snapshot());
    }

    std::vector<Shot> Drawn() const {
        std::vector<Shot> shots;
        for (const ShootPanelModel::Dot& dot : model_.Dots()) {
            shots.emplace_back(dot.x, dot.y, dot.hit);
        }
        return shots;
    }

    CounterRandomSequence sequence_;
    QuadrixShoot shoot_{sequence_};
    ShootPanelModel model_;
};

TEST_F(ShootPanelModelTest, SmallRunIsDrawnWholeWithHitsAndMissesAsCounted) {
    EXPECT_TRUE(model_.Dots().empty());  // a fresh model draws nothing
    EXPECT_TRUE(model_.Caption().empty());
    EXPECT_TRUE(model_.Plot().Empty());
    Step(700);
    Step(1);
    Step(250);
    const auto hits = std::count_if(model_.Dots().begin(), model_.Dots().end(),
                                    [](const ShootPanelModel::Dot& dot) { return dot.hit; });
    EXPECT_EQ(hits, shoot_.HitCount());
    EXPECT_EQ(static_cast<Long>(model_.Dots().size()) - hits, shoot_.MissCount());
    EXPECT_EQ(Drawn(), ShotsEndingAt(std::uint64_t{2} * 951, 951));
}

TEST_F(ShootPanelModelTest, DotsAreTheShotsCountedEvenWhenOthersDrawInBetween) {
    sequence_.Advance(5);  // the estimator's shots start at an odd value
    Step(3);
    sequence_.Advance(11);
    Step(2);
    EXPECT_EQ(Drawn(), (std::vector{ShotAt(5), ShotAt(7), ShotAt(9), ShotAt(22), ShotAt(24)}));
}

// One long step, and many short ones of which the oldest kept is only partly shown.
TEST_F(ShootPanelModelTest, LongRunsShowOnlyTheLatestShots) {
    for (const auto& [ticks, shots] : {std::pair{1, 100000}, std::pair{700, 7}}) {
        shoot_.Reset();
        model_.ForgetRun();
        const std::uint64_t start = sequence_.Position();
        for (int tick = 0; tick < ticks; ++tick) {
            Step(shots);
        }
        const auto end = start + std::uint64_t{2} * static_cast<std::uint64_t>(ticks * shots);
        EXPECT_EQ(Drawn(), ShotsEndingAt(end, ShootPanelModel::kMaxDots)) << ticks;
    }
}

TEST_F(ShootPanelModelTest, PlotsOnePointPerTickThatFiredShotsUntilAReset) {
    Step(10);
    Step(0);
    Step(-3);
    Step(10);
    const std::vector<ConvergencePlot::Point> points = model_.Plot().Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].count, 10.0);
    EXPECT_EQ(points[1].count, 20.0);
    EXPECT_EQ(points[1].error, std::abs(shoot_.PiRounded() - std::numbers::pi));

    shoot_.Reset();
    model_.ForgetRun();
    EXPECT_EQ(model_.Plot().Points().size(), 2u);  // until the next tick
    EXPECT_EQ(model_.Dots().size(), 20u);
    const std::uint64_t resetAt = sequence_.Position();
    Step(30);  // more shots than before the reset, so only the forgotten run tells
    ASSERT_EQ(model_.Plot().Points().size(), 1u);
    EXPECT_EQ(model_.Plot().Points().front().count, 30.0);
    EXPECT_EQ(Drawn(), ShotsEndingAt(resetAt + 60, 30));
}

TEST_F(ShootPanelModelTest, CaptionIntervalHoldsTheEstimateAndNarrows) {
    double lastWidth = 5.0;
    for (const Long shots : {1, 10, 100, 1000, 10000, 100000}) {
        Step(shots);
        const std::string caption = model_.Caption();
        ASSERT_TRUE(caption.starts_with("95%: [")) << caption;
        const double lower = std::stod(caption.substr(6));
        const double upper = std::stod(caption.substr(caption.find(", ") + 2));
        EXPECT_LE(lower, shoot_.PiRounded()) << caption;
        EXPECT_GE(upper, shoot_.PiRounded()) << caption;
        EXPECT_LT(upper - lower, lastWidth) << caption;
        lastWidth = upper - lower;
    }
    EXPECT_NE(model_.Caption().find("\u03c0 = 3.1"), std::string::npos) << model_.Caption();
}

// A state that tells no place in the sequence (another source) has no dots.
TEST(ShootPanelModel, NoPlaceInTheSequenceLeavesNoDots) {
    ShootPanelModel model;
    model.Update(ShootState{4.0, 10, 10, 0, std::nullopt});
    EXPECT_TRUE(model.Dots().empty());
    EXPECT_EQ(model.Plot().Points().size(), 1u);
    EXPECT_FALSE(model.Caption().empty());
}

}  // namespace
}  // namespace quadrix
