#include "runtime/counter_random_sequence.h"

#include <gtest/gtest.h>

namespace quadrix {
namespace {

TEST(Philox, KnownAnswerVectors) {
    // From the Random123 distribution's known-answer tests (kat_vectors).
    EXPECT_EQ(Philox::Block({0, 0, 0, 0}, {0, 0}),
              (Philox::Counter{0x6627e8d5, 0xe169c58d, 0xbc57ac4c, 0x9b00dbd8}));
    EXPECT_EQ(
        Philox::Block({0xffffffff, 0xffffffff, 0xffffffff, 0xffffffff}, {0xffffffff, 0xffffffff}),
        (Philox::Counter{0x408f276d, 0x41c83b0e, 0xa20bc7c6, 0x6d5451fd}));
    EXPECT_EQ(
        Philox::Block({0x243f6a88, 0x85a308d3, 0x13198a2e, 0x03707344}, {0xa4093822, 0x299f31d0}),
        (Philox::Counter{0xd16cfe09, 0x94fdcceb, 0x5001e420, 0x24126ea1}));
}

TEST(CounterRandomSequence, ValueKIsWordKModFourOfBlockKDivFourScaledBelowOne) {
    const Philox::Counter block5 = Philox::Block({5, 0, 0, 0}, CounterRandomSequence::kKey);
    const Philox::Counter blockHigh = Philox::Block({7, 1, 0, 0}, CounterRandomSequence::kKey);
    for (std::uint64_t word = 0; word < 4; ++word) {
        EXPECT_EQ(CounterRandomSequence::ValueAt(20 + word), block5[word] * 0x1p-32);
        EXPECT_EQ(CounterRandomSequence::WordAt(((1ULL << 32) + 7) * 4 + word), blockHigh[word]);
    }
    EXPECT_EQ(0xffffffffu * CounterRandomSequence::kScale, 1.0 - 0x1p-32);
}

TEST(CounterRandomSequence, EverySequenceStartsAtValueZeroAndDrawsInOrder) {
    CounterRandomSequence sequence;
    EXPECT_EQ(sequence.Next(), CounterRandomSequence::ValueAt(0));
    sequence.Advance(5);
    EXPECT_EQ(sequence.Next(), CounterRandomSequence::ValueAt(6));
    EXPECT_EQ(sequence.Position(), 7u);
    EXPECT_EQ(&CounterRandomSequence::Program(), &CounterRandomSequence::Program());
}

}  // namespace
}  // namespace quadrix
