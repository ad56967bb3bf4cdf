// Stripe heights summed on a grid from where they cross its levels.
#include "estimators/stripe_level_counter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quadrix {
namespace {

// One level costs about as much as this many heights rounded one by one: a
// square root and a few operations on vectors, like a height (which also
// divides where the count is not a power of two).
constexpr double kTermsPerLevel = 1.0;
// An unsettled level costs about this many heights: a search with exact ones.
constexpr double kTermsPerSearch = 8.0;
// Levels settled per call of the kernel.
constexpr std::size_t kBatch = 512;
// Beyond this margin most levels would be searched: the kernel's way is better.
constexpr double kLargestMargin = 0.125;

// The number of levels k + 1/2 (k >= 0) strictly below y >= 0, which is also
// the first level at or above y. floor and the fraction of a double are exact.
std::int64_t FirstLevelFrom(double y) {
    const double whole = std::floor(y);
    const double fraction = y - whole;
    return static_cast<std::int64_t>(whole) + (fraction > 0.5 ? 1 : 0);
}

bool IsTie(double y) {
    return y - std::floor(y) == 0.5;
}

// How close (in indices) the exact curve may cross a level L to a whole index
// before the heights must be asked. With N the count, the first index of the
// range i0 >= 1, u = 2^-53 and a(x) = 1 - (x / N)^2:
// - The computed height of index i is fl(sqrt(A)) with A = fl(1 - fl(t * t)),
//   t = fl(i / N), every step correctly rounded: |A - a(i)| <= 4.0001 u, and
//   fl(sqrt(A)) > L once A > L^2 (1 + u)^2, < L once A < L^2 (1 - u)^2. So
//   the height is above L where a(i) > L^2 + 8u, below L where a(i) < L^2 - 8u.
// - The curve meets L at x* with a(x*) = L^2, and for i, x* >= i0,
//   |a(i) - L^2| = |i - x*| (i + x*) / N^2 >= |i - x*| 2 i0 / N^2.
//   So an index more than 4u N^2 / i0 away from x* has its height strictly on
//   the side of L that the curve says.
// - The kernel's x = fl(N fl(sqrt(fl(fl(1 - L) fl(1 + L))))) is within 3.51 u N
//   of x*.
// So when x lies more than margin = 4u N^2 / i0 + 4u N from both whole numbers
// around it and c = ceil(x) > i0, the height at c - 1 is above L and the height
// at c below it: c is the crossing and no height of the range lies on L. The
// margin is taken twice over, for safety.
double Margin(const StripeTermRange& range) {
    const auto count = static_cast<double>(range.count);
    const auto first = static_cast<double>(range.first);
    return 0x1p-50 * (count * (count / first) + count);
}

}  // namespace

StripeLevelCounter::StripeLevelCounter(const StripeTermRange& range, int scaleExponent)
    : range_(range),
      heights_(range.count),
      scaleExponent_(scaleExponent),
      scale_(std::ldexp(1.0, scaleExponent)),
      highest_(Scaled(range.first)),
      lowest_(Scaled(range.end - 1)),
      firstLevel_(FirstLevelFrom(lowest_)),
      levelEnd_(FirstLevelFrom(highest_)),
      margin_(Margin(range)) {}

bool StripeLevelCounter::Feasible() const {
    return margin_ < kLargestMargin && Levels() <= range_.end - range_.first;
}

bool StripeLevelCounter::Cheaper() const {
    const double perLevel = kTermsPerLevel + 2.0 * margin_ * kTermsPerSearch;
    return Feasible() && static_cast<double>(Levels()) * perLevel <
                             static_cast<double>(range_.end - range_.first);
}

// The levels go in batches to the SIMD kernel, which settles nearly all of
// them from the curve; the few it cannot settle are searched for here.
StripeGridSum StripeLevelCounter::Sum() const {
    const auto terms = static_cast<std::int64_t>(range_.end - range_.first);
    std::int64_t units = terms * firstLevel_;
    bool noTie = !IsTie(highest_) && !IsTie(lowest_);
    std::array<std::int64_t, kBatch> unsettled{};
    for (std::int64_t batchLevel = firstLevel_; batchLevel < levelEnd_;) {
        const auto levels =
            static_cast<std::size_t>(std::min<std::int64_t>(kBatch, levelEnd_ - batchLevel));
        StripeCrossings crossings;
        crossings.unsettled = unsettled;
        stripe_grid_kernel::SettleCrossings({range_, scaleExponent_, margin_, batchLevel, levels},
                                            crossings);
        const auto settledCount = static_cast<std::int64_t>(levels - crossings.unsettledCount);
        units += static_cast<std::int64_t>(crossings.indexSum) - settledCount * range_.first;
        for (const std::int64_t level : crossings.unsettled.first(crossings.unsettledCount)) {
            const Crossing crossing = CrossingOf(static_cast<double>(level) + 0.5);
            units += static_cast<std::int64_t>(crossing.index - range_.first);
            noTie = noTie && !crossing.tie;
        }
        batchLevel += static_cast<std::int64_t>(levels);
    }
    return {static_cast<double>(units), noTie};
}

double StripeLevelCounter::Scaled(Long index) const {
    return heights_.At(static_cast<double>(index)) * scale_;
}

// The first index whose height is at or below the level, which lies at or above
// the lowest height of the range and below its highest: one probe at the
// guess and its neighbour when the guess is right, otherwise a widening search
// from it, then bisection.
StripeLevelCounter::Crossing StripeLevelCounter::CrossingOf(double level) const {
    const Long first = range_.first;
    const Long last = range_.end - 1;
    Long above = 0;  // height above the level
    Long below = 0;  // height at or below it
    double belowHeight = 0.0;
    const Long guess = GuessCrossing(level);
    if (const double height = Scaled(guess); height <= level) {
        below = guess;
        belowHeight = height;
        for (Long step = 1;; step *= 2) {
            above = std::max(first, below - step);
            const double aboveHeight = above == first ? highest_ : Scaled(above);
            if (aboveHeight > level) {
                break;
            }
            below = above;
            belowHeight = aboveHeight;
        }
    } else {
        above = guess;
        for (Long step = 1;; step *= 2) {
            below = std::min(last, above + step);
            belowHeight = below == last ? lowest_ : Scaled(below);
            if (belowHeight <= level) {
                break;
            }
            above = below;
        }
    }
    while (below - above > 1) {
        const Long middle = above + (below - above) / 2;
        if (const double height = Scaled(middle); height > level) {
            above = middle;
        } else {
            below = middle;
            belowHeight = height;
        }
    }
    return {below, belowHeight == level};
}

// Where the exact curve falls to the level: 1 - v^2 = (1 - v)(1 + v), whose
// first factor is exact for v >= 1/2, so the guess stays close also near the
// top of the curve.
Long StripeLevelCounter::GuessCrossing(double level) const {
    const double v = level / scale_;
    const double t = std::sqrt((1.0 - v) * (1.0 + v));
    const double index = std::ceil(t * static_cast<double>(range_.count));
    const double clamped = std::clamp(index, static_cast<double>(range_.first + 1),
                                      static_cast<double>(range_.end - 1));
    return static_cast<Long>(clamped);
}

}  // namespace quadrix
