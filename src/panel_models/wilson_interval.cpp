// The Wilson score interval for a share estimated from trials.
#include "panel_models/wilson_interval.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quadrix {

WilsonInterval::WilsonInterval(std::int64_t successes, std::int64_t trials, double z) {
    if (trials < 1 || successes < 0 || successes > trials) {
        throw std::invalid_argument("Wilson interval of an impossible count");
    }
    const auto n = static_cast<double>(trials);
    const double share = static_cast<double>(successes) / n;
    const double z2 = z * z;
    const double scale = 1.0 + z2 / n;
    const double centre = (share + z2 / (2.0 * n)) / scale;
    const double halfWidth = z * std::sqrt(share * (1.0 - share) / n + z2 / (4.0 * n * n)) / scale;
    // Mathematically the interval holds the share and ends at 0 or 1 exactly when
    // the share does; rounding must not break either.
    lower_ = successes == 0 ? 0.0 : std::clamp(centre - halfWidth, 0.0, share);
    upper_ = successes == trials ? 1.0 : std::clamp(centre + halfWidth, share, 1.0);
}

}  // namespace quadrix
