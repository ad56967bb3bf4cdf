#pragma once

#include "runtime/long_arithmetic.h"

namespace quadrix {

// Four times the rectangle sum of sqrt(1 - t^2) at t = i / count for
// i = 1 .. count - 1, added left to right onto start, divided by count: with
// start 1 the upper bound of pi, with start 0 the lower one.
double StripeSum(Long count, double start);

}  // namespace quadrix
