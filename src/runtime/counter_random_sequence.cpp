#include "runtime/counter_random_sequence.h"

#include "runtime/shot_hit_counter.h"

namespace quadrix {

CounterRandomSequence& CounterRandomSequence::Program() {
    static CounterRandomSequence sequence;
    return sequence;
}

double CounterRandomSequence::Next() {
    return ValueAt(position_++);
}

std::int64_t CounterRandomSequence::CountHits(std::int64_t shots) {
    if (shots < 1) {
        return 0;
    }
    const std::int64_t hits = ShotHitCounter(*pool_).CountHits(position_, shots);
    position_ += 2 * static_cast<std::uint64_t>(shots);
    return hits;
}

std::uint32_t CounterRandomSequence::WordAt(std::uint64_t index) {
    const std::uint64_t block = index >> 2;
    const Philox::Counter counter = {static_cast<std::uint32_t>(block),
                                     static_cast<std::uint32_t>(block >> 32), 0, 0};
    return Philox::Block(counter, kKey)[index & 3];
}

}  // namespace quadrix
