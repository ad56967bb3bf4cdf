#include "estimators/stripe_sum_forecast.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quadrix {
namespace {

// The forecast only has to name the binade of the running sum, but a sloppy
// one sends whole chunks down the slow path: hold it to a small fraction of
// one unit everywhere, up to the very last height where the curve is steep.
void ExpectForecastFollowsTheRunningSum(Long count, Long stride) {
    const StripeSumForecast forecast(count);
    double sum = 0.0;
    double worst = 0.0;
    for (Long i = 1; i < count; ++i) {
        if ((i - 1) % stride == 0) {
            worst = std::fmax(worst, std::fabs(forecast.HeightsBefore(i) - sum));
        }
        const double t = static_cast<double>(i) / static_cast<double>(count);
        sum = std::sqrt(1.0 - t * t) + sum;
    }
    worst = std::fmax(worst, std::fabs(forecast.HeightsBefore(count) - sum));
    EXPECT_LT(worst, 0.05) << "count " << count;
}

TEST(StripeSumForecast, FollowsTheRunningSumWithinAFewHundredthsOfAUnit) {
    ExpectForecastFollowsTheRunningSum(2, 1);
    ExpectForecastFollowsTheRunningSum(7, 1);
    ExpectForecastFollowsTheRunningSum(4096, 1);
    ExpectForecastFollowsTheRunningSum(1000003, 1);
    ExpectForecastFollowsTheRunningSum(1 << 24, 4099);
}

TEST(StripeSumForecast, NothingBeforeTheFirstHeight) {
    const StripeSumForecast forecast(1 << 20);
    EXPECT_EQ(forecast.HeightsBefore(1), 0.0);
    EXPECT_EQ(forecast.HeightsBefore(0), 0.0);
}

}  // namespace
}  // namespace quadrix
