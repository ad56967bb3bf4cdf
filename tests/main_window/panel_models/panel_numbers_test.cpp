#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "main_window/panel_models/convergence_plot.h"
#include "main_window/panel_models/counter_sequence_reader.h"
#include "main_window/panel_models/decimal_digits.h"
#include "main_window/panel_models/interval_caption.h"
#include "main_window/panel_models/wilson_interval.h"
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

TEST(WilsonInterval, MatchesPublishedValuesHoldsTheShareAndRefusesImpossibleCounts) {
    // Newcombe, "Two-sided confidence intervals for the single proportion" (1998), table I.
    for (const auto& [successes, trials, lower, upper] :
         {std::tuple{81, 263, 0.2553, 0.3662}, std::tuple{15, 148, 0.0624, 0.1605},
          std::tuple{0, 20, 0.0, 0.1611}, std::tuple{1, 29, 0.0061, 0.1718}}) {
        const WilsonInterval interval(successes, trials);
        EXPECT_NEAR(interval.Lower(), lower, 5e-5) << successes << "/" << trials;
        EXPECT_NEAR(interval.Upper(), upper, 5e-5) << successes << "/" << trials;
    }
    for (const std::int64_t trials : {1, 7, 2147483647}) {
        for (const std::int64_t successes : {std::int64_t{0}, trials / 3, trials - 1, trials}) {
            const WilsonInterval interval(successes, trials);
            const double share = static_cast<double>(successes) / static_cast<double>(trials);
            EXPECT_TRUE(0.0 <= interval.Lower() && interval.Lower() <= share &&
                        share <= interval.Upper() && interval.Upper() <= 1.0)
                << successes << "/" << trials;
        }
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
    const std::regex shape("\\[(.*), (.*)\\]  (\u03c0 = (.*)\u2026|no digit sure yet)");
    for (double width = 1.0; width > 1e-12; width /= 3.7) {
        for (const double lower : {3.1, 3.14159, 3.1399999, 2.9999}) {
            const std::string text = IntervalCaption::Text("", lower, lower + width, ".");
            std::smatch parts;
            ASSERT_TRUE(std::regex_match(text, parts, shape)) << text;
            const std::string shownLower = parts[1];
            const std::string shownUpper = parts[2];
            const std::string digits = parts[4];
            EXPECT_TRUE(shownLower.starts_with(digits) && shownUpper.starts_with(digits)) << text;
            const std::size_t place = digits.size() + (shownLower[digits.size()] == '.' ? 1 : 0);
            EXPECT_NE(shownLower[place], shownUpper[place]) << text;
        }
    }
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
    EXPECT_EQ(plot.CountDecades().low, 3);
    EXPECT_EQ(plot.CountDecades().high, 7);
    EXPECT_EQ(plot.ErrorDecades().low, -5);
    EXPECT_EQ(plot.ErrorDecades().high, -1);
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

}  // namespace
}  // namespace quadrix
