// Counting the hits of a run of shots on many threads.
#pragma once

#include <cstdint>

#include "runtime/worker_pool.h"

namespace quadrix {

// Counts the hits of any run of shots drawn from the program's random sequence,
// with SIMD on all threads of a worker pool. A shot draws two values, x then y,
// and hits when x*x + y*y <= 1. The count is a pure function of the run: it does
// not depend on the pool's size, the SIMD width, or how a run is split into calls.
class ShotHitCounter {
  public:
    // Works on the given pool, which must outlive the counter.
    explicit ShotHitCounter(WorkerPool& pool);

    // Hits among `shots` shots whose first x is value `firstValue` of the
    // sequence (any index, odd or even); none when shots < 1.
    std::int64_t CountHits(std::uint64_t firstValue, std::int64_t shots) const;

    // Blocks of the sequence (two shots each) one task of the pool counts.
    static constexpr std::uint64_t kBlocksPerTask = std::uint64_t{1} << 15;

  private:
    std::int64_t CountBlockHits(std::uint64_t firstBlock, std::uint64_t blocks,
                                bool oddPairing) const;
    static std::int64_t CountShotHitsOneByOne(std::uint64_t firstValue, std::uint64_t shots);

    WorkerPool* pool_;
};

}  // namespace quadrix
