// The SIMD sums of stripe heights rounded onto a grid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "runtime/long_arithmetic.h"

namespace quadrix {

// The stripe heights sqrt(1 - (i / count)^2) for first <= i < end, computed
// with the same correctly rounded operations as the plain loop (so every SIMD
// lane yields the plain loop's bits), then each rounded on its own to the
// nearest multiple of a grid unit 2^-scaleExponent.
struct StripeTermRange {
    Long count;
    Long first;
    Long end;
};

// The rounded heights of a range summed in grid units. The sum is an exact
// integer as long as the range holds at most 2^(52 - scaleExponent) terms.
// noTie is false when some height lies exactly halfway between two grid
// points, where the rounding of a running sum depends on that sum's last bit.
struct StripeGridSum {
    double units = 0.0;
    bool noTie = true;
};

// The levels k + 1/2, firstLevel <= k < firstLevel + levels, of the grid of
// unit 2^-scaleExponent, each at or above the lowest height of range and below
// its highest; margin (below 1/2) is how close to a whole index the exact
// curve may cross a level before only the heights can tell where they cross it.
struct StripeLevelBatch {
    StripeTermRange range;
    int scaleExponent;
    double margin;
    std::int64_t firstLevel;
    std::size_t levels;
};

// The sum of the first indices whose heights are at or below the levels that
// could be settled, and the levels that could not: the first unsettledCount
// entries of unsettled, which must have room for every level of the batch.
struct StripeCrossings {
    double indexSum = 0.0;
    std::span<std::int64_t> unsettled;
    std::size_t unsettledCount = 0;
};

// The stripe heights of a range summed on a grid, with the widest SIMD
// instruction set the processor offers, chosen at run time; every instruction
// set gives the same sums.
namespace stripe_grid_kernel {

// Sums the heights of range on the grid of unit 2^-scaleExponent.
StripeGridSum SumOnGrid(const StripeTermRange& range, int scaleExponent);

// Settles where the heights of batch.range first fall to each level of the
// batch, as far as the exact curve alone can tell (StripeLevelCounter).
void SettleCrossings(const StripeLevelBatch& batch, StripeCrossings& crossings);

// The instruction set the next call runs on ("AVX3", "AVX2", "SCALAR", ...).
const char* TargetName();

}  // namespace stripe_grid_kernel
}  // namespace quadrix
