// A method's run as its panel follows it from tick to tick.
#include "panel_models/method_run.h"

#include <numbers>

namespace quadrix {

bool MethodRun::StartsNewRun() const {
    return forgotten_ || !hasState_;
}

void MethodRun::Take(Long count, double piRounded) {
    const bool newRun = StartsNewRun();
    if (newRun) {
        plot_ = ConvergencePlot();
    }
    if ((newRun || count != count_) && count >= 1) {
        plot_.Add(static_cast<double>(count), piRounded - std::numbers::pi);
    }
    count_ = count;
    hasState_ = true;
    forgotten_ = false;
}

}  // namespace quadrix
