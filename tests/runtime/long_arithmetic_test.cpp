// Tests of the overflow-checked Long arithmetic.
#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

TEST(LongArithmetic, ResultOutsideLongOverflows) {
    EXPECT_EQ(LongAdd(kLongMax - 1, 1), kLongMax);
    EXPECT_THROW(LongAdd(kLongMax, 1), Overflow);
    EXPECT_EQ(LongSub(kLongMin + 1, 1), kLongMin);
    EXPECT_THROW(LongSub(kLongMin, 1), Overflow);
    EXPECT_EQ(LongMul(1073741824, -2), kLongMin);
    EXPECT_THROW(LongMul(1073741824, 2), Overflow);
}

}  // namespace quadrix
