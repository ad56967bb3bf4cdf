// StripePanelModel gives the rectangles or the band of the current count.
#include "panel_models/stripe_panel_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "estimators/quadrix_stripe.h"

namespace quadrix {

const auto Curve = [](double x) { return std::sqrt(1.0 - x * x); };

// The model after a tick that left the estimator at `count` stripes.
static StripePanelModel ModelAt(Long count) {
    QuadrixStripe stripe;
    stripe.Count(count);
    StripePanelModel model;
    model.Update(stripe.Snapshot());
    return model;
}

// Whatever the square's size: never one per stripe at huge counts.
TEST(StripePanelModel, NoRectanglesBeyondTheMost) {
    const StripePanelModel huge = ModelAt(StripePanelModel::kMaxRectangles * 2);
    EXPECT_FALSE(huge.ShowsRectangles(1e12));
    EXPECT_TRUE(huge.Rectangles().empty());
}

TEST(StripePanelModel, BandHoldsBothStepCurves) {
    for (const Long count : {Long{4}, Long{100}, Long{1000}, Long{1} << 20}) {
        const auto n = static_cast<double>(count);
        const std::vector<StripePanelModel::Column> band = ModelAt(count).Band(140);
        ASSERT_EQ(band.size(), 140u);
        for (const StripePanelModel::Column& c : band) {
            for (int sample = 0; sample < 7; ++sample) {
                const double x = c.left + (c.right - c.left) * (sample + 0.5) / 7.0;
                const double edge = std::floor(x * n);
                EXPECT_LE(Curve(edge / n), c.top + 1e-12) << count << " at " << x;
                EXPECT_GE(Curve(std::min(edge + 1.0, n) / n), c.bottom - 1e-12) << count;
            }
        }
    }
}

TEST(StripePanelModel, BandNarrowsToTheCurveForNarrowStripes) {
    for (const StripePanelModel::Column& column : ModelAt(Long{1} << 30).Band(140)) {
        EXPECT_NEAR(column.top, Curve(column.left), 1e-7) << column.left;
        EXPECT_NEAR(column.bottom, Curve(std::min(column.right, 1.0)), 1e-7) << column.left;
    }
}

}  // namespace quadrix
