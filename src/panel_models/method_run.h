// A method's run as its panel follows it from tick to tick.
#pragma once

#include "panel_models/convergence_plot.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// A method's run as its panel follows it from tick to tick: the count of the
// latest state and the error plot of the run. A run ends with a reset; the next
// state starts a new one with an empty plot.
class MethodRun {
  public:
    // Whether the next state starts a new run.
    bool StartsNewRun() const;
    // Takes the state of a tick; the plot gains a point when the count moved.
    void Take(Long count, double piRounded);
    // The method was reset: the next state starts a new run.
    void Forget() { forgotten_ = true; }

    bool HasState() const { return hasState_; }
    Long Count() const { return count_; }
    const ConvergencePlot& Plot() const { return plot_; }

  private:
    bool hasState_ = false;
    bool forgotten_ = false;
    Long count_ = 0;
    ConvergencePlot plot_;
};

}  // namespace quadrix
