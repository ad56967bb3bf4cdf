// What the shooting method's panel shows, without pixels.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "estimators/shoot_state.h"
#include "panel_models/convergence_plot.h"
#include "panel_models/method_run.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// What the shooting method's panel draws, without pixels: the latest shots in
// the unit square, a 95% interval for pi with the digits it settles, and the
// run's error plot. No shot is stored: the model remembers where the latest
// shots lie in the counter-based sequence and recomputes their points from it.
class ShootPanelModel {
  public:
    static constexpr Long kMaxDots = 2000;

    // A shot in the unit square, x to the right and y upwards.
    struct Dot {
        double x;
        double y;
        bool hit;
    };

    // Takes the estimator's state after a tick.
    void Update(const ShootState& state);
    // The method was reset: the next Update starts a new run.
    void ForgetRun() { run_.Forget(); }

    // The latest shots counted, at most kMaxDots, oldest first.
    const std::vector<Dot>& Dots() const { return dots_; }
    // Empty before the first shot.
    const std::string& Caption() const { return caption_; }
    const ConvergencePlot& Plot() const { return run_.Plot(); }
    // The error a shooting run of n shots has to expect, one standard deviation
    // of 4 * hits / n: 4 sqrt(p (1 - p) / n) with p = pi / 4. None while the plot is empty.
    std::optional<ConvergencePlot::Line> ReferenceLine() const;

  private:
    // Shots fired one after the other: values firstValue .. firstValue + 2 shots - 1.
    struct Run {
        std::uint64_t firstValue;
        Long shots;
    };

    std::deque<Run> RunsAfter(const ShootState& state, bool newRun) const;
    static std::vector<Dot> DotsOf(const std::deque<Run>& runs);
    static std::string CaptionOf(const ShootState& state);

    MethodRun run_;
    std::deque<Run> runs_;  // the latest shots counted, newest last, kMaxDots at most
    std::vector<Dot> dots_;
    std::string caption_;
};

}  // namespace quadrix
