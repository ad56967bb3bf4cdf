// The program's random sequence, computed from Philox blocks by position.
#pragma once

#include <cstdint>

#include "runtime/philox.h"
#include "runtime/random_source.h"

namespace quadrix {

// A random sequence whose value k is a pure function of k and one fixed key:
// word k mod 4 of the Philox4x32-10 block at counter k div 4, scaled by 2^-32
// into [0, 1). The same on every machine, never seeded, and any stretch of it
// can be computed without computing what comes before, which lets the shots
// drawn from it be counted on many threads at once.
class CounterRandomSequence : public RandomSource {
  public:
    static constexpr philox::Key kKey = {0x243F6A88, 0x85A308D3};
    static constexpr double kScale = 1.0 / 4294967296.0;  // 2^-32

    // The one sequence the whole program draws from.
    static CounterRandomSequence& Program();

    double Next() override;

    std::uint64_t Position() const { return position_; }
    void Advance(std::uint64_t values) { position_ += values; }

    // The block that holds values 4 * block .. 4 * block + 3.
    static philox::Counter BlockAt(std::uint64_t block);
    static std::uint64_t BlockOf(std::uint64_t index) { return index >> 2; }
    static std::uint32_t WordAt(std::uint64_t index) { return BlockAt(BlockOf(index))[index & 3]; }
    // Value `index`, read from its block.
    static double ValueIn(const philox::Counter& block, std::uint64_t index) {
        return block[index & 3] * kScale;
    }
    static double ValueAt(std::uint64_t index) { return ValueIn(BlockAt(BlockOf(index)), index); }

  private:
    std::uint64_t position_ = 0;
};

}  // namespace quadrix
