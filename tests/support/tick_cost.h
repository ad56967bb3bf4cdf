// The work of the next tick, for drivers that keep their ticks cheap.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "runtime/errors.h"
#include "runtime/long_arithmetic.h"
#include "runtime/number_parser.h"

namespace quadrix::testing {

// Shots fired plus stripes summed by the next tick, up to where it stops, from the
// counts of the methods that run.
inline std::int64_t NextTickCost(const std::string& stepsText, std::optional<Long> shots,
                                 std::optional<Long> stripes) {
    Long steps = 0;
    try {
        steps = TextToLong(stepsText);
    } catch (const Error&) {
        return 0;  // the tick fails before any step
    }
    constexpr std::int64_t kMaxLong = std::numeric_limits<Long>::max();
    std::int64_t cost = 0;
    if (shots.has_value() && steps > 0) {
        cost += std::min<std::int64_t>(steps, kMaxLong - *shots);
    }
    if (!stripes.has_value()) {
        return cost;
    }
    std::int64_t summed = *stripes;
    for (Long step = 0; step < steps && summed <= kMaxLong; ++step) {
        summed *= 2;
    }
    return cost + (summed <= kMaxLong ? summed : 0);  // else the doubling overflows first
}

}  // namespace quadrix::testing
