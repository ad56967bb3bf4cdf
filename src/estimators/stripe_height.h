// The height of the quarter circle at a stripe edge.
#pragma once

#include <cmath>

#include "runtime/long_arithmetic.h"

namespace quadrix {

// The height of the quarter circle at stripe edge `index` of `count` stripes,
// sqrt(1 - t^2) with t = index / count, as every stripe sum takes it: a
// division, a multiplication, a subtraction and a square root, each rounded on
// its own (never fused). `ops` supplies them, so that the same formula serves
// plain doubles and SIMD vectors alike. Always inlined, so that on vectors it
// is compiled for the instruction set of its caller.
template <class Ops, class V>
[[gnu::always_inline]] inline V StripeHeightOf(const Ops& ops, V index) {
    const V t = ops.Fraction(index);
    return ops.Sqrt(ops.Sub(ops.One(), ops.Mul(t, t)));
}

// The operations on plain doubles.
class ScalarStripeOps {
  public:
    explicit ScalarStripeOps(Long count) : count_(static_cast<double>(count)) {}

    double Fraction(double index) const { return index / count_; }
    static double One() { return 1.0; }
    static double Mul(double a, double b) { return a * b; }
    static double Sub(double a, double b) { return a - b; }
    static double Sqrt(double a) { return std::sqrt(a); }

  private:
    double count_;
};

// The height at one edge, 0 <= index <= count.
inline double StripeHeight(Long index, Long count) {
    return StripeHeightOf(ScalarStripeOps(count), static_cast<double>(index));
}

}  // namespace quadrix
