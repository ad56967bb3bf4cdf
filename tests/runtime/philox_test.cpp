// Tests of the Philox4x32-10 generator.
#include <gtest/gtest.h>

#include "runtime/philox.h"

namespace quadrix {

// From the Random123 distribution's known-answer tests (kat_vectors).
TEST(Philox, BlockIsTheKnownAnswer) {
    EXPECT_EQ(
        philox::Block({0x243f6a88, 0x85a308d3, 0x13198a2e, 0x03707344}, {0xa4093822, 0x299f31d0}),
        (philox::Counter{0xd16cfe09, 0x94fdcceb, 0x5001e420, 0x24126ea1}));
}

}  // namespace quadrix
