// Tests of the forecast of the running stripe sum.
#include <gtest/gtest.h>

#include <cmath>

#include "estimators/stripe_sum_forecast.h"

namespace quadrix {

TEST(StripeSumForecast, IsWithinATenthOfTheSumBeforeEveryIndex) {
    for (const Long count : {2, 3, 5, 100, 4097, 1000003}) {
        const StripeSumForecast forecast(count);
        double sum = 0.0;
        for (Long index = 1; index <= count; ++index) {
            ASSERT_NEAR(forecast.HeightsBefore(index), sum, 0.1) << index << " of " << count;
            const double t = static_cast<double>(index) / count;
            sum += std::sqrt(1.0 - t * t);
        }
    }
}

}  // namespace quadrix
