// WilsonInterval against published values.
#include "panel_models/wilson_interval.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quadrix {

// Newcombe, "Two-sided confidence intervals for the single proportion" (1998), table I.
TEST(WilsonInterval, MatchesPublishedValues) {
    for (const auto& [successes, trials, lower, upper] :
         {std::tuple{81, 263, 0.2553, 0.3662}, std::tuple{15, 148, 0.0624, 0.1605},
          std::tuple{0, 20, 0.0, 0.1611}, std::tuple{1, 29, 0.0061, 0.1718}}) {
        const WilsonInterval interval(successes, trials);
        EXPECT_NEAR(interval.Lower(), lower, 5e-5) << successes << "/" << trials;
        EXPECT_NEAR(interval.Upper(), upper, 5e-5) << successes << "/" << trials;
    }
}

}  // namespace quadrix
