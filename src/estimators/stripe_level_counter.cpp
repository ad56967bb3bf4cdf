#include "estimators/stripe_level_counter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quadrix {
namespace {

// One level costs about this many heights rounded one by one: two exact
// heights and a guess from the curve, all on vectors like the heights.
constexpr std::int64_t kTermsPerLevel = 4;
// Levels guessed per call of the kernel.
constexpr std::int64_t kBatch = 512;

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

}  // namespace

StripeLevelCounter::StripeLevelCounter(const StripeTermRange& range, int scaleExponent)
    : range_(range),
      ops_(range.count),
      scaleExponent_(scaleExponent),
      scale_(std::ldexp(1.0, scaleExponent)),
      highest_(Scaled(range.first)),
      lowest_(Scaled(range.end - 1)),
      firstLevel_(FirstLevelFrom(lowest_)),
      levelEnd_(FirstLevelFrom(highest_)) {}

bool StripeLevelCounter::Cheaper() const {
    return Levels() * kTermsPerLevel < static_cast<std::int64_t>(range_.end - range_.first);
}

// The levels go in batches to the SIMD kernel, which settles nearly all of
// them at the curve's guess; the few it cannot settle are searched for here.
StripeGridSum StripeLevelCounter::Sum() const {
    const auto terms = static_cast<std::int64_t>(range_.end - range_.first);
    std::int64_t units = terms * firstLevel_;
    bool noTie = !IsTie(highest_) && !IsTie(lowest_);
    std::array<double, static_cast<std::size_t>(kBatch)> crossings{};
    for (std::int64_t batchLevel = firstLevel_; batchLevel < levelEnd_; batchLevel += kBatch) {
        const auto levels =
            static_cast<std::size_t>(std::min<std::int64_t>(kBatch, levelEnd_ - batchLevel));
        stripe_grid_kernel::GuessCrossings(range_, scaleExponent_, batchLevel, levels,
                                           crossings.data());
        for (std::size_t j = 0; j < levels; ++j) {
            if (crossings[j] != 0.0) {
                units += static_cast<std::int64_t>(crossings[j]) - range_.first;
                continue;
            }
            const auto level = static_cast<double>(batchLevel + static_cast<std::int64_t>(j));
            const Crossing crossing = CrossingOf(level + 0.5);
            units += static_cast<std::int64_t>(crossing.index - range_.first);
            noTie = noTie && !crossing.tie;
        }
    }
    return {static_cast<double>(units), noTie};
}

double StripeLevelCounter::Scaled(Long index) const {
    return StripeHeightOf(ops_, static_cast<double>(index)) * scale_;
}

// The first index whose height is at or below the level, which lies strictly
// between the highest and the lowest height of the range: one probe at the
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

// Where the exact curve falls to the level: sqrt(1 - v^2) = (1 - v)(1 + v),
// whose first factor is exact for v >= 1/2, so the guess stays close also
// near the top of the curve.
Long StripeLevelCounter::GuessCrossing(double level) const {
    const double v = level / scale_;
    const double t = std::sqrt((1.0 - v) * (1.0 + v));
    const double index = std::ceil(t * static_cast<double>(range_.count));
    const double clamped = std::clamp(index, static_cast<double>(range_.first + 1),
                                      static_cast<double>(range_.end - 1));
    return static_cast<Long>(clamped);
}

}  // namespace quadrix
