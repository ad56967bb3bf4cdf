// The state of a stripe estimator.
#pragma once

#include "runtime/long_arithmetic.h"

namespace quadrix {

// What a stripe estimator shows of itself at one moment: the values of its four
// state lines.
struct StripeState {
    double piRounded = 0.0;
    double piAbove = 0.0;
    double piBelow = 0.0;
    Long count = 0;

    bool operator==(const StripeState&) const = default;
};

}  // namespace quadrix
