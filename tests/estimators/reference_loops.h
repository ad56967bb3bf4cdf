#pragma once

// Straightforward loops of both methods, written as plainly as possible. Every
// faster engine must agree with them bit for bit.

#include <cmath>
#include <cstdint>

#include "runtime/counter_random_sequence.h"

namespace quadrix::reference {

// The left-to-right sum of sqrt(1 - (i/n)^2), i = 1 .. n-1, onto start.
inline double StripeSum(std::int32_t n, double start) {
    double s = start;
    for (std::int32_t i = 1; i <= n - 1; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(n);
        const double u = 1.0 - t * t;
        s = std::sqrt(u) + s;
    }
    return s;
}

// Four times that sum, over n.
inline double StripeBound(std::int32_t n, double start) {
    return StripeSum(n, start) * 4.0 / static_cast<double>(n);
}

inline double StripePiAbove(std::int32_t n) {
    return StripeBound(n, 1.0);
}
inline double StripePiBelow(std::int32_t n) {
    return StripeBound(n, 0.0);
}
inline double StripePiRounded(std::int32_t n) {
    const double below = StripePiBelow(n);
    const double above = StripePiAbove(n);
    return std::sqrt(below * above);
}

// Hits among the shots whose x is value `first` of the program's sequence,
// two values per shot, x before y.
inline std::int64_t ShootHits(std::uint64_t first, std::int64_t shots) {
    std::int64_t hits = 0;
    for (std::int64_t shot = 0; shot < shots; ++shot) {
        const double x =
            CounterRandomSequence::ValueAt(first + 2 * static_cast<std::uint64_t>(shot));
        const double y =
            CounterRandomSequence::ValueAt(first + 2 * static_cast<std::uint64_t>(shot) + 1);
        if (x * x + y * y <= 1.0) {
            ++hits;
        }
    }
    return hits;
}

}  // namespace quadrix::reference
