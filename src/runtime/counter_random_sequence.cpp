// The program's random sequence, computed from Philox blocks by position.
#include "runtime/counter_random_sequence.h"

namespace quadrix {

CounterRandomSequence& CounterRandomSequence::Program() {
    static CounterRandomSequence sequence;
    return sequence;
}

double CounterRandomSequence::Next() {
    return ValueAt(position_++);
}

philox::Counter CounterRandomSequence::BlockAt(std::uint64_t block) {
    const philox::Counter counter = {static_cast<std::uint32_t>(block),
                                     static_cast<std::uint32_t>(block >> 32), 0, 0};
    return philox::Block(counter, kKey);
}

}  // namespace quadrix
