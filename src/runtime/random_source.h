#pragma once

#include <cstdint>

namespace quadrix {

// Whether the shot at (x, y) lands inside the quarter circle of radius 1 about
// the origin or on its arc. Values below 1 cannot overflow, so it needs no checks.
inline bool IsHit(double x, double y) {
    return x * x + y * y <= 1.0;
}

// A source of random numbers in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;

    // The next value.
    virtual double Next() = 0;

    // Fires that many shots at the unit square, drawing two values per shot, x
    // before y, and returns how many landed inside the quarter circle of radius 1
    // or on its arc (x*x + y*y <= 1). Sources that can count faster override it;
    // the result must be the same as drawing the values one by one.
    virtual std::int64_t CountHits(std::int64_t shots);
};

}  // namespace quadrix
