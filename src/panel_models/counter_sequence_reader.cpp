// Reads the counter-based random sequence by index, one Philox block per neighbouring pair.
#include "panel_models/counter_sequence_reader.h"

#include "runtime/counter_random_sequence.h"

namespace quadrix {

double CounterSequenceReader::ValueAt(std::uint64_t index) {
    const std::uint64_t block = CounterRandomSequence::BlockOf(index);
    if (block != block_) {
        words_ = CounterRandomSequence::BlockAt(block);
        block_ = block;
    }
    return CounterRandomSequence::ValueIn(words_, index);
}

}  // namespace quadrix
