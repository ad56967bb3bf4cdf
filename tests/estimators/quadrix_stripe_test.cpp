// Tests of the stripe estimator.
#include <gtest/gtest.h>

#include "estimators/quadrix_stripe.h"
#include "runtime/errors.h"
#include "support/reference_loops.h"

namespace quadrix {

TEST(QuadrixStripe, StateIsTheReferenceBoundsAndTheirMean) {
    QuadrixStripe stripe;
    for (const Long count : {1, 2, 3, 65535, 1000003, 1024}) {
        stripe.Count(count);
        EXPECT_EQ(stripe.State(),
                  EstimatorState(StripeState{reference::StripePiRounded(count),
                                             reference::StripePiAbove(count),
                                             reference::StripePiBelow(count), count}));
    }
}

TEST(QuadrixStripe, DoublingPastTwoToTheThirtyOverflows) {
    QuadrixStripe stripe;
    EXPECT_THROW(stripe.DoStep(100), Overflow);
    EXPECT_EQ(stripe.Count(), 1073741824);  // the doublings before the failing one stay
}

TEST(QuadrixStripe, AStepOfTheLargestLongOverflowsItsLoopCounter) {
    QuadrixStripe stripe;
    stripe.Count(0);
    EXPECT_THROW(stripe.DoStep(kLongMax), Overflow);
}

TEST(QuadrixStripe, NoStripesFaultOnTheLowerBoundFirst) {
    QuadrixStripe stripe;
    stripe.Count(0);
    EXPECT_THROW(stripe.PiAbove(), DivisionByZero);       // 4 / 0
    EXPECT_THROW(stripe.StateDescr(), InvalidOperation);  // 0 / 0
}

TEST(QuadrixStripe, TheSmallestCountOverflowsOnItsLastIndex) {
    QuadrixStripe stripe;
    stripe.Count(kLongMin);
    EXPECT_THROW(stripe.StateDescr(), Overflow);  // Count - 1 leaves Long
}

}  // namespace quadrix
