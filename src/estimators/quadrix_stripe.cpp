// The stripe estimator: pi between the upper and lower rectangle sums.
#include "estimators/quadrix_stripe.h"

#include "estimators/state_text.h"
#include "estimators/stripe_sum.h"
#include "runtime/double_arithmetic.h"
#include "runtime/errors.h"

namespace quadrix {

QuadrixStripe::QuadrixStripe() {
    Reset();
}

void QuadrixStripe::DoStep(Long steps) {
    for (Long step = 1; step <= steps; step = LongAdd(step, 1)) {
        if (count_ == 0) {
            // Doubling zero changes nothing; only the loop counter's overflow is left.
            if (steps == kLongMax) {
                throw Overflow();
            }
            return;
        }
        count_ = LongMul(count_, 2);
    }
}

namespace {

// The geometric mean of the bounds, the lower one scaled first.
double RoundedFromSums(const StripeSums& sums, Long count) {
    const double below = StripeBound(sums.below, count);
    const double above = StripeBound(sums.above, count);
    return DoubleSqrt(DoubleMul(below, above));
}

}  // namespace

double QuadrixStripe::PiAbove() const {
    return StripeBound(SumStripes(count_).above, count_);
}

double QuadrixStripe::PiBelow() const {
    return StripeBound(SumStripes(count_).below, count_);
}

double QuadrixStripe::PiRounded() const {
    return RoundedFromSums(SumStripes(count_), count_);
}

void QuadrixStripe::Reset() {
    count_ = kInitialCount;
}

StripeState QuadrixStripe::Snapshot() const {
    // One pass gives both sums; every value and every error comes out as if
    // each getter ran its own sums, in line order.
    const Long count = Count();
    const StripeSums sums = SumStripes(count);
    StripeState state;
    state.piRounded = RoundedFromSums(sums, count);
    state.piAbove = StripeBound(sums.above, count);
    state.piBelow = StripeBound(sums.below, count);
    state.count = count;
    return state;
}

std::string QuadrixStripe::StateDescr() const {
    return StateText::Describe(Snapshot());
}

}  // namespace quadrix
