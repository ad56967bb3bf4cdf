#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

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
            EXPECT_LE(interval.Lower(), share) << successes << "/" << trials;
            EXPECT_GE(interval.Upper(), share) << successes << "/" << trials;
            EXPECT_GE(interval.Lower(), 0.0);
            EXPECT_LE(interval.Upper(), 1.0);
        }
    }
    EXPECT_THROW(WilsonInterval(0, 0), std::invalid_argument);
    EXPECT_THROW(WilsonInterval(3, 2), std::invalid_argument);
    EXPECT_THROW(WilsonInterval(-1, 2), std::invalid_argument);
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
    for (double width = 1.0; width > 1e-12; width /= 3.7) {
        for (const double lower : {3.1, 3.14159, 3.1399999, 2.9999}) {
            const std::string text = IntervalCaption::Text("", lower, lower + width, ".");
            const std::size_t comma = text.find(", ");
            const std::string shownLower = text.substr(1, comma - 1);
            const std::string shownUpper = text.substr(comma + 2, text.find(']') - comma - 2);
            const std::size_t claim = text.find("= ");
            const std::string digits =
                claim == std::string::npos
                    ? ""
                    : text.substr(claim + 2, text.rfind("\u2026") - claim - 2);
            EXPECT_TRUE(shownLower.starts_with(digits) && shownUpper.starts_with(digits)) << text;
            const std::size_t place = digits.size() + (shownLower[digits.size()] == '.' ? 1 : 0);
            EXPECT_NE(shownLower[place], shownUpper[place]) << text;
        }
    }
}

}  // namespace
}  // namespace quadrix
