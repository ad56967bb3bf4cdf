// Reads the counter-based random sequence by index, one Philox block per neighbouring pair.
#pragma once

#include <cstdint>
#include <limits>

#include "runtime/philox.h"

namespace quadrix {

// Reads values of the CounterRandomSequence by their index, computing each
// Philox block once while neighbouring indices are read in turn: two shots cost
// one block instead of four.
class CounterSequenceReader {
  public:
    // Exactly CounterRandomSequence::ValueAt(index).
    double ValueAt(std::uint64_t index);

  private:
    static constexpr std::uint64_t kNoBlock = std::numeric_limits<std::uint64_t>::max();

    std::uint64_t block_ = kNoBlock;
    philox::Counter words_{};
};

}  // namespace quadrix
