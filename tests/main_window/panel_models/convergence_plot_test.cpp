#include "main_window/panel_models/convergence_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace quadrix {
namespace {

TEST(ConvergencePlot, KeepsItsPointLimitEvenlySpreadAndTheLatestPoint) {
    ConvergencePlot plot;
    for (int tick = 1; tick <= 100000; ++tick) {
        plot.Add(tick, 1.0 / tick);
        const std::vector<ConvergencePlot::Point> points = plot.Points();
        ASSERT_EQ(points.back().count, tick);
        ASSERT_LE(points.size(), ConvergencePlot::kMaxPoints) << tick;
        const auto ticks = static_cast<std::size_t>(tick);
        if (ticks < ConvergencePlot::kMaxPoints) {
            ASSERT_EQ(points.size(), ticks);  // every tick until full
        } else {
            ASSERT_GE(points.size(), ConvergencePlot::kMaxPoints / 2) << tick;
        }
    }
    const std::vector<ConvergencePlot::Point> points = plot.Points();
    EXPECT_EQ(points.front().count, 1.0);
    // Apart from the latest point, the kept ones lie a fixed number of ticks apart.
    const double spacing = points[1].count - points[0].count;
    EXPECT_GT(spacing, 1.0);
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        EXPECT_EQ(points[i].count - points[i - 1].count, spacing) << i;
    }
}

TEST(ConvergencePlot, PlotsErrorMagnitudesAboveTheFloorWithinWholeDecades) {
    ConvergencePlot plot;
    plot.Add(1000.0, -0.05);
    EXPECT_EQ(plot.Points().front().error, 0.05);
    EXPECT_EQ(plot.CountDecades().high, 4);  // at least one decade
    plot.Add(2.5e6, 3e-5);
    EXPECT_EQ(plot.CountDecades().low, 3);
    EXPECT_EQ(plot.CountDecades().high, 7);
    EXPECT_EQ(plot.ErrorDecades().low, -5);
    EXPECT_EQ(plot.ErrorDecades().high, -1);
    plot.Add(3e6, 0.0);
    EXPECT_EQ(plot.Points().back().error, ConvergencePlot::kErrorFloor);
    EXPECT_THROW(plot.Add(0.0, 0.1), std::invalid_argument);
    EXPECT_THROW(plot.Add(std::nan(""), 0.1), std::invalid_argument);
}

TEST(ConvergencePlot, FitsTheLineOfAPowerLaw) {
    ConvergencePlot single;
    single.Add(4.0, 1.0);
    EXPECT_EQ(single.FittedLine(), std::nullopt);  // one count fixes no slope
    ConvergencePlot plot;
    for (double count = 4.0; count < 1e9; count *= 2.0) {
        plot.Add(count, 0.7 * std::pow(count, -1.5));
    }
    const auto line = plot.FittedLine();
    ASSERT_TRUE(line.has_value());
    EXPECT_NEAR(line->slope, -1.5, 1e-9);
    EXPECT_NEAR(line->ErrorAt(1000.0), 0.7 * std::pow(1000.0, -1.5), 1e-12);
}

}  // namespace
}  // namespace quadrix
