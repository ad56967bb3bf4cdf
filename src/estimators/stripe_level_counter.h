// Stripe heights summed on a grid from where they cross its levels.
#pragma once

#include <cstdint>

#include "estimators/stripe_grid_kernel.h"
#include "estimators/stripe_height.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// The heights of a range rounded onto one grid and summed, as
// stripe_grid_kernel::SumOnGrid does, but from where the heights cross the
// grid's half-way levels k + 1/2 rather than from every height. The heights
// never increase with the index, and a height y (in grid units, not a tie)
// rounds to the number of levels below it, so the range adds
//   terms * (levels below its lowest height)
//   + for each level at or above its lowest height and below its highest, the
//     number of terms above that level,
// and each level needs only the first index whose height is at or below it.
// The exact curve tells that index without computing a single height, except
// where it crosses the level very close to a whole index; only there are the
// heights searched. Why the curve suffices is at Margin in the source. A
// height exactly on a level is a tie and is reported like the kernel reports
// it. The sum must stay below 2^53 units.
class StripeLevelCounter {
  public:
    StripeLevelCounter(const StripeTermRange& range, int scaleExponent);

    // The levels at or above the lowest height of the range and below its highest.
    std::int64_t Levels() const { return levelEnd_ - firstLevel_; }
    // Whether counting needs less work than rounding every height.
    bool Cheaper() const;
    // Whether the curve settles enough levels for counting to work at all.
    bool Feasible() const;
    StripeGridSum Sum() const;

  private:
    struct Crossing {
        Long index;
        bool tie;
    };

    double Scaled(Long index) const;
    Crossing CrossingOf(double level) const;
    Long GuessCrossing(double level) const;

    StripeTermRange range_;
    StripeHeights heights_;
    int scaleExponent_;
    double scale_;
    double highest_;
    double lowest_;
    std::int64_t firstLevel_;
    std::int64_t levelEnd_;
    double margin_;
};

}  // namespace quadrix
