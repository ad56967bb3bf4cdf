// Both stripe sums, exact and on many threads.
#pragma once

#include <array>
#include <cstddef>

#include "estimators/stripe_grid_kernel.h"
#include "estimators/stripe_level_counter.h"
#include "estimators/stripe_sum.h"
#include "estimators/stripe_sum_forecast.h"
#include "runtime/long_arithmetic.h"
#include "runtime/worker_pool.h"

namespace quadrix {

// Both stripe sums for a count of at least 2, exactly as the plain loop adds
// them, with SIMD on all threads of a pool. The heights are cut into at most
// kMaxChunks chunks. In parallel, every chunk is summed on the grid of the
// binade the forecast puts each running sum in at that chunk; then one pass
// in order takes each chunk's grid sum where the real running sum confirms it;
// otherwise it halves the chunk until the parts take the grid, adding only the
// short part around a binade crossing or a tie term by term. The reasoning is at
// AdvanceOnGrid in the source. The forecast only steers which way a chunk is
// added: the sums come out the same with any forecast, only slower with a bad one.
// A chunk's grid sum comes from the SIMD kernel or, where the heights fall
// slowly against the grid, from counting where they cross its levels
// (StripeLevelCounter), whichever needs less work unless a path is forced.
class StripeEngine {
  public:
    // kCounting counts wherever that is feasible (StripeLevelCounter), even
    // where it is slower than the kernel.
    enum class GridPath { kCheapest, kCounting, kKernel };

    // The forecast must outlive the engine.
    StripeEngine(Long count, WorkerPool& pool, const StripeSumForecast& forecast,
                 GridPath path = GridPath::kCheapest);

    StripeSums Sums() const;

  private:
    static constexpr std::size_t kMaxChunks = 2048;

    // One chunk's sum in units of the grid of the binade the forecast expects
    // one of the running sums to be in, throughout the chunk.
    struct ChunkPart {
        int binade = -1;  // below any usable binade: no grid sum
        StripeGridSum grid;
    };
    struct Chunk {
        ChunkPart above;
        ChunkPart below;
    };
    using ChunkTable = std::array<Chunk, kMaxChunks>;

    StripeTermRange ChunkRange(std::size_t chunk) const;
    void SumChunkOnForecastGrids(std::size_t chunk, Chunk& result) const;
    int ForecastBinade(const StripeTermRange& range, double start) const;
    bool Counts(const StripeLevelCounter& counter) const;
    StripeGridSum GridSum(const StripeTermRange& range, int binade) const;

    double AddChunks(const ChunkTable& table, ChunkPart Chunk::*part, double start) const;
    double AddInParts(const StripeTermRange& range, double sum) const;
    bool AddOnGrid(const StripeTermRange& range, double& sum) const;
    static double AddInOrder(const StripeTermRange& range, double sum);

    Long count_;
    WorkerPool& pool_;
    const StripeSumForecast& forecast_;
    GridPath path_;
    Long chunkLength_;
    std::size_t chunkCount_;
};

}  // namespace quadrix
