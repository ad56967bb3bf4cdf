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
// them, with SIMD on all threads of a pool. A run of terms is added onto both
// start sums in four steps:
//  1. Cut the terms into at most kMaxChunks chunks (ChunkLayout).
//  2. In parallel, sum every chunk on the grid of the binade the forecast puts
//     each running sum in throughout the chunk (SumOnForecastGrids). A grid sum
//     comes from the SIMD kernel or, where the heights fall slowly against the
//     grid, from counting where they cross its levels (StripeLevelCounter),
//     whichever needs less work unless a path is forced (GridSum).
//  3. In order, add each chunk's grid sum where the real running sum confirms
//     it: right binade, no tie, no crossing into the next binade
//     (AddChunksInOrder, AddGridSumIfExact; the reasoning is at the latter).
//  4. Otherwise halve the chunk, each part summed on the grid of the running
//     sum's own binade, until the parts take the grid; a part of at most
//     kPlainLength terms that still does not is added by the plain loop
//     (AddHalving, AddPartOnGrid, AddPlainly).
// The forecast only steers which way a chunk is added: the sums come out the
// same with any forecast, only slower with a bad one.
class StripeEngine {
  public:
    // kCounting counts wherever that is feasible (StripeLevelCounter), even
    // where it is slower than the kernel.
    enum class GridPath { kCheapest, kCounting, kKernel };

    // The forecast must outlive the engine.
    StripeEngine(Long count, WorkerPool& pool, const StripeSumForecast& forecast,
                 GridPath path = GridPath::kCheapest);

    // The terms 1 .. count - 1 added onto 1 (above) and onto 0 (below).
    StripeSums Sums() const;

    // The terms first .. end - 1 added onto each start sum by the steps above,
    // bit for bit as the plain loop adds them; 1 <= first <= end <= count.
    StripeSums AddTerms(Long first, Long end, StripeSums start) const;

  private:
    static constexpr std::size_t kMaxChunks = 2048;
    // A refused part this short is not halved again but added by the plain loop.
    static constexpr Long kPlainLength = 512;

    // The index of each sum in a chunk's parts.
    static constexpr std::size_t kAbove = 0;
    static constexpr std::size_t kBelow = 1;

    // Step 1: equal chunks of a run of terms, only the last one shorter.
    struct ChunkLayout {
        Long first;
        Long end;
        Long length;
        std::size_t count;
    };
    // One chunk's sum in units of the grid of the binade the forecast expects
    // one of the running sums to be in, throughout the chunk.
    struct ChunkPart {
        int binade = -1;  // below any usable binade: no grid sum
        StripeGridSum grid;
    };
    // A chunk's parts for the sums kAbove and kBelow.
    using Chunk = std::array<ChunkPart, 2>;
    using ChunkTable = std::array<Chunk, kMaxChunks>;

    static ChunkLayout LayOutChunks(Long first, Long end);
    StripeTermRange ChunkRange(const ChunkLayout& layout, std::size_t chunk) const;

    // Step 2.
    Chunk SumOnForecastGrids(const StripeTermRange& range, const StripeSums& forecastStart) const;
    int ForecastBinade(const StripeTermRange& range, double forecastStart) const;
    bool Counts(const StripeLevelCounter& counter) const;
    StripeGridSum GridSum(const StripeTermRange& range, int binade) const;

    // Steps 3 and 4.
    double AddChunksInOrder(const ChunkTable& table, const ChunkLayout& layout, std::size_t sum,
                            double start) const;
    double AddHalving(const StripeTermRange& range, double sum) const;
    bool AddPartOnGrid(const StripeTermRange& range, double& sum) const;
    static double AddPlainly(const StripeTermRange& range, double sum);

    Long count_;
    WorkerPool& pool_;
    const StripeSumForecast& forecast_;
    GridPath path_;
};

}  // namespace quadrix
