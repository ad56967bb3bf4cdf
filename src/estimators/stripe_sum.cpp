// The two rectangle sums of the quarter circle and the bounds of pi they give.
#include "estimators/stripe_sum.h"

#include "estimators/stripe_engine.h"
#include "runtime/double_arithmetic.h"

namespace quadrix {

StripeSums SumStripes(Long count, WorkerPool& pool) {
    const Long last = LongSub(count, 1);
    if (last < 1) {
        return {1.0, 0.0};
    }
    const StripeSumForecast forecast(count);
    return StripeEngine(count, pool, forecast).Sums();
}

double StripeBound(double sum, Long count) {
    return DoubleDiv(DoubleMul(sum, 4.0), static_cast<double>(count));
}

}  // namespace quadrix
