// The Wilson score interval for a share estimated from trials.
#pragma once

#include <cstdint>

namespace quadrix {

// The Wilson score interval for a share estimated from successes in trials: the
// shares p whose test statistic |successes / trials - p| / sqrt(p (1 - p) / trials)
// stays within z. Unlike the plain normal interval it never leaves [0, 1] and
// stays sensible at very few trials and at shares of 0 or 1.
class WilsonInterval {
  public:
    static constexpr double kZ95 = 1.959963984540054;  // two-sided 95%

    // Needs 0 <= successes <= trials and trials > 0.
    WilsonInterval(std::int64_t successes, std::int64_t trials, double z = kZ95);

    double Lower() const { return lower_; }
    double Upper() const { return upper_; }

  private:
    double lower_ = 0.0;
    double upper_ = 1.0;
};

}  // namespace quadrix
