// ShootPanelModel shows the latest shots, recomputed from the sequence, and plots the run.
#include "panel_models/shoot_panel_model.h"

#include <gtest/gtest.h>

#include <utility>

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

// A shooting estimator fed to a model after each step, as the window does after a tick.
class ShootPanelModelTest : public ::testing::Test {
  protected:
    void Step(Long shots) {
        shoot_.DoStep(shots);
        model_.Update(shoot_.Snapshot());
    }

    Dots Drawn() const {
        Dots shots;
        for (const ShootPanelModel::Dot& dot : model_.Dots()) {
            shots.emplace_back(dot.x, dot.y);
        }
        return shots;
    }

    CounterRandomSequence sequence_;
    QuadrixShoot shoot_{sequence_};
    ShootPanelModel model_;
};

// Other draws in between (odd starts), short runs, and long ones kept only in part.
TEST_F(ShootPanelModelTest, DotsAreTheLatestShotsCounted) {
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

// Fewer shots than the run before the reset, whose shots and points stay out.
TEST_F(ShootPanelModelTest, ANewRunShowsOnlyItsOwnShots) {
    Step(10);
    shoot_.Reset();
    model_.ForgetRun();
    EXPECT_EQ(model_.Plot().Points().size(), 1u);  // until the next tick
    const std::uint64_t resetAt = sequence_.Position();
    Step(3);
    EXPECT_EQ(Drawn(), ShotsEndingAt(resetAt + 6, 3));
    EXPECT_EQ(model_.Plot().Points().size(), 1u);
}

}  // namespace
}  // namespace quadrix
