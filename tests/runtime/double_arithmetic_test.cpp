// Tests of the checked Double arithmetic.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/double_arithmetic.h"
#include "runtime/errors.h"

namespace quadrix {

TEST(DoubleArithmetic, EachFaultRaisesItsOwnError) {
    EXPECT_THROW(DoubleDiv(0.0, 0.0), InvalidOperation);
    EXPECT_THROW(DoubleDiv(-4.0, -0.0), DivisionByZero);
    EXPECT_THROW(DoubleSqrt(-1e-300), InvalidOperation);
    EXPECT_THROW(DoubleMul(1e200, 1e200), FloatingPointOverflow);
}

TEST(DoubleArithmetic, RootOfMinusZeroIsMinusZero) {
    EXPECT_TRUE(std::signbit(DoubleSqrt(-0.0)));
}

}  // namespace quadrix
