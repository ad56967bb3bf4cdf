// The plain scalar shooting loop that at least computes each Philox block once for its two shots.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/counter_random_sequence.h"
#include "runtime/philox.h"

namespace quadrix::bench {

// Hits among `shots` shots from block `block` of the program's sequence on; `block` moves past
// them.
inline std::int64_t ScalarBlockHits(std::uint64_t& block, std::int64_t shots) {
    std::int64_t hits = 0;
    for (std::int64_t shot = 0; shot < shots; shot += 2, ++block) {
        const philox::Counter words = philox::Block(
            {static_cast<std::uint32_t>(block), static_cast<std::uint32_t>(block >> 32), 0, 0},
            CounterRandomSequence::kKey);
        for (std::size_t pair = 0; pair < 2; ++pair) {
            const double x = words[2 * pair] * CounterRandomSequence::kScale;
            const double y = words[2 * pair + 1] * CounterRandomSequence::kScale;
            hits += x * x + y * y <= 1.0 ? 1 : 0;
        }
    }
    return hits;
}

}  // namespace quadrix::bench
