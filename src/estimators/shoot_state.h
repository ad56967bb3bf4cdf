// The state of a shooting estimator.
#pragma once

#include <cstdint>
#include <optional>

#include "runtime/long_arithmetic.h"

namespace quadrix {

// What a shooting estimator shows of itself at one moment: the values of its
// four state lines, and where its counted shots end in the program's random
// sequence (see QuadrixShoot::CountedShotsEnd), so that a drawing can find them.
struct ShootState {
    double piRounded = 0.0;
    Long shootCount = 0;
    Long hitCount = 0;
    Long missCount = 0;
    std::optional<std::uint64_t> countedShotsEnd;

    bool operator==(const ShootState&) const = default;
};

}  // namespace quadrix
