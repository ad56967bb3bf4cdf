#include "main_window/panel_models/stripe_panel_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "estimators/quadrix_stripe.h"

namespace quadrix {
namespace {

double Curve(double x) {
    return std::sqrt(1.0 - x * x);
}

// The model after a tick that left the estimator at `count` stripes.
StripePanelModel ModelAt(Long count) {
    QuadrixStripe stripe;
    stripe.Count(count);
    StripePanelModel model;
    model.Update(stripe.Snapshot());
    return model;
}

TEST(StripePanelModel, RectangleAreasAreTheBoundsOverFour) {
    EXPECT_TRUE(StripePanelModel().Rectangles().empty());  // a fresh model draws only the curve
    for (Long count = 1; count <= 1024; count *= 2) {
        const std::vector<StripePanelModel::Stripe> stripes = ModelAt(count).Rectangles();
        ASSERT_EQ(static_cast<Long>(stripes.size()), count);
        double above = 0.0;
        double below = 0.0;
        double right = 0.0;
        for (const StripePanelModel::Stripe& stripe : stripes) {
            EXPECT_EQ(stripe.left, right);  // no gap, no overlap
            right = stripe.right;
            above += (stripe.right - stripe.left) * stripe.upper;
            below += (stripe.right - stripe.left) * stripe.lower;
        }
        EXPECT_EQ(right, 1.0);
        QuadrixStripe stripe;
        stripe.Count(count);
        EXPECT_NEAR(above, stripe.PiAbove() / 4.0, 1e-13) << count;
        EXPECT_NEAR(below, stripe.PiBelow() / 4.0, 1e-13) << count;
    }
}

TEST(StripePanelModel, RectanglesOnlyWhileAStripeIsTwoPixelsWide) {
    EXPECT_TRUE(ModelAt(64).ShowsRectangles(128.0));
    EXPECT_FALSE(ModelAt(64).ShowsRectangles(127.0));
    const StripePanelModel huge = ModelAt(StripePanelModel::kMaxRectangles * 2);
    EXPECT_FALSE(huge.ShowsRectangles(1e12));
    EXPECT_TRUE(huge.Rectangles().empty());  // never one per stripe at huge counts
}

// Every point of both step curves lies in the band, and where a stripe is far
// narrower than a column the band spans no more than the curve falls across it.
TEST(StripePanelModel, BandHoldsBothStepCurvesAndNarrowsToTheCurve) {
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
    for (const StripePanelModel::Column& column : ModelAt(Long{1} << 30).Band(140)) {
        EXPECT_NEAR(column.top, Curve(column.left), 1e-7) << column.left;
        EXPECT_NEAR(column.bottom, Curve(std::min(column.right, 1.0)), 1e-7) << column.left;
    }
}

TEST(StripePanelModel, CaptionGivesTheBracketAndTheDigitsBothBoundsShare) {
    EXPECT_EQ(ModelAt(1 << 20).Caption(), "[3.1415907, 3.1415945]  \u03c0 = 3.14159\u2026");
}

TEST(StripePanelModel, PlotsOnePointPerTickThatDoubledUntilAReset) {
    QuadrixStripe stripe;
    StripePanelModel model;
    for (const Long doublings : {1, 0, 2}) {
        stripe.DoStep(doublings);
        model.Update(stripe.Snapshot());
    }
    const std::vector<ConvergencePlot::Point> points = model.Plot().Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1].count, 32.0);
    EXPECT_NEAR(points[1].error, std::numbers::pi - 3.13447937494093, 1e-14);

    stripe.Reset();
    model.ForgetRun();
    EXPECT_EQ(model.Plot().Points().size(), 2u);  // until the next tick
    stripe.DoStep(3);  // back at the count before the reset, so only the forgotten run tells
    model.Update(stripe.Snapshot());
    ASSERT_EQ(model.Plot().Points().size(), 1u);
}

}  // namespace
}  // namespace quadrix
