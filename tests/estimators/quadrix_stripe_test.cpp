#include "estimators/quadrix_stripe.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "runtime/errors.h"
#include "runtime/number_text.h"
#include "support/reference_loops.h"

namespace quadrix {
namespace {

std::string Text(double above, double below, double rounded, Long count) {
    return "PiRounded:  " + DoubleToText(rounded) + "\r\nPiAbove:    " + DoubleToText(above) +
           "\r\nPiBelow:    " + DoubleToText(below) + "\r\nCount:      " + LongToText(count);
}

TEST(QuadrixStripe, BoundsAndEstimateAreTheReferenceValuesAndTexts) {
    const struct {
        Long count;
        const char* above;
        const char* below;
        const char* rounded;
    } rows[] = {{1, "4", "0", "0"},
                {2, "3.73205080756888", "1.73205080756888", "2.54245975683741"},
                {4, "3.49570906810244", "2.49570906810244", "2.95368800327848"},
                {32, "3.19760242287713", "3.07260242287713", "3.13447937494093"},
                {1024, "3.14350989153902", "3.13960364153902", "3.1415561594041"},
                {3, nullptr, nullptr, nullptr},
                {65535, nullptr, nullptr, nullptr},
                {1000003, nullptr, nullptr, nullptr}};
    QuadrixStripe stripe;
    EXPECT_EQ(stripe.StateDescr(), Text(reference::StripePiAbove(4), reference::StripePiBelow(4),
                                        reference::StripePiRounded(4), 4));
    for (const auto& row : rows) {
        stripe.Count(row.count);
        const StripeState state{reference::StripePiRounded(row.count),
                                reference::StripePiAbove(row.count),
                                reference::StripePiBelow(row.count), row.count};
        EXPECT_EQ(stripe.State(), EstimatorState(state)) << row.count;
        EXPECT_EQ(stripe.PiRounded(), state.piRounded) << row.count;
        EXPECT_EQ(stripe.PiAbove(), state.piAbove) << row.count;
        EXPECT_EQ(stripe.PiBelow(), state.piBelow) << row.count;
        EXPECT_EQ(stripe.StateDescr(),
                  Text(state.piAbove, state.piBelow, state.piRounded, row.count));
        if (row.above != nullptr) {
            EXPECT_EQ(DoubleToText(state.piAbove, "."), row.above);
            EXPECT_EQ(DoubleToText(state.piBelow, "."), row.below);
            EXPECT_EQ(DoubleToText(state.piRounded, "."), row.rounded);
        }
    }
}

TEST(QuadrixStripe, EachStepDoublesTheStripesUpToTwoToTheThirty) {
    QuadrixStripe stripe;
    stripe.DoStep(3);
    stripe.DoStep(0);
    stripe.DoStep(-7);
    EXPECT_EQ(stripe.Count(), 32);
    stripe.Reset();
    EXPECT_EQ(stripe.Count(), 4);
    EXPECT_THROW(stripe.DoStep(100), Overflow);
    EXPECT_EQ(stripe.Count(), 1073741824);  // the doublings before the failing one stay
    EXPECT_THROW(stripe.DoStep(1), Overflow);
    EXPECT_EQ(stripe.Count(), 1073741824);
}

TEST(QuadrixStripe, ZeroNegativeAndSmallestCountsFault) {
    QuadrixStripe stripe;
    stripe.Count(0);
    EXPECT_THROW(stripe.PiAbove(), DivisionByZero);       // 4 / 0
    EXPECT_THROW(stripe.PiBelow(), InvalidOperation);     // 0 / 0
    EXPECT_THROW(stripe.StateDescr(), InvalidOperation);  // the lower bound comes first
    stripe.DoStep(5);
    EXPECT_EQ(stripe.Count(), 0);
    EXPECT_THROW(stripe.DoStep(std::numeric_limits<Long>::max()), Overflow);
    stripe.Count(std::numeric_limits<Long>::min());
    EXPECT_THROW(stripe.StateDescr(), Overflow);  // Count - 1 leaves Long
    stripe.Count(-8);
    EXPECT_EQ(stripe.StateDescr(), "PiRounded:  0\r\nPiAbove:    -0" + DecimalSeparator() +
                                       "5\r\nPiBelow:    0\r\nCount:      -8");
    EXPECT_THROW(stripe.DoStep(29), Overflow);
}

}  // namespace
}  // namespace quadrix
