// CounterSequenceReader reads the sequence as CounterRandomSequence::ValueAt does.
#include "panel_models/counter_sequence_reader.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/counter_random_sequence.h"

namespace quadrix {

// Odd starts, block boundaries, a block counter with a high word, and jumps back.
TEST(CounterSequenceReader, ReadsTheSequenceAtAnyIndexInAnyOrder) {
    CounterSequenceReader reader;
    for (const std::uint64_t start : {0ull, 3ull, 1ull << 34, (1ull << 34) - 5, 7ull}) {
        for (std::uint64_t index = start; index < start + 11; ++index) {
            ASSERT_EQ(reader.ValueAt(index), CounterRandomSequence::ValueAt(index)) << index;
        }
    }
}

}  // namespace quadrix
