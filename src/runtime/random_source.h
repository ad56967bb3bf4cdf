// What a shooting estimator draws its random numbers from.
#pragma once

#include <cstdint>

namespace quadrix {

// A source of random numbers in [0, 1).
class RandomSource {
  public:
    // What CountHits answers when the source leaves the counting to its caller.
    static constexpr std::int64_t kNotCounted = -1;

    virtual ~RandomSource() = default;

    // The next value.
    virtual double Next() = 0;

    // A source that knows in advance how its next 2 * shots values fall (a test
    // double) may draw them and return how many of
    // those shots, x drawn before y, land in the quarter circle of radius 1.
    // Every other source returns kNotCounted and draws nothing.
    virtual std::int64_t CountHits(std::int64_t /*shots*/) { return kNotCounted; }
};

}  // namespace quadrix
