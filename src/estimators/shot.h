// One shot at the unit square and whether it hits.
#pragma once

#include <cstdint>

namespace quadrix {

// Whether the shot at (x, y) lands inside the quarter circle of radius 1 about
// the origin or on its arc. Values below 1 cannot overflow, so it needs no checks.
inline bool IsHit(double x, double y) {
    return x * x + y * y <= 1.0;
}

// One shot at the unit square.
struct Shot {
    double x;
    double y;
    bool hit;
};

// The shot whose x is value `firstValue` of a sequence and whose y is the value
// after it; valueAt(index) reads a value, and is called for x before y.
template <class ValueAt>
Shot ShotAt(ValueAt&& valueAt, std::uint64_t firstValue) {
    const double x = valueAt(firstValue);
    const double y = valueAt(firstValue + 1);
    return {x, y, IsHit(x, y)};
}

// Hits among `shots` shots in a row from value `firstValue` on, one by one.
template <class ValueAt>
std::int64_t CountHitsOneByOne(ValueAt&& valueAt, std::uint64_t firstValue, std::uint64_t shots) {
    std::int64_t hits = 0;
    for (std::uint64_t shot = 0; shot < shots; ++shot) {
        hits += ShotAt(valueAt, firstValue + 2 * shot).hit ? 1 : 0;
    }
    return hits;
}

}  // namespace quadrix
