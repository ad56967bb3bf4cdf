// The height of the quarter circle at a stripe edge.
#pragma once

#include <cmath>

#include "runtime/long_arithmetic.h"

namespace quadrix {

// The heights of the quarter circle at the stripe edges of `count` stripes,
// sqrt(1 - t^2) with t = index / count, as every stripe sum takes them: a
// division, a multiplication, a subtraction and a square root, each rounded on
// its own (never fused). The SIMD kernel takes the same steps on vectors
// (stripe_height-inl.h).
class StripeHeights {
  public:
    explicit StripeHeights(Long count) : count_(static_cast<double>(count)) {}

    double At(double index) const {
        const double t = index / count_;
        return std::sqrt(1.0 - t * t);
    }

  private:
    double count_;
};

// The height at one edge, 0 <= index <= count.
inline double StripeHeight(Long index, Long count) {
    return StripeHeights(count).At(static_cast<double>(index));
}

}  // namespace quadrix
