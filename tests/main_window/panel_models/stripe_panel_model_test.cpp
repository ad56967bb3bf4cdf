#include "main_window/panel_models/stripe_panel_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "estimators/quadrix_stripe.h"

namespace quadrix {
namespace {

using Stripe = StripePanelModel::Stripe;
using Column = StripePanelModel::Column;

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
        model_.Update(StripePanelModel::Read(stripe_.Count(), stripe_.StateDescr(), "."));
    }

    QuadrixStripe stripe_;
    StripePanelModel model_;
};

TEST_F(StripePanelModelTest, FreshModelDrawsOnlyTheCurve) {
    EXPECT_FALSE(model_.HasState());
    EXPECT_FALSE(model_.ShowsRectangles(140.0));
    EXPECT_TRUE(model_.Rectangles().empty());
    EXPECT_TRUE(model_.Band(140).empty());
    EXPECT_TRUE(model_.Caption().empty());
    EXPECT_TRUE(model_.Plot().Empty());
}

TEST_F(StripePanelModelTest, RectangleAreasAreTheBoundsOverFour) {
    for (Long doublings = 0; doublings <= 8; ++doublings) {
        stripe_.Reset();
        Step(doublings);
        const std::vector<Stripe> stripes = model_.Rectangles();
        ASSERT_EQ(static_cast<Long>(stripes.size()), stripe_.Count());
        double above = 0.0;
        double below = 0.0;
        double right = 0.0;
        for (const Stripe& stripe : stripes) {
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
    stripe_.Count(1 << 30);
    Show();
    EXPECT_FALSE(model_.ShowsRectangles(1e12));
    EXPECT_TRUE(model_.Rectangles().empty());  // never one per stripe at huge counts
}

// Every point of both step curves lies in the band, whatever the count.
TEST_F(StripePanelModelTest, BandHoldsBothStepCurves) {
    for (const Long count : {Long{4}, Long{100}, Long{1000}, Long{1} << 20}) {
        stripe_.Count(count);
        Show();
        const int columns = 140;
        const std::vector<Column> band = model_.Band(columns);
        ASSERT_EQ(band.size(), static_cast<std::size_t>(columns));
        for (int column = 0; column < columns; ++column) {
            const Column& c = band[static_cast<std::size_t>(column)];
            ASSERT_LE(c.bottom, c.top);
            for (int sample = 0; sample < 7; ++sample) {
                const double x = c.left + (c.right - c.left) * (sample + 0.5) / 7.0;
                const auto edge = std::floor(x * static_cast<double>(count));
                const double upperStep = Curve(edge / static_cast<double>(count));
                const double lowerStep = Curve(std::min(edge + 1.0, static_cast<double>(count)) /
                                               static_cast<double>(count));
                EXPECT_LE(upperStep, c.top + 1e-12) << count << " at " << x;
                EXPECT_GE(lowerStep, c.bottom - 1e-12) << count << " at " << x;
            }
        }
    }
}

TEST_F(StripePanelModelTest, BandNarrowsToTheCurve) {
    stripe_.Count(1 << 30);
    Show();
    // A stripe is far narrower than a column: each column of the band spans no
    // more than the curve itself falls across the column.
    for (const Column& column : model_.Band(140)) {
        EXPECT_NEAR(column.top, Curve(column.left), 1e-7) << column.left;
        EXPECT_NEAR(column.bottom, Curve(std::min(column.right, 1.0)), 1e-7) << column.left;
    }
}

TEST_F(StripePanelModelTest, CaptionGivesTheBracketAndTheDigitsBothBoundsShare) {
    Show();
    EXPECT_EQ(model_.Caption(), "[2.49, 3.49]  no digit sure yet");
    stripe_.Count(1024);
    Show();
    EXPECT_EQ(model_.Caption(), "[3.139, 3.143]  \u03c0 = 3.1\u2026");
    stripe_.Count(1 << 20);
    Show();
    EXPECT_EQ(model_.Caption(), "[3.1415907, 3.1415945]  \u03c0 = 3.14159\u2026");
}

TEST_F(StripePanelModelTest, ReadsTheBoundsFromTheStateText) {
    stripe_.Count(32);
    const StripePanelModel::State state =
        StripePanelModel::Read(stripe_.Count(), stripe_.StateDescr(), ".");
    EXPECT_EQ(state.count, 32);
    EXPECT_EQ(state.piAbove, 3.19760242287713);
    EXPECT_EQ(state.piBelow, 3.07260242287713);
    EXPECT_EQ(state.piRounded, 3.13447937494093);
    const StripePanelModel::State broken = StripePanelModel::Read(32, "PiRounded:  x", ".");
    EXPECT_EQ(broken.piRounded, std::nullopt);
    EXPECT_EQ(broken.piAbove, std::nullopt);
}

TEST_F(StripePanelModelTest, MissingValuesLeaveOutCaptionAndPlotPoint) {
    model_.Update({.count = 8, .piBelow = std::nullopt, .piAbove = 3.3, .piRounded = std::nullopt});
    EXPECT_TRUE(model_.HasState());
    EXPECT_TRUE(model_.Caption().empty());
    EXPECT_TRUE(model_.Plot().Empty());
    EXPECT_EQ(model_.Rectangles().size(), 8u);
}

TEST_F(StripePanelModelTest, PlotsOnePointPerTickThatDoubled) {
    Step(1);
    Step(0);
    Step(2);
    const std::vector<ConvergencePlot::Point> points = model_.Plot().Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].count, 8.0);
    EXPECT_EQ(points[1].count, 32.0);
    EXPECT_NEAR(points[1].error, std::numbers::pi - 3.13447937494093, 1e-14);
}

TEST_F(StripePanelModelTest, ResetClearsThePlotAtTheNextUpdateOnly) {
    Step(1);
    Step(1);
    stripe_.Reset();
    model_.ForgetRun();
    EXPECT_EQ(model_.Plot().Points().size(), 2u);
    EXPECT_EQ(model_.Count(), 16);
    Step(3);
    ASSERT_EQ(model_.Plot().Points().size(), 1u);
    EXPECT_EQ(model_.Plot().Points().front().count, 32.0);
}

// The geometric mean of the bounds converges like count^-1.5: the curve's steep
// end at x = 1 dominates what the mean does not cancel.
TEST_F(StripePanelModelTest, FittedSlopeShowsTheFasterConvergence) {
    for (int tick = 0; tick < 16; ++tick) {
        Step(1);
    }
    const auto line = model_.ReferenceLine();
    ASSERT_TRUE(line.has_value());
    EXPECT_NEAR(line->slope, -1.5, 0.05);
}

}  // namespace
}  // namespace quadrix
