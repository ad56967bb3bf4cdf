#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "main_window/panel_models/counter_sequence_reader.h"
#include "main_window/panel_models/decimal_digits.h"
#include "main_window/panel_models/interval_caption.h"
#include "main_window/panel_models/state_text_reader.h"
#include "main_window/panel_models/wilson_interval.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {
namespace {

TEST(CounterSequenceReader, ReadsTheSequenceInAnyOrderAndAtAnyHeight) {
    CounterSequenceReader reader;
    // Odd starts, block boundaries, a block counter with a high word, and jumps back.
    for (const std::uint64_t start : {std::uint64_t{0}, std::uint64_t{3}, std::uint64_t{1} << 34,
                                      (std::uint64_t{1} << 34) - 5, std::uint64_t{7}}) {
        for (std::uint64_t index = start; index < start + 11; ++index) {
            ASSERT_EQ(reader.ValueAt(index), CounterRandomSequence::ValueAt(index)) << index;
        }
    }
}

TEST(WilsonInterval, MatchesPublishedValues) {
    // Newcombe, "Two-sided confidence intervals for the single proportion" (1998), table I.
    struct Case {
        std::int64_t successes, trials;
        double lower, upper;
    };
    for (const Case c : {Case{81, 263, 0.2553, 0.3662}, Case{15, 148, 0.0624, 0.1605},
                         Case{0, 20, 0.0, 0.1611}, Case{1, 29, 0.0061, 0.1718}}) {
        const WilsonInterval interval(c.successes, c.trials);
        EXPECT_NEAR(interval.Lower(), c.lower, 5e-5) << c.successes << "/" << c.trials;
        EXPECT_NEAR(interval.Upper(), c.upper, 5e-5) << c.successes << "/" << c.trials;
    }
}

TEST(WilsonInterval, HoldsTheShareWithinZeroAndOneAndRefusesImpossibleCounts) {
    for (const std::int64_t trials : {1, 2, 7, 1000, 2147483647}) {
        for (const std::int64_t successes : {std::int64_t{0}, std::int64_t{1}, trials / 3,
                                             trials * 785 / 1000, trials - 1, trials}) {
            const WilsonInterval interval(successes, trials);
            const double share = static_cast<double>(successes) / static_cast<double>(trials);
            EXPECT_GE(interval.Lower(), 0.0);
            EXPECT_LE(interval.Lower(), share) << successes << "/" << trials;
            EXPECT_GE(interval.Upper(), share) << successes << "/" << trials;
            EXPECT_LE(interval.Upper(), 1.0);
        }
    }
    EXPECT_EQ(WilsonInterval(0, 5).Lower(), 0.0);
    EXPECT_EQ(WilsonInterval(5, 5).Upper(), 1.0);
    EXPECT_THROW(WilsonInterval(0, 0), std::invalid_argument);
    EXPECT_THROW(WilsonInterval(3, 2), std::invalid_argument);
    EXPECT_THROW(WilsonInterval(-1, 2), std::invalid_argument);
}

TEST(DecimalDigits, WritesFixedDigitsAndSharesOnlyThoseAtTheSamePlace) {
    EXPECT_EQ(DecimalDigits::Fixed(3.141592653589793), "3.14159265358979");
    EXPECT_EQ(DecimalDigits::Fixed(0.0), "0.00000000000000");
    EXPECT_EQ(DecimalDigits::Fixed(0.5), "0.500000000000000");
    EXPECT_EQ(DecimalDigits::Fixed(1e-5), "0.0000100000000000000");
    EXPECT_EQ(DecimalDigits::Fixed(123456789012345678.0), "123456789012346000");
    EXPECT_EQ(DecimalDigits::Fixed(123456789012345.0), "123456789012345");
    EXPECT_EQ(DecimalDigits::Fixed(-2.5), "-2.50000000000000");
    // The double nearest 3.14 lies just below it; its 15 digits are those of 3.14.
    EXPECT_EQ(DecimalDigits::Fixed(3.14), "3.14000000000000");
    EXPECT_EQ(DecimalDigits::Fixed(9.9999999999999995), "10.0000000000000");
    EXPECT_EQ(DecimalDigits::Fixed(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(DecimalDigits::Shared(3.1412, 3.1449), "3.14");
    EXPECT_EQ(DecimalDigits::Shared(3.02, 3.98), "3");
    EXPECT_EQ(DecimalDigits::Shared(2.99, 3.01), "");
    EXPECT_EQ(DecimalDigits::Shared(10.2, 1.02), "");
    EXPECT_EQ(DecimalDigits::Shared(3.14, 3.1401), "3.140");
    EXPECT_EQ(DecimalDigits::Shared(-1.5, -1.7), "-1");
    EXPECT_EQ(DecimalDigits::Shared(-1.5, -2.5), "");
    EXPECT_EQ(DecimalDigits::Shared(2.5, 2.5), "2.50000000000000");
    EXPECT_EQ(DecimalDigits::Truncated(2.999, 2), "2.99");  // cut, not rounded
    EXPECT_EQ(DecimalDigits::Truncated(3.5, 0), "3");
    EXPECT_EQ(DecimalDigits::Truncated(4.0, 17), "4.00000000000000000");
}

TEST(IntervalCaption, ShowsTheEndsAndTheDigitsTheyShare) {
    EXPECT_EQ(IntervalCaption::Text("95%: ", 3.1321, 3.1499, "."),
              "95%: [3.132, 3.149]  \u03c0 = 3.1\u2026");
    // With a decimal comma the ends are parted by "; ".
    EXPECT_EQ(IntervalCaption::Text("", 3.1415926, 3.1415929, ","),
              "[3,14159260; 3,14159290]  \u03c0 = 3,141592\u2026");
    EXPECT_EQ(IntervalCaption::Text("", 2.49570906810244, 3.49570906810244, "."),
              "[2.49, 3.49]  no digit sure yet");
}

// Both shown ends start with the digits the caption claims, and part right after them.
TEST(IntervalCaption, ClaimsOnlyDigitsBothShownEndsCarry) {
    for (double width = 1.0; width > 1e-12; width /= 3.7) {
        for (const double lower : {3.1, 3.14159, 3.1399999, 2.9999}) {
            const std::string text = IntervalCaption::Text("", lower, lower + width, ".");
            const std::size_t comma = text.find(", ");
            const std::string shownLower = text.substr(1, comma - 1);
            const std::string shownUpper = text.substr(comma + 2, text.find(']') - comma - 2);
            const std::size_t claim = text.find("= ");
            if (claim == std::string::npos) {
                EXPECT_NE(shownLower.front(), shownUpper.front()) << text;
                continue;
            }
            const std::string digits = text.substr(claim + 2, text.rfind("\u2026") - claim - 2);
            EXPECT_TRUE(shownLower.starts_with(digits)) << text;
            EXPECT_TRUE(shownUpper.starts_with(digits)) << text;
            const std::size_t place = digits.size() + (shownLower[digits.size()] == '.' ? 1 : 0);
            EXPECT_NE(shownLower[place], shownUpper[place]) << text;
        }
    }
}

TEST(StateTextReader, ReadsWholeLabelsWithTheLocaleSeparatorAndOnlyPlainNumbers) {
    const StateTextReader reader(
        "PiRounded:  abc\r\nPiAbove:    3,5\r\nPiBelow:    \r\nTiny:       1,86264514923096E-09",
        ",");
    EXPECT_EQ(reader.Value("PiAbove"), 3.5);
    EXPECT_EQ(reader.Value("Tiny"), 1.86264514923096E-09);
    EXPECT_EQ(reader.Value("PiRounded"), std::nullopt);
    EXPECT_EQ(reader.Value("PiBelow"), std::nullopt);
    EXPECT_EQ(reader.Value("Count"), std::nullopt);
    EXPECT_EQ(reader.Value("Pi"), std::nullopt);  // only whole labels
    EXPECT_EQ(reader.Value("PiAbov"), std::nullopt);
}

}  // namespace
}  // namespace quadrix
