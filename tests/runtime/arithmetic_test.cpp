#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/double_arithmetic.h"
#include "runtime/errors.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {
namespace {

constexpr Long kMax = std::numeric_limits<Long>::max();
constexpr Long kMin = std::numeric_limits<Long>::min();

TEST(LongArithmetic, ResultsAtTheEdgesOfLongPassAndBeyondThemOverflow) {
    EXPECT_EQ(LongAdd(kMax - 1, 1), kMax);
    EXPECT_THROW(LongAdd(kMax, 1), Overflow);
    EXPECT_EQ(LongSub(kMin + 1, 1), kMin);
    EXPECT_THROW(LongSub(kMin, 1), Overflow);
    EXPECT_THROW(LongSub(0, kMin), Overflow);
    EXPECT_EQ(LongMul(1073741824, -2), kMin);
    EXPECT_THROW(LongMul(1073741824, 2), Overflow);
    EXPECT_EQ(LongMul(536870911, 4), 2147483644);
}

TEST(DoubleArithmetic, FaultsRaiseTheirOwnErrorsAndEverythingElseIsTheIeeeResult) {
    EXPECT_THROW(DoubleDiv(0.0, 0.0), InvalidOperation);
    EXPECT_THROW(DoubleDiv(4.0, 0.0), DivisionByZero);
    EXPECT_THROW(DoubleDiv(-4.0, -0.0), DivisionByZero);
    EXPECT_THROW(DoubleSqrt(-1e-300), InvalidOperation);
    EXPECT_THROW(DoubleMul(1e200, 1e200), FloatingPointOverflow);
    EXPECT_THROW(DoubleAdd(std::numeric_limits<double>::max(), 1e300), FloatingPointOverflow);
    EXPECT_THROW(DoubleSub(-std::numeric_limits<double>::max(), 1e300), FloatingPointOverflow);
    EXPECT_EQ(DoubleDiv(1.0, 3.0), 1.0 / 3.0);
    EXPECT_EQ(DoubleSub(1.0, 0.25), 0.75);
    EXPECT_EQ(DoubleSqrt(2.0), std::sqrt(2.0));
    EXPECT_TRUE(std::signbit(DoubleSqrt(-0.0)));  // the root of -0 is -0, no fault
    const Error& fault = InvalidOperation();
    EXPECT_NE(dynamic_cast<const FloatingPointError*>(&fault), nullptr);
    EXPECT_STREQ(Overflow().what(), "Overflow");
}

}  // namespace
}  // namespace quadrix
