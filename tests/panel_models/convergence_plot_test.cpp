// ConvergencePlot keeps a run's errors for a log-log plot.
#include "panel_models/convergence_plot.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quadrix {

// Every tick until full, then at least half full; the first and the latest
// shown, the others a fixed number of ticks apart.
TEST(ConvergencePlot, ThinsToEvenlySpreadPointsWithinItsLimit) {
    constexpr std::size_t kMax = ConvergencePlot::kMaxPoints;
    ConvergencePlot plot;
    for (std::size_t ticks = 1; ticks <= 100000; ++ticks) {
        plot.Add(static_cast<double>(ticks), 0.1);
        const std::size_t shown = plot.Points().size();
        ASSERT_EQ(plot.Points().back().count, static_cast<double>(ticks));
        ASSERT_TRUE(ticks < kMax ? shown == ticks : shown >= kMax / 2 && shown <= kMax) << ticks;
    }
    const std::vector<ConvergencePlot::Point> points = plot.Points();
    const double spacing = points[1].count - 1.0;
    EXPECT_GT(spacing, 1.0);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        ASSERT_EQ(points[i].count, 1.0 + spacing * static_cast<double>(i)) << i;
    }
}

TEST(ConvergencePlot, PlotsErrorMagnitudesNoLowerThanTheFloor) {
    ConvergencePlot plot;
    plot.Add(1000.0, -0.05);
    plot.Add(3e6, 0.0);
    EXPECT_EQ(plot.Points()[0].error, 0.05);
    EXPECT_EQ(plot.Points()[1].error, ConvergencePlot::kErrorFloor);
}

TEST(ConvergencePlot, AxesSpanWholeDecadesAtLeastOne) {
    ConvergencePlot plot;
    plot.Add(1000.0, 0.05);
    EXPECT_EQ(plot.CountDecades().high, 4);
    plot.Add(2.5e6, 3e-5);
    EXPECT_EQ(std::tuple(plot.CountDecades().low, plot.CountDecades().high, plot.ErrorDecades().low,
                         plot.ErrorDecades().high),
              std::tuple(3, 7, -5, -1));
}

// The line through two points: error = 1 / count.
TEST(ConvergencePlot, FitsAPowerLawOnceTwoCountsDiffer) {
    ConvergencePlot plot;
    plot.Add(10.0, 0.1);
    EXPECT_EQ(plot.FittedLine(), std::nullopt);
    plot.Add(1000.0, 0.001);
    EXPECT_NEAR(plot.FittedLine().value().ErrorAt(100.0), 0.01, 1e-12);
}

}  // namespace quadrix
