// One identity for a method: its 1-based index and the bounds around it.
#include "controller/method.h"

#include <gtest/gtest.h>

#include "runtime/errors.h"

namespace quadrix {
namespace {

TEST(Method, IndexOutsideOneToTwoIsABoundsError) {
    for (const Long index : {-1, 0, 3}) {
        EXPECT_THROW(MethodAt(index), BoundsError) << index;
    }
    EXPECT_EQ(MethodAt(1), Method::kShooting);
    EXPECT_EQ(MethodAt(2), Method::kStripes);
}

}  // namespace
}  // namespace quadrix
