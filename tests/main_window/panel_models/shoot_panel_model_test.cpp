#include "main_window/panel_models/shoot_panel_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "estimators/quadrix_shoot.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {
namespace {

using Dots = std::vector<std::pair<double, double>>;

// The shots whose values end just before value `end`, oldest first.
Dots ShotsEndingAt(std::uint64_t end, std::uint64_t shots) {
    Dots expected;
    for (std::uint64_t value = end - 2 * shots; value < end; value += 2) {
        expected.emplace_back(CounterRandomSequence::ValueAt(value),
                              CounterRandomSequence::ValueAt(value + 1));
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

    Dots Drawn() const {
        Dots shots;
        for (const ShootPanelModel::Dot& dot : model_.Dots()) {
            EXPECT_EQ(dot.hit, dot.x * dot.x + dot.y * dot.y <= 1.0);
            shots.emplace_back(dot.x, dot.y);
        }
        return shots;
    }

    CounterRandomSequence sequence_;
    QuadrixShoot shoot_{sequence_};
    ShootPanelModel model_;
};

// Other draws in between (odd starts), short runs, and long ones of which only
// the latest shots are kept, the oldest kept run only in part.
TEST_F(ShootPanelModelTest, DotsAreTheLatestShotsCounted) {
    EXPECT_TRUE(model_.Dots().empty());
    sequence_.Advance(5);
    Step(3);
    sequence_.Advance(11);
    Step(2);
    Dots expected = ShotsEndingAt(11, 3);
    const Dots later = ShotsEndingAt(26, 2);
    expected.insert(expected.end(), later.begin(), later.end());
    EXPECT_EQ(Drawn(), expected);
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
    Step(10);
    const std::vector<ConvergencePlot::Point> points = model_.Plot().Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1].count, 20.0);
    EXPECT_EQ(points[1].error, std::abs(shoot_.PiRounded() - std::numbers::pi));

    shoot_.Reset();
    model_.ForgetRun();
    EXPECT_EQ(model_.Plot().Points().size(), 2u);  // until the next tick
    const std::uint64_t resetAt = sequence_.Position();
    Step(30);  // more shots than before the reset, so only the forgotten run tells
    ASSERT_EQ(model_.Plot().Points().size(), 1u);
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
}

}  // namespace
}  // namespace quadrix
