#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "panel_models/convergence_plot.h"
#include "panel_models/counter_sequence_reader.h"
#include "panel_models/decimal_digits.h"
#include "panel_models/interval_caption.h"
#include "panel_models/shoot_panel_model.h"
#include "panel_models/stripe_panel_model.h"
#include "panel_models/wilson_interval.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {
namespace {

TEST(CounterSequenceReader, ReadsTheSequenceInAnyOrderAndAtAnyHeight) {
    CounterSequenceReader reader;
    // Odd starts, block boundaries, a block counter with a high word, and jumps back.
    for (const std::uint64_t start : {0ull, 3ull, 1ull << 34, (1ull << 34) - 5, 7ull}) {
        for (std::uint64_t index = start; index < start + 11; ++index) {
            ASSERT_EQ(reader.ValueAt(index), CounterRandomSequence::ValueAt(index)) << index;
        }
    }
}

TEST(WilsonInterval, MatchesPublishedValuesAndRefusesImpossibleCounts) {
    // Newcombe, "Two-sided confidence intervals for the single proportion" (1998), table I.
    for (const auto& [successes, trials, lower, upper] :
         {std::tuple{81, 263, 0.2553, 0.3662}, std::tuple{15, 148, 0.0624, 0.1605},
          std::tuple{0, 20, 0.0, 0.1611}, std::tuple{1, 29, 0.0061, 0.1718}}) {
        const WilsonInterval interval(successes, trials);
        EXPECT_NEAR(interval.Lower(), lower, 5e-5) << successes << "/" << trials;
        EXPECT_NEAR(interval.Upper(), upper, 5e-5) << successes << "/" << trials;
    }
    for (const auto& [successes, trials] : {std::pair{0, 0}, std::pair{3, 2}, std::pair{-1, 2}}) {
        EXPECT_THROW(WilsonInterval(successes, trials), std::invalid_argument);
    }
}

TEST(DecimalDigits, WritesFixedDigitsAndSharesOnlyThoseAtTheSamePlace) {
    for (const auto& [value, fixed] :
         {std::pair{3.141592653589793, "3.14159265358979"}, std::pair{0.0, "0.00000000000000"},
          std::pair{1e-5, "0.0000100000000000000"}, std::pair{-2.5, "-2.50000000000000"},
          std::pair{123456789012345678.0, "123456789012346000"},
          std::pair{123456789012345.0, "123456789012345"},
          std::pair{3.14, "3.14000000000000"},  // the double nearest 3.14 lies just below it
          std::pair{9.9999999999999995, "10.0000000000000"},
          std::pair{std::numeric_limits<double>::infinity(), ""}}) {
        EXPECT_EQ(DecimalDigits::Fixed(value), fixed);
    }
    for (const auto& [a, b, shared] :
         {std::tuple{3.1412, 3.1449, "3.14"}, std::tuple{3.02, 3.98, "3"},
          std::tuple{2.99, 3.01, ""}, std::tuple{10.2, 1.02, ""}, std::tuple{3.14, 3.1401, "3.140"},
          std::tuple{-1.5, -1.7, "-1"}, std::tuple{-1.5, -2.5, ""},
          std::tuple{2.5, 2.5, "2.50000000000000"}}) {
        EXPECT_EQ(DecimalDigits::Shared(a, b), shared) << a << " and " << b;
    }
    EXPECT_EQ(DecimalDigits::Truncated(2.999, 2), "2.99");  // cut, not rounded
    EXPECT_EQ(DecimalDigits::Truncated(3.5, 0), "3");
    EXPECT_EQ(DecimalDigits::Truncated(4.0, 17), "4.00000000000000000");
}

TEST(IntervalCaption, ShowsTheEndsAndClaimsOnlyDigitsBothShownEndsCarry) {
    EXPECT_EQ(IntervalCaption::Text("95%: ", 3.1321, 3.1499, "."),
              "95%: [3.132, 3.149]  \u03c0 = 3.1\u2026");
    // With a decimal comma the ends are parted by "; ".
    EXPECT_EQ(IntervalCaption::Text("", 3.1415926, 3.1415929, ","),
              "[3,14159260; 3,14159290]  \u03c0 = 3,141592\u2026");
    EXPECT_EQ(IntervalCaption::Text("", 2.49570906810244, 3.49570906810244, "."),
              "[2.49, 3.49]  no digit sure yet");
}

TEST(ConvergencePlot, KeepsItsPointLimitEvenlySpreadAndTheLatestPoint) {
    constexpr std::size_t kMax = ConvergencePlot::kMaxPoints;
    ConvergencePlot plot;
    for (std::size_t ticks = 1; ticks <= 100000; ++ticks) {
        const double tick = static_cast<double>(ticks);
        plot.Add(tick, 1.0 / tick);
        const std::vector<ConvergencePlot::Point> points = plot.Points();
        ASSERT_EQ(points.back().count, tick);
        // Every tick until full, then never less than half full.
        ASSERT_LE(points.size(), std::min(ticks, kMax)) << tick;
        ASSERT_GE(points.size(), ticks < kMax ? ticks : kMax / 2) << tick;
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

TEST(ConvergencePlot, PlotsErrorMagnitudesAboveTheFloorWithinWholeDecadesAndFitsAPowerLaw) {
    ConvergencePlot plot;
    plot.Add(1000.0, -0.05);
    EXPECT_EQ(plot.Points().front().error, 0.05);
    EXPECT_EQ(plot.CountDecades().high, 4);  // at least one decade
    plot.Add(2.5e6, 3e-5);
    EXPECT_EQ(std::tuple(plot.CountDecades().low, plot.CountDecades().high, plot.ErrorDecades().low,
                         plot.ErrorDecades().high),
              std::tuple(3, 7, -5, -1));
    plot.Add(3e6, 0.0);
    EXPECT_EQ(plot.Points().back().error, ConvergencePlot::kErrorFloor);
    EXPECT_THROW(plot.Add(0.0, 0.1), std::invalid_argument);
    EXPECT_THROW(plot.Add(std::nan(""), 0.1), std::invalid_argument);
    ConvergencePlot powerLaw;
    powerLaw.Add(4.0, 0.7 / 8.0);
    EXPECT_EQ(powerLaw.FittedLine(), std::nullopt);  // one count fixes no slope
    for (double count = 8.0; count < 1e9; count *= 2.0) {
        powerLaw.Add(count, 0.7 * std::pow(count, -1.5));
    }
    const auto line = powerLaw.FittedLine();
    ASSERT_TRUE(line.has_value());
    EXPECT_NEAR(line->slope, -1.5, 1e-9);
    EXPECT_NEAR(line->ErrorAt(1000.0), 0.7 * std::pow(1000.0, -1.5), 1e-12);
}

using Dots = std::vector<std::pair<double, double>>;

// The shots whose values end just before value `end`, oldest first.
Dots ShotsEndingAt(std::uint64_t end, std::uint64_t shots) {
    Dots expected;
    for (std::uint64_t value = end - 2 * shots; value < end; value += 2) {
        expected.emplace_back(CounterRandomSequence::ValueAt(value),
                              CounterRandomSequence::ValueAt(value + 1));
    }
    return expected;
}

// A shooting estimator fed to a model after each step, as the window does after a tick.
class ShootPanelModelTest : public ::testing::Test {
  protected:
    void Step(Long shots) {
        shoot_.DoStep(shots);
        model_.Update(shoot_.Snapshot());
    }

    Dots Drawn() const {
        Dots shots;
        for (const ShootPanelModel::Dot& dot : model_.Dots()) {
            EXPECT_EQ(dot.hit, dot.x * dot.x + dot.y * dot.y <= 1.0);
            shots.emplace_back(dot.x, dot.y);
        }
        return shots;
    }

    CounterRandomSequence sequence_;
    QuadrixShoot shoot_{sequence_};
    ShootPanelModel model_;
};

// Other draws in between (odd starts), short runs, and long ones kept only in part.
TEST_F(ShootPanelModelTest, DotsAreTheLatestShotsCounted) {
    EXPECT_TRUE(model_.Dots().empty());
    sequence_.Advance(5);
    Step(3);
    sequence_.Advance(11);
    Step(2);
    Dots expected = ShotsEndingAt(11, 3);
    const Dots later = ShotsEndingAt(26, 2);
    expected.insert(expected.end(), later.begin(), later.end());
    EXPECT_EQ(Drawn(), expected);
    for (const auto& [ticks, shots] : {std::pair{1, 100000}, std::pair{700, 7}}) {
        shoot_.Reset();
        model_.ForgetRun();
        const std::uint64_t start = sequence_.Position();
        EXPECT_EQ(shoot_.CountedShotsEnd(), start);
        for (int tick = 0; tick < ticks; ++tick) {
            Step(shots);
        }
        const auto end = start + std::uint64_t{2} * static_cast<std::uint64_t>(ticks * shots);
        EXPECT_EQ(Drawn(), ShotsEndingAt(end, ShootPanelModel::kMaxDots)) << ticks;
    }
}

TEST_F(ShootPanelModelTest, PlotsOnePointPerTickThatFiredShotsUntilAReset) {
    Step(10);
    Step(0);
    Step(10);
    const std::vector<ConvergencePlot::Point> points = model_.Plot().Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1].count, 20.0);
    EXPECT_EQ(points[1].error, std::abs(shoot_.PiRounded() - std::numbers::pi));

    shoot_.Reset();
    model_.ForgetRun();
    EXPECT_EQ(model_.Plot().Points().size(), 2u);  // until the next tick
    const std::uint64_t resetAt = sequence_.Position();
    Step(30);  // more shots than before the reset, so only the forgotten run tells
    ASSERT_EQ(model_.Plot().Points().size(), 1u);
    EXPECT_EQ(Drawn(), ShotsEndingAt(resetAt + 60, 30));
}

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

// Both step curves lie in the band, which narrows to the curve for narrow stripes.
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
