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

// A stripe estimator fed to a model after each step as the window does after each tick.
class StripePanelModelTest : public ::testing::Test {
  protected:
    void Step(Long doublings) {
        stripe_.DoStep(doublings);
        Show();
    }

    void Show() {
        model_.Update(stripe_.Snapshot());
    }

    QuadrixStripe stripe_;
    StripePanelModel model_;
};

TEST_F(StripePanelModelTest, RectangleAreasAreTheBoundsOverFour) {
    EXPECT_TRUE(model_.Rectangles().empty());  // a fresh model draws only the curve
    for (Long doublings = 0; doublings <= 8; ++doublings) {
        stripe_.Reset();
        Step(doublings);
        const std::vector<StripePanelModel::Stripe> stripes = model_.Rectangles();
        ASSERT_EQ(static_cast<Long>(stripes.size()), stripe_.Count());
        double above = 0.0;
        double below = 0.0;
        double right = 0.0;
        for (const StripePanelModel::Stripe& stripe : stripes) {
            EXPECT_EQ(stripe.left, right);  // no gap, no overlap
            right = stripe.right;
            EXPECT_GE(stripe.upper, stripe.lower);
            above += (stripe.right - stripe.left) * stripe.upper;
            below += (stripe.right - stripe.left) * stripe.lower;
        }
        EXPECT_EQ(right, 1.0);
        EXPECT_NEAR(above, stripe_.PiAbove() / 4.0, 1e-13) << stripe_.Count();
        EXPECT_NEAR(below, stripe_.PiBelow() / 4.0, 1e-13) << stripe_.Count();
    }
}

TEST_F(StripePanelModelTest, RectanglesOnlyWhileAStripeIsTwoPixelsWide) {
    stripe_.Count(64);
    Show();
    EXPECT_TRUE(model_.ShowsRectangles(128.0));
    EXPECT_FALSE(model_.ShowsRectangles(127.0));
    model_.Update(StripeState{3.0, 3.1, 3.0, StripePanelModel::kMaxRectangles * 2});
    EXPECT_FALSE(model_.ShowsRectangles(1e12));
    EXPECT_TRUE(model_.Rectangles().empty());  // never one per stripe at huge counts
}

// Every point of both step curves lies in the band, whatever the count.
TEST_F(StripePanelModelTest, BandHoldsBothStepCurves) {
    for (const Long count : {Long{4}, Long{100}, Long{1000}, Long{1} << 20}) {
        stripe_.Count(count);
        Show();
        const auto n = static_cast<double>(count);
        const std::vector<StripePanelModel::Column> band = model_.Band(140);
        ASSERT_EQ(band.size(), 140u);
        for (const StripePanelModel::Column& c : band) {
            ASSERT_LE(c.bottom, c.top);
            for (int sample = 0; sample < 7; ++sample) {
                const double x = c.left + (c.right - c.left) * (sample + 0.5) / 7.0;
                const double edge = std::floor(x * n);
                EXPECT_LE(Curve(edge / n), c.top + 1e-12) << count << " at " << x;
                EXPECT_GE(Curve(std::min(edge + 1.0, n) / n), c.bottom - 1e-12)
                    << count << " at " << x;
            }
        }
    }
}

// A stripe far narrower than a column: the band spans no more than the curve falls across it.
TEST_F(StripePanelModelTest, BandNarrowsToTheCurve) {
    model_.Update(StripeState{3.0, 3.1, 3.0, Long{1} << 30});
    for (const StripePanelModel::Column& column : model_.Band(140)) {
        EXPECT_NEAR(column.top, Curve(column.left), 1e-7) << column.left;
        EXPECT_NEAR(column.bottom, Curve(std::min(column.right, 1.0)), 1e-7) << column.left;
    }
}

TEST_F(StripePanelModelTest, CaptionGivesTheBracketAndTheDigitsBothBoundsShare) {
    stripe_.Count(1 << 20);
    Show();
    EXPECT_EQ(model_.Caption(), "[3.1415907, 3.1415945]  \u03c0 = 3.14159\u2026");
}

TEST_F(StripePanelModelTest, PlotsOnePointPerTickThatDoubledUntilAReset) {
    Step(1);
    Step(0);
    Step(2);
    const std::vector<ConvergencePlot::Point> points = model_.Plot().Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].count, 8.0);
    EXPECT_EQ(points[1].count, 32.0);
    EXPECT_NEAR(points[1].error, std::numbers::pi - 3.13447937494093, 1e-14);

    stripe_.Reset();
    model_.ForgetRun();
    EXPECT_EQ(model_.Plot().Points().size(), 2u);  // until the next tick
    Step(3);  // back at the count before the reset, so only the forgotten run tells
    ASSERT_EQ(model_.Plot().Points().size(), 1u);
    EXPECT_EQ(model_.Plot().Points().front().count, 32.0);
}

}  // namespace
}  // namespace quadrix
