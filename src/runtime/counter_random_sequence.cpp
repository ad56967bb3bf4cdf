#include "runtime/counter_random_sequence.h"

namespace quadrix {

CounterRandomSequence& CounterRandomSequence::Program() {
    static CounterRandomSequence sequence;
    return sequence;
}

double CounterRandomSequence::Next() {
    return ValueAt(position_++);
}

Philox::Counter CounterRandomSequence::BlockAt(std::uint64_t block) {
    const Philox::Counter counter = {static_cast<std::uint32_t>(block),
                                     static_cast<std::uint32_t>(block >> 32), 0, 0};
    return Philox::Block(counter, kKey);
}

}  // namespace quadrix
