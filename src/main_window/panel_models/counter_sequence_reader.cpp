#include "main_window/panel_models/counter_sequence_reader.h"

#include "runtime/counter_random_sequence.h"

namespace quadrix {

double CounterSequenceReader::ValueAt(std::uint64_t index) {
    const std::uint64_t block = index >> 2;
    if (block != block_) {
        const Philox::Counter counter = {static_cast<std::uint32_t>(block),
                                         static_cast<std::uint32_t>(block >> 32), 0, 0};
        words_ = Philox::Block(counter, CounterRandomSequence::kKey);
        block_ = block;
    }
    return words_[index & 3] * CounterRandomSequence::kScale;
}

}  // namespace quadrix
