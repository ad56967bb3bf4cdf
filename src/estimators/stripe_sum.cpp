#include "estimators/stripe_sum.h"

#include "runtime/double_arithmetic.h"

namespace quadrix {

double StripeSum(Long count, double start) {
    const Long last = LongSub(count, 1);
    const auto n = static_cast<double>(count);
    double sum = start;
    for (Long i = 1; i <= last; ++i) {
        const double t = DoubleDiv(static_cast<double>(i), n);
        const double u = DoubleSub(1.0, DoubleMul(t, t));
        sum = DoubleAdd(DoubleSqrt(u), sum);
    }
    return DoubleDiv(DoubleMul(sum, 4.0), n);
}

}  // namespace quadrix
