// The two rectangle sums of the quarter circle and the bounds of pi they give.
#pragma once

#include "runtime/long_arithmetic.h"
#include "runtime/worker_pool.h"

namespace quadrix {

// The two rectangle sums of the quarter circle over count stripes before they
// are scaled: the heights sqrt(1 - (i / count)^2), i = 1 .. count - 1, added
// left to right onto 1 (the height at 0) for the upper bound and onto 0 for
// the lower one.
struct StripeSums {
    double above;
    double below;
};

// Both sums, bit for bit what the plain sequential loop gives, computed with
// SIMD on the threads of pool. Raises Overflow when count - 1 leaves Long; a
// count below 2 has no heights to add.
StripeSums SumStripes(Long count, WorkerPool& pool = WorkerPool::Shared());

// Four times a stripe sum over count stripes, divided by count: a bound of pi.
// Raises the floating-point error of that division (count 0).
double StripeBound(double sum, Long count);

}  // namespace quadrix
