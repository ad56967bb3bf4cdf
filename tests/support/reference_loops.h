// Both methods' plain loops, apart from the program's code: engines agree bit for bit.
#pragma once

#include <cmath>
#include <cstdint>

#include "runtime/counter_random_sequence.h"

namespace quadrix::reference {

// The left-to-right sum of sqrt(1 - (i/n)^2), i = first .. end - 1, onto start.
inline double StripeTerms(std::int32_t n, std::int32_t first, std::int32_t end, double start) {
    double s = start;
    for (std::int32_t i = first; i < end; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(n);
        s = std::sqrt(1.0 - t * t) + s;
    }
    return s;
}

// The left-to-right sum of sqrt(1 - (i/n)^2), i = 1 .. n-1, onto start.
inline double StripeSum(std::int32_t n, double start) {
    return StripeTerms(n, 1, n, start);
}

inline double StripePiAbove(std::int32_t n) {
    return StripeSum(n, 1.0) * 4.0 / n;
}
inline double StripePiBelow(std::int32_t n) {
    return StripeSum(n, 0.0) * 4.0 / n;
}
inline double StripePiRounded(std::int32_t n) {
    return std::sqrt(StripePiBelow(n) * StripePiAbove(n));
}

// Hits among the shots from value `first` of the program's sequence on, x before y.
inline std::int64_t ShootHits(std::uint64_t first, std::int64_t shots) {
    std::int64_t hits = 0;
    for (std::uint64_t value = first; value < first + 2 * std::uint64_t(shots); value += 2) {
        const double x = CounterRandomSequence::ValueAt(value);
        const double y = CounterRandomSequence::ValueAt(value + 1);
        hits += x * x + y * y <= 1.0 ? 1 : 0;
    }
    return hits;
}

}  // namespace quadrix::reference
