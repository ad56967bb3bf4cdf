// A cheap forecast of the running stripe sum.
#include "estimators/stripe_sum_forecast.h"

#include <cmath>

namespace quadrix {
namespace {

double Height(double t) {
    return std::sqrt(1.0 - t * t);
}

double AreaUpTo(double t) {
    return (t * Height(t) + std::asin(t)) / 2.0;
}

}  // namespace

StripeSumForecast::StripeSumForecast(Long count) : count_(static_cast<double>(count)) {}

double StripeSumForecast::HeightsBefore(Long index) const {
    if (index <= 1) {
        return 0.0;
    }
    // Heights at 0 .. last by the trapezoid rule, less the height 1 at 0.
    const double last = static_cast<double>(index - 1) / count_;
    return count_ * AreaUpTo(last) + (Height(last) - 1.0) / 2.0;
}

}  // namespace quadrix
