#include "estimators/quadrix_stripe.h"

#include <limits>

#include "estimators/state_text.h"
#include "estimators/stripe_sum.h"
#include "runtime/double_arithmetic.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quadrix {

QuadrixStripe::QuadrixStripe() { Reset(); }

void QuadrixStripe::DoStep(Long steps) {
    for (Long step = 1; step <= steps; step = LongAdd(step, 1)) {
        if (count_ == 0) {
            // Doubling zero changes nothing; only the loop counter's overflow is left.
            if (steps == std::numeric_limits<Long>::max()) {
                throw Overflow();
            }
            return;
        }
        count_ = LongMul(count_, 2);
    }
}

double QuadrixStripe::PiAbove() const { return StripeSum(count_, 1.0); }

double QuadrixStripe::PiBelow() const { return StripeSum(count_, 0.0); }

double QuadrixStripe::PiRounded() const {
    const double below = PiBelow();
    const double above = PiAbove();
    return DoubleSqrt(DoubleMul(below, above));
}

void QuadrixStripe::Reset() { count_ = kInitialCount; }

std::string QuadrixStripe::StateDescr() const {
    const double piRounded = PiRounded();
    const double piAbove = PiAbove();
    const double piBelow = PiBelow();
    const Long count = Count();
    return StateText()
        .Line("PiRounded", DoubleToText(piRounded))
        .Line("PiAbove", DoubleToText(piAbove))
        .Line("PiBelow", DoubleToText(piBelow))
        .Line("Count", LongToText(count))
        .Text();
}

}  // namespace quadrix
