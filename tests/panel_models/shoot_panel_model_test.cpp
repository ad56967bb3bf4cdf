// ShootPanelModel shows the latest shots, recomputed from the sequence, and plots the run.
#include "panel_models/shoot_panel_model.h"

#include <gtest/gtest.h>

#include <utility>

#include "estimators/quadrix_shoot.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {
namespace {

using Dots = std::vector<std::pair<double, double>>;

// The shots of the sequence's values in each range [from, to), oldest first.
Dots ShotsOf(std::initializer_list<std::pair<std::uint64_t, std::uint64_t>> ranges) {
    Dots shots;
    for (const auto& [from, to] : ranges) {
        for (std::uint64_t value = from; value < to; value += 2) {
            shots.emplace_back(CounterRandomSequence::ValueAt(value),
                               CounterRandomSequence::ValueAt(value + 1));
        }
    }
    return shots;
}

// A shooting estimator fed to a model after each step, as the window does after a tick.
struct Shooting {
    // The dots after ticks of that many shots.
    Dots Step(Long shots, int ticks = 1) {
        for (int tick = 0; tick < ticks; ++tick) {
            shoot.DoStep(shots);
            model.Update(shoot.Snapshot());
        }
        Dots dots;
        for (const ShootPanelModel::Dot& dot : model.Dots()) {
            dots.emplace_back(dot.x, dot.y);
        }
        return dots;
    }

    CounterRandomSequence sequence;
    QuadrixShoot shoot{sequence};
    ShootPanelModel model;
};

// Other draws in between (odd starts), short runs, and long ones kept only in part.
TEST(ShootPanelModel, DotsAreTheLatestShotsCounted) {
    Shooting run;
    run.sequence.Advance(5);
    run.Step(3);
    run.sequence.Advance(11);
    EXPECT_EQ(run.Step(2), ShotsOf({{5, 11}, {22, 26}}));
    for (const auto& [ticks, shots] : {std::pair{1, 100000}, std::pair{700, 7}}) {
        const std::uint64_t end = std::uint64_t{2} * ticks * shots;
        EXPECT_EQ(Shooting().Step(shots, ticks),
                  ShotsOf({{end - std::uint64_t{2} * ShootPanelModel::kMaxDots, end}}));
    }
}

// Fewer shots than the run before the reset, whose shots and points stay out.
TEST(ShootPanelModel, ANewRunShowsOnlyItsOwnShots) {
    Shooting run;
    run.Step(10);
    run.shoot.Reset();
    run.model.ForgetRun();
    EXPECT_EQ(run.model.Plot().Points().size(), 1u);  // until the next tick
    EXPECT_EQ(run.Step(3), ShotsOf({{20, 26}}));
    EXPECT_EQ(run.model.Plot().Points().size(), 1u);
}

}  // namespace
}  // namespace quadrix
