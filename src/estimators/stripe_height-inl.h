// The heights of the quarter circle at stripe edges, on SIMD vectors.
// Included after hwy/foreach_target.h: the toggle below lets it be compiled
// once for every SIMD target, inside that target's namespace.
#if defined(QUADRIX_ESTIMATORS_STRIPE_HEIGHT_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef QUADRIX_ESTIMATORS_STRIPE_HEIGHT_INL_H_
#undef QUADRIX_ESTIMATORS_STRIPE_HEIGHT_INL_H_
#else
#define QUADRIX_ESTIMATORS_STRIPE_HEIGHT_INL_H_
#endif

#include <hwy/highway.h>

#include "runtime/long_arithmetic.h"

HWY_BEFORE_NAMESPACE();
namespace quadrix::stripe_grid_kernel {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

// StripeHeights (stripe_height.h) on the lanes of vectors of d: the same
// division, multiplication, subtraction and square root, each correctly
// rounded lane by lane, so that every lane gets the plain loop's bits. For a
// power-of-two count, index / count is taken as index * (1 / count), which is
// exact and so the same.
template <bool kPowerOfTwo, class D>
class VectorStripeHeights {
  public:
    using V = hn::Vec<D>;

    VectorStripeHeights(D d, Long count)
        : one_(hn::Set(d, 1.0)),
          count_(hn::Set(d, static_cast<double>(count))),
          reciprocal_(hn::Set(d, 1.0 / static_cast<double>(count))) {}

    HWY_INLINE V At(V index) const {
        const V t = Fraction(index);
        return hn::Sqrt(hn::Sub(one_, hn::Mul(t, t)));
    }

  private:
    HWY_INLINE V Fraction(V index) const {
        if constexpr (kPowerOfTwo) {
            return hn::Mul(index, reciprocal_);
        } else {
            return hn::Div(index, count_);
        }
    }

    V one_;
    V count_;
    V reciprocal_;
};

}  // namespace HWY_NAMESPACE
}  // namespace quadrix::stripe_grid_kernel
HWY_AFTER_NAMESPACE();

#endif  // QUADRIX_ESTIMATORS_STRIPE_HEIGHT_INL_H_ toggle
