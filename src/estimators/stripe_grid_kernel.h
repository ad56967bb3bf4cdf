#pragma once

#include <cstddef>
#include <cstdint>

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

// The stripe heights of a range summed on grids, with the widest SIMD
// instruction set the processor offers, chosen at run time; every instruction
// set gives the same sums.
namespace stripe_grid_kernel {

// Sums the heights of range on each of the grids (one or two), sharing the
// heights: sums[g] gets the sum on the grid of unit 2^-scaleExponents[g].
void SumOnGrids(const StripeTermRange& range, const int* scaleExponents, std::size_t grids,
                StripeGridSum* sums);

// For the levels k + 1/2, firstLevel <= k < firstLevel + levels, on the grid
// of unit 2^-scaleExponent, guesses from the curve the first index of range
// whose height is at or below each level, and checks the guess with the exact
// heights there and just before it. crossings[j] gets the index where the
// check holds with the height strictly below the level, 0 where the guess
// missed or met a tie. Each level must lie between the range's lowest and
// highest height.
void GuessCrossings(const StripeTermRange& range, int scaleExponent, std::int64_t firstLevel,
                    std::size_t levels, double* crossings);

// The instruction set the next call runs on ("AVX3", "AVX2", "EMU128", ...).
const char* TargetName();

}  // namespace stripe_grid_kernel
}  // namespace quadrix
