// A cheap forecast of the running stripe sum.
#pragma once

#include "runtime/long_arithmetic.h"

namespace quadrix {

// A cheap estimate of how far the stripe sum has come: the sum of the heights
// sqrt(1 - (i / count)^2) for i = 1 .. index - 1, from the integral
// F(t) = (t sqrt(1 - t^2) + asin t) / 2 of the curve with the trapezoid
// correction at both ends. It is good to far better than one unit, so it tells
// in which binade the running sum will be at any term; the engine that relies
// on it checks every such guess against the real sum.
class StripeSumForecast {
  public:
    explicit StripeSumForecast(Long count);
    virtual ~StripeSumForecast() = default;
    StripeSumForecast(const StripeSumForecast&) = delete;
    StripeSumForecast& operator=(const StripeSumForecast&) = delete;

    virtual double HeightsBefore(Long index) const;

  private:
    double count_;
};

}  // namespace quadrix
