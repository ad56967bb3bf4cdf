// Tests of the counter-based random sequence.
#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/counter_random_sequence.h"

namespace quadrix {

TEST(CounterRandomSequence, ValueKIsWordKModFourOfBlockKDivFourScaledBelowOne) {
    const philox::Counter block5 = philox::Block({5, 0, 0, 0}, CounterRandomSequence::kKey);
    for (std::uint64_t word = 0; word < 4; ++word) {
        EXPECT_EQ(CounterRandomSequence::ValueAt(20 + word), block5[word] * 0x1p-32);
    }
    EXPECT_EQ(CounterRandomSequence::WordAt(((1ULL << 32) + 7) * 4 + 2),
              philox::Block({7, 1, 0, 0}, CounterRandomSequence::kKey)[2]);
}

}  // namespace quadrix
