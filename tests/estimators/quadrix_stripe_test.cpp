#include "estimators/quadrix_stripe.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "estimators/reference_loops.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quadrix {
namespace {

TEST(QuadrixStripe, BoundsAndEstimateMatchTheReferenceTexts) {
    const struct {
        Long count;
        const char* above;
        const char* below;
        const char* rounded;
    } rows[] = {{1, "4", "0", "0"},
                {2, "3.73205080756888", "1.73205080756888", "2.54245975683741"},
                {4, "3.49570906810244", "2.49570906810244", "2.95368800327848"},
                {8, "3.33981914435717", "2.83981914435717", "3.07968867660939"},
                {16, "3.24825303782774", "2.99825303782774", "3.12075063699428"},
                {32, "3.19760242287713", "3.07260242287713", "3.13447937494093"},
                {1024, "3.14350989153902", "3.13960364153902", "3.1415561594041"}};
    QuadrixStripe stripe;
    for (const auto& row : rows) {
        stripe.Count(row.count);
        EXPECT_EQ(DoubleToText(stripe.PiAbove(), "."), row.above) << row.count;
        EXPECT_EQ(DoubleToText(stripe.PiBelow(), "."), row.below) << row.count;
        EXPECT_EQ(DoubleToText(stripe.PiRounded(), "."), row.rounded) << row.count;
    }
}

TEST(QuadrixStripe, FreshEstimatorShowsTheFirstRow) {
    const std::string expected = "PiRounded:  2" + DecimalSeparator() +
                                 "95368800327848\r\nPiAbove:    3" + DecimalSeparator() +
                                 "49570906810244\r\nPiBelow:    2" + DecimalSeparator() +
                                 "49570906810244\r\nCount:      4";
    EXPECT_EQ(QuadrixStripe().StateDescr(), expected);
}

TEST(QuadrixStripe, EachStepDoublesTheStripesAndResetGoesBackToFour) {
    QuadrixStripe stripe;
    stripe.DoStep(3);
    stripe.DoStep(0);
    stripe.DoStep(-7);
    EXPECT_EQ(stripe.Count(), 32);
    stripe.Reset();
    EXPECT_EQ(stripe.Count(), 4);
}

TEST(QuadrixStripe, GettersAndStateDescrAreTheReferenceValuesBitForBit) {
    QuadrixStripe stripe;
    for (const Long count : {2, 3, 4097, 65535, 1 << 20, 1000003}) {
        stripe.Count(count);
        EXPECT_EQ(stripe.PiAbove(), reference::StripePiAbove(count)) << count;
        EXPECT_EQ(stripe.PiBelow(), reference::StripePiBelow(count)) << count;
        EXPECT_EQ(stripe.PiRounded(), reference::StripePiRounded(count)) << count;
        const std::string expected =
            "PiRounded:  " + DoubleToText(reference::StripePiRounded(count)) +
            "\r\nPiAbove:    " + DoubleToText(reference::StripePiAbove(count)) +
            "\r\nPiBelow:    " + DoubleToText(reference::StripePiBelow(count)) +
            "\r\nCount:      " + LongToText(count);
        EXPECT_EQ(stripe.StateDescr(), expected) << count;
        EXPECT_EQ(stripe.StateDescr(), expected) << count;  // reading changes nothing
    }
}

TEST(QuadrixStripeFaults, DoublingPastTwoToTheThirtyOverflowsAndKeepsTheCount) {
    QuadrixStripe stripe;
    EXPECT_THROW(stripe.DoStep(100), Overflow);
    EXPECT_EQ(stripe.Count(), 1073741824);  // the doublings before the failing one stay
    EXPECT_THROW(stripe.DoStep(1), Overflow);
    EXPECT_EQ(stripe.Count(), 1073741824);
}

TEST(QuadrixStripeFaults, ZeroStripesDivideByZero) {
    QuadrixStripe stripe;
    stripe.Count(0);
    EXPECT_THROW(stripe.PiAbove(), DivisionByZero);    // 4 / 0
    EXPECT_THROW(stripe.PiBelow(), InvalidOperation);  // 0 / 0
    EXPECT_THROW(stripe.PiRounded(), InvalidOperation);
    EXPECT_THROW(stripe.StateDescr(), InvalidOperation);  // PiRounded scales the lower sum first
    stripe.DoStep(5);
    EXPECT_EQ(stripe.Count(), 0);
    EXPECT_THROW(stripe.DoStep(std::numeric_limits<Long>::max()), Overflow);
}

TEST(QuadrixStripeFaults, NegativeAndSmallestCounts) {
    QuadrixStripe stripe;
    stripe.Count(std::numeric_limits<Long>::min());
    EXPECT_THROW(stripe.PiAbove(), Overflow);  // Count - 1 leaves Long
    EXPECT_THROW(stripe.PiBelow(), Overflow);
    EXPECT_THROW(stripe.PiRounded(), Overflow);
    EXPECT_THROW(stripe.StateDescr(), Overflow);
    stripe.Count(-8);
    EXPECT_EQ(stripe.PiAbove(), -0.5);
    EXPECT_EQ(DoubleToText(stripe.PiBelow(), "."), "0");
    EXPECT_EQ(stripe.PiRounded(), 0.0);
    EXPECT_EQ(stripe.StateDescr(), "PiRounded:  0\r\nPiAbove:    -0" + DecimalSeparator() +
                                       "5\r\nPiBelow:    0\r\nCount:      -8");
    EXPECT_THROW(stripe.DoStep(29), Overflow);
}

}  // namespace
}  // namespace quadrix
